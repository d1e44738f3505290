// The frame gives every document window its highlighting pass, and Esc in a document's code
// pane closes that document's window through the frame's close question.
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/qt/FrameTestSupport.h"
#include "common/qt/CodePane.h"
#include "document/EditForm.h"
#include "document/qt/EditFormView.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using lumbrix::testing::TempDir;

std::uint32_t colorAt(const CodePane& pane, int pos) {
  QsciScintilla* w = pane.widget();
  const long style = w->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT,
                                      static_cast<unsigned long>(pane.toBytes(pos)));
  return static_cast<std::uint32_t>(
      w->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, static_cast<unsigned long>(style)));
}

TEST(FrameHighlight, ADocumentsTickColoursItWhenHighlightingIsOn) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  EditFormView& v = openDocument(f, dir.Write("a.js", "if (x) y = 'z';"));
  f.frame->form().settings.SO = false;
  v.form().SyntaxTimerTimer();
  EXPECT_NE(colorAt(v.codePane(), 0), 0xFF0000u);
  f.frame->form().settings.SO = true;
  v.form().SyntaxTimerTimer();
  EXPECT_EQ(colorAt(v.codePane(), 0), 0xFF0000u);   // keyword, RGB(0,0,255)
  EXPECT_EQ(colorAt(v.codePane(), 11), 0xB43200u);  // string, RGB(0,50,180)
}

TEST(FrameHighlight, EscClosesTheDocumentWindowAfterAskingAboutChanges) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  EditFormView& v = openDocument(f, dir.Write("a.htm", "<p>"));
  QTest::keyClick(v.codePane().widget(), Qt::Key_A);
  f.dialogs.answers = {MsgAnswer::Cancel};
  QTest::keyClick(v.codePane().widget(), Qt::Key_Escape);
  QTest::qWait(5);
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  ASSERT_EQ(f.frame->Documents().size(), 1u);
  f.dialogs.answers = {MsgAnswer::No};
  QTest::keyClick(v.codePane().widget(), Qt::Key_Escape);
  QTest::qWait(5);
  EXPECT_EQ(f.dialogs.messages.size(), 2u);
  EXPECT_TRUE(f.frame->Documents().empty());
}

}  // namespace
}  // namespace lumbrix
