#include "commands/KeyAssist.h"

#include <algorithm>
#include <string>

#include "commands/InsertionEngine.h"
#include "common/Platform.h"
#include "document/EditForm.h"
#include "document/FileKinds.h"
#include "settings/Settings.h"

namespace lumbrix {

namespace {

// The helpers look at the text near the caret only; they read it from the pane in pieces of
// this size rather than fetching the whole page for every key.
constexpr int kPiece = 128;

constexpr unsigned kAnyModifier = kShiftHeld | kAltHeld | kCtrlHeld;

bool textBefore(const TextPane& code, int pos, std::string_view what) {
  const int n = static_cast<int>(what.size());
  return pos >= n && code.TextRange(pos - n, n) == what;
}

}  // namespace

bool LineHasTextBefore(std::string_view text, int pos) {
  pos = std::clamp(pos, 0, static_cast<int>(text.size()));
  for (int i = pos - 1; i >= 0 && text[static_cast<std::size_t>(i)] != '\n'; --i)
    if (text[static_cast<std::size_t>(i)] != ' ') return true;
  return false;
}

bool LineHasTextBefore(const TextPane& code, int pos) {
  pos = std::clamp(pos, 0, code.TextLength());
  for (int end = pos; end > 0;) {
    const int from = std::max(0, end - kPiece);
    const std::string piece = code.TextRange(from, end - from);
    for (auto i = piece.size(); i > 0; --i) {
      if (piece[i - 1] == '\n') return false;
      if (piece[i - 1] != ' ') return true;
    }
    end = from;
  }
  return false;
}

int UnindentAmount(std::string_view text, int pos) {
  const CaretWindow w = CaretTextWindow(text, pos);
  int q = w.posInWindow;
  const int a = CaretLineIndent(text, pos);
  int d = 0;
  for (;;) {
    int b = 0;
    bool last = false;
    if (a + 2 < q) {
      while (q > 0 && w.window[static_cast<std::size_t>(q - 1)] != '\r') --q;
      b = CaretLineIndent(text, q + w.windowStart);
    } else {
      last = true;  // too close to the start of the window
    }
    d = a - b;
    if (last || d > 0 || b == 0) return d;
    q -= 2;  // back over the CR LF, into the line just examined
  }
}

int UnindentAmount(const TextPane& code, int pos) {
  // The search reaches 2000 characters back from pos, and the indentation of the line it ends
  // on at most 2000 before that.
  pos = std::clamp(pos, 0, code.TextLength());
  const int from = std::max(0, pos - 2 * kCaretWindowBefore);
  return UnindentAmount(code.TextRange(from, pos - from), pos - from);
}

int SkipSpaces(std::string_view text, int pos) {
  const int n = static_cast<int>(text.size());
  pos = std::clamp(pos, 0, n);
  while (pos < n && text[static_cast<std::size_t>(pos)] == ' ') ++pos;
  return pos;
}

int SkipSpaces(const TextPane& code, int pos) {
  const int n = code.TextLength();
  pos = std::clamp(pos, 0, n);
  while (pos < n) {
    const std::string piece = code.TextRange(pos, kPiece);
    const int skipped = SkipSpaces(piece, 0);
    pos += skipped;
    if (skipped < static_cast<int>(piece.size())) break;
  }
  return pos;
}

void CodeEditorKeyDown(TEditForm& form, const Settings&, int key, unsigned shift) {
  // A key never lands in the middle of a highlighting pass.
  if (form.PassUnderWay) return;
  form.KeyInProgress = true;
  if (shift & kAnyModifier) return;
  TextPane& code = form.CodeEditor();
  if (key == kVkBack) {
    const int start = code.SelStart();
    if (!LineHasTextBefore(code, start)) {
      form.ExtraDeletions = std::max(0, UnindentAmount(code, start) - 1);
      form.BackspacePending = true;
    }
  } else if (key == kVkReturn) {
    form.EnterPending = true;
  } else if (key == kVkEscape) {
    form.EscPending = true;
  }
}

void CodeEditorKeyUp(TEditForm& form, const Settings& settings, int key, unsigned shift) {
  TextPane& code = form.CodeEditor();
  const unsigned mods = shift & kAnyModifier;
  bool closeWindow = false;
  if (mods == 0) {
    switch (key) {
      case kVkBack:
        if (form.BackspacePending) {
          const int caret = code.SelStart();
          const int n = std::min(form.ExtraDeletions, caret);
          if (n > 0) {
            code.SetSelection(caret - n, n);
            ReplacePaneSelection(form, code, "");
          }
          form.BackspacePending = false;
        }
        break;
      case kVkTab: {
        // The tab the pane typed (in place of the selection, if there was one).
        const int caret = code.SelStart();
        if (textBefore(code, caret, "\t")) {
          code.SetSelection(caret - 1, 1);
          ReplacePaneSelection(form, code, std::string(std::max(0, settings.TS), ' '));
        }
        break;
      }
      case kVkReturn:
        if (form.EnterPending) {
          const int caret = code.SelStart();
          if (textBefore(code, caret, "\r\n")) {
            // The indentation of the line Enter was pressed in, up to where it was pressed.
            const int n = CaretLineIndent(code, caret - 2);
            if (n > 0) {
              code.SetSelection(caret - 2, 2);
              ReplacePaneSelection(form, code, "\r\n" + std::string(n, ' '));
            }
          }
          form.EnterPending = false;
        }
        break;
      case kVkEscape:
        if (form.EscPending) closeWindow = !(form.HideFindDialog && form.HideFindDialog());
        form.EscPending = false;
        break;
      case kVkHome:
        if (settings.HAVS) code.SetSelection(SkipSpaces(code, code.SelStart()), 0);
        break;
      default:
        break;
    }
  } else if (mods == kShiftHeld && key == kVkReturn) {
    const int caret = code.SelStart();
    if (textBefore(code, caret, "\r\n")) {
      code.SetSelection(caret - 2, 2);
      ReplacePaneSelection(form, code, IndentSnippet(code, "<br />\r\n"));
    }
  }
  if (form.FileKind == KindHtml && settings.DC == 1) form.ShowPageTitle();
  form.KeyInProgress = false;
  // Closing comes last: it may take the window, and this form with it.
  if (closeWindow && form.CloseWindow) form.CloseWindow();
}

}  // namespace lumbrix
