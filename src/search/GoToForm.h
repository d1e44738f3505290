// The go-to dialog as a presentation model: the landmark or line chosen in `Where`, the line
// number of `LineNumEdit` and its up-down `LineNum`, and what confirming the dialog does to the
// code pane of a document window. The dialog lives as long as the program, so the choice and
// the line number carry over from one opening to the next.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lumbrix {

class TEditForm;

// The offset of the first character of line `line` (counted from 1) in a CR LF text, or nothing
// when the text has no character on that line: an empty text, a line beyond the last, and the
// empty line after a final line break are all out of reach.
std::optional<int> LineStart(std::string_view text, int line);

// Puts the code pane's caret at the start of line `line`, nothing selected; out of reach, the
// caret stays where it was.
void GoToLine(TEditForm& document, int line);

class TGoToForm {
 public:
  struct Target {
    std::string_view item;    // the text shown in `Where`, Windows-1251
    std::string_view marker;  // the tag `JumpBeforeTag` looks for; empty for the line choice
  };
  static const std::array<Target, 5> kTargets;
  static constexpr int kLineItem = 4;
  static constexpr int kMinLine = 1;
  static constexpr int kMaxLine = 10000;

  // Whether a control shows the window colour (enabled) or the button-face colour (disabled).
  enum class Background { Window, ButtonFace };

  // `Where`: -1 until the dialog is first shown.
  int WhereIndex = -1;
  bool WhereEnabled = true;
  // `LineNum`'s position and `LineNumEdit`'s text, enabled together.
  int LineNum = kMinLine;
  std::string LineNumEditText = "1";
  bool LineNumEnabled = false;
  Background LineNumEditColor = Background::ButtonFace;

  // Set by the line-number command, cleared whenever the dialog closes.
  bool LineMode = false;
  bool Accepted = false;

  // Closes the dialog; set by the window.
  std::function<void()> Close;

  // A frame command: the line-number command when lineMode, `GoTo` otherwise. showModal runs
  // the dialog until it closes; when the user confirmed, the caret of the document's code pane
  // goes where the dialog says. Returns whether the user confirmed.
  bool Execute(TEditForm& document, bool lineMode, const std::function<void()>& showModal);
  // What confirming does: the chosen landmark, or the line (always the line in line mode).
  void JumpToChoice(TEditForm& document, bool lineMode) const;

  void FormShow();
  void FormClose();
  void WhereChange();
  void OKButtonClick();
  void CancelButtonClick();

  // The up-down's arrows: one line up or down, stopping at the range's ends.
  void LineNumStep(int delta);
  // Typed text moves the up-down only when it is a line number in range, so that the dialog
  // never confirms a line it does not show.
  void LineNumEditChange(const std::string& text);
  // Editing done: the field shows the up-down's number again.
  void LineNumEditExit();

 private:
  void enableLineNum();
};

}  // namespace lumbrix
