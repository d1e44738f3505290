#include "document/BlockCommands.h"

#include <algorithm>
#include <functional>

#include "common/CaseMap.h"
#include "common/Platform.h"
#include "document/EditForm.h"
#include "document/Navigation.h"
#include "settings/Settings.h"

namespace lumbrix {

namespace {

int countLineFeeds(std::string_view text, int from, int to) {
  return static_cast<int>(std::count(text.begin() + from, text.begin() + to, '\n'));
}

// Where line `line` begins: just after its preceding line feed.
int lineStart(std::string_view text, int line) {
  int pos = 0;
  for (int i = 0; i < line; ++i) {
    const auto lf = text.find('\n', pos);
    if (lf == std::string_view::npos) return static_cast<int>(text.size());
    pos = static_cast<int>(lf) + 1;
  }
  return pos;
}

// Where the line beginning at `start` ends, before its CR LF (or lone LF).
int lineEnd(std::string_view text, int start) {
  const auto lf = text.find('\n', start);
  if (lf == std::string_view::npos) return static_cast<int>(text.size());
  const int end = static_cast<int>(lf);
  return end > start && text[end - 1] == '\r' ? end - 1 : end;
}

using LineRewrite = std::function<std::string(std::string_view line)>;

// Rewrites each line of the code pane's selection whole, as one undo step. Word wrap is off
// meanwhile so that the pane's lines are the text's lines; the caret then goes back to the old
// numeric end of the selection, which does not follow the inserted or removed characters.
void rewriteSelectedLines(TEditForm& form, const LineRewrite& rewrite) {
  TextPane& code = form.CodeEditor();
  const int caret = code.SelStart() + code.SelLength();
  code.SetWordWrap(false);
  const std::string text = code.Text();
  const LineRange range = SelectedLineRange(text, code.SelStart(), code.SelLength());

  const int from = lineStart(text, range.first);
  int to = from;
  std::string block;
  for (int line = range.first, start = from; line <= range.last; ++line) {
    const int end = lineEnd(text, start);
    block += rewrite(std::string_view(text).substr(start, end - start));
    to = end;
    if (line < range.last) {
      const int next = lineStart(text, line + 1);
      block.append(text, end, next - end);
      start = next;
    }
  }
  // A rewrite that changes nothing leaves no empty undo step and no modified mark behind.
  if (block != std::string_view(text).substr(from, to - from)) {
    code.SetSelection(from, to - from);
    code.ReplaceSelection(block);
  }
  code.SetWordWrap(true);
  code.SetSelection(std::clamp(caret, 0, code.TextLength()), 0);
}

void changeCase(TEditForm& form, std::string (*convert)(std::string_view)) {
  TextPane& pane = form.ActivePane();
  const std::string selected = pane.SelText();
  if (selected.empty()) return;
  pane.ReplaceSelection(convert(selected));
}

}  // namespace

LineRange SelectedLineRange(std::string_view text, int selStart, int selLength) {
  const int n = static_cast<int>(text.size());
  const int start = std::clamp(selStart, 0, n);
  const int end = std::clamp(selStart + std::max(selLength, 0), start, n);
  const int last = countLineFeeds(text, 0, end);
  return {last - countLineFeeds(text, start, end), last};
}

int LineStartPosition(std::string_view text, int lineNumber) {
  if (lineNumber < 1) return -1;
  const int start = lineStart(text, lineNumber - 1);
  // Past the last line lineStart stops at the end of the text, where no character stands.
  return start < static_cast<int>(text.size()) ? start : -1;
}

void ToUpperCase(TEditForm& form) {
  changeCase(form, WinUpperCase);
}

void ToLowerCase(TEditForm& form) {
  changeCase(form, WinLowerCase);
}

void IndentBlock(TEditForm& form, const Settings& settings) {
  const std::string indent(std::max(settings.TS, 0), ' ');
  rewriteSelectedLines(form, [&](std::string_view line) { return indent + std::string(line); });
}

void UnindentBlock(TEditForm& form, const Settings& settings) {
  const std::size_t width = static_cast<std::size_t>(std::max(settings.TS, 0));
  rewriteSelectedLines(form, [&](std::string_view line) {
    std::size_t c = 0;
    while (c < width && c < line.size() && line[c] == ' ') ++c;
    return std::string(line.substr(c));
  });
}

void PrefixSelectedLines(TEditForm& form, std::string_view prefix) {
  rewriteSelectedLines(
      form, [&](std::string_view line) { return std::string(prefix) + std::string(line); });
}

void N67Click(TEditForm& form) {
  PrefixSelectedLines(form, "> ");
}

void InsSGMLQuotes(TEditForm& form) {
  TextPane& code = form.CodeEditor();
  code.ReplaceSelection("&laquo;" + code.SelText() + "&raquo;");
}

void N52Click(TEditForm& form) {
  JumpBeforeTag(form, "</body>");
}

void N53Click(TEditForm& form) {
  JumpBeforeTag(form, "</head>");
}

void N54Click(TEditForm& form) {
  JumpBeforeTag(form, "</title>");
}

void N73Click(TEditForm& form) {
  JumpBeforeTag(form, "</style>");
}

}  // namespace lumbrix
