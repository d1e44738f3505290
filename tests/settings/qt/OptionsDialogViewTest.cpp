#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/qt/FrameWindow.h"
#include "common/qt/CodePane.h"
#include "document/EditForm.h"
#include "document/qt/EditFormView.h"
#include "settings/FileRegistry.h"
#include "settings/OptionsForm.h"
#include "settings/qt/CodeFontChooser.h"
#include "settings/qt/OptionsDialogView.h"
#include "support/FakeDialogs.h"
#include "support/RecordingPorts.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using lumbrix::testing::FakeDialogs;
using lumbrix::testing::RecordingHelp;
using lumbrix::testing::TempDir;

// A check box takes clicks only on its box and text, not on the rest of its row.
void clickBox(QCheckBox* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

QString accessibleName(QWidget* w) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  return iface ? iface->text(QAccessible::Name) : QString();
}

// The visible controls of `root` that a screen reader could not name. Boxes and edits must
// carry a name of their own: some platforms would read their value instead.
QStringList nameless(QWidget* root) {
  QList<QWidget*> all = root->findChildren<QWidget*>();
  all.prepend(root);
  QStringList missing;
  for (QWidget* w : all) {
    const bool ownName = qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
                         qobject_cast<QAbstractSpinBox*>(w);
    const bool control =
        ownName || qobject_cast<QAbstractButton*>(w) || qobject_cast<QTabBar*>(w) || w->isWindow();
    if (!w->isVisible() || !control) continue;
    if (ownName ? w->accessibleName().isEmpty() : accessibleName(w).trimmed().isEmpty())
      missing << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
  }
  return missing;
}

// A real frame whose settings live in a registry file of a temporary folder.
struct OptionsFixture {
  TempDir dir;
  FakeDialogs dialogs;
  FileRegistry registry{dir.File("lmbx.reg")};
  RecordingHelp help;
  std::unique_ptr<FrameWindow> frame =
      std::make_unique<FrameWindow>(dialogs, registry, help, std::vector<std::string>{});

  OptionsFixture() {
    frame->show();
    for (int i = 0; i < 5 && !frame->form().FirstShowDone; ++i) {
      frame->repaint();
      QTest::qWait(10);
    }
  }
  OptionsDialogView& view() { return *frame->optionsView(); }
  template <typename T>
  T* control(const char* name) {
    return view().control<T>(QLatin1String(name));
  }
  // Runs "OptionsAction"; `act` works in the shown dialog and closes it.
  void runOptions(const std::function<void()>& act) {
    bool acted = false;
    QTimer::singleShot(0, frame.get(), [&] {
      EXPECT_TRUE(view().isVisible());
      act();
      acted = true;
    });
    frame->run(QStringLiteral("OptionsAction"));
    EXPECT_TRUE(acted);
    EXPECT_FALSE(view().isVisible());
  }
  std::string storeFile() { return TempDir::Read(dir.File("lmbx.reg")); }
};

