// A row of a menu table: the frame's main menu and the document window's popup menus are built
// from rows of this shape by the window layer.
#pragma once

#include <string_view>

namespace lumbrix {

enum class MenuKind { Menu, Item, Submenu, EndSubmenu, Separator };

struct MenuEntry {
  MenuKind kind;
  std::string_view handler = {};  // the action or handler it runs ("" for menus and submenus)
  std::string_view caption = {};  // Windows-1251, with its accelerator ampersand
  std::string_view key = {};      // key name as the platform's text-to-shortcut conversion takes
  std::string_view hint = {};     // Windows-1251, shown in the status bar
  int helpContext = 0;
  std::string_view secondKey = {};  // a further key of the action
};

}  // namespace lumbrix
