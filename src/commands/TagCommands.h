// The document window's markup commands as data: the tag menu "Теги...", the format menu, the
// context menus of the two panes, the style buttons below the code pane. One mechanism runs
// every entry; the window layer builds its menus and buttons from these tables and calls
// RunDocumentCommand with the handler an entry names.
#pragma once

#include <span>
#include <string_view>

#include "commands/InsertionEngine.h"
#include "commands/Symbols.h"
#include "common/MenuEntry.h"

namespace lumbrix {

class TEditForm;
struct Settings;

// What replaces the code pane's selection S.
enum class TagInsert {
  Wrap,         // open + S + close
  Prefix,       // open + S
  Suffix,       // S + close
  Replace,      // open alone
  Author,       // open + (S, or the user name when nothing is selected) + close, S discarded
  Keywords,     // open + the keywords setting when in use + S + close
  Description,  // open + the description setting when in use + S + close
  Title,        // select the page title's text, or insert a title element
};

// Which fixed texts continue the indentation of the caret's line.
enum TagIndent : unsigned char { NoIndent = 0, IndentOpen = 1, IndentClose = 2, IndentBoth = 3 };

// One line of a button menu. Submenu starts carry a caption (and sometimes a hint) and run to
// their EndSubmenu; items carry everything.
struct TagMenuEntry {
  MenuKind kind;
  std::string_view handler = {};
  std::string_view caption = {};  // Windows-1251
  std::string_view hint = {};     // Windows-1251
  TagInsert insert = TagInsert::Wrap;
  std::string_view open = {};  // Windows-1251, line breaks as CR LF
  std::string_view close = {};
  TagIndent indent = NoIndent;
};

std::span<const TagMenuEntry> TagsPopupMenu();
std::span<const TagMenuEntry> BrPopupMenu();
const TagMenuEntry* FindTagCommand(std::string_view handler);

// The context menus of the code pane and of the plain-text pane.
std::span<const MenuEntry> CodePopupMenu();
std::span<const MenuEntry> LumbrixPopupMenu();

inline constexpr int kCodePopupHelpContext = 2000;
inline constexpr int kLumbrixPopupHelpContext = 2000;
inline constexpr int kTagsPopupHelpContext = 2002;
inline constexpr int kBrPopupHelpContext = 2003;

// The special characters of the context menus: each action does what the frame's symbol
// command of the same character does.
struct DocumentSymbol {
  std::string_view handler;       // "s10" ...
  std::string_view frameHandler;  // the frame's symbol command (SymbolCommands())
};
std::span<const DocumentSymbol> DocumentSymbols();
const SymbolCommand* FindDocumentSymbol(std::string_view handler);

// The style commands: wrap the active pane's selection, never indented.
struct StyleCommand {
  std::string_view handler;
  std::string_view open;
  std::string_view close;
};
std::span<const StyleCommand> StyleCommands();

// The buttons below the code pane: a command, or a menu that opens on mouse-up.
struct ButtonEntry {
  std::string_view name;
  std::string_view handler = {};  // "" for a menu button
  std::string_view caption = {};  // Windows-1251
  std::string_view hint = {};     // Windows-1251
  std::string_view popup = {};    // "TagsPopupMenu", "BrPopupMenu" or ""
};
std::span<const ButtonEntry> DocumentButtons();

// The title command "Название стр.": what it did.
enum class TitleOutcome {
  SelectedTitle,  // the page's title text is selected, nothing changed
  NoTitle,        // no "<title" outside scripts: a title element was inserted
  OpenTitle,      // a "<title" without ">" or "</title>" after it: a title element was inserted
};
TitleOutcome TitleCommand(TEditForm& form);

// Runs the command a table entry names on the form; false when the handler is not one of
// these (the plain-text conversion and the commenting command belong elsewhere).
bool RunDocumentCommand(TEditForm& form, const Settings& settings, std::string_view handler);

}  // namespace lumbrix
