#include "commands/CssCommands.h"

#include "commands/InsertionEngine.h"
#include "common/Platform.h"
#include "document/EditForm.h"

namespace lumbrix {

std::string CssHandlerName(const CssMenuEntry& item) {
  std::string name;
  for (const char c : item.caption)
    if (c != '-') name += c;
  return name + "1Click";
}

const CssMenuEntry* FindCssCommand(std::string_view handler) {
  for (const CssMenuEntry& e : CSSPopupMenu())
    if (e.kind == MenuKind::Item && CssHandlerName(e) == handler) return &e;
  return nullptr;
}

void RunCssItem(TEditForm& form, const CssMenuEntry& item) {
  TextPane& code = form.CodeEditor();
  const std::string caption(item.caption);
  switch (item.insert) {
    case CssInsert::Property:
      ReplacePaneSelection(form, code, caption + ":;");
      code.SetSelection(code.SelStart() - 1, 0);
      break;
    case CssInsert::Selector: {
      // Both braces take the indentation of the selection start, read before it moves.
      const std::string selected = code.SelText();
      const std::string open = IndentSnippet(code, " {\r\n");
      const std::string close = IndentSnippet(code, "\r\n}");
      ReplacePaneSelection(form, code, std::string(item.selector) + open + selected + close);
      break;
    }
    case CssInsert::PseudoClass:
      ReplacePaneSelection(form, code, ":" + caption);
      break;
  }
}

bool RunCssCommand(TEditForm& form, std::string_view handler) {
  const CssMenuEntry* item = FindCssCommand(handler);
  if (!item) return false;
  RunCssItem(form, *item);
  return true;
}

}  // namespace lumbrix
