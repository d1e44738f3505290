// The keys of the two panes, and what becomes of characters Windows-1251 lacks when they are
// typed or pasted into them.
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStringList>
#include <QTest>
#include <functional>
#include <memory>

#include "common/WinText.h"
#include "common/qt/CodePane.h"
#include "common/qt/PlainPane.h"
#include "common/qt/RefusedInput.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

QKeyCombination keyOf(const char* name) {
  return QKeySequence(QString::fromLatin1(name))[0];
}

void press(QWidget* w, const char* name) {
  const QKeyCombination k = keyOf(name);
  QTest::keyClick(w, k.key(), k.keyboardModifiers());
}

// Does the widget claim the key for itself before the menus see it?
bool claims(QWidget* w, const char* name) {
  const QKeyCombination k = keyOf(name);
  QKeyEvent override(QEvent::ShortcutOverride, k.key(), k.keyboardModifiers());
  QCoreApplication::sendEvent(w, &override);
  return override.isAccepted();
}

TEST(CodePaneKeys, KeysBeyondAPlainEditControlDoNothingAndLeaveTheMenusTheirs) {
  CodePane pane;
  pane.SetText("  one\r\ntwo three\r\nfour");
  pane.SetSelection(7, 3);
  pane.ReplaceSelection("TWO");  // something to undo, which Alt+Backspace must not
  pane.SetSelection(11, 5);
  const std::string text = pane.Text();
  QWidget* w = pane.widget();
  w->setFocus();
  // Keys of the menus, then QScintilla's own line, case, word and zoom commands. (Ctrl+Alt
  // keys may type a character, as AltGr does; the frame keeps its own from the panes.)
  const QStringList keys =
      QStringLiteral(
          "Ctrl+L Ctrl+U Ctrl+I Ctrl+A Ctrl+G Ctrl+F Ctrl+W Ctrl+Q Ctrl+N Ctrl+O Ctrl+S "
          "Alt+Backspace Shift+F1 Shift+F2 Shift+F4 Ctrl+Shift+L Ctrl+Shift+U Ctrl+D Ctrl+T "
          "Ctrl+Shift+T Ctrl+Backspace Ctrl+Del Ctrl+Shift+Backspace Ctrl+Shift+Del "
          "Ctrl+Shift+Z Ctrl+Shift+Up Ctrl+Shift+Down Ctrl+] Alt+Shift+Down Ctrl++ Ctrl+- Ins")
          .split(u' ');
  for (const QString& name : keys) {
    const QByteArray bytes = name.toLatin1();
    const char* key = bytes.constData();
    EXPECT_FALSE(claims(w, key)) << key;
    press(w, key);
    EXPECT_EQ(pane.Text(), text) << key;
    EXPECT_EQ(pane.SelStart(), 11) << key;
    EXPECT_EQ(pane.SelLength(), 5) << key;
  }
  // Insert did not switch to overwriting.
  pane.SetSelection(11, 0);
  QTest::keyClick(w, Qt::Key_X);
  EXPECT_EQ(pane.Text(), "  one\r\nTWO xthree\r\nfour");
}

TEST(CodePaneKeys, TheKeysOfAPlainEditControlEdit) {
  struct Case {
    std::vector<const char*> keys;
    const char* text;
    int selStart;
    int selLength;
  };
  // From "one two\r\nthree" with "two" selected.
  const Case cases[] = {
      {{"Ctrl+X"}, "one \r\nthree", 4, 0},
      {{"Shift+Del", "Ctrl+End", "Shift+Ins"}, "one \r\nthreetwo", 14, 0},
      {{"Ctrl+Ins", "Home", "Ctrl+V"}, "twoone two\r\nthree", 3, 0},
      {{"Ctrl+C", "Ctrl+End", "Ctrl+V", "Ctrl+Z"}, "one two\r\nthree", 14, 0},
      {{"Del", "Ctrl+Z", "Ctrl+Y"}, "one \r\nthree", 4, 0},
      {{"Backspace", "Tab", "Return"}, "one \t\r\n\r\nthree", 7, 0},
      {{"Ctrl+Home", "Ctrl+Right", "Shift+End"}, "one two\r\nthree", 4, 3},
      {{"Ctrl+End", "Ctrl+Shift+Home"}, "one two\r\nthree", 0, 14},
      {{"Left", "Shift+Right", "Home", "Shift+Down"}, "one two\r\nthree", 0, 9},
      {{"Ctrl+Down", "Ctrl+Up", "PgDown", "Shift+PgUp"}, "one two\r\nthree", 0, 14},
  };
  for (const Case& c : cases) {
    CodePane pane;
    pane.SetText("one two\r\nthree");
    pane.SetSelection(4, 3);
    QApplication::clipboard()->clear();
    for (const char* key : c.keys) press(pane.widget(), key);
    std::string keys;
    for (const char* key : c.keys) keys += std::string(key) + " ";
    EXPECT_EQ(pane.Text(), c.text) << keys;
    EXPECT_EQ(pane.SelStart(), c.selStart) << keys;
    EXPECT_EQ(pane.SelLength(), c.selLength) << keys;
  }
}

