// How markup goes into a document window's panes: the selected text is read, the fixed opening
// and closing texts are built (their line breaks continuing the indentation of the caret's
// line), and the selection is replaced once, so that every command is a single undo step.
#pragma once

#include <string>
#include <string_view>

namespace lumbrix {

class TEditForm;
class TextPane;

// The part of a text around a position that caret-bound work looks at: up to 2000 characters
// before it and 500 after, so that the work does not grow with the document.
struct CaretWindow {
  std::string_view window;  // a view into the text given
  int windowStart = 0;
  int posInWindow = 0;
};
inline constexpr int kCaretWindowBefore = 2000;
inline constexpr int kCaretWindowAfter = 500;

// A position outside the text is taken as the nearest end of it.
CaretWindow CaretTextWindow(std::string_view text, int pos);

// The run of spaces that begins the line holding pos, as far as the line lies before pos; a tab
// or any other character at the line's start gives 0.
int CaretLineIndent(std::string_view text, int pos);
// The same on the code pane; reads only the window's part before pos.
int CaretLineIndent(const TextPane& code, int pos);

// Every LF becomes CR LF and `indent` spaces, every CR is dropped.
std::string IndentSnippet(std::string_view snippet, int indent);
// The indentation is that of the code pane's selection start.
std::string IndentSnippet(const TextPane& code, std::string_view snippet);

// What replaces the selection S: open + S + close, open + S, S + close, or open alone.
enum class WrapKind { Wrap, Prefix, Suffix, Replace };

// The text a wrap puts in place of the selection S.
std::string WrappedText(WrapKind kind, std::string_view open, std::string_view selected,
                        std::string_view close);

// Replaces the selection of one of the form's panes in one step. A change of the code pane
// marks the document modified (the pane does) and switches the highlighting timer on.
void ReplacePaneSelection(TEditForm& form, TextPane& pane, const std::string& text);

// The code pane's selection replaced by open + S + close (or a variant); the caret ends after
// the inserted text.
void WrapSelection(TEditForm& form, std::string_view open, std::string_view close,
                   WrapKind kind = WrapKind::Wrap);
inline void WrapSelectionPrefix(TEditForm& form, std::string_view open) {
  WrapSelection(form, open, {}, WrapKind::Prefix);
}
inline void WrapSelectionSuffix(TEditForm& form, std::string_view close) {
  WrapSelection(form, {}, close, WrapKind::Suffix);
}
inline void WrapSelectionReplace(TEditForm& form, std::string_view open) {
  WrapSelection(form, open, {}, WrapKind::Replace);
}

// The same on the active pane, with the texts taken as they stand (no indentation).
void WrapActivePane(TEditForm& form, std::string_view open, std::string_view close);

// The code pane's text changed by a command: the document's change handler runs.
void CodeEditorChanged(TEditForm& form);

// The clipboard and undo commands of the two panes and select-all of the active pane.
// Returns false for any other handler name.
bool RunPaneCommand(TEditForm& form, std::string_view handler);

}  // namespace lumbrix
