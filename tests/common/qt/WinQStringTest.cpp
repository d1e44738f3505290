#include <gtest/gtest.h>

#include "common/WinText.h"
#include "common/qt/WinQString.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

TEST(WinQString, EveryByteSurvivesTheTripThroughQt) {
  std::string all;
  for (int c = 0; c < 256; ++c) all.push_back(static_cast<char>(c));
  std::string back;
  EXPECT_TRUE(FromQString(ToQString(all), back));
  EXPECT_EQ(back, all);
  EXPECT_EQ(ToQString("Привет, ёж №1"_w), QStringLiteral("Привет, ёж №1"));
}

TEST(WinQString, CharactersTheCodePageLacksAreReported) {
  std::string win;
  EXPECT_FALSE(FromQString(QStringLiteral("a₽b"), win));
  EXPECT_EQ(win, "a?b");
  EXPECT_EQ(FromQString(QStringLiteral("日本")), "??");
}

}  // namespace
}  // namespace lumbrix
