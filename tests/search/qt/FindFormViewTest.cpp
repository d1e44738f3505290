// The find dialog through the real frame: opened by its keys from either pane, driven by keys,
// searching and replacing in the document's code pane.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/qt/FrameTestSupport.h"
#include "common/WinText.h"
#include "common/qt/CodePane.h"
#include "common/qt/PlainPane.h"
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

// Ctrl and a letter as the keyboard sends them: the letter comes as its control character.
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
  // Opens the dialog by its key from a pane: the code pane, or the plain one.
  FindFormView& open(Qt::Key letter, bool codePane) {
    document().tabs()->setCurrentIndex(codePane ? 1 : 0);
    f.frame->activateWindow();
    QWidget* pane =
        codePane ? static_cast<QWidget*>(code().widget()) : document().plainPane().widget();
    pane->setFocus();
    pressCtrl(pane, letter);
    return *f.frame->findView();
  }
  int marker() { return code().SelLength() == 1 ? code().Text()[code().SelStart() + 1] - '0' : -1; }
  std::string lastMessage() const {
    return f.dialogs.messages.empty() ? "" : f.dialogs.messages.back().text;
  }
  // A look at the dialog, for people: LUMBRIX_SHOT_DIR=/tmp ui_tests
  static void shot(QWidget* w, const char* name) {
    const QByteArray shots = qgetenv("LUMBRIX_SHOT_DIR");
    if (!shots.isEmpty())
      w->grab().save(QString::fromLocal8Bit(shots) + QLatin1Char('/') + QLatin1String(name));
  }
};

TEST_F(FindFormViewTest, CtrlFFindsInTheRegionByEnterAndEscClosesFromTheWindowItself) {
  EXPECT_EQ(f.frame->findView(), nullptr);  // made by the first command that needs it
  FindFormView& v = open(Qt::Key_F, true);
  EXPECT_TRUE(v.isVisible());
  EXPECT_FALSE(v.isModal());
  EXPECT_TRUE(v.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(v.windowTitle(), QStringLiteral("Найти"));
  EXPECT_FALSE(v.replaceWith()->isVisible());
  EXPECT_EQ(v.what()->font().family(), QStringLiteral("Courier"));
  EXPECT_TRUE(v.where()->font().bold());
  EXPECT_EQ(v.where()->maxVisibleItems(), 11);
  EXPECT_TRUE(v.findButton()->font().bold() && v.findButton()->isDefault());
  EXPECT_FALSE(v.findBelowButton()->font().bold());
  EXPECT_EQ(v.focusWidget(), v.what());
  shot(&v, "find.png");

  QTest::keyClicks(v.what(), QStringLiteral("w"));
  QTest::keyClick(v.what(), Qt::Key_Tab);
  EXPECT_EQ(v.focusWidget(), v.where());  // the hidden replacement field is passed over
  QTest::keyClick(v.where(), Qt::Key_End);
  for (int i = 0; i < 3; ++i) QTest::keyClick(v.where(), Qt::Key_Up);
  EXPECT_EQ(v.where()->currentText(), QStringLiteral("таблицы"));
  QTest::keyClick(v.what(), Qt::Key_Return);
  EXPECT_EQ(marker(), 1);
  // The emphasis and the focus moved to "Найти далее": Enter now steps on.
  EXPECT_TRUE(v.findBelowButton()->font().bold() && v.findBelowButton()->isDefault());
  EXPECT_FALSE(v.findButton()->font().bold());
  EXPECT_EQ(v.focusWidget(), v.findBelowButton());
  QTest::keyClick(v.findBelowButton(), Qt::Key_Return);
  EXPECT_EQ(marker(), 2);
  QTest::keyClick(v.findBelowButton(), Qt::Key_Return);
  EXPECT_EQ(lastMessage(), std::string("Больше нет таких строк\nв документе"_w));
  EXPECT_EQ(marker(), 2);

  // F1 shows the dialog's topic.
  QTest::keyClick(v.what(), Qt::Key_F1);
  EXPECT_EQ(f.help.topics, std::vector<int>{FindFormView::kHelpContext});
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

TEST_F(FindFormViewTest, CtrlHFromThePlainPaneReplacesAsUndoSteps) {
  FindFormView& v = open(Qt::Key_H, false);
  EXPECT_EQ(v.windowTitle(), QStringLiteral("Заменить"));
  EXPECT_TRUE(v.label3()->isVisible() && v.replaceWith()->isVisible());
  EXPECT_EQ(v.findButton()->text(), QStringLiteral("Заменить BCE"));
  EXPECT_EQ(v.findBelowButton()->text(), QStringLiteral("Заменить след."));
  EXPECT_TRUE(v.findBelowButton()->isDefault());

  QTest::keyClicks(v.what(), QStringLiteral("w"));
  QTest::keyClick(v.what(), Qt::Key_Tab);
  QTest::keyClicks(v.replaceWith(), QStringLiteral("Zz"));
  QTest::keyClick(v.replaceWith(), Qt::Key_Tab);
  for (int i = 0; i < 7; ++i) QTest::keyClick(v.where(), Qt::Key_Down);
  EXPECT_EQ(v.form().WhereIndex, 7);
  shot(&v, "replace.png");

  // From the top: Enter selects the first occurrence, Enter again replaces it and goes on.
  code().SetSelection(0, 0);
  QTest::keyClick(v.replaceWith(), Qt::Key_Return);
  EXPECT_EQ(marker(), 1);
  QTest::keyClick(v.findBelowButton(), Qt::Key_Return);
  EXPECT_EQ(marker(), 2);
  // The rest at once by its button, from the keyboard.
  v.findButton()->setFocus();
  QTest::keyClick(v.findButton(), Qt::Key_Space);
  EXPECT_EQ(lastMessage(), std::string("Заменено: 1"_w));
  std::string once = kPage;
  once.replace(once.find("w1"), 1, "Zz");
  std::string twice = once;
  twice.replace(twice.find("w2"), 1, "Zz");
  EXPECT_EQ(code().Text(), twice);

  // Ctrl+Z in the code pane takes back the whole "Заменить BCE", then the step before.
  document().tabs()->setCurrentIndex(1);
  f.frame->activateWindow();
  code().widget()->setFocus();
  pressCtrl(code().widget(), Qt::Key_Z);
  EXPECT_EQ(code().Text(), once);
  pressCtrl(code().widget(), Qt::Key_Z);
  EXPECT_EQ(code().Text(), kPage);

  // Hidden for the code pane's Esc, or with its document: the fields stay.
  EXPECT_TRUE(f.frame->hideFindDialog());
  EXPECT_FALSE(v.isVisible());
  EXPECT_FALSE(f.frame->hideFindDialog());
  f.frame->run(QStringLiteral("Find"));
  f.frame->DestroyDocument(*f.frame->Documents().front());
  EXPECT_FALSE(v.isVisible());
  f.frame->run(QStringLiteral("Replace"));
  EXPECT_EQ(v.what()->text(), QStringLiteral("w"));
  EXPECT_EQ(v.replaceWith()->text(), QStringLiteral("Zz"));
  EXPECT_EQ(v.where()->currentIndex(), 7);
  // No document: the buttons do nothing.
  const std::size_t messages = f.dialogs.messages.size();
  QTest::keyClick(v.what(), Qt::Key_Return);
  EXPECT_EQ(f.dialogs.messages.size(), messages);
}

}  // namespace
}  // namespace lumbrix
