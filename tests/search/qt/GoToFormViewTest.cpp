#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "common/MemoryPane.h"
#include "document/EditForm.h"
#include "search/GoToForm.h"
#include "search/qt/GoToFormView.h"
#include "settings/Settings.h"
#include "support/FakeDialogs.h"

namespace lumbrix {
namespace {

struct GoToFormViewTest : ::testing::Test {
  Settings settings;
  testing::FakeDialogs dialogs;
  MemoryPane code;
  MemoryPane plain;
  TEditForm document{settings, dialogs, code, plain};
  TGoToForm form;
  GoToFormView view{form};

  // Runs the modal dialog; `user` acts on it once it is up and must close it.
  bool execute(bool lineMode, std::function<void()> user) {
    bool ran = false;
    QTimer::singleShot(0, &view, [&] {
      ran = true;
      EXPECT_TRUE(view.isVisible());
      user();
      // A test that failed to close the dialog must not hang the run.
      if (view.isVisible()) {
        ADD_FAILURE() << "the dialog is still open";
        view.reject();
      }
    });
    const bool confirmed = view.Execute(document, lineMode);
    EXPECT_TRUE(ran);
    return confirmed;
  }

  QColor editBackground() const {
    const QLineEdit* edit = view.lineNumEdit();
    return edit->palette().color(edit->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::Base);
  }
};

TEST_F(GoToFormViewTest, LooksAsDescribed) {
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Перейти"));
  const Qt::WindowFlags flags = view.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

  QComboBox* where = view.where();
  EXPECT_FALSE(where->isEditable());
  const QStringList items{QStringLiteral("в конец документа"), QStringLiteral("в конец заголовка"),
                          QStringLiteral("к названию страницы"), QStringLiteral("к таблице стилей"),
                          QStringLiteral("к Строке номер :")};
  ASSERT_EQ(where->count(), items.size());
  for (int i = 0; i < where->count(); ++i) EXPECT_EQ(where->itemText(i), items[i]);
  for (const QWidget* w : {static_cast<QWidget*>(where), static_cast<QWidget*>(where->view())}) {
    EXPECT_EQ(w->palette().color(QPalette::ButtonText), QColor(221, 228, 255));
    EXPECT_EQ(w->palette().color(QPalette::Text), QColor(221, 228, 255));
    EXPECT_EQ(w->palette().color(QPalette::Button), QColor(102, 0, 215));
    EXPECT_EQ(w->palette().color(QPalette::Base), QColor(102, 0, 215));
  }

  EXPECT_EQ(view.lineNumEdit()->text(), QStringLiteral("1"));
  EXPECT_EQ(view.okButton()->text(), QStringLiteral("ДА"));
  EXPECT_TRUE(view.okButton()->isDefault());
  EXPECT_EQ(view.cancelButton()->text(), QStringLiteral("Отмена"));
  EXPECT_EQ(view.lineNumDown()->arrowType(), Qt::LeftArrow);
  EXPECT_EQ(view.lineNumUp()->arrowType(), Qt::RightArrow);

  view.show();
  EXPECT_EQ(where->currentIndex(), 0);
  EXPECT_FALSE(view.lineNumEdit()->isEnabled());
  EXPECT_FALSE(view.lineNum()->isEnabled());
  EXPECT_EQ(editBackground(), QApplication::palette().color(QPalette::Active, QPalette::Button));
  // A look at the dialog, for people: LUMBRIX_SHOT_DIR=/tmp ui_tests
  const QByteArray dir = qgetenv("LUMBRIX_SHOT_DIR");
  if (!dir.isEmpty()) view.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/goto.png"));
  view.reject();

  form.LineMode = true;
  view.show();
  if (!dir.isEmpty())
    view.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/goto-line.png"));
  EXPECT_EQ(editBackground(), QApplication::palette().color(QPalette::Active, QPalette::Base));
  view.reject();
}

TEST_F(GoToFormViewTest, TheUpDownKeepsTheNumberFrom1To10000) {
  form.LineMode = true;
  view.show();
  QLineEdit* edit = view.lineNumEdit();
  QTest::mouseClick(view.lineNumUp(), Qt::LeftButton);
  EXPECT_EQ(edit->text(), QStringLiteral("2"));
  QTest::mouseClick(view.lineNumDown(), Qt::LeftButton);
  QTest::mouseClick(view.lineNumDown(), Qt::LeftButton);
  EXPECT_EQ(edit->text(), QStringLiteral("1"));
  EXPECT_EQ(form.LineNum, 1);

  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("9999"));
  QTest::keyClick(edit, Qt::Key_Up);
  QTest::keyClick(edit, Qt::Key_Up);
  QTest::mouseClick(view.lineNumUp(), Qt::LeftButton);
  EXPECT_EQ(edit->text(), QStringLiteral("10000"));
  EXPECT_EQ(form.LineNum, 10000);

  // Nothing beyond the range is taken, neither letters nor a longer number.
  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("12a3456"));
  EXPECT_EQ(edit->text(), QStringLiteral("12345"));
  EXPECT_EQ(form.LineNum, 1234);
  view.reject();
  EXPECT_EQ(edit->text(), QStringLiteral("1234"));
}

TEST_F(GoToFormViewTest, LineCommandThenGoToKeepTheLineChoice) {
  code.SetText("one\r\ntwo\r\nthree");
  EXPECT_TRUE(execute(true, [&] {
    EXPECT_FALSE(view.where()->isEnabled());
    EXPECT_EQ(view.where()->currentIndex(), 4);
    EXPECT_TRUE(view.lineNumEdit()->isEnabled());
    view.lineNumEdit()->selectAll();
    QTest::keyClicks(view.lineNumEdit(), QStringLiteral("3"));
    QTest::keyClick(view.lineNumEdit(), Qt::Key_Return);
  }));
  EXPECT_EQ(code.SelStart(), 10);

  code.SetSelection(0, 0);
  EXPECT_FALSE(execute(false, [&] {
    EXPECT_TRUE(view.where()->isEnabled());
    EXPECT_EQ(view.where()->currentIndex(), 4);
    EXPECT_EQ(view.lineNumEdit()->text(), QStringLiteral("3"));
    QTest::keyClick(&view, Qt::Key_Escape);
  }));
  EXPECT_EQ(code.SelStart(), 0);
}

TEST_F(GoToFormViewTest, ALandmarkChosenInTheListIsWhereConfirmingGoes) {
  code.SetText("<head><title>x</title></head>");
  EXPECT_TRUE(execute(false, [&] {
    QTest::keyClick(view.where(), Qt::Key_Down);
    QTest::keyClick(view.where(), Qt::Key_Down);
    EXPECT_EQ(form.WhereIndex, 2);
    EXPECT_FALSE(view.lineNumEdit()->isEnabled());
    QTest::mouseClick(view.okButton(), Qt::LeftButton);
  }));
  EXPECT_EQ(code.SelStart(), 14);
  EXPECT_FALSE(form.LineMode);
  EXPECT_EQ(view.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace lumbrix
