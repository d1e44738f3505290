#include <gtest/gtest.h>

#include <string>

#include "app/FrameSettings.h"
#include "common/WinText.h"
#include "support/FakeDialogs.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using testing::FakeDialogs;

using Keys = std::array<std::string_view, 5>;
constexpr Keys kClassic = {"F4", "Shift+F4", "F3", "F2", "Shift+F2"};
constexpr Keys kStandard = {"Ctrl+N", "Ctrl+Alt+N", "Ctrl+O", "Ctrl+S", "Ctrl+Alt+S"};

TEST(ApplyFrameSettings, AssignsTheChosenKeySet) {
  Settings s;
  FrameChrome chrome;
  FakeDialogs dialogs;
  EXPECT_EQ(chrome.fileMenuKeys, kClassic);
  ApplyFrameSettings(s, 1, chrome, dialogs);
  EXPECT_EQ(chrome.fileMenuKeys, kStandard);
  ApplyFrameSettings(s, 0, chrome, dialogs);
  EXPECT_EQ(chrome.fileMenuKeys, kClassic);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST(ApplyFrameSettings, AnUnknownKeySetKeepsTheKeysAndIsReportedEachTime) {
  Settings s;
  FrameChrome chrome;
  FakeDialogs dialogs;
  ApplyFrameSettings(s, 1, chrome, dialogs);
  ApplyFrameSettings(s, 5, chrome, dialogs);
  ApplyFrameSettings(s, -1, chrome, dialogs);
  EXPECT_EQ(chrome.fileMenuKeys, kStandard);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  const auto& m = dialogs.messages[0];
  EXPECT_EQ(m.text, std::string("Ошибочная настройка клавиш меню Файл\n"
                                "Будут использованы клавиши по умолчанию\n"
                                "Если вы не игрались с реестром, то сообщите о глюке автору"_w));
  EXPECT_EQ(m.caption, std::string("Неверные настройки"_w));
  EXPECT_EQ(m.icon, MsgIcon::Exclamation);
  EXPECT_EQ(m.buttons, MsgButtons::Ok);
}

TEST(ApplyFrameSettings, ShowsTheToolBarAsSet) {
  Settings s;
  s.UT = false;
  s.FT = false;
  FrameChrome chrome;
  FakeDialogs dialogs;
  const std::pair<std::int32_t, ToolBarPlacement> cases[] = {
      {0, ToolBarPlacement::Top},   {1, ToolBarPlacement::Bottom}, {2, ToolBarPlacement::Left},
      {3, ToolBarPlacement::Right}, {7, ToolBarPlacement::None},   {-1, ToolBarPlacement::None}};
  for (const auto& [tba, placement] : cases) {
    s.TBA = tba;
    ApplyFrameSettings(s, 0, chrome, dialogs);
    EXPECT_EQ(chrome.toolBarPlacement, placement) << tba;
  }
  EXPECT_FALSE(chrome.toolBarVisible);
  EXPECT_FALSE(chrome.toolBarFlat);
}

TEST(ApplyFrameSettings, TheCaptionFallsBackWhenEmptyOrTooLong) {
  FakeDialogs dialogs;
  const std::string cyrillic64(64, "Ж"_w[0]);  // 64 characters are 64 bytes in the code page
  const std::string own("Мой редактор"_w);
  const std::pair<std::string, std::string> cases[] = {
      {"", "Lumbrix"}, {std::string(65, 'a'), "Lumbrix"}, {cyrillic64, cyrillic64}, {own, own}};
  for (const auto& [pc, expected] : cases) {
    Settings s;
    s.PC = pc;
    FrameChrome chrome;
    ApplyFrameSettings(s, 0, chrome, dialogs);
    EXPECT_EQ(s.PC, expected);
    EXPECT_EQ(chrome.caption, expected);
  }
}

}  // namespace
}  // namespace lumbrix
