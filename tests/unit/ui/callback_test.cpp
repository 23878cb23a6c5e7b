// Event handlers held as bytes.

#include <gtest/gtest.h>

#include "platform/ui/callback.h"

namespace {

TEST(Callback, AnEmptyHandlerDoesNothingAndACopyKeepsItsOwnCapturedState) {
  const ui::Callback<int(int)> empty;
  EXPECT_FALSE(empty);
  EXPECT_EQ(empty(5), 0);

  ui::Callback<int(int)> counting = [step = 10](int add) mutable { return step += add; };
  EXPECT_EQ(counting(1), 11);
  const ui::Callback<int(int)> copy = counting;
  EXPECT_EQ(counting(1), 12);
  EXPECT_EQ(copy(5), 16) << "the copy goes on from the state it was copied with";
}

}  // namespace
