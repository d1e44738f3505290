#include "monkey/TextChecks.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include "common/qt/CodePane.h"
#include "common/qt/PlainPane.h"
#include "common/qt/WinQString.h"
#include "document/qt/EditFormView.h"

namespace lumbrix::monkey {

namespace {

std::string paneProblem(const char* name, const TextPane& pane, const QString& shown) {
  const std::string text = pane.Text();
  const int length = pane.TextLength();
  auto problem = [&](const std::string& what) { return std::string(name) + ": " + what; };
  if (length != static_cast<int>(text.size()))
    return problem("length " + std::to_string(length) + " for a text of " +
                   std::to_string(text.size()) + " characters");
  if (pane.TextRange(0, length) != text) return problem("the whole range is not the text");
  if (ToQString(text) != shown) {
    const QString read = ToQString(text);
    qsizetype at = 0;
    while (at < read.size() && at < shown.size() && read[at] == shown[at]) ++at;
    return problem("the text read differs from the text shown at character " +
                   std::to_string(at) + " (shown U+" +
                   (at < shown.size() ? QString::number(shown[at].unicode(), 16).toStdString()
                                      : std::string("end")) +
                   ")");
  }
  const int start = pane.SelStart();
  const int selected = pane.SelLength();
  if (start < 0 || selected < 0 || start + selected > length)
    return problem("selection " + std::to_string(start) + "+" + std::to_string(selected) +
                   " outside a text of " + std::to_string(length));
  return {};
}

}  // namespace

std::string TextProblem(EditFormView& view) {
  CodePane& code = view.codePane();
  if (std::string p = paneProblem("code pane", code, code.widget()->text()); !p.empty()) return p;
  if (!view.plainPaneBuilt()) return {};
  PlainPane& plain = view.plainPane();
  // The paragraphs as the widget holds them, with the line breaks the program uses.
  QStringList paragraphs;
  for (QTextBlock b = plain.widget()->document()->begin(); b.isValid(); b = b.next())
    paragraphs << b.text();
  return paneProblem("plain pane", plain, paragraphs.join(QStringLiteral("\r\n")));
}

}  // namespace lumbrix::monkey
