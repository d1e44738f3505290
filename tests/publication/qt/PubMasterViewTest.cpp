// The publication master's window: generating a new page from the frame, the enable rules as
// the boxes show them, the export and colour dialogs, and names for every control. With
// LUMBRIX_SHOTS set to a folder (and a real display) each page is photographed there.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "app/qt/FrameTestSupport.h"
#include "common/qt/ColourChooser.h"
#include "common/qt/ModalScript.h"
#include "common/qt/QtDialogs.h"
#include "common/qt/WinQString.h"
#include "document/EditForm.h"
#include "publication/FakeColourChooser.h"
#include "publication/qt/PubMasterView.h"

namespace lumbrix {
namespace {

using testing::FakeColourChooser;
using testing::ModalScript;

void typeInto(QLineEdit* edit, const QString& text) {
  ASSERT_NE(edit, nullptr);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

TEST(PubMasterViewTest, GeneratingMakesANewPageInTheFrame) {
  FrameFixture f;
  f.firstShow();
  ModalScript script({[](QWidget* w) {
    auto* view = qobject_cast<PubMasterView*>(w);
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->actionList()->isEnabled());
    EXPECT_EQ(view->actionList()->currentText(), QStringLiteral("создать новую веб-страницу"));
    view->tabs()->setCurrentIndex(2);
    typeInto(view->box(QStringLiteral("DocTitle")), QStringLiteral("Test page"));
    view->tabs()->setCurrentIndex(1);
    typeInto(view->box(QStringLiteral("P_fnt_size")), QStringLiteral("20"));
    typeInto(view->box(QStringLiteral("P_line_h")), QStringLiteral("24"));
    QTest::mouseClick(view->okButton(), Qt::LeftButton);
  }});
  f.frame->run(QStringLiteral("PublicationMaster"));
  EXPECT_TRUE(script.done());
  ASSERT_EQ(f.frame->Documents().size(), 1u);
  const std::string text = f.frame->Documents()[0]->CodeEditor().Text();
  EXPECT_NE(text.find("<title>Test page</title>"), std::string::npos);
  EXPECT_NE(text.find("font-size:20px;\r\nline-height:24px;"), std::string::npos);
  EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(PubMasterViewTest, F1OpensTheMastersHelpTopic) {
  FrameFixture f;
  f.firstShow();
  ModalScript script({[](QWidget* w) {
    auto* view = qobject_cast<PubMasterView*>(w);
    ASSERT_NE(view, nullptr);
    QTest::keyClick(view->box(QStringLiteral("P_fnt_size")), Qt::Key_F1);
    view->reject();
  }});
  f.frame->run(QStringLiteral("PublicationMaster"));
  EXPECT_TRUE(script.done());
  EXPECT_EQ(f.help.topics, std::vector<int>{TPubMasterForm::kHelpContext});
  EXPECT_TRUE(f.frame->Documents().empty());
}

// The master's preview goes to the shell the frame was given, as the frame's own preview does.
TEST(PubMasterViewTest, PreviewGoesToTheFramesShell) {
  FrameFixture f;
  f.firstShow();
  ModalScript script({[](QWidget* w) {
    auto* view = qobject_cast<PubMasterView*>(w);
    ASSERT_NE(view, nullptr);
    auto* preview = view->findChild<QPushButton*>(QStringLiteral("PreviewButton"));
    ASSERT_NE(preview, nullptr);
    QTest::mouseClick(preview, Qt::LeftButton);
    view->reject();
  }});
  f.frame->run(QStringLiteral("PublicationMaster"));
  EXPECT_TRUE(script.done());
  ASSERT_EQ(f.shell.opened.size(), 1u);
  EXPECT_TRUE(f.shell.opened[0].ends_with("$lmbx$.htm")) << f.shell.opened[0];
  EXPECT_TRUE(f.dialogs.messages.empty());
}

class PubMasterViewFixture : public ::testing::Test {
 protected:
  testing::FakeDialogs dialogs;
  testing::RecordingShell shell;
  FakeColourChooser colours;
  TPubMasterForm form{dialogs, shell, colours, {"Arial", "Symbol"}};
  PubMasterView view{form};
};

TEST_F(PubMasterViewFixture, TheBoxesFollowTheLevelAndTheCheckBox) {
  view.show();
  QLineEdit* size = view.box(QStringLiteral("H_fnt_size"));
  EXPECT_FALSE(size->isEnabled());
  EXPECT_EQ(size->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
  view.levelList()->setCurrentRow(1);
  EXPECT_TRUE(size->isEnabled());
  EXPECT_EQ(size->text(), QStringLiteral("18"));
  view.levelList()->item(1)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(size->isEnabled());
  EXPECT_FALSE(form.LevelChecked[1]);

  QLineEdit* title = view.box(QStringLiteral("DocTitle"));
  EXPECT_TRUE(title->isEnabled());
  EXPECT_EQ(title->text(), QStringLiteral("Новая страница"));
  view.insertBody()->click();
  EXPECT_FALSE(title->isEnabled());
  EXPECT_FALSE(view.box(QStringLiteral("BODY_left_marg"))->isEnabled());
  EXPECT_FALSE(view.fontFamily()->isEnabled());
  EXPECT_EQ(view.fontFamily()->count(), 2);
  view.close();
  EXPECT_EQ(form.ResultCode, TPubMasterForm::Nothing);
}

TEST_F(PubMasterViewFixture, ColourButtonShowsTheChosenColour) {
  view.show();
  colours.answers = {0x00FF8000};
  view.findChild<QPushButton*>(QStringLiteral("SetBODY_bkcolor"))->click();
  EXPECT_EQ(view.findChild<QLabel*>(QStringLiteral("ViewBODY_bkcolor_Html"))->text(),
            QStringLiteral("=#0080ff"));
  view.close();
}

TEST(PubMasterDialogsTest, ExportExtensionFollowsTheTypeAndTheChooserOffersItsColours) {
  const auto d = BuildFileDialog(ExportDialogRequest("/tmp/"), FileDialogKind::Save);
  EXPECT_EQ(d->windowTitle(), QStringLiteral("Экспорт стилей"));
  EXPECT_EQ(d->defaultSuffix(), QStringLiteral("htt"));
  EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
  d->selectNameFilter(d->nameFilters().at(1));
  emit d->filterSelected(d->nameFilters().at(1));
  EXPECT_EQ(d->defaultSuffix(), QStringLiteral("css"));
  d->selectNameFilter(d->nameFilters().at(0));
  emit d->filterSelected(d->nameFilters().at(0));
  EXPECT_EQ(d->defaultSuffix(), QStringLiteral("htt"));

  const auto c = BuildColourDialog(0x0000FF, TPubMasterForm::kCustomColours);
  EXPECT_EQ(c->currentColor(), QColor(255, 0, 0));
  const char* rgb[] = {"#000000", "#202020", "#404040", "#808080",
                       "#a0a0a0", "#c0c0c0", "#e0e0e0", "#ffffff"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(QColorDialog::customColor(i).name(), rgb[i]) << i;
}

TEST_F(PubMasterViewFixture, EveryControlHasAName) {
  view.show();
  QStringList missing;
  for (QWidget* w : view.findChildren<QWidget*>()) {
    const bool interactive = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QAbstractButton*>(w) || qobject_cast<QListWidget*>(w) ||
                             qobject_cast<QTabWidget*>(w);
    if (!interactive || !w->isVisibleTo(&view)) continue;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (!iface || iface->text(QAccessible::Name).isEmpty()) missing << w->objectName();
  }
  EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char(' ')).toStdString();
  view.close();
}

// Photographs of the four pages, taken only when asked for (a real display is needed).
TEST_F(PubMasterViewFixture, PagesPhotographed) {
  const QString folder = qEnvironmentVariable("LUMBRIX_SHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "LUMBRIX_SHOTS not set";
  view.show();
  view.levelList()->setCurrentRow(0);
  for (int page = 0; page < view.tabs()->count(); ++page) {
    view.tabs()->setCurrentIndex(page);
    QTest::qWait(300);
    const QString file = folder + QStringLiteral("/pubmaster-%1.png").arg(page + 1);
    EXPECT_EQ(QProcess::execute(QStringLiteral("import"),
                                {QStringLiteral("-window"), QStringLiteral("root"), file}),
              0);
  }
  view.close();
}

}  // namespace
}  // namespace lumbrix
