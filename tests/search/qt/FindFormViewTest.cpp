// The find dialog through the real frame: opened by its keys from either pane, driven by keys,
// searching and replacing in the document's code pane.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/qt/FrameActions.h"
#include "app/qt/FrameTestSupport.h"
#include "common/WinText.h"
#include "common/qt/CodePane.h"
#include "common/qt/PlainPane.h"
#include "document/EditForm.h"
#include "document/qt/EditFormView.h"
#include "search/FindForm.h"
#include "search/qt/FindFormView.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using lumbrix::testing::TempDir;

const std::string kPage =
    "<body>w0<table><tr><td>w1<table><td>w2</table>w3</td></tr></table>\r\n"
    "<script>w4</script></body>";

// A key with Ctrl as the keyboard sends it: the letter comes as its control character.
void pressCtrl(QWidget* w, Qt::Key letter) {
  QTest::sendKeyEvent(QTest::Click, w, letter, QChar(char16_t(letter - Qt::Key_A + 1)),
                      Qt::ControlModifier);
}

struct FindFormViewTest : ::testing::Test {
  TempDir dir;
  FrameFixture f{{dir.Write("page.htm", kPage)}};

  FindFormViewTest() { f.firstShow(); }

  EditFormView& document() { return *f.frame->viewOf(*f.frame->Documents().front()); }
  CodePane& code() { return document().codePane(); }
  FindFormView& view() { return *f.frame->findView(); }
  std::string lastMessage() const {
    return f.dialogs.messages.empty() ? "" : f.dialogs.messages.back().text;
  }
  int markerSelected() {
    return code().SelLength() == 1 ? code().Text()[code().SelStart() + 1] - '0' : -1;
  }
  static void shot(QWidget* w, const char* name) {
    // A look at the dialog, for people: LUMBRIX_SHOT_DIR=/tmp ui_tests
    const QByteArray shots = qgetenv("LUMBRIX_SHOT_DIR");
    if (!shots.isEmpty())
      w->grab().save(QString::fromLocal8Bit(shots) + QLatin1Char('/') + QLatin1String(name));
  }
};

