#include <gtest/gtest.h>

#include <string>

#include "commands/InsertionEngine.h"
#include "document/DocumentFixture.h"

namespace lumbrix {
namespace {

TEST(CaretLineIndent, CountsTheLeadingSpacesBeforeThePosition) {
  const struct {
    std::string text;
    int pos;
    int indent;
  } cases[] = {
      {"<p>\r\n    ab c", 13, 4},  // four spaces, two letters, a space, a letter
      {"x\r\n      ", 9, 6},       // a line of six spaces
      {"\tab\r\n", 2, 0},          // a tab never counts
      {"\t  x", 4, 0},             // nor do spaces after it
      {"  \tx", 4, 2},             // spaces before a tab do
      {"    x", 0, 0},             // offset 0
      {"    x", 2, 2},             // only what lies before the position
      {"  a\r\n", 5, 0},           // a new, empty line
      {"x\r  ", 4, 0},             // a lone CR does not start a line
      {"ab", 99, 0},               // beyond the end: the end
      {"  ", -5, 0},               // before the start: the start
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CaretLineIndent(c.text, c.pos), c.indent) << c.text << " @" << c.pos;
    MemoryPane pane;
    pane.SetText(c.text);
    EXPECT_EQ(CaretLineIndent(pane, c.pos), c.indent) << c.text << " @" << c.pos;
  }
}

TEST(CaretLineIndent, LooksNoFurtherBackThanTheWindow) {
  const std::string line = std::string(3000, ' ');
  EXPECT_EQ(CaretLineIndent(line, 3000), kCaretWindowBefore);
  MemoryPane pane;
  pane.SetText("x\r\n" + line);
  EXPECT_EQ(CaretLineIndent(pane, 3003), kCaretWindowBefore);
}

TEST(CaretLineIndent, MatchesALineScanEverywhereInALongDocument) {
  std::string text;
  for (int i = 0; text.size() < 9000; ++i)
    text += std::string(i % 7, ' ') + (i % 5 == 0 ? "\t" : "") + "line " + std::to_string(i) +
            (i % 11 == 0 ? std::string(2500, ' ') : "") + "\r\n";
  MemoryPane pane;
  pane.SetText(text);
  for (int pos = 0; pos <= static_cast<int>(text.size()); pos += 37) {
    // The spaces that open the part of the line that lies in the window before pos.
    int begin = pos;
    while (begin > 0 && begin > pos - kCaretWindowBefore && text[begin - 1] != '\n') --begin;
    int expected = 0;
    while (begin + expected < pos && text[begin + expected] == ' ') ++expected;
    ASSERT_EQ(CaretLineIndent(text, pos), expected) << pos;
    ASSERT_EQ(CaretLineIndent(pane, pos), expected) << pos;
  }
}

TEST(CaretTextWindow, HoldsTwoThousandBeforeAndFiveHundredAfter) {
  const std::string text(3000, 'a');
  CaretWindow w = CaretTextWindow(text, 2500);
  EXPECT_EQ(w.windowStart, 500);
  EXPECT_EQ(w.posInWindow, 2000);
  EXPECT_EQ(w.window.size(), 2500u);
  w = CaretTextWindow(text, 100);
  EXPECT_EQ(w.windowStart, 0);
  EXPECT_EQ(w.posInWindow, 100);
  EXPECT_EQ(w.window.size(), 600u);
  w = CaretTextWindow(text, 5000);
  EXPECT_EQ(w.posInWindow, static_cast<int>(w.window.size()));
}

TEST(IndentSnippet, BreaksContinueTheIndentAndCarriageReturnsGo) {
  EXPECT_EQ(IndentSnippet("<a>\r\n<b>\n<c>\r", 2), "<a>\r\n  <b>\r\n  <c>");
  EXPECT_EQ(IndentSnippet("\r\n", 0), "\r\n");
  EXPECT_EQ(IndentSnippet("<td>", 8), "<td>");

  MemoryPane code;
  code.SetText("    abc\r\n");
  code.SetSelection(4, 5);  // the selection may run over the line's end: its start counts
  EXPECT_EQ(IndentSnippet(code, "<tr>\r\n"), "<tr>\r\n    ");
}

using SelectionWrap = testing::DocumentTest;

TEST_F(SelectionWrap, EveryVariantReplacesTheSelectionOnceAndArmsTheTimer) {
  const struct {
    WrapKind kind;
    const char* result;
  } cases[] = {
      {WrapKind::Wrap, "a<x>sel</x>b"},
      {WrapKind::Prefix, "a<x>selb"},
      {WrapKind::Suffix, "asel</x>b"},
      {WrapKind::Replace, "a<x>b"},
  };
  for (const auto& c : cases) {
    TEditForm& form = Reopen();
    code.SetText("aselb");
    code.SetSelection(1, 3);
    WrapSelection(form, "<x>", "</x>", c.kind);
    EXPECT_EQ(code.Text(), c.result);
    EXPECT_EQ(code.SelStart(), static_cast<int>(code.Text().size()) - 1);
    EXPECT_EQ(code.SelLength(), 0);
    EXPECT_EQ(code.UndoDepth(), 1u);
    EXPECT_TRUE(form.Modified());
    EXPECT_TRUE(form.SyntaxTimerEnabled);
  }
}

TEST_F(SelectionWrap, ThePlainTextPaneNeitherMarksTheDocumentNorArmsTheTimer) {
  TEditForm& form = Form();
  form.ActiveTab = TEditForm::PageTab::Lumbrix;
  plain.SetText("word");
  plain.SetSelection(0, 4);
  WrapActivePane(form, "<b>", "</b>");
  EXPECT_EQ(plain.Text(), "<b>word</b>");
  EXPECT_FALSE(form.Modified());
  EXPECT_FALSE(form.SyntaxTimerEnabled);
}

TEST_F(SelectionWrap, PaneCommandsReachTheirOwnPane) {
  TEditForm& form = Form();
  code.SetText("code");
  plain.SetText("plain");
  plain.SetSelection(0, 5);
  EXPECT_TRUE(RunPaneCommand(form, "Cut2"));
  EXPECT_EQ(plain.Text(), "");
  EXPECT_FALSE(form.Modified());
  EXPECT_TRUE(RunPaneCommand(form, "Paste1"));
  EXPECT_EQ(code.Text(), "plaincode");
  EXPECT_TRUE(form.SyntaxTimerEnabled);
  EXPECT_TRUE(RunPaneCommand(form, "Undo1"));
  EXPECT_EQ(code.Text(), "code");
  EXPECT_TRUE(RunPaneCommand(form, "EditSelectAll"));
  EXPECT_EQ(code.SelLength(), 4);
  EXPECT_FALSE(RunPaneCommand(form, "CommentSel"));
}

}  // namespace
}  // namespace lumbrix
