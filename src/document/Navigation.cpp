#include "document/Navigation.h"

#include "common/CaseMap.h"
#include "common/Platform.h"
#include "document/EditForm.h"

namespace lumbrix {

void JumpBeforeTag(TEditForm& form, const std::string& tag) {
  TextPane& code = form.CodeEditor();
  const std::string text = code.Text();
  int b = FindText(text, tag, 0, -1, false, false);
  while (b >= 0 && form.InsideElement("script", b))
    b = FindText(text, tag, b + 1, -1, false, false);
  if (b >= 0) {
    if (b > 2 && text[b - 1] == '\n') b -= 2;
    code.SetSelection(b, 0);
  }
  code.SetFocus();
}

}  // namespace lumbrix