TEST_F(FindFormViewTest, OpensFromTheCodePaneByCtrlFLookingAsDescribed) {
  EXPECT_EQ(f.frame->findView(), nullptr);  // made by the first command that needs it
  f.frame->activateWindow();
  QWidget* pane = code().widget();
  pane->setFocus();
  pressCtrl(pane, Qt::Key_F);
  ASSERT_NE(f.frame->findView(), nullptr);
  FindFormView& v = view();
  EXPECT_TRUE(v.isVisible());
  EXPECT_FALSE(v.isModal());
  EXPECT_TRUE(v.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(v.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(v.windowTitle(), QStringLiteral("Найти"));
  EXPECT_EQ(v.focusWidget(), v.what());

  EXPECT_EQ(v.label1()->text(), QStringLiteral("что:"));
  EXPECT_EQ(v.label2()->text(), QStringLiteral("где:"));
  EXPECT_FALSE(v.label3()->isVisible());
  EXPECT_FALSE(v.replaceWith()->isVisible());
  EXPECT_EQ(v.what()->font().family(), QStringLiteral("Courier"));
  EXPECT_EQ(v.replaceWith()->font().family(), QStringLiteral("Courier"));
  QComboBox* where = v.where();
  EXPECT_FALSE(where->isEditable());
  EXPECT_TRUE(where->font().bold());
  EXPECT_EQ(where->maxVisibleItems(), 11);
  EXPECT_EQ(where->palette().color(QPalette::Base),
            QApplication::palette().color(QPalette::Button));
  const QStringList items{QStringLiteral("весь файл"),
                          QStringLiteral("выделенный текст"),
                          QStringLiteral("HTML"),
                          QStringLiteral("заголовок (HEAD)"),
                          QStringLiteral("тело док. (BODY)"),
                          QStringLiteral("скрипты"),
                          QStringLiteral("определений стилей"),
                          QStringLiteral("таблицы"),
                          QStringLiteral("марк. списки"),
                          QStringLiteral("нумеров. списки"),
                          QStringLiteral("акт. объекты")};
  ASSERT_EQ(where->count(), items.size());
  for (int i = 0; i < items.size(); ++i) EXPECT_EQ(where->itemText(i), items[i]);
  EXPECT_EQ(where->currentIndex(), 0);

  EXPECT_EQ(v.findButton()->text(), QStringLiteral("Найти"));
  EXPECT_TRUE(v.findButton()->font().bold());
  EXPECT_TRUE(v.findButton()->isDefault());
  EXPECT_EQ(v.findBelowButton()->text(), QStringLiteral("Найти далее"));
  EXPECT_FALSE(v.findBelowButton()->font().bold());
  EXPECT_EQ(v.matchCase()->text(), QStringLiteral("с учётом регистра"));
  EXPECT_EQ(v.wholeWordsOnly()->text(), QStringLiteral("только целые слова"));
  EXPECT_EQ(v.tagsOnly()->text(), QStringLiteral("только теги"));
  EXPECT_EQ(v.exceptScripts()->text(), QStringLiteral("кроме скриптов"));
  shot(&v, "find.png");

  // F1 in the dialog shows its own topic.
  QTest::keyClick(v.what(), Qt::Key_F1);
  EXPECT_EQ(f.help.topics, std::vector<int>{FindFormView::kHelpContext});
}

TEST_F(FindFormViewTest, EnterFindsThenStepsOnAndEscClosesOnlyFromTheWindowItself) {
  f.frame->run(QStringLiteral("Find"));
  FindFormView& v = view();
  QTest::keyClicks(v.what(), QStringLiteral("w"));
  // "таблицы", two items up from the last.
  QTest::keyClick(v.where(), Qt::Key_End);
  QTest::keyClick(v.where(), Qt::Key_Up);
  QTest::keyClick(v.where(), Qt::Key_Up);
  QTest::keyClick(v.where(), Qt::Key_Up);
  EXPECT_EQ(v.where()->currentText(), QStringLiteral("таблицы"));
  QTest::keyClick(v.what(), Qt::Key_Return);
  EXPECT_EQ(markerSelected(), 1);
  // The emphasis and the focus have moved to "Найти далее": Enter now steps on.
  EXPECT_TRUE(v.findBelowButton()->font().bold());
  EXPECT_FALSE(v.findButton()->font().bold());
  EXPECT_TRUE(v.findBelowButton()->isDefault());
  EXPECT_EQ(v.focusWidget(), v.findBelowButton());
  QTest::keyClick(v.findBelowButton(), Qt::Key_Return);
  EXPECT_EQ(markerSelected(), 2);
  QTest::keyClick(v.findBelowButton(), Qt::Key_Return);
  EXPECT_EQ(lastMessage(), std::string("Больше нет таких строк\nв документе"_w));
  EXPECT_EQ(markerSelected(), 2);

  // Esc in a control does nothing; from the window itself it closes the dialog for good.
  QTest::keyClick(v.what(), Qt::Key_Escape);
  EXPECT_TRUE(v.isVisible());
  v.setFocus();
  QTest::keyClick(&v, Qt::Key_Escape, Qt::ShiftModifier);
  EXPECT_TRUE(v.isVisible());
  QTest::keyClick(&v, Qt::Key_Escape);
  EXPECT_FALSE(v.isVisible());
  f.frame->run(QStringLiteral("Find"));
  EXPECT_EQ(v.what()->text(), QString());
  EXPECT_EQ(v.where()->currentIndex(), 0);
  EXPECT_TRUE(v.findButton()->font().bold());
}

TEST_F(FindFormViewTest, HidingKeepsTheFieldsAndClosingADocumentHides) {
  f.frame->run(QStringLiteral("Find"));
  FindFormView& v = view();
  QTest::keyClicks(v.what(), QStringLiteral("td"));
  QTest::keyClick(v.tagsOnly(), Qt::Key_Space);
  EXPECT_TRUE(v.form().TagsOnly);
  // The code pane's Esc asks the frame to hide the dialog.
  EXPECT_TRUE(f.frame->hideFindDialog());
  EXPECT_FALSE(v.isVisible());
  EXPECT_FALSE(f.frame->hideFindDialog());
  f.frame->run(QStringLiteral("Find"));
  EXPECT_EQ(v.what()->text(), QStringLiteral("td"));
  EXPECT_TRUE(v.tagsOnly()->isChecked());

  f.frame->DestroyDocument(*f.frame->Documents().front());
  EXPECT_FALSE(v.isVisible());
  // No document: both buttons do nothing.
  f.frame->run(QStringLiteral("Find"));
  QTest::keyClick(v.what(), Qt::Key_Return);
  EXPECT_TRUE(f.dialogs.messages.empty());
  EXPECT_EQ(v.what()->text(), QStringLiteral("td"));
}

TEST_F(FindFormViewTest, CtrlHFromThePlainPaneReplacesInTheRegionAsOneUndoStep) {
  document().tabs()->setCurrentIndex(0);
  f.frame->activateWindow();
  QWidget* plain = document().plainPane().widget();
  plain->setFocus();
  pressCtrl(plain, Qt::Key_H);
  ASSERT_NE(f.frame->findView(), nullptr);
  FindFormView& v = view();
  EXPECT_EQ(v.windowTitle(), QStringLiteral("Заменить"));
  EXPECT_TRUE(v.label3()->isVisible());
  EXPECT_EQ(v.label3()->text(), QStringLiteral("на:"));
  EXPECT_TRUE(v.replaceWith()->isVisible());
  EXPECT_EQ(v.findButton()->text(), QStringLiteral("Заменить BCE"));
  EXPECT_EQ(v.findBelowButton()->text(), QStringLiteral("Заменить след."));
  EXPECT_TRUE(v.findBelowButton()->isDefault());

  QTest::keyClicks(v.what(), QStringLiteral("w"));
  QTest::keyClick(v.what(), Qt::Key_Tab);
  EXPECT_EQ(v.focusWidget(), v.replaceWith());
  QTest::keyClicks(v.replaceWith(), QStringLiteral("Zz"));
  v.where()->setFocus();
  for (int i = 0; i < 7; ++i) QTest::keyClick(v.where(), Qt::Key_Down);
  EXPECT_EQ(v.form().WhereIndex, 7);
  shot(&v, "replace.png");

  // Enter: the first occurrence after the caret is selected; Enter again replaces it and
  // selects the next.
  code().SetSelection(0, 0);
  QTest::keyClick(v.replaceWith(), Qt::Key_Return);
  EXPECT_EQ(markerSelected(), 1);
  QTest::keyClick(v.findBelowButton(), Qt::Key_Return);
  EXPECT_EQ(markerSelected(), 2);
  EXPECT_NE(code().Text().find("<td>Zz1<table>"), std::string::npos);

  // The rest at once by its button, from the keyboard.
  v.findButton()->setFocus();
  QTest::keyClick(v.findButton(), Qt::Key_Space);
  EXPECT_EQ(lastMessage(), std::string("Заменено: 1"_w));
  EXPECT_EQ(f.dialogs.messages.back().icon, MsgIcon::Information);
  std::string expected = kPage;
  expected.replace(expected.find("w1"), 1, "Zz");
  expected.replace(expected.find("w2"), 1, "Zz");
  EXPECT_EQ(code().Text(), expected);

  // One Ctrl+Z in the code pane takes back the whole "Заменить BCE", a second the step before.
  document().tabs()->setCurrentIndex(1);
  f.frame->activateWindow();
  code().widget()->setFocus();
  pressCtrl(code().widget(), Qt::Key_Z);
  std::string before = kPage;
  before.replace(before.find("w1"), 1, "Zz");
  EXPECT_EQ(code().Text(), before);
  pressCtrl(code().widget(), Qt::Key_Z);
  EXPECT_EQ(code().Text(), kPage);
}

}  // namespace
}  // namespace lumbrix
