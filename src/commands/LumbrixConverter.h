// "Lumbrix!": the plain text typed on the page "Lumbrix-er" turned into HTML and put in place of
// the code pane's selection. Line breaks, tabs, runs of spaces and the characters HTML reserves
// are translated; the plain text itself stays as it is, so it can be converted again.
#pragma once

#include <string>
#include <string_view>

namespace lumbrix {

class TEditForm;
struct Settings;

// The two buttons of the page's mode selector.
enum class LumbrixMode {
  BreaksAndIndents = 0,  // "Разрывы_и_отступы": "<br>" at line ends, a block per tab
  ParagraphsAndHeadings = 1  // "Абзацы_и_заголовки": "<p>" lines, tabs make headings
};

struct LumbrixOptions {
  LumbrixMode mode = LumbrixMode::ParagraphsAndHeadings;
  bool allowTags = false;  // "Разрешить теги": "<" ... ">" pass through as markup
  bool noWrap = false;     // "Запрет на автоперенос": the result inside "<nobr>"
  bool lists = false;      // the setting `UUL`: a tab in mode 0 opens "<ul>", else "<blockquote>"
  int indent = 0;          // spaces after every CR LF written, to line up with the insertion point
};

// The HTML for a plain text (Windows-1251, CR LF); empty for an empty text.
std::string ConvertPlainText(std::string_view plain, const LumbrixOptions& options);

// The action `InsLumbrix`: converts the whole plain-text pane under the page's controls and the
// setting `UUL`, replaces the code pane's selection in one step and gives the code pane the
// focus. An empty plain-text pane does nothing.
void InsLumbrix(TEditForm& form, const Settings& settings);

}  // namespace lumbrix
