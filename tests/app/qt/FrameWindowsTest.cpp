// The document windows inside the frame: their size at opening and their smallest size, tiling,
// the window list, wrapping in the code pane, and the program's windows closing with the frame.
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>

#include "app/qt/FrameActions.h"
#include "app/qt/FrameTestSupport.h"
#include "app/qt/HelpViewer.h"
#include "app/qt/WindowArrangement.h"
#include "common/WinText.h"
#include "common/qt/CodePane.h"
#include "document/EditForm.h"
#include "document/qt/EditFormView.h"
#include "search/qt/GoToFormView.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

QList<QMdiSubWindow*> openDocuments(FrameFixture& f, int count) {
  for (int i = 0; i < count; ++i) f.frame->run(QStringLiteral("NewFile"));
  QApplication::processEvents();
  return f.frame->mdiArea()->subWindowList(QMdiArea::CreationOrder);
}

EditFormView* viewIn(QMdiSubWindow* w) {
  return qobject_cast<EditFormView*>(w->widget());
}

TEST(TiledRects, ShareTheAreaOrOverlapEvenlyAtTheSmallestSize) {
  const QRect area(0, 0, 1200, 900);
  const QSize least(551, 351);
  struct Case {
    int count;
    Qt::Orientation orientation;
    QList<QRect> expected;
  };
  const Case cases[] = {
      {0, Qt::Horizontal, {}},
      {1, Qt::Vertical, {QRect(0, 0, 1200, 900)}},
      {2, Qt::Horizontal, {QRect(0, 0, 1200, 450), QRect(0, 450, 1200, 450)}},
      {2, Qt::Vertical, {QRect(0, 0, 600, 900), QRect(600, 0, 600, 900)}},
      // 900 / 5 is less than 351: the windows overlap, the last one ends at the bottom.
      {5,
       Qt::Horizontal,
       {QRect(0, 0, 1200, 351), QRect(0, 137, 1200, 351), QRect(0, 274, 1200, 351),
        QRect(0, 411, 1200, 351), QRect(0, 549, 1200, 351)}},
      {3, Qt::Vertical, {QRect(0, 0, 551, 900), QRect(324, 0, 551, 900), QRect(649, 0, 551, 900)}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TiledRects(area, c.count, least, c.orientation), c.expected)
        << c.count << (c.orientation == Qt::Horizontal ? " horizontal" : " vertical");
  // An area that is not at the origin keeps its offset.
  EXPECT_EQ(TiledRects(QRect(10, 20, 800, 600), 2, least, Qt::Horizontal),
            (QList<QRect>{QRect(10, 20, 800, 351), QRect(10, 269, 800, 351)}));
}

TEST(PlaceInside, MovesAWindowBackIntoTheAreaAsLittleAsNeeded) {
  const QRect area(0, 0, 1000, 800);
  EXPECT_EQ(PlaceInside(QRect(100, 100, 631, 394), area), QRect(100, 100, 631, 394));
  EXPECT_EQ(PlaceInside(QRect(700, 600, 631, 394), area), QRect(369, 406, 631, 394));
  EXPECT_EQ(PlaceInside(QRect(-20, -5, 631, 394), area), QRect(0, 0, 631, 394));
  EXPECT_EQ(PlaceInside(QRect(300, 300, 1200, 900), area), QRect(0, 0, 1200, 900));
}

TEST(FrameWindows, ADocumentOpensAtItsClientSizeAndShrinksNoFurtherThanItsWholeFrame) {
  EXPECT_EQ(SmallestDocumentSize(), QSize(551, 351));
  EXPECT_FALSE(TEditForm::FormCanResize(550, 351));
  FrameFixture f;
  f.firstShow();
  QMdiSubWindow* window = openDocuments(f, 1).front();
  EditFormView* view = viewIn(window);
  EXPECT_EQ(view->size(), QSize(623, 366));

  // Dragged as small as it goes: the frame, the tabs and the boxes stay whole.
  window->resize(100, 100);
  QApplication::processEvents();
  EXPECT_EQ(window->size(), SmallestDocumentSize());
  EXPECT_TRUE(window->contentsRect().contains(view->geometry()));
  const QSize least = view->minimumSizeHint();
  EXPECT_GE(view->width(), least.width());
  EXPECT_GE(view->height(), least.height());
  QTabBar* tabs = view->tabs()->tabBar();
  EXPECT_TRUE(view->rect().contains(QRect(tabs->mapTo(view, QPoint(0, 0)), tabs->size())));

  // And it grows again.
  window->resize(900, 600);
  QApplication::processEvents();
  EXPECT_EQ(window->size(), QSize(900, 600));
}

TEST(FrameWindows, NewAndTiledWindowsStayInsideTheClientArea) {
  FrameFixture f;
  f.firstShow();
  const QList<QMdiSubWindow*> windows = openDocuments(f, 5);
  ASSERT_EQ(windows.size(), 5);
  const QRect area = f.frame->mdiArea()->viewport()->rect();
  for (QMdiSubWindow* w : windows) EXPECT_TRUE(area.contains(w->geometry())) << "new";
  for (const char* tile : {"WindowTileHorizontal1", "WindowTileVertical1"}) {
    f.frame->run(QString::fromLatin1(tile));
    QApplication::processEvents();
    for (QMdiSubWindow* w : windows) {
      EXPECT_TRUE(area.contains(w->geometry())) << tile;
      EXPECT_EQ(w->size().expandedTo(SmallestDocumentSize()), w->size()) << tile;
    }
  }
}

TEST(FrameWindows, AMinimisedWindowChosenFromTheListComesBackAndTakesTheCommands) {
  FrameFixture f;
  f.firstShow();
  const QList<QMdiSubWindow*> windows = openDocuments(f, 2);
  windows[0]->showMinimized();
  f.frame->mdiArea()->setActiveSubWindow(windows[1]);

  QMenu* menu = f.frame->actions().windowMenu();
  emit menu->aboutToShow();
  QAction* first = nullptr;
  for (QAction* a : menu->actions())
    if (a->text().startsWith(QStringLiteral("&1 "))) first = a;
  ASSERT_NE(first, nullptr);
  first->trigger();
  EXPECT_FALSE(windows[0]->isMinimized());
  EXPECT_EQ(f.frame->mdiArea()->activeSubWindow(), windows[0]);

  f.frame->run(QStringLiteral("N24Click"));  // plus-minus
  EXPECT_EQ(viewIn(windows[0])->codePane().Text(), "\xb1");
  EXPECT_EQ(viewIn(windows[1])->codePane().Text(), "");
}

TEST(FrameWindows, TheCodePaneWrapsFromTheStartAndAfterABlockCommand) {
  FrameFixture f;
  f.firstShow();
  EditFormView* view = viewIn(openDocuments(f, 1).front());
  QsciScintilla* code = view->codePane().widget();
  EXPECT_EQ(code->wrapMode(), QsciScintilla::WrapWord);
  view->codePane().SetText("a\r\nb");
  view->codePane().SetSelection(0, 4);
  f.frame->run(QStringLiteral("IndentBlock"));
  EXPECT_EQ(view->codePane().Text(), "  a\r\n  b");
  EXPECT_EQ(code->wrapMode(), QsciScintilla::WrapWord);
}

TEST(FrameWindows, TheProgramsOtherWindowsCloseWithTheFrame) {
  HelpViewer help;
  FrameFixture f;
  f.firstShow();
  help.setOwner(f.frame.get());
  help.ShowContents();
  f.frame->goToView()->show();
  ASSERT_TRUE(help.window()->isVisible());
  EXPECT_TRUE(f.frame->close());
  EXPECT_FALSE(help.window()->isVisible());
  EXPECT_FALSE(f.frame->goToView()->isVisible());
}

}  // namespace
}  // namespace lumbrix

