#include "app/FrameSettings.h"

namespace lumbrix {

using namespace lumbrix::literals;

ToolBarPlacement ToolBarPlacementOf(std::int32_t tba) {
  switch (tba) {
    case 0:
      return ToolBarPlacement::Top;
    case 1:
      return ToolBarPlacement::Bottom;
    case 2:
      return ToolBarPlacement::Left;
    case 3:
      return ToolBarPlacement::Right;
    default:
      return ToolBarPlacement::None;
  }
}

void ApplyFrameSettings(Settings& settings, std::int32_t keySet, FrameChrome& chrome,
                        Dialogs& dialogs) {
  if (keySet == 0 || keySet == 1) {
    for (std::size_t i = 0; i < kFileMenuItems.size(); ++i)
      chrome.fileMenuKeys[i] = keySet == 0 ? kFileMenuItems[i].classic : kFileMenuItems[i].standard;
  } else {
    dialogs.MessageBox(std::string("Ошибочная настройка клавиш меню Файл\n"
                                   "Будут использованы клавиши по умолчанию\n"
                                   "Если вы не игрались с реестром, то сообщите о глюке автору"_w),
                       std::string("Неверные настройки"_w), MsgIcon::Exclamation, MsgButtons::Ok);
  }

  chrome.toolBarVisible = settings.UT;
  chrome.toolBarFlat = settings.FT;
  chrome.toolBarPlacement = ToolBarPlacementOf(settings.TBA);

  if (settings.PC.empty() || settings.PC.size() > kMaxFrameCaption) settings.PC = "Lumbrix";
  chrome.caption = settings.PC;
}

}  // namespace lumbrix
