// The frame's main menu and tool bar as data: the window layer builds both from these tables, and
// the frame form runs the handler each entry names.
#pragma once

#include <span>
#include <string_view>

#include "common/MenuEntry.h"

namespace lumbrix {

// Top-level menus (MenuKind::Menu) start a menu that runs to the next top-level menu.
std::span<const MenuEntry> MainMenu();

struct ToolEntry {
  std::string_view handler;  // "" for a separator
  std::string_view hint;     // Windows-1251
};

std::span<const ToolEntry> ToolBar();

// Help context numbers.
inline constexpr int kFrameHelpContext = 3;

}  // namespace lumbrix
