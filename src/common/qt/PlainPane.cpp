#include "common/qt/PlainPane.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

#include "common/qt/RefusedInput.h"
#include "common/qt/WinQString.h"

namespace lumbrix {

namespace {

// Windows-1251 text with any line ends to a QString whose line ends are '\n', which the
// document turns into paragraph breaks.
QString toParagraphs(const std::string& win) {
  std::string text;
  text.reserve(win.size());
  for (std::size_t i = 0; i < win.size(); ++i) {
    if (win[i] == '\r') {
      text.push_back('\n');
      if (i + 1 < win.size() && win[i + 1] == '\n') ++i;
    } else {
      text.push_back(win[i]);
    }
  }
  return ToQString(text);
}

// The core position of the start of paragraph `number`: each earlier break counts two.
int coreStart(const QTextDocument* doc, int number) {
  return doc->findBlockByNumber(number).position() + number;
}

// The widget's line deletions of some desktops (Ctrl+K, Ctrl+U): no key of a plain edit control.
bool isLineDeletion(const QKeyEvent* key) {
  return key->matches(QKeySequence::DeleteEndOfLine) ||
         key->matches(QKeySequence::DeleteCompleteLine);
}

// The widget with what comes in from the keyboard, the clipboard and drops fitted to the code
// page.
class PlainEdit final : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride && isLineDeletion(static_cast<QKeyEvent*>(event)))
      return false;
    return QPlainTextEdit::event(event);
  }

  void keyPressEvent(QKeyEvent* key) override {
    if (isReadOnly()) {
      QPlainTextEdit::keyPressEvent(key);
      return;
    }
    if (isLineDeletion(key)) {
      key->ignore();
      return;
    }
    // Shift+Enter and Ctrl+Enter would put a line separator (U+2028) inside a paragraph, which
    // Windows-1251 cannot hold; every Enter makes a paragraph break, read back as CR LF.
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        key->modifiers() != Qt::NoModifier) {
      insertPlainText(QStringLiteral("\n"));
      return;
    }
    int refused = 0;
    const QString typed = FitInput(key->text(), false, refused);
    if (refused == 0) {
      QPlainTextEdit::keyPressEvent(key);
      return;
    }
    if (!typed.isEmpty()) insertPlainText(typed);
    ReportRefusedInput(this, refused);
  }

  void inputMethodEvent(QInputMethodEvent* input) override {
    int refused = 0;
    const QString commit = FitInput(input->commitString(), false, refused);
    if (refused == 0) {
      QPlainTextEdit::inputMethodEvent(input);
      return;
    }
    QInputMethodEvent fitted(input->preeditString(), input->attributes());
    fitted.setCommitString(commit, input->replacementStart(), input->replacementLength());
    QPlainTextEdit::inputMethodEvent(&fitted);
    ReportRefusedInput(this, refused);
  }

  // Paste and drop.
  void insertFromMimeData(const QMimeData* source) override {
    if (!source->hasText()) return;
    int refused = 0;
    const QString text = FitInput(source->text(), false, refused);
    if (refused == 0) {
      QPlainTextEdit::insertFromMimeData(source);
      return;
    }
    QMimeData fitted;
    fitted.setText(text);
    QPlainTextEdit::insertFromMimeData(&fitted);
    ReportRefusedInput(this, refused);
  }
};

}  // namespace

PlainPane::PlainPane(QWidget* parent)
    : edit_(new PlainEdit(parent)), ownsWidget_(parent == nullptr) {
  // Once the widget starts going, the pane lets go of it: nothing reaches a half-destroyed one.
  connect(edit_, &QObject::destroyed, this, [this] { edit_.clear(); });
}

PlainPane::~PlainPane() {
  if (ownsWidget_ && !edit_.isNull()) delete edit_.data();
}

int PlainPane::toCursor(int pos) const {
  const QTextDocument* doc = edit_->document();
  int lo = 0;
  int hi = doc->blockCount() - 1;
  pos = std::max(pos, 0);
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (coreStart(doc, mid) <= pos)
      lo = mid;
    else
      hi = mid - 1;
  }
  const QTextBlock block = doc->findBlockByNumber(lo);
  const int offset = std::min(pos - coreStart(doc, lo), block.length() - 1);
  return block.position() + offset;
}

