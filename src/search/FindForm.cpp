#include "search/FindForm.h"

#include <algorithm>

#include "common/CaseMap.h"
#include "common/Platform.h"
#include "common/WinText.h"
#include "document/EditForm.h"

namespace lumbrix {

using namespace literals;

namespace {

// A word character for the whole-word option: a Latin or Cyrillic letter, a digit, "_".
bool isWordChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u == '_' || (u >= '0' && u <= '9') || kWinLower[u] != kWinUpper[u];
}

const std::string_view kDone = "Поиск завершён"_w;

}  // namespace

TFindForm::TFindForm(Dialogs& dialogs) : dialogs_(dialogs) {
  showMode();
}

void TFindForm::FindExecute() {
  open(false);
}

void TFindForm::ReplaceExecute() {
  open(true);
}

void TFindForm::open(bool replaceMode) {
  if (Visible && ReplaceMode == replaceMode) {
    if (Activate) Activate();
    return;
  }
  ReplaceMode = replaceMode;
  // Enter in the replace mode steps through the occurrences one by one: replacing them all
  // takes its own button.
  if (replaceMode) Emphasis = Button::FindBelowButton;
  if (Visible) {
    FormShow();
    if (Activate) Activate();
  } else if (Show) {
    Show();
  }
}

void TFindForm::showMode() {
  Caption = ReplaceMode ? "Заменить"_w : "Найти"_w;
  FindButtonCaption = ReplaceMode ? "Заменить BCE"_w : "Найти"_w;
  FindBelowButtonCaption = ReplaceMode ? "Заменить след."_w : "Найти далее"_w;
  ReplaceShown = ReplaceMode;
}

void TFindForm::FormShow() {
  showMode();
  Visible = true;
  FocusRequest = Control::What;
}

void TFindForm::FormClose() {
  MatchCase = WholeWordsOnly = TagsOnly = ExceptScripts = false;
  What.clear();
  ReplaceWith.clear();
  WhereIndex = kWhereWholeFile;
  Emphasis = Button::FindButton;
  InSelection = FoundOnce = false;
  Visible = false;
}

void TFindForm::FormHide() {
  Visible = false;
}

void TFindForm::FormKeyUp(bool escape, bool shift, bool ctrl, bool alt) {
  if (escape && !shift && !ctrl && !alt && Close) Close();
}

bool TFindForm::checksPass() {
  bool pass = true;
  if (What.empty()) {
    dialogs_.MessageBox(std::string("Не буду искать пустую строку"_w), std::string("Ошибка"_w),
                        MsgIcon::Stop, MsgButtons::Ok);
    pass = false;
  }
  if (WhereIndex == kWhereScripts && ExceptScripts) {
    dialogs_.MessageBox(std::string("\"В скриптах кроме скриптов\" - это где?"_w),
                        std::string("Не понял"_w), MsgIcon::Stop, MsgButtons::Ok);
    pass = false;
  }
  return pass;
}

void TFindForm::notFound(bool firstSearch) {
  const bool selection = WhereIndex == kWhereSelection;
  std::string text(firstSearch ? "Строка не найдена\n"_w : "Больше нет таких строк\n"_w);
  text += selection ? "в выделенном фрагменте"_w : "в документе"_w;
  dialogs_.MessageBox(text, std::string(kDone), MsgIcon::Exclamation, MsgButtons::Ok);
}

std::string TFindForm::searchText() const {
  return TagsOnly ? "<" + What : What;
}

int TFindForm::nextMatch(std::string_view text, const std::string& search, int from,
                         int end) const {
  const int n = static_cast<int>(text.size());
  const int length = static_cast<int>(search.size());
  end = std::min(end, n);
  while (from >= 0 && end - from >= length) {
    const int at = FindText(text, search, from, end - from, MatchCase, false);
    if (at < 0) return -1;
    // The "<" of a tag is no word character, so a tag is whole on its left by itself.
    const bool wholeLeft = TagsOnly || at == 0 || !isWordChar(text[at - 1]);
    const bool wholeRight = at + length >= n || !isWordChar(text[at + length]);
    if (!WholeWordsOnly || (wholeLeft && wholeRight)) return at;
    from = at + 1;
  }
  return -1;
}

bool TFindForm::FindInRange(std::string_view text) {
  if (What.empty()) return false;
  const std::string search = searchText();
  const int end = RangeStart + RangeLength;
  RegionFilter region(text, WhereIndex, ExceptScripts);
  for (int at = nextMatch(text, search, RangeStart, end); at >= 0;
       at = nextMatch(text, search, at + 1, end)) {
    if (!region.Accepts(at)) continue;
    LastMatch = at + (TagsOnly ? 1 : 0);
    return true;
  }
  return false;
}

