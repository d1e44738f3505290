#include "common/qt/CodePane.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFont>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMimeData>
#include <QTimer>
#include <algorithm>

#include "common/CodePage.h"
#include "common/qt/RefusedInput.h"

namespace lumbrix {

namespace {

using Sci = QsciScintillaBase;

constexpr int kFirstColorStyle = 40;
constexpr int kLastColorStyle = 255;
constexpr char kQuietProperty[] = "lumbrixQuietAccessible";
constexpr int kBeforeChange = Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE;

// The keys of a plain multi-line edit control; every other binding of the widget's key map
// goes, so that the keys of the menus always reach their commands and no key edits text in a
// way the program does not know. Home goes to the line start: the keyboard assistance decides
// where it lands.
struct KeyBinding {
  QsciCommand::Command command;
  int key;
  int alternateKey = 0;
};

constexpr int kShift = Qt::SHIFT;
constexpr int kCtrl = Qt::CTRL;

constexpr KeyBinding kPlainEditKeys[] = {
    {QsciCommand::LineDown, Qt::Key_Down},
    {QsciCommand::LineDownExtend, kShift | Qt::Key_Down},
    {QsciCommand::LineUp, Qt::Key_Up},
    {QsciCommand::LineUpExtend, kShift | Qt::Key_Up},
    {QsciCommand::LineScrollDown, kCtrl | Qt::Key_Down},
    {QsciCommand::LineScrollUp, kCtrl | Qt::Key_Up},
    {QsciCommand::CharLeft, Qt::Key_Left},
    {QsciCommand::CharLeftExtend, kShift | Qt::Key_Left},
    {QsciCommand::CharRight, Qt::Key_Right},
    {QsciCommand::CharRightExtend, kShift | Qt::Key_Right},
    {QsciCommand::WordLeft, kCtrl | Qt::Key_Left},
    {QsciCommand::WordLeftExtend, kCtrl | kShift | Qt::Key_Left},
    {QsciCommand::WordRight, kCtrl | Qt::Key_Right},
    {QsciCommand::WordRightExtend, kCtrl | kShift | Qt::Key_Right},
    {QsciCommand::Home, Qt::Key_Home},
    {QsciCommand::HomeExtend, kShift | Qt::Key_Home},
    {QsciCommand::LineEnd, Qt::Key_End},
    {QsciCommand::LineEndExtend, kShift | Qt::Key_End},
    {QsciCommand::DocumentStart, kCtrl | Qt::Key_Home},
    {QsciCommand::DocumentStartExtend, kCtrl | kShift | Qt::Key_Home},
    {QsciCommand::DocumentEnd, kCtrl | Qt::Key_End},
    {QsciCommand::DocumentEndExtend, kCtrl | kShift | Qt::Key_End},
    {QsciCommand::PageUp, Qt::Key_PageUp},
    {QsciCommand::PageUpExtend, kShift | Qt::Key_PageUp},
    {QsciCommand::PageDown, Qt::Key_PageDown},
    {QsciCommand::PageDownExtend, kShift | Qt::Key_PageDown},
    {QsciCommand::Delete, Qt::Key_Delete},
    {QsciCommand::DeleteBack, Qt::Key_Backspace, kShift | Qt::Key_Backspace},
    {QsciCommand::Undo, kCtrl | Qt::Key_Z},
    {QsciCommand::Redo, kCtrl | Qt::Key_Y},
    {QsciCommand::SelectionCut, kCtrl | Qt::Key_X, kShift | Qt::Key_Delete},
    {QsciCommand::SelectionCopy, kCtrl | Qt::Key_C, kCtrl | Qt::Key_Insert},
    {QsciCommand::Paste, kCtrl | Qt::Key_V, kShift | Qt::Key_Insert},
    {QsciCommand::Newline, Qt::Key_Return, kShift | Qt::Key_Return},
    {QsciCommand::Tab, Qt::Key_Tab},
};

void bindPlainEditKeys(QsciCommandSet* commands) {
  for (QsciCommand* c : commands->commands()) {
    c->setKey(0);
    c->setAlternateKey(0);
  }
  for (const KeyBinding& b : kPlainEditKeys) {
    QsciCommand* c = commands->find(b.command);
    c->setKey(b.key);
    c->setAlternateKey(b.alternateKey);
  }
}

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

// The widget, with what comes in from the keyboard, the clipboard and drops fitted to
// Windows-1251 before it reaches the text: a character the code page lacks becomes a character
// reference in a document that takes them and is left out, with a note, in any other, so that
// nothing reaches a file as "?". (Scintilla's insertion check would be the natural place, but
// QScintilla does not pass the text being inserted with it.)
class CodeEdit final : public QsciScintilla {
 public:
  using QsciScintilla::QsciScintilla;
  bool takesReferences = false;
  std::function<void(const QKeyEvent&)> keyDown;
  std::function<void(const QKeyEvent&)> keyUp;