int PlainPane::toCore(int cursorPos) const {
  return cursorPos + edit_->document()->findBlock(cursorPos).blockNumber();
}

std::string PlainPane::Text() const {
  std::string win;
  for (QTextBlock b = edit_->document()->begin(); b.isValid(); b = b.next()) {
    if (b != edit_->document()->begin()) win += "\r\n";
    win += FromQString(b.text());
  }
  return win;
}

void PlainPane::SetText(const std::string& text) {
  QTextDocument* doc = edit_->document();
  const bool wasModified = doc->isModified();
  edit_->setExtraSelections({});
  edit_->setPlainText(toParagraphs(text));
  doc->clearUndoRedoStacks();
  doc->setModified(wasModified);
}

int PlainPane::TextLength() const {
  const QTextDocument* doc = edit_->document();
  // characterCount() includes the closing paragraph separator, which the text does not have.
  return doc->characterCount() - 1 + (doc->blockCount() - 1);
}

int PlainPane::SelStart() const {
  return toCore(edit_->textCursor().selectionStart());
}

int PlainPane::SelLength() const {
  const QTextCursor c = edit_->textCursor();
  return toCore(c.selectionEnd()) - toCore(c.selectionStart());
}

void PlainPane::SetSelection(int start, int length) {
  const int n = TextLength();
  start = std::clamp(start, 0, n);
  length = std::clamp(length, 0, n - start);
  QTextCursor c = edit_->textCursor();
  c.setPosition(toCursor(start));
  c.setPosition(toCursor(start + length), QTextCursor::KeepAnchor);
  edit_->setTextCursor(c);
}

void PlainPane::ReplaceSelection(const std::string& text) {
  QTextCursor c = edit_->textCursor();
  c.beginEditBlock();
  c.insertText(toParagraphs(text));
  c.endEditBlock();
  edit_->setTextCursor(c);
  edit_->document()->setModified(true);
}

bool PlainPane::Modified() const {
  return edit_->document()->isModified();
}

void PlainPane::SetModified(bool modified) {
  edit_->document()->setModified(modified);
}

void PlainPane::Undo() {
  QTextDocument* doc = edit_->document();
  if (!doc->isUndoAvailable()) return;
  edit_->undo();
  // Undoing back to the last save would clear the document's flag; the port's flag is cleared
  // only by SetModified.
  doc->setModified(true);
}

void PlainPane::Cut() {
  edit_->cut();
}

void PlainPane::Copy() {
  edit_->copy();
}

void PlainPane::Paste() {
  edit_->paste();
}

void PlainPane::SetWordWrap(bool on) {
  edit_->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void PlainPane::SetTextColor(int start, int length, std::uint32_t color) {
  const int n = TextLength();
  start = std::clamp(start, 0, n);
  length = std::clamp(length, 0, n - start);
  if (length == 0) return;
  QTextEdit::ExtraSelection run;
  run.cursor = QTextCursor(edit_->document());
  run.cursor.setPosition(toCursor(start));
  run.cursor.setPosition(toCursor(start + length), QTextCursor::KeepAnchor);
  run.format.setForeground(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
  // Runs the new one covers are dropped, so recolouring the same text does not pile up.
  QList<QTextEdit::ExtraSelection> runs = edit_->extraSelections();
  const int from = run.cursor.selectionStart();
  const int to = run.cursor.selectionEnd();
  runs.removeIf([&](const QTextEdit::ExtraSelection& r) {
    return r.cursor.selectionStart() >= from && r.cursor.selectionEnd() <= to;
  });
  runs.append(run);
  edit_->setExtraSelections(runs);
}

void PlainPane::SetVisible(bool visible) {
  edit_->setVisible(visible);
}

bool PlainPane::IsVisible() const {
  return !edit_->isHidden();
}

void PlainPane::SetFocus() {
  edit_->setFocus();
}

}  // namespace lumbrix
