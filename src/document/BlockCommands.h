// Commands that change the selected text of a document as a block (letter case, indentation,
// quoting, SGML quotes) and the caret jumps to the landmarks of a page. The frame calls them on
// the active document window only when there is one.
#pragma once

#include <string>
#include <string_view>

namespace lumbrix {

class TEditForm;
struct Settings;

// The lines touched by a selection, counting from 0. A selection that ends just after a line
// break also takes the line that follows it.
struct LineRange {
  int first = 0;
  int last = 0;
};
LineRange SelectedLineRange(std::string_view text, int selStart, int selLength);

// The offset of the first character of line `lineNumber` (counting from 1), or -1 when that line
// holds no character of the text (so the empty line after a final line break is not reached).
int LineStartPosition(std::string_view text, int lineNumber);

// Active pane: the selection to capitals or small letters of the Windows-1251 code page.
void ToUpperCase(TEditForm& form);
void ToLowerCase(TEditForm& form);

// Code pane: every line of the selection gets `TS` spaces, loses up to `TS` leading spaces, or
// gets `prefix` in front.
void IndentBlock(TEditForm& form, const Settings& settings);
void UnindentBlock(TEditForm& form, const Settings& settings);
void PrefixSelectedLines(TEditForm& form, std::string_view prefix);
// "Процитировать": the lines of the selection as a mail quote.
void N67Click(TEditForm& form);

// Code pane: the selection between "&laquo;" and "&raquo;".
void InsSGMLQuotes(TEditForm& form);

// Code pane jumps: end of the body, end of the head, the title, the style sheet.
void N52Click(TEditForm& form);
void N53Click(TEditForm& form);
void N54Click(TEditForm& form);
void N73Click(TEditForm& form);

}  // namespace lumbrix
