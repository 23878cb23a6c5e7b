// The percentage gauge.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/headless/testing.h"
#include "platform/ui/gauge.h"

namespace {

TEST(Gauge, KeepsItsPercentageWithinTheScaleAndReportsRealChangesOnly) {
  ui::Application app;
  ui::Form form{app, "Form5", "Control Window", ui::BorderStyle::ToolWindow};
  ui::Gauge gauge{form, {.name = "MemBar", .bounds = {176, 24, 49, 12}, .hint = "メモリ使用率"}};
  EXPECT_TRUE(gauge.ShowHint());
  form.HandleNeeded();
  for (const auto& [set, shown] : std::vector<std::pair<int, int>>{{50, 50}, {50, 50}, {140, 100}, {-3, 0}}) {
    SCOPED_TRACE(set);
    gauge.SetProgress(set);
    EXPECT_EQ(gauge.Progress(), shown);
  }
  gauge.SetForeColor(0x00FF0000);
  gauge.SetForeColor(0x00FF0000);
  using ui::Property;
  EXPECT_EQ(ui::test::PeerUpdates(gauge),
            (std::vector<Property>{Property::Position, Property::Position, Property::Position, Property::Color}));
}

}  // namespace
