#include "common/qt/CodePane.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFont>
#include <QTimer>
#include <algorithm>

#include "common/CodePage.h"

namespace lumbrix {

namespace {

using Sci = QsciScintillaBase;

constexpr int kFirstColorStyle = 40;
constexpr int kLastColorStyle = 255;
constexpr char kQuietProperty[] = "lumbrixQuietAccessible";
constexpr int kBeforeChange = Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE;

// QScintilla reports every insertion and deletion to the accessibility layer with the offset
// counted in characters from the start of the document, and every caret move as well once its
// accessible interface exists; Qt creates that interface even when no screen reader listens.
// At the middle of a 64 KB page this costs most of a keystroke. While no assistive technology
// is active, our pane gets a plain accessible interface (so QScintilla's per-caret update finds
// none), and Scintilla is asked only for the notifications that come before a change (see
// chooseModEvents), which QScintilla does not forward to the accessibility layer.
QAccessibleInterface* quietAccessible(const QString&, QObject* object) {
  if (QAccessible::isActive() || !object->property(kQuietProperty).toBool()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
}

// Installed after QScintilla's own factory, so Qt asks it first.
void installQuietAccessible() {
  static const bool installed = [] {
    QAccessible::installFactory(quietAccessible);
    return true;
  }();
  (void)installed;
}

bool isContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

CodePane::CodePane(QWidget* parent)
    : edit_(new QsciScintilla(parent)),
      ownsWidget_(parent == nullptr),
      nextStyle_(kFirstColorStyle) {
  installQuietAccessible();
  edit_->setProperty(kQuietProperty, true);
  chooseModEvents();
  edit_->installEventFilter(this);

  edit_->setUtf8(true);
  edit_->setEolMode(QsciScintilla::EolWindows);
  edit_->setEolVisibility(false);
  send(Sci::SCI_ALLOCATELINECHARACTERINDEX, Sci::SC_LINECHARACTERINDEX_UTF32);

  // The keyboard assistance decides where Home lands; the widget only goes to the line start.
  QsciCommandSet* commands = edit_->standardCommands();
  commands->find(QsciCommand::VCHome)->setKey(0);
  commands->find(QsciCommand::VCHomeExtend)->setKey(0);
  commands->find(QsciCommand::Home)->setKey(Qt::Key_Home);
  commands->find(QsciCommand::HomeExtend)
      ->setKey(QKeyCombination(Qt::SHIFT, Qt::Key_Home).toCombined());

  connect(
      edit_, &QsciScintillaBase::SCN_MODIFIED, this,
      [this](int, int type, const char*, int, int, int, int, int, int, int) { onModified(type); });
}

CodePane::~CodePane() {
  if (ownsWidget_ && edit_) delete edit_.data();
}

// The one place that passes plain numbers: SendScintilla(msg, int, 0) is ambiguous.
long CodePane::send(unsigned msg, unsigned long wParam, long lParam) const {
  return edit_->SendScintilla(msg, wParam, lParam);
}

void CodePane::chooseModEvents() {
  send(Sci::SCI_SETMODEVENTMASK, QAccessible::isActive()
                                     ? static_cast<unsigned long>(Sci::SC_MODEVENTMASKALL)
                                     : static_cast<unsigned long>(kBeforeChange));
}

bool CodePane::eventFilter(QObject* watched, QEvent* event) {
  // A screen reader may start while the program runs; from then on the pane reports in full.
  if (watched == edit_ && event->type() == QEvent::FocusIn) chooseModEvents();
  return QObject::eventFilter(watched, event);
}

void CodePane::onModified(int modificationType) {
  if (!(modificationType & kBeforeChange) || settingText_) return;
  setModifiedFlag(true);
  if (changePending_) return;
  changePending_ = true;
  QTimer::singleShot(0, this, &CodePane::flushChange);
}

void CodePane::flushChange() {
  if (!changePending_) return;
  changePending_ = false;
  emit textChanged();
}

void CodePane::setModifiedFlag(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  emit modificationChanged(modified);
}

void CodePane::SetModified(bool modified) {
  // Scintilla's save point follows undo back to "unmodified"; the port's flag is cleared only
  // here, so it is kept apart and the save point only mirrors it.
  if (!modified) send(Sci::SCI_SETSAVEPOINT);
  setModifiedFlag(modified);
}

int CodePane::countChars(long fromByte, long toByte) const {
  if (toByte <= fromByte) return 0;
  const auto* p = reinterpret_cast<const char*>(
      send(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(fromByte), toByte - fromByte));
  int n = 0;
  for (long i = 0; i < toByte - fromByte; ++i) n += !isContinuation(p[i]);
  return n;
}

int CodePane::charLength() const {
  const long lastLine = send(Sci::SCI_GETLINECOUNT) - 1;
  const long lineStart = send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(lastLine));
  return static_cast<int>(send(Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(lastLine),
                               Sci::SC_LINECHARACTERINDEX_UTF32)) +
         countChars(lineStart, send(Sci::SCI_GETLENGTH));
}

long CodePane::toBytes(int pos) const {
  if (pos <= 0) return 0;
  const auto line = static_cast<unsigned long>(send(Sci::SCI_LINEFROMINDEXPOSITION,
                                                    static_cast<unsigned long>(pos),
                                                    Sci::SC_LINECHARACTERINDEX_UTF32));
  int left = pos - static_cast<int>(send(Sci::SCI_INDEXPOSITIONFROMLINE, line,
                                         Sci::SC_LINECHARACTERINDEX_UTF32));
  long byte = send(Sci::SCI_POSITIONFROMLINE, line);
  const long end = send(Sci::SCI_GETLENGTH);
  const bool lastLine = static_cast<long>(line) + 1 >= send(Sci::SCI_GETLINECOUNT);
  const long lineEnd = lastLine ? end : send(Sci::SCI_POSITIONFROMLINE, line + 1);
  const auto* p = reinterpret_cast<const char*>(
      send(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(byte), lineEnd - byte));
  const long lineStart = byte;
  while (left > 0 && byte < lineEnd) {
    ++byte;
    while (byte < lineEnd && isContinuation(p[byte - lineStart])) ++byte;
    --left;
  }
  return byte;
}

int CodePane::toChars(long bytePos) const {
  bytePos = std::clamp(bytePos, 0L, send(Sci::SCI_GETLENGTH));
  const auto line = static_cast<unsigned long>(
      send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(bytePos)));
  return static_cast<int>(
             send(Sci::SCI_INDEXPOSITIONFROMLINE, line, Sci::SC_LINECHARACTERINDEX_UTF32)) +
         countChars(send(Sci::SCI_POSITIONFROMLINE, line), bytePos);
}

std::string CodePane::Text() const {
  const auto* p =
      static_cast<const char*>(edit_->SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
  std::string win;
  Utf8ToWin(std::string_view(p, static_cast<std::size_t>(send(Sci::SCI_GETLENGTH))), win);
  return win;
}

void CodePane::SetText(const std::string& text) {
  const std::string utf8 = WinToUtf8(text);
  settingText_ = true;
  send(Sci::SCI_CLEARALL);
  edit_->SendScintilla(Sci::SCI_APPENDTEXT, static_cast<unsigned long>(utf8.size()), utf8.data());
  send(Sci::SCI_EMPTYUNDOBUFFER);
  send(Sci::SCI_GOTOPOS, 0);
  if (!modified_) send(Sci::SCI_SETSAVEPOINT);
  settingText_ = false;
  changePending_ = true;
  flushChange();
}

int CodePane::TextLength() const {
  return charLength();
}

std::string CodePane::TextRange(int start, int length) const {
  const int n = charLength();
  start = std::clamp(start, 0, n);
  length = std::clamp(length, 0, n - start);
  const long from = toBytes(start);
  const long to = toBytes(start + length);
  if (to <= from) return {};
  const auto* p = reinterpret_cast<const char*>(
      send(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
  std::string win;
  Utf8ToWin(std::string_view(p, static_cast<std::size_t>(to - from)), win);
  return win;
}

int CodePane::SelStart() const {
  return toChars(send(Sci::SCI_GETSELECTIONSTART));
}

int CodePane::SelLength() const {
  const long start = send(Sci::SCI_GETSELECTIONSTART);
  const long end = send(Sci::SCI_GETSELECTIONEND);
  return toChars(end) - toChars(start);
}

void CodePane::SetSelection(int start, int length) {
  const int n = charLength();
  start = std::clamp(start, 0, n);
  length = std::clamp(length, 0, n - start);
  send(Sci::SCI_SETSEL, static_cast<unsigned long>(toBytes(start)), toBytes(start + length));
}

void CodePane::ReplaceSelection(const std::string& text) {
  const std::string utf8 = WinToUtf8(text);
  send(Sci::SCI_BEGINUNDOACTION);
  send(Sci::SCI_TARGETFROMSELECTION);
  edit_->SendScintilla(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()),
                       utf8.data());
  const long end = send(Sci::SCI_GETTARGETEND);
  send(Sci::SCI_SETSEL, static_cast<unsigned long>(end), end);
  send(Sci::SCI_ENDUNDOACTION);
  setModifiedFlag(true);
  flushChange();
}

void CodePane::Undo() {
  edit_->undo();
  flushChange();
}

void CodePane::Cut() {
  edit_->cut();
  flushChange();
}

void CodePane::Copy() {
  edit_->copy();
}

void CodePane::Paste() {
  edit_->paste();
  flushChange();
}

void CodePane::SetWordWrap(bool on) {
  edit_->setWrapMode(on ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
}

void CodePane::copyDefaultFont(int style) const {
  const auto s = static_cast<unsigned long>(style);
  QByteArray face(256, '\0');
  edit_->SendScintilla(Sci::SCI_STYLEGETFONT, static_cast<unsigned long>(Sci::STYLE_DEFAULT),
                       static_cast<void*>(face.data()));
  edit_->SendScintilla(Sci::SCI_STYLESETFONT, s, face.constData());
  send(Sci::SCI_STYLESETSIZEFRACTIONAL, s,
       send(Sci::SCI_STYLEGETSIZEFRACTIONAL, Sci::STYLE_DEFAULT));
  send(Sci::SCI_STYLESETWEIGHT, s, send(Sci::SCI_STYLEGETWEIGHT, Sci::STYLE_DEFAULT));
  send(Sci::SCI_STYLESETITALIC, s, send(Sci::SCI_STYLEGETITALIC, Sci::STYLE_DEFAULT));
  send(Sci::SCI_STYLESETBACK, s, send(Sci::SCI_STYLEGETBACK, Sci::STYLE_DEFAULT));
}

int CodePane::styleFor(std::uint32_t color) {
  const auto found = styles_.find(color);
  if (found != styles_.end()) return found->second;
  // The highlighter uses a handful of colours; should more than the free styles ever be asked
  // for, the earliest styles are given new colours and start over.
  if (nextStyle_ > kLastColorStyle) {
    styles_.clear();
    nextStyle_ = kFirstColorStyle;
  }
  const int style = nextStyle_++;
  copyDefaultFont(style);
  send(Sci::SCI_STYLESETFORE, static_cast<unsigned long>(style), static_cast<long>(color));
  styles_[color] = style;
  return style;
}

void CodePane::SetTextColor(int start, int length, std::uint32_t color) {
  const int n = charLength();
  start = std::clamp(start, 0, n);
  length = std::clamp(length, 0, n - start);
  if (length == 0) return;
  const int style = styleFor(color & 0xFFFFFF);
  const long from = toBytes(start);
  send(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(from), 0);
  send(Sci::SCI_SETSTYLING, static_cast<unsigned long>(toBytes(start + length) - from), style);
}

void CodePane::setFont(const QFont& font) {
  edit_->setFont(font);
  for (const auto& [color, style] : styles_) copyDefaultFont(style);
}

void CodePane::SetVisible(bool visible) {
  edit_->setVisible(visible);
}

bool CodePane::IsVisible() const {
  return !edit_->isHidden();
}

void CodePane::SetFocus() {
  edit_->setFocus();
}

}  // namespace lumbrix