TEST(OptionsDialogView, RoundTripStoresTheFileAndRestylesOpenDocuments) {
  OptionsFixture f;
  const std::string page = f.dir.Write("page.htm", "<html><body>text</body></html>");
  f.frame->form().OpenCommandLine({page});
  ASSERT_EQ(f.frame->Documents().size(), 1u);
  TEditForm& doc = *f.frame->Documents()[0];
  doc.CodeEditor().SetSelection(6, 4);
  doc.CodeEditor().SetModified(true);

  f.dialogs.colorAnswers = {0x0000FF, 0x00FFFF};
  f.runOptions([&] {
    f.view().pages()->setCurrentIndex(2);
    clickBox(f.control<QCheckBox>("CheckBoxUSC"));
    EXPECT_TRUE(f.control<QWidget>("CEBColorShape")->isEnabled());
    QTest::mouseClick(f.control<QWidget>("CEBColorShape"), Qt::LeftButton);
    QTest::mouseClick(f.control<QWidget>("CETColorShape"), Qt::LeftButton);
    const QPalette sample = f.control<QLabel>("FontExample")->palette();
    EXPECT_EQ(sample.color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(sample.color(QPalette::WindowText), QColor(255, 255, 0));
    f.control<QSpinBox>("EditTS")->setValue(4);
    f.view().pages()->setCurrentIndex(0);
    QTest::keyClicks(f.control<QLineEdit>("EditUSER"), QStringLiteral("Bob"));
    QTest::mouseClick(f.control<QPushButton>("OKButton"), Qt::LeftButton);
  });

  const std::string file = f.storeFile();
  EXPECT_NE(file.find("\"USC\"=dword:00000000\r\n"), std::string::npos) << file;
  EXPECT_NE(file.find("\"CEBColor\"=dword:000000ff\r\n"), std::string::npos);
  EXPECT_NE(file.find("\"CETColor\"=dword:0000ffff\r\n"), std::string::npos);
  EXPECT_NE(file.find("\"TS\"=dword:00000004\r\n"), std::string::npos);
  EXPECT_NE(file.find("\"USER\"=\"Bob\"\r\n"), std::string::npos);
  EXPECT_NE(file.find("\"SO\"=dword:00000000\r\n"), std::string::npos);

  // The open document took the new colours; its selection and mark came through.
  EXPECT_FALSE(doc.UseSystemColors);
  QsciScintilla* edit = f.frame->viewOf(doc)->codePane().widget();
  EXPECT_EQ(edit->paper(), QColor(255, 0, 0));
  EXPECT_EQ(edit->color(), QColor(255, 255, 0));
  EXPECT_EQ(doc.CodeEditor().SelStart(), 6);
  EXPECT_EQ(doc.CodeEditor().SelLength(), 4);
  EXPECT_TRUE(doc.CodeEditor().Modified());
  EXPECT_EQ(f.frame->form().settings.TS, 4);

  // Back to the system colours: the document goes back with them.
  f.runOptions([&] {
    clickBox(f.control<QCheckBox>("CheckBoxUSC"));
    QTest::mouseClick(f.control<QPushButton>("OKButton"), Qt::LeftButton);
  });
  EXPECT_TRUE(doc.UseSystemColors);
  EXPECT_EQ(edit->paper(), edit->palette().color(QPalette::Base));
  // The chosen colours stay in the store for the next time.
  EXPECT_NE(f.storeFile().find("\"CEBColor\"=dword:000000ff\r\n"), std::string::npos);
}

TEST(OptionsDialogView, CancelWritesNothing) {
  OptionsFixture f;
  f.runOptions([&] {
    clickBox(f.control<QCheckBox>("CheckBoxPSN"));
    QTest::mouseClick(f.control<QPushButton>("CancelButton"), Qt::LeftButton);
  });
  EXPECT_EQ(f.storeFile(), "");
  EXPECT_FALSE(f.frame->form().settings.PSN);
}

TEST(OptionsDialogView, ControlsFollowTheFormAndNameThemselves) {
  OptionsFixture f;
  f.runOptions([&] {
    ASSERT_EQ(f.view().pages()->count(), 5);
    for (int page = 0; page < 5; ++page) {
      f.view().pages()->setCurrentIndex(page);
      EXPECT_EQ(nameless(&f.view()), QStringList()) << page;
    }
    f.view().pages()->setCurrentIndex(0);
    // The defaults: system colours and the default font switch their controls off.
    EXPECT_FALSE(f.control<QWidget>("CEBColorShape")->isEnabled());
    EXPECT_FALSE(f.control<QPushButton>("FontSelectButton")->isEnabled());
    EXPECT_EQ(f.control<QLineEdit>("CEFontFaceEdit")->text(), QString());
    EXPECT_FALSE(f.control<QLineEdit>("EditUK")->isEnabled());
    f.view().pages()->setCurrentIndex(3);
    clickBox(f.control<QCheckBox>("CheckBoxUUK"));
    EXPECT_TRUE(f.control<QLineEdit>("EditUK")->isEnabled());
    f.view().pages()->setCurrentIndex(2);
    clickBox(f.control<QCheckBox>("CheckBoxUDF"));
    EXPECT_EQ(f.control<QLineEdit>("CEFontFaceEdit")->text(), QStringLiteral("Courier New"));
    EXPECT_EQ(f.control<QLineEdit>("CEFontSizeEdit")->text(), QStringLiteral("10"));
    f.view().pages()->setCurrentIndex(1);
    clickBox(f.control<QCheckBox>("CheckBoxUT"));
    EXPECT_FALSE(f.control<QComboBox>("ToolbarAlign")->isEnabled());
    // F1 on a control opens its topic; "Справка" the dialog's.
    f.view().pages()->setCurrentIndex(2);
    f.control<QCheckBox>("CheckBoxHAVS")->setFocus();
    QTest::keyClick(f.control<QCheckBox>("CheckBoxHAVS"), Qt::Key_F1);
    QTest::mouseClick(f.control<QPushButton>("HelpButton"), Qt::LeftButton);
    QTest::keyClick(f.control<QPushButton>("CancelButton"), Qt::Key_Escape);
  });
  EXPECT_EQ(f.help.topics, (std::vector<int>{203, 10}));
}

TEST(OptionsDialogView, FontChooserOffersSizesFiveToThirtyFive) {
  FontChoice initial;
  initial.face = "DejaVu Sans Mono";
  initial.size = 12;
  CodeFontChooser chooser(initial);
  ASSERT_EQ(chooser.sizes()->count(), 31);
  EXPECT_EQ(chooser.sizes()->itemText(0), QStringLiteral("5"));
  EXPECT_EQ(chooser.sizes()->itemText(30), QStringLiteral("35"));
  EXPECT_EQ(chooser.choice().size, 12);
  EXPECT_GT(chooser.families()->count(), 0);
  for (int i = 0; i < chooser.families()->count(); ++i)
    EXPECT_FALSE(chooser.families()->item(i)->text().contains(QLatin1String("Terminal")));
}

}  // namespace
}  // namespace lumbrix