namespace lumbrix {
namespace {

// Esc in the code pane closes the window once the key is handled. A command that opens a modal
// dialog on that window before then (keys typed ahead) must find it still there when its dialog
// closes: the go-to dialog jumps in it, the masters insert into it.
TEST(FrameWindows, AWindowThatEscWasClosingStaysForTheDialogOpenedOnIt) {
  for (const char* command : {"GoTo", "N78Click", "TagMaster", "AttrMaster", "PublicationMaster"}) {
    FrameFixture f;
    f.firstShow();
    EditFormView* view = viewIn(openDocuments(f, 1).front());
    QWidget* code = view->codePane().widget();
    code->setFocus();
    QTest::keyClick(code, Qt::Key_Escape);
    int dialogs = 0;
    QTimer::singleShot(0, [&] {
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        ++dialogs;
        d->reject();
      }
    });
    f.frame->run(QString::fromLatin1(command));
    EXPECT_EQ(dialogs, 1) << command;
    EXPECT_EQ(f.frame->Documents().size(), 1u) << command;
  }
}

// A document window closes by being deleted later; a frame that goes before then takes the
// window with it while the frame's own parts (the find dialog among them) are still there.
TEST(FrameWindows, TheFrameTakesAClosingDocumentWindowWithIt) {
  auto f = std::make_unique<FrameFixture>();
  f->firstShow();
  const QList<QMdiSubWindow*> windows = openDocuments(*f, 2);
  f->frame->run(QStringLiteral("Find"));
  QPointer<QMdiSubWindow> closing(windows.front());
  QPointer<QMdiSubWindow> open(windows.back());
  closing->close();
  ASSERT_TRUE(closing);  // not deleted yet
  f.reset();
  EXPECT_FALSE(closing);
  EXPECT_FALSE(open);
}

}  // namespace
}  // namespace lumbrix
