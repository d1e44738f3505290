#include "monkey/qt/TextChecks.h"

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
                   "): shown \"" + shown.mid(std::max<qsizetype>(0, at - 8), 16).toStdString() +
                   "\" (" + shown.mid(std::max<qsizetype>(0, at - 8), 16).toUtf8().toHex(' ').toStdString() +
                   "), read \"" + read.mid(std::max<qsizetype>(0, at - 8), 16).toStdString() + "\"");
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
  // The caret and the anchor stand between characters, never inside one's UTF-8 bytes.
  QsciScintilla* edit = code.widget();
  const long bytes = edit->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
  const auto* raw = static_cast<const unsigned char*>(
      edit->SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
  if (edit->SendScintilla(QsciScintillaBase::SCI_GETCODEPAGE) != QsciScintillaBase::SC_CP_UTF8)
    return "code pane: the widget no longer works in UTF-8";
  for (const unsigned msg : {QsciScintillaBase::SCI_GETCURRENTPOS, QsciScintillaBase::SCI_GETANCHOR}) {
    const long at = edit->SendScintilla(msg);
    if (at < 0 || at > bytes || (at < bytes && (raw[at] & 0xC0) == 0x80))
      return "code pane: the " + std::string(msg == QsciScintillaBase::SCI_GETANCHOR ? "anchor" : "caret") +
             " stands at byte " + std::to_string(at) + ", inside a character";
  }
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
