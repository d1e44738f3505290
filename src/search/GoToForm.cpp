#include "search/GoToForm.h"

#include <algorithm>

#include "common/Platform.h"
#include "common/WinText.h"
#include "document/BlockCommands.h"
#include "document/EditForm.h"
#include "document/Navigation.h"

namespace lumbrix {

using namespace literals;

const std::array<TGoToForm::Target, 5> TGoToForm::kTargets = {{
    {"в конец документа"_w, "</body>"},
    {"в конец заголовка"_w, "</head>"},
    {"к названию страницы"_w, "</title>"},
    {"к таблице стилей"_w, "</style>"},
    {"к Строке номер :"_w, ""},
}};

std::optional<int> LineStart(std::string_view text, int line) {
  const int start = LineStartPosition(text, line);
  if (start < 0) return std::nullopt;
  return start;
}

void GoToLine(TEditForm& document, int line) {
  TextPane& code = document.CodeEditor();
  if (const std::optional<int> start = LineStart(code.Text(), line)) code.SetSelection(*start, 0);
}

bool TGoToForm::Execute(TEditForm& document, bool lineMode,
                        const std::function<void()>& showModal) {
  LineMode = lineMode;
  showModal();
  if (Accepted) JumpToChoice(document, lineMode);
  return Accepted;
}

void TGoToForm::JumpToChoice(TEditForm& document, bool lineMode) const {
  if (lineMode || WhereIndex == kLineItem) {
    GoToLine(document, LineNum);
  } else if (WhereIndex >= 0 && WhereIndex < kLineItem) {
    JumpBeforeTag(document, std::string(kTargets[WhereIndex].marker));
  }
}

void TGoToForm::FormShow() {
  WhereEnabled = !LineMode;
  if (LineMode)
    WhereIndex = kLineItem;
  else if (WhereIndex < 0)
    WhereIndex = 0;
  enableLineNum();
  Accepted = false;
}

void TGoToForm::FormClose() {
  LineMode = false;
  LineNumEditExit();
}

void TGoToForm::WhereChange() {
  enableLineNum();
}

void TGoToForm::OKButtonClick() {
  Accepted = true;
  if (Close) Close();
}

void TGoToForm::CancelButtonClick() {
  if (Close) Close();
}

void TGoToForm::LineNumStep(int delta) {
  LineNum = std::clamp(LineNum + delta, kMinLine, kMaxLine);
  LineNumEditText = std::to_string(LineNum);
}

void TGoToForm::LineNumEditChange(const std::string& text) {
  LineNumEditText = text;
  if (text.empty() || text.size() > 5) return;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return;
    value = value * 10 + (c - '0');
  }
  if (value >= kMinLine && value <= kMaxLine) LineNum = value;
}

void TGoToForm::LineNumEditExit() {
  LineNumEditText = std::to_string(LineNum);
}

void TGoToForm::enableLineNum() {
  LineNumEnabled = WhereIndex == kLineItem;
  LineNumEditColor = LineNumEnabled ? Background::Window : Background::ButtonFace;
}

}  // namespace lumbrix
