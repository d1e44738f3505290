#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "common/WinText.h"
#include "common/qt/ModalScript.h"
#include "common/qt/QtDialogs.h"
#include "common/qt/WinQString.h"
#include "document/SaveDialog.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using testing::ModalScript;

std::string w(std::string_view s) {
  return std::string(s);
}

TEST(QtDialogsMessageBox, IconsButtonsDefaultsAndRussianCaptions) {
  struct Case {
    MsgIcon icon;
    QMessageBox::Icon qtIcon;
    MsgButtons buttons;
    QMessageBox::StandardButtons qtButtons;
    QMessageBox::StandardButton first;
  };
  const Case cases[] = {
      {MsgIcon::None, QMessageBox::NoIcon, MsgButtons::Ok, QMessageBox::Ok, QMessageBox::Ok},
      {MsgIcon::Stop, QMessageBox::Critical, MsgButtons::OkCancel,
       QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok},
      {MsgIcon::Exclamation, QMessageBox::Warning, MsgButtons::YesNo,
       QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
      {MsgIcon::Question, QMessageBox::Question, MsgButtons::YesNoCancel,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes},
      {MsgIcon::Information, QMessageBox::Information, MsgButtons::Ok, QMessageBox::Ok,
       QMessageBox::Ok},
  };
  for (const Case& c : cases) {
    const auto box = BuildMessageBox(w("Файл\nc:\\a.htm\nНЕДОСТУПЕН!"_w),
                                     w("Ошибка открытия файла"_w), c.icon, c.buttons);
    EXPECT_EQ(box->icon(), c.qtIcon);
    EXPECT_EQ(box->standardButtons(), c.qtButtons);
    EXPECT_EQ(box->defaultButton(), box->button(c.first));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Ошибка открытия файла"));
    EXPECT_EQ(box->text(), QStringLiteral("Файл\nc:\\a.htm\nНЕДОСТУПЕН!"));
  }
  const auto box = BuildMessageBox("x", "y", MsgIcon::Question, MsgButtons::YesNoCancel);
  EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("&Да"));
  EXPECT_EQ(box->button(QMessageBox::No)->text(), QStringLiteral("&Нет"));
  EXPECT_EQ(box->button(QMessageBox::Cancel)->text(), QStringLiteral("Отмена"));
  EXPECT_EQ(
      BuildMessageBox("x", "y", MsgIcon::None, MsgButtons::Ok)->button(QMessageBox::Ok)->text(),
      QStringLiteral("OK"));
}

TEST(QtDialogsMessageBox, MarkupInTheTextIsShownAsItIs) {
  const auto box = BuildMessageBox("<b>before</body>\r\nnext", "c", MsgIcon::None, MsgButtons::Ok);
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  EXPECT_EQ(box->text(), QStringLiteral("<b>before</body>\nnext"));
}

TEST(QtDialogsMessageBox, AnswersFollowTheKeysPressed) {
  QtDialogs dialogs;
  ModalScript enter({[](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }});
  EXPECT_EQ(dialogs.MessageBox("?", "c", MsgIcon::Question, MsgButtons::YesNoCancel),
            MsgAnswer::Yes);
  ModalScript escape({[](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }});
  EXPECT_EQ(dialogs.MessageBox("?", "c", MsgIcon::Question, MsgButtons::YesNoCancel),
            MsgAnswer::Cancel);
  ModalScript no(
      {[](QWidget* box) { static_cast<QMessageBox*>(box)->button(QMessageBox::No)->click(); }});
  EXPECT_EQ(dialogs.MessageBox("?", "c", MsgIcon::Question, MsgButtons::YesNo), MsgAnswer::No);
  EXPECT_EQ(AnswerOf(QMessageBox::NoButton, MsgButtons::YesNo), MsgAnswer::No);
}

// A Russian letter as the keyboard sends it: the key code is the capital letter.
void press(QWidget* w, char16_t capital, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::sendKeyEvent(QTest::Click, w, static_cast<Qt::Key>(capital),
                      QString(QChar(capital)).toLower(), modifiers);
}

TEST(QtDialogsMessageBox, TheLettersOfYesAndNoAndEscAnswer) {
  struct Case {
    MsgButtons buttons;
    std::function<void(QWidget*)> keys;
    MsgAnswer answer;
  };
  const Case cases[] = {
      {MsgButtons::YesNoCancel, [](QWidget* b) { press(b, u'Д'); }, MsgAnswer::Yes},
      {MsgButtons::YesNoCancel, [](QWidget* b) { press(b, u'Н'); }, MsgAnswer::No},
      {MsgButtons::YesNo, [](QWidget* b) { press(b, u'Н', Qt::AltModifier); }, MsgAnswer::No},
      {MsgButtons::YesNo, [](QWidget* b) { press(b, u'Д', Qt::AltModifier); }, MsgAnswer::Yes},
      {MsgButtons::YesNo, [](QWidget* b) { QTest::keyClick(b, Qt::Key_Escape); }, MsgAnswer::No},
      {MsgButtons::YesNoCancel, [](QWidget* b) { QTest::keyClick(b, Qt::Key_Escape); },
       MsgAnswer::Cancel},
  };
  QtDialogs dialogs;
  for (const Case& c : cases) {
    ModalScript script({c.keys});
    EXPECT_EQ(dialogs.MessageBox("?", "c", MsgIcon::Question, c.buttons), c.answer);
    EXPECT_TRUE(script.done());
  }
  EXPECT_EQ(AnswerOf(QMessageBox::NoButton, MsgButtons::OkCancel), MsgAnswer::Cancel);
}

