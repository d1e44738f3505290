// Keyboard assistance on the real code pane, driven through the event system: the pane acts on
// a key's press, the assistance on its release.
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>
#include <string>

#include "common/WinText.h"
#include "common/qt/CodePane.h"
#include "document/EditForm.h"
#include "commands/FontCommands.h"
#include "document/qt/EditFormView.h"
#include "settings/Settings.h"
#include "support/FakeDialogs.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

class CodeKeys : public ::testing::Test {
 protected:
  CodeKeys() : view(settings, dialogs, colours) {}
  void Show(const std::string& text, int caret) {
    pane().SetText(text);
    pane().SetSelection(caret, 0);
  }
  CodePane& pane() { return view.codePane(); }
  QsciScintilla* widget() { return pane().widget(); }
  void Type(const QString& text) {
    for (const QChar ch : text)
      QTest::sendKeyEvent(QTest::Click, widget(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(widget(), key, mods);
  }

  Settings settings;
  testing::FakeDialogs dialogs;
  ColourDialogState colours;
  EditFormView view;
};

TEST_F(CodeKeys, EnterKeepsTheIndentationAfterCyrillicText) {
  Show("    <p>", 7);
  Type(QStringLiteral("Привет"));
  Key(Qt::Key_Return);
  Type(QStringLiteral("ёж"));
  EXPECT_EQ(pane().Text(), "    <p>Привет\r\n    ёж"_w);
  EXPECT_EQ(pane().SelStart(), 21);
  Key(Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(pane().Text(), "    <p>Привет\r\n    ёж<br />\r\n    "_w);
  EXPECT_EQ(pane().SelStart(), pane().TextLength());
  EXPECT_FALSE(view.form().KeyInProgress);
}

TEST_F(CodeKeys, TabTypesSpacesAndReplacesASelectionOverLines) {
  settings.TS = 3;
  Show("ab\r\ncd", 1);
  Key(Qt::Key_Tab);
  EXPECT_EQ(pane().Text(), "a   b\r\ncd");
  EXPECT_EQ(pane().SelStart(), 4);
  pane().SetSelection(1, 6);
  Key(Qt::Key_Tab);
  EXPECT_EQ(pane().Text(), "a   cd");
  EXPECT_EQ(pane().SelStart(), 4);
}

TEST_F(CodeKeys, EveryAutorepeatedPressIsAKey) {
  settings.TS = 2;
  Show("x", 1);
  // Held down: presses repeat, the one release comes at the end.
  QTest::sendKeyEvent(QTest::Press, widget(), Qt::Key_Tab, QString("\t"), Qt::NoModifier);
  for (int i = 0; i < 2; ++i)
    QTest::simulateEvent(widget(), true, Qt::Key_Tab, Qt::NoModifier, QString("\t"), true);
  EXPECT_TRUE(view.form().KeyInProgress);
  QTest::sendKeyEvent(QTest::Release, widget(), Qt::Key_Tab, QString("\t"), Qt::NoModifier);
  EXPECT_EQ(pane().Text(), "x      ");
  EXPECT_FALSE(view.form().KeyInProgress);
}

TEST_F(CodeKeys, BackspaceAndHomeFollowTheIndentation) {
  settings.HAVS = true;
  Show("  <ul>\r\n      ", 14);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(pane().Text(), "  <ul>\r\n  ");
  Type(QStringLiteral("<li>пункт"));
  Key(Qt::Key_Home);
  EXPECT_EQ(pane().SelStart(), 10);
  Key(Qt::Key_End);
  Key(Qt::Key_Home);
  EXPECT_EQ(pane().SelStart(), 10);
  settings.HAVS = false;
  Key(Qt::Key_End);
  Key(Qt::Key_Home);
  EXPECT_EQ(pane().SelStart(), 8);
}

TEST_F(CodeKeys, EscHidesAShownFindDialogInstead) {
  view.show();
  int hidden = 0;
  view.form().HideFindDialog = [&] { return ++hidden == 1; };
  Key(Qt::Key_Escape);
  QTest::qWait(5);
  EXPECT_EQ(hidden, 1);
  EXPECT_TRUE(view.isVisible());
  Key(Qt::Key_Escape);  // now there is none to hide: the unmodified window closes
  QTest::qWait(5);
  EXPECT_FALSE(view.isVisible());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CodeKeys, TheCaptionFollowsTheTitleAsItIsTyped) {
  settings.DC = 1;
  Show("<title></title>", 7);
  Type(QStringLiteral("Дом"));
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Дом"));
}

}  // namespace
}  // namespace lumbrix
