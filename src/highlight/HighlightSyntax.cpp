// The highlighting pass of a document window: the rule set of the document's kind over the
// text around the caret.
#include <algorithm>

#include "common/Platform.h"
#include "document/EditForm.h"
#include "highlight/Hilite.h"
#include "settings/Settings.h"

namespace lumbrix {

const HiliteRuleSet* HiliteRulesForKind(const HiliteRules& rules, int fileKind) {
  switch (fileKind) {
    case KindHtml:
    case KindXml:
      return &rules.Html;
    case KindJavaScript:
      return &rules.JavaScript;
    case KindCpp:
      return &rules.Cpp;
    default:
      return nullptr;
  }
}

void HighlightSyntax(TEditForm& form, const Settings& settings, const HiliteRules& rules) {
  if (!settings.SO) return;
  const HiliteRuleSet* set = HiliteRulesForKind(rules, form.FileKind);
  if (!set) return;
  TextPane& editor = form.CodeEditor();
  const int length = editor.TextLength();
  const int caret = editor.SelStart();
  const int first = std::max(0, caret - kHiliteReach);
  const int last = length > caret + kHiliteReach ? caret + kHiliteReach : length - 1;
  HiliteRange(editor, first, last, *set, static_cast<std::uint32_t>(settings.CETColor));
}

void AttachHighlighter(TEditForm& form, const Settings& settings, const HiliteRules& rules) {
  form.HighlightPass = [&form, &settings, &rules] { HighlightSyntax(form, settings, rules); };
}

}  // namespace lumbrix
