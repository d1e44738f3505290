// What a document window builds only when it is first seen or needed: the "Lumbrix-er" tab's
// pane, and the wrapping of the code pane's lines. The window must behave as if both had been
// there from its creation.
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <string>

#include "app/qt/FrameTestSupport.h"
#include "common/qt/CodePane.h"
#include "common/qt/PlainPane.h"
#include "document/EditForm.h"
#include "document/qt/EditFormView.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using lumbrix::testing::TempDir;

std::string longPage() {
  std::string text = "<html>\r\n<body>\r\n";
  for (int i = 0; i < 300; ++i)
    text += "<p>A line long enough to be wrapped in a narrow document window, twice over.</p>\r\n";
  return text + "</body>\r\n</html>\r\n";
}

TEST(DocumentWindowBuild, TheLumbrixTabIsBuiltWhenFirstShownAsItWouldHaveBeen) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  EditFormView& v = openDocument(f, dir.Write("a.htm", ""));
  EXPECT_FALSE(v.plainPaneBuilt());
  EXPECT_EQ(v.findChild<QPlainTextEdit*>(QStringLiteral("LumbrixEditor")), nullptr);
  EXPECT_EQ(v.tabs()->tabBar()->tabRect(0).width(), 100);
  EXPECT_EQ(v.tabs()->tabBar()->tabRect(1).width(), 100);

  v.tabs()->setCurrentIndex(0);
  ASSERT_TRUE(v.plainPaneBuilt());
  auto* plain = v.findChild<QPlainTextEdit*>(QStringLiteral("LumbrixEditor"));
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain, v.plainPane().widget());
  EXPECT_TRUE(plain->isVisible());
  EXPECT_EQ(plain->parentWidget()->objectName(), QStringLiteral("TabLumbrix"));
  EXPECT_EQ(plain->palette().color(QPalette::Text), QColor(0, 0, 128));
  EXPECT_FALSE(plain->tabChangesFocus());
  EXPECT_EQ(plain->contextMenuPolicy(), Qt::CustomContextMenu);
  EXPECT_EQ(v.form().ActiveTab, TEditForm::PageTab::Lumbrix);
  EXPECT_EQ(v.helpContext(), 1);
}

TEST(DocumentWindowBuild, ACommandThatReachesThePlainPaneBuildsItFirst) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  EditFormView& v = openDocument(f, dir.Write("a.htm", ""));
  // Loading asked the unbuilt pane only what an empty pane answers.
  EXPECT_EQ(v.form().LumbrixEditor().Text(), "");
  EXPECT_FALSE(v.plainPaneBuilt());
  v.form().LumbrixEditor().ReplaceSelection("abc\r\ndef");
  ASSERT_TRUE(v.plainPaneBuilt());
  EXPECT_EQ(v.plainPane().widget()->toPlainText(), QStringLiteral("abc\ndef"));
  EXPECT_EQ(v.form().LumbrixEditor().Text(), "abc\r\ndef");
  // Hidden in its tab until the tab is chosen.
  EXPECT_FALSE(v.plainPane().widget()->isVisible());
  v.tabs()->setCurrentIndex(0);
  EXPECT_TRUE(v.plainPane().widget()->isVisible());
}

TEST(DocumentWindowBuild, TheCodePaneWrapsWordsWhenSeenWithTheCaretInView) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  EditFormView& v = openDocument(f, dir.Write("a.htm", longPage()));
  QsciScintilla* edit = v.codePane().widget();
  edit->viewport()->repaint();
  EXPECT_EQ(edit->wrapMode(), QsciScintilla::WrapWord);
  // Loading put the caret before </body>, at the end of the page; it is still in view.
  int line = 0;
  int index = 0;
  edit->getCursorPosition(&line, &index);
  EXPECT_GT(line, 290);
  const long display = edit->SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, line);
  const long first = edit->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
  const long shown = edit->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
  EXPECT_GE(display, first);
  EXPECT_LT(display, first + shown);
  // A command's own choice of wrapping stands.
  v.codePane().SetWordWrap(false);
  edit->viewport()->repaint();
  EXPECT_EQ(edit->wrapMode(), QsciScintilla::WrapNone);
}

}  // namespace
}  // namespace lumbrix
