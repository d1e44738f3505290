#include <gtest/gtest.h>

#include <QTest>

#include "common/WinText.h"
#include "common/qt/PlainPane.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

TEST(PlainPane, EveryByteSurvivesAndLineEndsReadBackAsCrLf) {
  PlainPane pane;
  std::string bytes;
  for (int c = 0; c < 256; ++c)
    if (c != '\r' && c != '\n') bytes.push_back(static_cast<char>(c));
  pane.SetText(bytes + "\r\na\rb\nc" + std::string(2, '\0'));
  EXPECT_EQ(pane.Text(), bytes + "\r\na\r\nb\r\nc" + std::string(2, '\0'));
  EXPECT_EQ(pane.TextLength(), static_cast<int>(pane.Text().size()));
}

TEST(PlainPane, PositionsCountEachParagraphBreakAsTwo) {
  PlainPane pane;
  pane.SetText(std::string("ab\r\nвгд\r\n\r\nе"_w));
  // Core: a0 b1 CR2 LF3 в4 г5 д6 CR7 LF8 CR9 LF10 е11 (end 12).
  const int cursorOf[] = {0, 1, 2, 2, 3, 4, 5, 6, 6, 7, 7, 8, 9};
  for (int pos = 0; pos <= 12; ++pos) EXPECT_EQ(pane.toCursor(pos), cursorOf[pos]) << pos;
  for (int pos : {0, 1, 2, 4, 5, 6, 7, 9, 11, 12}) EXPECT_EQ(pane.toCore(cursorOf[pos]), pos);
  pane.SetSelection(4, 5);
  EXPECT_EQ(pane.SelText(), "вгд\r\n"_w);
  EXPECT_EQ(pane.SelStart(), 4);
  EXPECT_EQ(pane.SelLength(), 5);
}

TEST(PlainPane, ReplaceSelectionIsOneUndoStepAndColouringChangesNothing) {
  PlainPane pane;
  pane.SetText("one two");
  pane.SetTextColor(0, 3, 0x0000FF);
  EXPECT_FALSE(pane.Modified());
  EXPECT_FALSE(pane.widget()->document()->isUndoAvailable());
  pane.SetSelection(4, 3);
  pane.ReplaceSelection("a\r\nb\r\nc");
  EXPECT_EQ(pane.Text(), "one a\r\nb\r\nc");
  EXPECT_EQ(pane.SelStart(), 11);
  EXPECT_TRUE(pane.Modified());
  pane.Undo();
  EXPECT_EQ(pane.Text(), "one two");
  EXPECT_TRUE(pane.Modified());
}

TEST(PlainPane, EnterWithAModifierStillMakesAParagraphBreak) {
  PlainPane pane;
  pane.SetText("ab");
  pane.SetSelection(1, 0);
  QTest::keyClick(pane.widget(), Qt::Key_Return, Qt::ShiftModifier);
  QTest::sendKeyEvent(QTest::Click, pane.widget(), Qt::Key_unknown, QStringLiteral("ж"),
                      Qt::NoModifier);
  EXPECT_EQ(pane.Text(), "a\r\nжb"_w);
  EXPECT_EQ(pane.SelStart(), 4);
}

}  // namespace
}  // namespace lumbrix
