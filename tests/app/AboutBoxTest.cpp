#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/AboutBox.h"
#include "common/WinText.h"
#include "support/RecordingPorts.h"

namespace lumbrix {
namespace {

using lumbrix::testing::RecordingShell;

using namespace lumbrix::literals;

struct Point {
  int x;
  int y;
  bool operator==(const Point&) const = default;
};

Point step(TAboutBox& box) {
  box.Timer1Timer();
  return {box.VersionLeft, box.VersionTop};
}

TEST(AboutBox, ShowsTheVersionAndStartsStill) {
  RecordingShell shell;
  TAboutBox box(shell);
  EXPECT_EQ(box.VersionCaption, std::string("Версия 0.8.1"_w));
  EXPECT_EQ(box.VersionLeft, 18);
  EXPECT_EQ(box.VersionTop, 101);
  EXPECT_FALSE(box.Timer1Enabled);
}

TEST(AboutBox, LabelRisesThenCirclesClockwiseInsideItsRectangle) {
  RecordingShell shell;
  TAboutBox box(shell);
  // Up the left side from 18,101 to the top edge.
  for (int y = 100; y >= 94; --y) EXPECT_EQ(step(box), (Point{18, y}));
  EXPECT_EQ(step(box), (Point{19, 94}));

  // One full round from 19,94: right along the top, down the right side, left along the bottom,
  // up the left side, each step one pixel in one coordinate.
  std::vector<Point> round;
  for (int x = 20; x <= 126; ++x) round.push_back({x, 94});
  for (int y = 95; y <= 105; ++y) round.push_back({126, y});
  for (int x = 125; x >= 19; --x) round.push_back({x, 105});
  for (int y = 104; y >= 94; --y) round.push_back({19, y});
  for (int lap = 0; lap < 3; ++lap) {
    for (const Point& expected : round) {
      Point before{box.VersionLeft, box.VersionTop};
      const Point p = step(box);
      ASSERT_EQ(p, expected) << "lap " << lap;
      ASSERT_EQ(std::abs(p.x - before.x) + std::abs(p.y - before.y), 1);
      ASSERT_TRUE(p.x >= 19 && p.x <= 126 && p.y >= 94 && p.y <= 105);
    }
  }
}

TEST(AboutBox, TimerFollowsShowingAndTheLabelKeepsItsPlace) {
  RecordingShell shell;
  TAboutBox box(shell);
  box.FormShow();
  EXPECT_TRUE(box.Timer1Enabled);
  for (int i = 0; i < 30; ++i) box.Timer1Timer();
  const Point where{box.VersionLeft, box.VersionTop};
  box.FormHide();
  EXPECT_FALSE(box.Timer1Enabled);
  box.FormShow();
  EXPECT_TRUE(box.Timer1Enabled);
  EXPECT_EQ((Point{box.VersionLeft, box.VersionTop}), where);
  EXPECT_NE(where, (Point{18, 101}));
}

TEST(AboutBox, LinksOpenMailAndWebAddressesThroughTheShell) {
  RecordingShell shell;
  TAboutBox box(shell);
  box.AuthorMyloClick();
  box.AuthorSiteClick();
  ASSERT_EQ(shell.opened.size(), 2u);
  EXPECT_TRUE(shell.opened[0].starts_with("mailto:"));
  EXPECT_TRUE(shell.opened[1].starts_with("http://") || shell.opened[1].starts_with("https://"));
}

}  // namespace
}  // namespace lumbrix
