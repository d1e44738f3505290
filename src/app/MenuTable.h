// The frame's main menu and tool bar as data: the window layer builds both from these tables, and
// the frame form runs the handler each entry names.
#pragma once

#include <span>
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

// Top-level menus (MenuKind::Menu) start a menu that runs to the next top-level menu.
std::span<const MenuEntry> MainMenu();

struct ToolEntry {
  std::string_view handler;  // "" for a separator
  std::string_view hint;     // Windows-1251
};

std::span<const ToolEntry> ToolBar();

// The characters of the symbol menu: one character, or a pair that wraps the selection.
struct SymbolCommand {
  std::string_view handler;
  unsigned char open;
  unsigned char close;  // 0: a single character
};

std::span<const SymbolCommand> SymbolCommands();
const SymbolCommand* FindSymbolCommand(std::string_view handler);

// Help context numbers.
inline constexpr int kFrameHelpContext = 3;

}  // namespace lumbrix
