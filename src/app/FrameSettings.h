// What the frame window shows of the settings: the keys of the File menu, the tool bar's look
// and place, and its caption. The window layer renders FrameChrome; the decisions are here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/Platform.h"
#include "common/WinText.h"
#include "settings/Settings.h"

namespace lumbrix {

struct FileMenuItem {
  std::string_view item;      // menu item name
  std::string_view action;    // the action it runs
  std::string_view caption;   // Windows-1251
  std::string_view classic;   // FMK = 0: the keys of two-panel file managers
  std::string_view standard;  // FMK = 1: the keys of common Windows programs
};

inline constexpr std::array<FileMenuItem, 5> kFileMenuItems = [] {
  using namespace lumbrix::literals;
  return std::array<FileMenuItem, 5>{{
      {"NewHtml1", "NewHtml", "&Новый HTML"_w, "F4", "Ctrl+N"},
      {"N8", "CreateFile", "Созд&ать..."_w, "Shift+F4", "Ctrl+Alt+N"},
      {"N3", "OpenFile", "&Открыть"_w, "F3", "Ctrl+O"},
      {"N4", "Save", "&Сохранить"_w, "F2", "Ctrl+S"},
      {"N5", "SaveAs", "Со&хранить в..."_w, "Shift+F2", "Ctrl+Alt+S"},
  }};
}();

enum class ToolBarPlacement { Top, Bottom, Left, Right, None };

// TBA 0..3 attaches the tool bar to an edge; any other value leaves it unattached.
ToolBarPlacement ToolBarPlacementOf(std::int32_t tba);

// The longest frame caption that PC may give.
inline constexpr std::size_t kMaxFrameCaption = 64;

struct FrameChrome {
  // The key names of kFileMenuItems, in its order; the window description gives the classic set.
  std::array<std::string_view, 5> fileMenuKeys = [] {
    std::array<std::string_view, 5> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = kFileMenuItems[i].classic;
    return keys;
  }();
  bool toolBarVisible = true;
  bool toolBarFlat = true;
  ToolBarPlacement toolBarPlacement = ToolBarPlacement::Top;
  std::string caption = "Lumbrix";

  bool operator==(const FrameChrome&) const = default;
};

// Applies FMK (passed as `keySet`), UT, FT, TBA and PC to the frame. A key set other than 0 or
// 1 assigns no keys and is reported; an empty or too long PC is replaced in the record.
void ApplyFrameSettings(Settings& settings, std::int32_t keySet, FrameChrome& chrome,
                        Dialogs& dialogs);

}  // namespace lumbrix
