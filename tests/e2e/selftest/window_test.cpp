// Top-level windows are found with their rectangles, closed, and captured.

#include <fstream>
#include <iterator>

#include "harness/e2e.h"

namespace e2e {
namespace {

// Width and height from a PNG file's IHDR chunk.
std::pair<int, int> PngSize(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return {0, 0};
  auto be32 = [&](std::size_t at) {
    return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
           (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
  };
  return {be32(16), be32(20)};
}

TEST(Windows, FindsAWindowWithItsRectanglesAndClosesIt) {
  E2eSession s;
  Program program = s.StartHelper("minimal_window.exe", {"--stay", "1"});
  Window window = program.WaitForWindow({.title = "minimal_window"});

  EXPECT_EQ(window.rect, (Rect{100, 120, 420, 360}));
  EXPECT_EQ(window.className, "minimal_window");
  EXPECT_EQ(window.pid, program.WindowsPid());
  EXPECT_TRUE(window.visible);
  EXPECT_TRUE(window.rect.Contains(window.client));
  EXPECT_GT(window.client.top, window.rect.top) << "Wine draws the caption (Managed=N)";
  EXPECT_TRUE(s.Windows({.title = "minimal_window", .className = "other"}).empty());

  auto file = s.Screenshot(window, "minimal-window");
  EXPECT_EQ(PngSize(file), std::make_pair(320, 240));

  program.Close();
  EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(Windows, WaitForWindowOrExitSeesAProgramEndFirst) {
  E2eSession s;
  Program program = s.StartHelper("message_box.exe");  // no arguments: exits at once
  EXPECT_EQ(program.WaitForWindowOrExit({.title = "never shown"}), std::nullopt);
  EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(Windows, MinimalWindowEndsAfterItsFirstPaint) {
  E2eSession s;
  Program program = s.StartHelper("minimal_window.exe");
  EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(Windows, ScreenshotOfTheWholeScreen) {
  E2eSession s;
  EXPECT_EQ(PngSize(s.ScreenshotScreen("screen")), std::make_pair(1024, 768));
}

}  // namespace
}  // namespace e2e