TEST(QtDialogsFilters, ConvertedToQtFormWithEveryPattern) {
  EXPECT_EQ(QtNameFilter(w("Пакетные и настроечные|*.bat;*.cmd;config.sy*;*.ini;*.inf"_w)),
            QStringLiteral("Пакетные и настроечные (*.bat *.cmd config.sy* *.ini *.inf)"));
  EXPECT_EQ(QtNameFilter(w("Java[Script], ECMAScript, ASP (java, js, asa)|*.java;*.js"_w)),
            QStringLiteral("Java[Script], ECMAScript, ASP (java, js, asa) (*.java *.js)"));
  // Files without a dot in their names are files too.
  EXPECT_EQ(QtNameFilter(w("Всё подряд|*.*"_w)), QStringLiteral("Всё подряд (*)"));
}

TEST(QtDialogsFilters, SaveDialogPreselectsAndItsExtensionFollowsTheUsersFilter) {
  FileDialogRequest request = SaveDialogRequest(1, "");  // CSS: filter 3
  const auto d = BuildFileDialog(request, FileDialogKind::Save);
  EXPECT_EQ(d->windowTitle(), QStringLiteral("Запись файла"));
  EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_FALSE(d->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(d->nameFilters().size(), 14);
  EXPECT_EQ(FilterPosition(request.filters, d->selectedNameFilter()), 3);
  EXPECT_EQ(d->defaultSuffix(), QStringLiteral("htm"));

  // The user picks filters in the dialog's list, which shows the captions alone.
  auto* combo = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->currentText(), QStringLiteral("Cascaded Style Sheets (css)"));
  const auto pick = [&](int oneBased) {
    combo->setCurrentIndex(oneBased - 1);
    emit combo->activated(oneBased - 1);
    emit combo->textActivated(combo->currentText());
  };
  pick(4);
  EXPECT_EQ(d->defaultSuffix(), QStringLiteral("js"));
  pick(5);  // Java gives none
  EXPECT_EQ(d->defaultSuffix(), QString());
  pick(13);
  EXPECT_EQ(d->defaultSuffix(), QStringLiteral("nfo"));

  request.filterIndex = 0;
  EXPECT_EQ(FilterPosition(request.filters,
                           BuildFileDialog(request, FileDialogKind::Save)->selectedNameFilter()),
            1);
  request.overwritePrompt = false;
  EXPECT_TRUE(BuildFileDialog(request, FileDialogKind::Save)
                  ->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(QtDialogsFilters, OpenDialogModes) {
  FileDialogRequest request;
  request.filters = {"A|*.a", "B|*.b"};
  request.multiSelect = true;
  EXPECT_EQ(BuildFileDialog(request, FileDialogKind::Open)->fileMode(), QFileDialog::ExistingFiles);
  request.multiSelect = false;
  request.fileMustExist = true;
  EXPECT_EQ(BuildFileDialog(request, FileDialogKind::Open)->fileMode(), QFileDialog::ExistingFile);
}

TEST(QtDialogsFiles, ANameWindows1251CannotHoldIsRefusedAndTheUserChoosesAgain) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString good = dir.filePath(QStringLiteral("страница.htm"));
  const QString foreign = dir.filePath(QStringLiteral("日本.htm"));
  for (const QString& name : {good, foreign}) {
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  FileDialogRequest request;
  request.filters = {"HTML|*.htm", w("Всё подряд|*.*"_w)};
  request.filterIndex = 2;
  request.fileMustExist = true;
  FromQString(dir.path() + u'/', request.initialName);

  // As a user would: type the name into the dialog's name box and press Open.
  const auto choose = [](QWidget* d, const QString& path) {
    auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(QFileInfo(path).fileName());
    static_cast<QDialog*>(d)->accept();
  };
  QString refusal;
  ModalScript script({
      [&](QWidget* d) { choose(d, foreign); },
      [&](QWidget* box) {
        refusal = static_cast<QMessageBox*>(box)->text();
        static_cast<QMessageBox*>(box)->accept();
      },
      [&](QWidget* d) { choose(d, good); },
  });
  QtDialogs dialogs;
  const auto result = dialogs.OpenFile(request);
  EXPECT_TRUE(script.done());
  EXPECT_TRUE(refusal.contains(QStringLiteral("日本.htm"))) << refusal.toStdString();
  ASSERT_TRUE(result.has_value());
  ASSERT_EQ(result->names.size(), 1u);
  EXPECT_EQ(ToQString(result->names[0]), good);
  EXPECT_EQ(result->filterIndex, 2);

  ModalScript cancel({[](QWidget* d) { static_cast<QFileDialog*>(d)->reject(); }});
  EXPECT_FALSE(dialogs.SaveFile(request).has_value());
}

TEST(QtDialogsColors, WindowsLayoutHasRedInTheLowByte) {
  EXPECT_EQ(ColorFromWin(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(ColorFromWin(0xC8B0A0), QColor(160, 176, 200));
  EXPECT_EQ(WinFromColor(QColor(160, 176, 200)), 0xC8B0A0u);
}

}  // namespace
}  // namespace lumbrix