 protected:
  void keyPressEvent(QKeyEvent* key) override {
    if (key->key() != 0 && key->key() == pendingKey_ && keyUp) {
      const QKeyEvent release(QEvent::KeyRelease, key->key(), key->modifiers(), key->text(), true);
      keyUp(release);
    }
    pendingKey_ = key->key();
    if (keyDown) keyDown(*key);
    // Shift, Ctrl, Alt and the like alone change nothing: a drag goes on through them.
    const int k = key->key();
    if (k != Qt::Key_Shift && k != Qt::Key_Control && k != Qt::Key_Alt && k != Qt::Key_Meta &&
        k != Qt::Key_AltGr)
      endMouseSelection();
    applyKey(key);
  }

  void keyReleaseEvent(QKeyEvent* key) override {
    if (key->key() == pendingKey_) pendingKey_ = 0;
    QsciScintilla::keyReleaseEvent(key);
    if (keyUp) keyUp(*key);
  }

 private:
  void applyKey(QKeyEvent* key) {
    // A key with Ctrl (and perhaps Shift) types nothing, as in Qt's own text widgets: unbound,
    // such a key does nothing at all. Ctrl with Alt may be AltGr and type.
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (!key->text().isEmpty() &&
        (mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier))) {
      QKeyEvent bare(key->type(), key->key(), key->modifiers(), QString(), key->isAutoRepeat());
      QsciScintilla::keyPressEvent(&bare);
      key->setAccepted(bare.isAccepted());
      return;
    }
    // Tab replaces the selection, as in a plain edit control; Scintilla would indent the
    // selected lines instead.
    if (key->key() == Qt::Key_Tab && mods == Qt::NoModifier &&
        SendScintilla(SCI_GETSELECTIONSTART) != SendScintilla(SCI_GETSELECTIONEND)) {
      SendScintilla(SCI_REPLACESEL, 0UL, "\t");
      key->accept();
      return;
    }
    int refused = 0;
    const QString typed = FitInput(key->text(), takesReferences, refused);
    if (typed == key->text()) {
      QsciScintilla::keyPressEvent(key);
      return;
    }
    if (!typed.isEmpty()) {
      QKeyEvent fitted(key->type(), key->key(), key->modifiers(), typed, key->isAutoRepeat());
      QsciScintilla::keyPressEvent(&fitted);
    }
    key->accept();
    ReportRefusedInput(this, refused);
  }

  int pendingKey_ = 0;  // pressed, release not yet seen

