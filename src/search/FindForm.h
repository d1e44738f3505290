// The find dialog as a presentation model: the text sought in `What` and its replacement in
// `ReplaceWith`, the region chosen in `Where`, the four options, which of the two buttons is
// emphasised, and the state a series of "Найти далее" carries from one search to the next. The
// dialog searches the code pane of the active document window. The same dialog, opened by the
// replace command, replaces: its first button then replaces every occurrence of the region, its
// second the selected occurrence before finding the next one.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "search/ElementRegions.h"

namespace lumbrix {

class Dialogs;
class TEditForm;
class TextPane;

class TFindForm {
 public:
  explicit TFindForm(Dialogs& dialogs);

  // The controls' values.
  std::string What;
  std::string ReplaceWith;
  int WhereIndex = kWhereWholeFile;
  bool MatchCase = false;
  bool WholeWordsOnly = false;
  bool TagsOnly = false;
  bool ExceptScripts = false;

  // What the window shows: the captions of the mode, whether `Label3` and `ReplaceWith` are
  // shown, which button is bold and default, and a control that should take the focus (the
  // window gives it the focus and clears the request).
  enum class Button { FindButton, FindBelowButton };
  enum class Control { None, What, FindBelowButton };
  bool ReplaceMode = false;
  std::string Caption;
  std::string FindButtonCaption;
  std::string FindBelowButtonCaption;
  bool ReplaceShown = false;
  Button Emphasis = Button::FindButton;
  Control FocusRequest = Control::None;
  bool Visible = false;

  // The state of a series of searches: the range still to search, where the last occurrence
  // begins (after the "<" when only tags are sought), whether the series runs inside a
  // selection, and whether any search has succeeded since the dialog was last closed.
  int RangeStart = 0;
  int RangeLength = 0;
  int LastMatch = -1;
  bool InSelection = false;
  bool FoundOnce = false;

  // The document whose code pane is searched; nothing when no document window is open.
  std::function<TEditForm*()> ActiveDocument;
  // Set by the window: show it (FormShow follows), bring it forward and give it the focus, and
  // close it (FormClose follows).
  std::function<void()> Show;
  std::function<void()> Activate;
  std::function<void()> Close;

  // The frame's commands `Find` (Ctrl+F) and `Replace` (Ctrl+H): a visible dialog in the same
  // mode only takes the focus; otherwise the dialog shows itself in that mode.
  void FindExecute();
  void ReplaceExecute();

  // Searches the range for the text with the options and the region; sets LastMatch.
  bool FindInRange(std::string_view text);

  // "Найти" ("Заменить BCE" in the replace mode) and "Найти далее" ("Заменить след.").
  void FindButtonClick();
  void FindBelowButtonClick();

  void FormShow();
  void FormClose();
  // The window hid without closing (its document closed, Esc in a code pane): fields stay.
  void FormHide();
  // A key released while the dialog window itself has the focus: Esc alone closes it.
  void FormKeyUp(bool escape, bool shift, bool ctrl, bool alt);

 private:
  void open(bool replaceMode);
  void showMode();
  bool checksPass();
  std::string searchText() const;
  // The next occurrence of the search text in text[from, end) with the case and whole-word
  // options, regions aside; -1 when there is none.
  int nextMatch(std::string_view text, const std::string& search, int from, int end) const;
  bool isOccurrenceAt(std::string_view text, int start, int end);
  bool findNext(TextPane& code, bool skipSelected);
  void found(TextPane& code, int rangeEnd);
  void replaceNext(TextPane& code);
  void replaceAll(TextPane& code);
  void notFound(bool firstSearch);

  Dialogs& dialogs_;
};

}  // namespace lumbrix
