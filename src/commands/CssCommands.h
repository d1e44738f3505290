// The CSS menu of the code page: property names ready for a value, rule skeletons for element
// selectors and pseudo-class suffixes. The menu is one table; the window layer builds the menu
// from it and runs an item by the handler name it is given.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "common/MenuEntry.h"

namespace lumbrix {

class TEditForm;

// What an item does to the code pane's selection S (which only the selector keeps).
enum class CssInsert {
  Property,     // caption + ":;", the caret between the colon and the semicolon
  Selector,     // selector + " {" + line break + S + line break + "}", at the caret line's indent
  PseudoClass,  // ":" + caption
};

// One line of the menu: submenus carry a caption and run to their EndSubmenu; items carry a
// caption, a hint and, for selector items, the selector they write.
struct CssMenuEntry {
  MenuKind kind;
  std::string_view caption = {};  // Windows-1251
  std::string_view hint = {};     // Windows-1251
  CssInsert insert = CssInsert::Property;
  std::string_view selector = {};
};

std::span<const CssMenuEntry> CSSPopupMenu();
inline constexpr int kCssPopupHelpContext = 2001;

// An item's click handler: the caption without hyphens followed by "1Click" ("zindex1Click").
std::string CssHandlerName(const CssMenuEntry& item);
const CssMenuEntry* FindCssCommand(std::string_view handler);

// Runs one item on the code pane: one replacement of the selection, one undo step.
void RunCssItem(TEditForm& form, const CssMenuEntry& item);
// Runs the item a handler names; false when no item has that handler.
bool RunCssCommand(TEditForm& form, std::string_view handler);

}  // namespace lumbrix