 public:
  // While the left button is held, Scintilla keeps extending the selection from where the
  // press began, in bytes; with a word or line selection those bytes are remembered apart and
  // an edit made meanwhile does not move them, so the next move of the mouse (or Scintilla's
  // scrolling timer, even in a window at the back) could put the anchor inside a character's
  // UTF-8 bytes and the next key would split it. Any edit, a key or the loss of focus therefore
  // ends the mouse's selection first, as a release of the button there would; so does a move
  // with no button held, when the release went astray.
  void endMouseSelection() {
    if (!mouseHeld_) return;
    mouseHeld_ = false;
    QMouseEvent up(QEvent::MouseButtonRelease, lastMouse_, viewport()->mapToGlobal(lastMouse_),
                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QsciScintilla::mouseReleaseEvent(&up);
  }

 private:
  bool mouseHeld_ = false;
  QPointF lastMouse_;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    endMouseSelection();
    lastMouse_ = event->position();
    QsciScintilla::mousePressEvent(event);
    mouseHeld_ = event->button() == Qt::LeftButton;
  }
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    endMouseSelection();
    lastMouse_ = event->position();
    QsciScintilla::mouseDoubleClickEvent(event);
    mouseHeld_ = event->button() == Qt::LeftButton;
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (!(event->buttons() & Qt::LeftButton)) endMouseSelection();
    lastMouse_ = event->position();
    QsciScintilla::mouseMoveEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) mouseHeld_ = false;
    lastMouse_ = event->position();
    QsciScintilla::mouseReleaseEvent(event);
  }
  void focusOutEvent(QFocusEvent* event) override {
    endMouseSelection();
    QsciScintilla::focusOutEvent(event);
  }

  void inputMethodEvent(QInputMethodEvent* input) override {
    endMouseSelection();
    int refused = 0;
    const QString commit = FitInput(input->commitString(), takesReferences, refused);
    if (commit == input->commitString()) {
      QsciScintilla::inputMethodEvent(input);
      return;
    }
    QInputMethodEvent fitted(input->preeditString(), input->attributes());
    fitted.setCommitString(commit, input->replacementStart(), input->replacementLength());
    QsciScintilla::inputMethodEvent(&fitted);
    ReportRefusedInput(this, refused);
  }

  // Paste and drop.
  QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override {
    const QByteArray utf8 = QsciScintilla::fromMimeData(source, rectangular);
    const FittedText fit = FitToWin1251(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), takesReferences);
    if (!fit.changed) return utf8;
    ReportRefusedInput(const_cast<CodeEdit*>(this), fit.refused);
    return QByteArray::fromStdString(fit.utf8);
  }
};

namespace {

// A command's edit ends a selection the mouse is still making (see CodeEdit).
void endMouseSelection(QsciScintilla* edit) {
  static_cast<CodeEdit*>(edit)->endMouseSelection();
}

}  // namespace

CodePane::CodePane(QWidget* parent)
    : edit_(new CodeEdit(parent)), ownsWidget_(parent == nullptr), nextStyle_(kFirstColorStyle) {
  installQuietAccessible();
  edit_->setProperty(kQuietProperty, true);
  chooseModEvents();
  edit_->installEventFilter(this);

  edit_->setUtf8(true);
  edit_->setEolMode(QsciScintilla::EolWindows);
  edit_->setEolVisibility(false);
  send(Sci::SCI_ALLOCATELINECHARACTERINDEX, Sci::SC_LINECHARACTERINDEX_UTF32);

  bindPlainEditKeys(edit_->standardCommands());

  connect(
      edit_, &QsciScintillaBase::SCN_MODIFIED, this,
      [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
        onModified(position, type, length);
      });
  // Once the widget starts going, the pane lets go of it: nothing reaches a half-destroyed one.
  connect(edit_, &QObject::destroyed, this, [this] { edit_.clear(); });
}

CodePane::~CodePane() {
  if (edit_.isNull()) return;
  QsciScintilla* edit = edit_.data();
  edit->removeEventFilter(this);
  QObject::disconnect(edit, nullptr, this, nullptr);
  edit_.clear();
  if (ownsWidget_) delete edit;
}

void CodePane::setTakesReferences(bool on) {
  static_cast<CodeEdit*>(edit_.data())->takesReferences = on;
}

bool CodePane::takesReferences() const {
  return static_cast<const CodeEdit*>(edit_.data())->takesReferences;
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
  // The filter watches the widget alone. A screen reader may start while the program runs;
  // from then on the pane reports in full.
  if (event->type() == QEvent::FocusIn && !edit_.isNull()) chooseModEvents();
  return QObject::eventFilter(watched, event);
}