void TFindForm::found(TextPane& code, int rangeEnd) {
  code.SetSelection(LastMatch, static_cast<int>(What.size()));
  Emphasis = Button::FindBelowButton;
  InSelection = WhereIndex == kWhereSelection;
  if (InSelection) {
    RangeStart = LastMatch + 1;
    RangeLength = rangeEnd - RangeStart;
  }
  FoundOnce = true;
}

void TFindForm::FindButtonClick() {
  TEditForm* document = ActiveDocument ? ActiveDocument() : nullptr;
  if (!document || !checksPass()) return;
  TextPane& code = document->CodeEditor();
  if (ReplaceMode) {
    replaceAll(code);
    return;
  }
  const std::string text = code.Text();
  if (WhereIndex == kWhereSelection) {
    RangeStart = code.SelStart();
    RangeLength = code.SelLength();
  } else {
    RangeStart = 0;
    RangeLength = static_cast<int>(text.size());
  }
  const int end = RangeStart + RangeLength;
  if (!FindInRange(text)) {
    notFound(true);
    return;
  }
  found(code, end);
  FocusRequest = Control::FindBelowButton;
}

void TFindForm::FindBelowButtonClick() {
  TEditForm* document = ActiveDocument ? ActiveDocument() : nullptr;
  if (!document || !checksPass()) return;
  TextPane& code = document->CodeEditor();
  if (ReplaceMode)
    replaceNext(code);
  else
    findNext(code, true);
}

// Searches on from the caret. skipSelected: an occurrence right at the caret, after a search has
// succeeded, is the one already selected, and the search moves past it.
bool TFindForm::findNext(TextPane& code, bool skipSelected) {
  const std::string text = code.Text();
  const int caret = code.SelStart();
  const int start = InSelection && caret == LastMatch - 1 ? LastMatch : caret;
  int end = static_cast<int>(text.size());
  if (WhereIndex == kWhereSelection)
    end = InSelection ? RangeStart + RangeLength : caret + code.SelLength();
  RangeStart = start;
  RangeLength = end - start;
  bool ok = FindInRange(text);
  // The selected occurrence is compared by where its text begins, after the "<" of a tag.
  if (ok && skipSelected && FoundOnce && LastMatch == RangeStart) {
    ++RangeStart;
    RangeLength = end - RangeStart;
    ok = FindInRange(text);
  }
  if (!ok) {
    notFound(false);
    return false;
  }
  found(code, end);
  return true;
}

// Whether the occurrence whose search text begins at start, ending before end, is one the
// options and the region accept.
bool TFindForm::isOccurrenceAt(std::string_view text, int start, int end) {
  const std::string search = searchText();
  if (start < 0 || nextMatch(text, search, start, end) != start) return false;
  return RegionFilter(text, WhereIndex, ExceptScripts).Accepts(start);
}

void TFindForm::replaceNext(TextPane& code) {
  const std::string text = code.Text();
  const int what = static_cast<int>(What.size());
  const int lead = TagsOnly ? 1 : 0;
  const int selStart = code.SelStart();
  const int seriesEnd = RangeStart + RangeLength;
  const bool inRange = !InSelection || selStart + what <= seriesEnd;
  if (code.SelLength() == what && inRange &&
      isOccurrenceAt(text, selStart - lead, selStart + what)) {
    code.ReplaceSelection(ReplaceWith);
    // The series ends where it ended, in the text as it is now.
    if (InSelection) RangeLength += static_cast<int>(ReplaceWith.size()) - what;
  }
  findNext(code, false);
}

void TFindForm::replaceAll(TextPane& code) {
  const std::string text = code.Text();
  int start = 0;
  int end = static_cast<int>(text.size());
  if (WhereIndex == kWhereSelection) {
    start = code.SelStart();
    end = InSelection ? RangeStart + RangeLength : start + code.SelLength();
  }
  const std::string search = searchText();
  const int lead = TagsOnly ? 1 : 0;
  const int length = static_cast<int>(search.size());
  RegionFilter region(text, WhereIndex, ExceptScripts);
  // One pass: the replaced stretch, from the first occurrence to the end of the last, is built
  // while the search goes on, then put in place as one edit.
  std::string stretch;
  int first = -1;
  int copied = 0;
  int count = 0;
  for (int at = nextMatch(text, search, start, end); at >= 0;) {
    if (!region.Accepts(at)) {
      at = nextMatch(text, search, at + 1, end);
      continue;
    }
    const int from = at + lead;
    if (first < 0)
      first = from;
    else
      stretch.append(text, copied, from - copied);
    stretch += ReplaceWith;
    copied = from + static_cast<int>(What.size());
    ++count;
    at = nextMatch(text, search, at + length, end);
  }
  if (count == 0) {
    notFound(true);
    return;
  }
  code.SetSelection(first, copied - first);
  code.ReplaceSelection(stretch);
  InSelection = false;
  dialogs_.MessageBox(std::string("Заменено: "_w) + std::to_string(count), std::string(kDone),
                      MsgIcon::Information, MsgButtons::Ok);
}

}  // namespace lumbrix
