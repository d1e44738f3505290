#include "commands/InsertionEngine.h"

#include <algorithm>

#include "common/Platform.h"
#include "document/EditForm.h"

namespace lumbrix {

CaretWindow CaretTextWindow(std::string_view text, int pos) {
  const int length = static_cast<int>(text.size());
  pos = std::clamp(pos, 0, length);
  const int start = pos > kCaretWindowBefore ? pos - kCaretWindowBefore : 0;
  const int end = std::min(length, pos + kCaretWindowAfter);
  return {text.substr(start, end - start), start, pos - start};
}

int CaretLineIndent(std::string_view text, int pos) {
  const CaretWindow w = CaretTextWindow(text, pos);
  int n = 0;
  for (int i = w.posInWindow - 1; i >= 0 && w.window[i] != '\n'; --i)
    n = w.window[i] == ' ' ? n + 1 : 0;
  return n;
}

int CaretLineIndent(const TextPane& code, int pos) {
  pos = std::clamp(pos, 0, code.TextLength());
  const int windowStart = pos > kCaretWindowBefore ? pos - kCaretWindowBefore : 0;
  // The scan stops at the line's start, so the text is read back in short pieces up to there:
  // the cost follows the line's length, not the position in the document.
  constexpr int kPiece = 128;
  std::string line;
  for (int begin = pos; begin > windowStart;) {
    const int from = std::max(windowStart, begin - kPiece);
    std::string piece = code.TextRange(from, begin - from);
    const bool lineStart = piece.find('\n') != std::string::npos;
    line.insert(0, piece);
    begin = from;
    if (lineStart) break;
  }
  return CaretLineIndent(line, static_cast<int>(line.size()));
}

std::string IndentSnippet(std::string_view snippet, int indent) {
  std::string out;
  out.reserve(snippet.size() + 8);
  for (const char c : snippet) {
    if (c == '\n') {
      out += "\r\n";
      out.append(static_cast<std::size_t>(indent), ' ');
    } else if (c != '\r') {
      out += c;
    }
  }
  return out;
}

std::string IndentSnippet(const TextPane& code, std::string_view snippet) {
  if (snippet.find('\n') == std::string_view::npos && snippet.find('\r') == std::string_view::npos)
    return std::string(snippet);
  return IndentSnippet(snippet, CaretLineIndent(code, code.SelStart()));
}

std::string WrappedText(WrapKind kind, std::string_view open, std::string_view selected,
                        std::string_view close) {
  std::string out;
  if (kind != WrapKind::Suffix) out += open;
  if (kind != WrapKind::Replace) out += selected;
  if (kind == WrapKind::Wrap || kind == WrapKind::Suffix) out += close;
  return out;
}

void CodeEditorChanged(TEditForm& form) {
  form.CodeEditorChange();
}

void ReplacePaneSelection(TEditForm& form, TextPane& pane, const std::string& text) {
  pane.ReplaceSelection(text);
  if (&pane == &form.CodeEditor()) CodeEditorChanged(form);
}

void WrapSelection(TEditForm& form, std::string_view open, std::string_view close, WrapKind kind) {
  TextPane& code = form.CodeEditor();
  const std::string selected = code.SelText();
  ReplacePaneSelection(form, code, WrappedText(kind, open, selected, close));
}

void WrapActivePane(TEditForm& form, std::string_view open, std::string_view close) {
  TextPane& pane = form.ActivePane();
  const std::string selected = pane.SelText();
  ReplacePaneSelection(form, pane, WrappedText(WrapKind::Wrap, open, selected, close));
}

bool RunPaneCommand(TEditForm& form, std::string_view handler) {
  TextPane& code = form.CodeEditor();
  TextPane& plain = form.LumbrixEditor();
  if (handler == "Undo1") {
    code.Undo();
    CodeEditorChanged(form);
  } else if (handler == "Cut1") {
    const bool changes = code.SelLength() > 0;
    code.Cut();
    if (changes) CodeEditorChanged(form);
  } else if (handler == "Copy1") {
    code.Copy();
  } else if (handler == "Paste1") {
    form.Paste1();
    CodeEditorChanged(form);
  } else if (handler == "Undo2") {
    plain.Undo();
  } else if (handler == "Cut2") {
    plain.Cut();
  } else if (handler == "Copy2") {
    plain.Copy();
  } else if (handler == "Paste2") {
    plain.Paste();
  } else if (handler == "EditSelectAll") {
    form.ActivePane().SelectAll();
  } else {
    return false;
  }
  return true;
}

}  // namespace lumbrix