void CodePane::onModified(int position, int modificationType, int length) {
  if (!(modificationType & kBeforeChange)) return;
  // An edit next to a CR or an LF may join them into one line end or part them; the index of
  // line starts by characters is then rebuilt before its next use.
  const long end = send(Sci::SCI_GETLENGTH);
  const long after = (modificationType & Sci::SC_MOD_BEFOREDELETE) ? position + length : position;
  if ((position > 0 && send(Sci::SCI_GETCHARAT, static_cast<unsigned long>(position - 1)) == '\r') ||
      (after < end && send(Sci::SCI_GETCHARAT, static_cast<unsigned long>(after)) == '\n'))
    indexStale_ = true;
  if (settingText_) return;
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

void CodePane::refreshIndex() const {
  if (!indexStale_) return;
  indexStale_ = false;
  send(Sci::SCI_RELEASELINECHARACTERINDEX, Sci::SC_LINECHARACTERINDEX_UTF32);
  send(Sci::SCI_ALLOCATELINECHARACTERINDEX, Sci::SC_LINECHARACTERINDEX_UTF32);
}

int CodePane::charLength() const {
  refreshIndex();
  const long lastLine = send(Sci::SCI_GETLINECOUNT) - 1;
  const long lineStart = send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(lastLine));
  return static_cast<int>(send(Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(lastLine),
                               Sci::SC_LINECHARACTERINDEX_UTF32)) +
         countChars(lineStart, send(Sci::SCI_GETLENGTH));
}

long CodePane::toBytes(int pos) const {
  if (pos <= 0) return 0;
  refreshIndex();
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
  refreshIndex();
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
  endMouseSelection(edit_.data());
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
  endMouseSelection(edit_.data());
  const int n = charLength();
  start = std::clamp(start, 0, n);
  length = std::clamp(length, 0, n - start);
  send(Sci::SCI_SETSEL, static_cast<unsigned long>(toBytes(start)), toBytes(start + length));
}

void CodePane::ReplaceSelection(const std::string& text) {
  endMouseSelection(edit_.data());
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
  endMouseSelection(edit_.data());
  edit_->undo();
  flushChange();
}

void CodePane::Cut() {
  endMouseSelection(edit_.data());
  edit_->cut();
  flushChange();
}

void CodePane::Copy() {
  edit_->copy();
}

void CodePane::Paste() {
  endMouseSelection(edit_.data());
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

// The runs are written as one styling call over the bytes they cover.
void CodePane::SetTextColors(int start, const std::vector<TextColorRun>& runs) {
  const int n = charLength();
  start = std::clamp(start, 0, n);
  int total = 0;
  for (const TextColorRun& run : runs) total += std::max(0, run.length);
  total = std::min(total, n - start);
  if (total == 0) return;
  const long from = toBytes(start);
  const long to = toBytes(start + total);
  const auto* p = reinterpret_cast<const char*>(
      send(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
  QByteArray styles(static_cast<qsizetype>(to - from), '\0');
  char* out = styles.data();
  // A pass uses a handful of colours over hundreds of runs: their styles are looked up once.
  std::vector<std::pair<std::uint32_t, char>> seen;
  std::size_t r = 0;
  int left = 0;
  char style = 0;
  for (long b = 0; b < to - from; ++b) {
    if (!isContinuation(p[b])) {
      while (left == 0 && r < runs.size()) {
        const std::uint32_t color = runs[r].color & 0xFFFFFF;
        left = std::max(0, runs[r].length);
        ++r;
        auto known = std::find_if(seen.begin(), seen.end(),
                                  [color](const auto& s) { return s.first == color; });
        if (known == seen.end())
          known = seen.insert(seen.end(), {color, static_cast<char>(styleFor(color))});
        style = known->second;
      }
      --left;
    }
    out[b] = style;
  }
  send(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(from), 0);
  edit_->SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<unsigned long>(to - from),
                       styles.constData());
}

void CodePane::setKeyHandlers(std::function<void(const QKeyEvent&)> down,
                              std::function<void(const QKeyEvent&)> up) {
  auto* edit = static_cast<CodeEdit*>(edit_.data());
  edit->keyDown = std::move(down);
  edit->keyUp = std::move(up);
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
