#include "commands/LumbrixConverter.h"

#include "commands/InsertionEngine.h"
#include "common/Entities.h"
#include "common/Platform.h"
#include "document/EditForm.h"
#include "settings/Settings.h"

namespace lumbrix {

namespace {

class Converter {
 public:
  explicit Converter(const LumbrixOptions& o)
      : mode0_(o.mode == LumbrixMode::BreaksAndIndents),
        allowTags_(o.allowTags),
        blockOpen_(o.lists ? "<ul>" : "<blockquote>"),
        blockClose_(o.lists ? "</ul>" : "</blockquote>"),
        indent_(o.indent) {}

  std::string Run(std::string_view plain, bool noWrap) {
    out_.reserve(plain.size() + plain.size() / 4 + 64);
    if (noWrap) out_ += "<nobr>";
    for (std::size_t i = 0; i < plain.size(); ++i) {
      const char c = plain[i];
      bool lineBreak = false;
      if (c == '\t') {
        ++level_;
        headingPending_ = true;
        if (mode0_) out_ += blockOpen_;
      } else if (c == '\n') {
        afterBreak_ = true;
        lineBreak = true;
      } else if (c == ' ') {
        out_ += prevSpace_ || afterBreak_ ? "&nbsp;" : " ";
      } else if (c != '\r') {
        printing(c);
      }
      prevSpace_ = c == ' ';
      if (lineBreak && mode0_) lineBreakText("<br>");
      if (lineBreak || i + 1 == plain.size()) lineEnd();
    }
    if (noWrap) out_ += "</nobr>";
    return std::move(out_);
  }

 private:
  void printing(char c) {
    if (afterBreak_) {
      afterBreak_ = false;
      if (!headingPending_) out_ += "<p>";
    }
    if (headingPending_) {
      headingPending_ = false;
      out_ += "<h" + std::to_string(level_) + '>';
    }
    switch (c) {
      case '"':
        out_ += inTag_ ? "\"" : "&quot;";
        break;
      case '&':
        out_ += inTag_ ? "&" : "&amp;";
        break;
      case '<':
        out_ += allowTags_ ? "<" : "&lt;";
        inTag_ = allowTags_;
        break;
      case '>':
        out_ += allowTags_ ? ">" : "&gt;";
        inTag_ = false;
        break;
      default: {
        const std::string_view entity = EntityOf(static_cast<unsigned char>(c));
        if (entity.empty())
          out_ += c;
        else
          out_ += entity;
      }
    }
  }

  // What IndentSnippet makes of text + "\r\n".
  void lineBreakText(std::string_view text) {
    out_ += text;
    out_ += "\r\n";
    out_.append(static_cast<std::size_t>(indent_), ' ');
  }

  void lineEnd() {
    // A tab that no printing character followed on its line opens no heading on the next one.
    headingPending_ = false;
    if (mode0_) {
      for (; level_ > 0; --level_) out_ += blockClose_;
    } else if (level_ > 0) {
      lineBreakText("</h" + std::to_string(level_) + '>');
      level_ = 0;
    } else {
      lineBreakText("</p>");
    }
  }

  const bool mode0_;
  const bool allowTags_;
  const std::string_view blockOpen_;
  const std::string_view blockClose_;
  const int indent_;

  std::string out_;
  int level_ = 0;  // tabs on the current line: block depth in mode 0, heading level in mode 1
  bool inTag_ = false;
  bool prevSpace_ = false;
  bool afterBreak_ = false;      // a line break and no printing character since
  bool headingPending_ = false;  // a tab and no printing character since
};

}  // namespace

std::string ConvertPlainText(std::string_view plain, const LumbrixOptions& options) {
  if (plain.empty()) return {};
  return Converter(options).Run(plain, options.noWrap);
}

void InsLumbrix(TEditForm& form, const Settings& settings) {
  const std::string plain = form.LumbrixEditor().Text();
  if (plain.empty()) return;
  TextPane& code = form.CodeEditor();
  LumbrixOptions options;
  options.mode = form.TabControl1Index == 0 ? LumbrixMode::BreaksAndIndents
                                            : LumbrixMode::ParagraphsAndHeadings;
  options.allowTags = form.AllowTags;
  options.noWrap = form.WithNobr;
  options.lists = settings.UUL;
  options.indent = CaretLineIndent(code, code.SelStart());
  ReplacePaneSelection(form, code, ConvertPlainText(plain, options));
  if (code.IsVisible()) code.SetFocus();
}

}  // namespace lumbrix