// A pane inside a main window, whose status bar shows the pane's notes.
struct Hosted {
  QMainWindow window;
  std::unique_ptr<TextPane> pane;
  QWidget* widget = nullptr;

  explicit Hosted(bool code, bool references) {
    if (code) {
      auto p = std::make_unique<CodePane>();
      p->setTakesReferences(references);
      widget = p->widget();
      pane = std::move(p);
    } else {
      auto p = std::make_unique<PlainPane>();
      widget = p->widget();
      pane = std::move(p);
    }
    window.setCentralWidget(widget);
    window.statusBar();
  }
  ~Hosted() { window.takeCentralWidget(); }
  QString note() { return window.statusBar()->currentMessage(); }
};

void type(QWidget* w, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    // A character beyond the BMP comes as one key with both halves of its pair.
    const qsizetype n = text.at(i).isHighSurrogate() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, text.mid(i, n), Qt::NoModifier);
    i += n - 1;
  }
}

TEST(PaneInput, CharactersWindows1251LacksBecomeReferencesOrAreRefusedWithANote) {
  const QString input =
      QStringLiteral("Ωλ日x") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("ё");
  const std::string references = "&#937;&#955;&#26085;x&#128512;"_w.data() + std::string("\xb8");
  const std::string refused = "x\xb8";
  struct Case {
    const char* what;
    bool code;
    bool references;
    std::function<void(Hosted&)> enter;
    std::string expected;
    int noteCount;  // characters the last note is about
  };
  const auto typed = [&](Hosted& h) { type(h.widget, input); };
  const auto pasted = [&](Hosted& h) {
    QApplication::clipboard()->setText(input);
    h.pane->Paste();
  };
  const auto pastedByKey = [&](Hosted& h) {
    QApplication::clipboard()->setText(input);
    press(h.widget, "Shift+Ins");
  };
  const Case cases[] = {
      {"code, typed", true, true, typed, references, 0},
      {"code, pasted", true, true, pasted, references, 0},
      {"code, pasted by key", true, true, pastedByKey, references, 0},
      {"code without references, typed", true, false, typed, refused, 1},
      {"code without references, pasted", true, false, pasted, refused, 3},
      {"plain, typed", false, false, typed, refused, 1},
      {"plain, pasted", false, false, pasted, refused, 3},
      {"plain, pasted by key", false, false, pastedByKey, refused, 3},
  };
  for (const Case& c : cases) {
    Hosted h(c.code, c.references);
    h.pane->SetText("<>");
    h.pane->SetSelection(1, 0);
    c.enter(h);
    EXPECT_EQ(h.pane->Text(), "<" + c.expected + ">") << c.what;
    EXPECT_EQ(h.pane->SelStart(), 1 + static_cast<int>(c.expected.size())) << c.what;
    EXPECT_EQ(h.note(), c.noteCount ? RefusedInputNote(c.noteCount) : QString()) << c.what;
  }
}

TEST(PaneInput, OneCharacterLeftOutGetsTheSingularNoteAndNothingIsInserted) {
  Hosted h(false, false);
  h.pane->SetText("ab");
  h.pane->SetModified(false);
  type(h.widget, QStringLiteral("日"));
  EXPECT_EQ(h.pane->Text(), "ab");
  EXPECT_FALSE(h.pane->Modified());
  EXPECT_EQ(h.note(), QStringLiteral("Символ отсутствует в кодировке Windows-1251 и не вставлен"));
  EXPECT_EQ(RefusedInputNote(2),
            QStringLiteral("Символы отсутствуют в кодировке Windows-1251 и не вставлены"));
}

TEST(PaneInput, PlainPaneKeepsItsTextOnLineDeletionKeys) {
  PlainPane pane;
  pane.SetText("one two");
  pane.SetSelection(4, 0);
  for (const char* key : {"Ctrl+K", "Ctrl+U"}) {
    EXPECT_FALSE(claims(pane.widget(), key)) << key;
    press(pane.widget(), key);
  }
  EXPECT_EQ(pane.Text(), "one two");
}

TEST(PaneInput, PanesLetGoOfWidgetsTheirParentDestroys) {
  auto parent = std::make_unique<QWidget>();
  CodePane code(parent.get());
  PlainPane plain(parent.get());
  parent->show();
  code.widget()->setFocus();
  parent.reset();
  EXPECT_EQ(code.widget(), nullptr);
  EXPECT_EQ(plain.widget(), nullptr);
}

}  // namespace
}  // namespace lumbrix
