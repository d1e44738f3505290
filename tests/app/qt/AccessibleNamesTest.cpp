// Everything a screen reader can land on has a name it can speak: the frame with a document
// open, the go-to dialog, the About box and the help window.
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QTextEdit>
#include <QToolBar>

#include "app/AboutBox.h"
#include "app/qt/AboutBoxView.h"
#include "app/qt/FrameTestSupport.h"
#include "app/qt/HelpViewer.h"
#include "common/qt/CodePane.h"
#include "common/qt/PlainPane.h"
#include "document/EditForm.h"
#include "document/qt/EditFormView.h"
#include "search/qt/FindFormView.h"
#include "search/qt/GoToFormView.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using lumbrix::testing::TempDir;

// Boxes, edits and panes: on some platforms their accessible name falls back to their value,
// which names nothing, so they need a name of their own.
bool speaksItsValue(const QWidget* w) {
  return qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
         qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
         qobject_cast<const QTextEdit*>(w) || qobject_cast<const QsciScintilla*>(w);
}

bool isInteractive(const QWidget* w) {
  return speaksItsValue(w) || qobject_cast<const QAbstractButton*>(w) ||
         qobject_cast<const QTabBar*>(w) || qobject_cast<const QToolBar*>(w) ||
         qobject_cast<const QStatusBar*>(w) || qobject_cast<const QMdiSubWindow*>(w) ||
         qobject_cast<const QMdiArea*>(w) || w->isWindow();
}

QString accessibleName(QWidget* w) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  return iface ? iface->text(QAccessible::Name) : QString();
}

// The visible interactive widgets of `root` (itself included) that a screen reader could not name.
QStringList nameless(QWidget* root) {
  QList<QWidget*> all = root->findChildren<QWidget*>();
  all.prepend(root);
  QStringList missing;
  for (QWidget* w : all) {
    if (!w->isVisible() || !isInteractive(w)) continue;
    const bool named =
        speaksItsValue(w) ? !w->accessibleName().isEmpty() : !accessibleName(w).trimmed().isEmpty();
    if (!named)
      missing << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
  }
  return missing;
}

TEST(AccessibleNames, EveryControlOfTheFrameAndItsDocumentIsNamed) {
  TempDir dir;
  FrameFixture f({dir.Write("page.htm", "<html><body></body></html>")});
  f.firstShow();
  ASSERT_EQ(f.frame->Documents().size(), 1u);
  EXPECT_EQ(nameless(f.frame.get()), QStringList());

  // The plain pane's tab has its own controls.
  EditFormView& view = *f.frame->viewOf(*f.frame->Documents().front());
  view.tabs()->setCurrentIndex(0);
  EXPECT_EQ(nameless(f.frame.get()), QStringList());
  EXPECT_EQ(view.plainPane().widget()->accessibleName(), QStringLiteral("Lumbrix-er"));
  EXPECT_EQ(view.codePane().widget()->accessibleName(), QStringLiteral("HTML код"));

  // A document window is known by its caption, also after the caption changes.
  QMdiSubWindow* window = f.frame->mdiArea()->subWindowList().front();
  EXPECT_EQ(accessibleName(window), QStringLiteral("page.htm"));
  view.form().FilePath = dir.File("renamed.htm");
  view.form().UpdateDocumentView();
  EXPECT_EQ(accessibleName(window), QStringLiteral("renamed.htm"));
  EXPECT_EQ(view.accessibleName(), QStringLiteral("renamed.htm"));
  EXPECT_EQ(accessibleName(f.frame.get()), QStringLiteral("Lumbrix"));
}

TEST(AccessibleNames, DialogsAndTheHelpWindowAreNamed) {
  FrameFixture f;
  GoToFormView* goTo = f.frame->goToView();
  goTo->show();
  EXPECT_EQ(accessibleName(goTo), QStringLiteral("Перейти"));
  EXPECT_EQ(nameless(goTo), QStringList());
  goTo->hide();

  // The find dialog in its replace mode, where every control is shown.
  f.frame->run(QStringLiteral("Replace"));
  FindFormView* find = f.frame->findView();
  ASSERT_NE(find, nullptr);
  EXPECT_EQ(accessibleName(find), QStringLiteral("Заменить"));
  EXPECT_EQ(nameless(find), QStringList());
  find->HideDialog();

  testing::RecordingShell shell;
  TAboutBox about(shell);
  AboutBoxView aboutView(about);
  aboutView.show();
  EXPECT_EQ(accessibleName(&aboutView), QStringLiteral("About"));
  EXPECT_EQ(nameless(&aboutView), QStringList());
  aboutView.hide();

  HelpViewer help;
  help.ShowContents();
  EXPECT_EQ(accessibleName(help.window()), QStringLiteral("Справка Lumbrix"));
  EXPECT_EQ(nameless(help.window()), QStringList());
  help.window()->close();
}

}  // namespace
}  // namespace lumbrix
