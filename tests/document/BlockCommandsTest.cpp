#include "common/WinText.h"
#include "document/BlockCommands.h"
#include "document/DocumentFixture.h"

namespace lumbrix {
namespace {

using namespace literals;
using lumbrix::testing::DocumentTest;

using BlockCommands = DocumentTest;

std::string W(std::string_view s) {
  return std::string(s);
}

TEST_F(BlockCommands, CaseChangeReplacesTheActivePaneSelectionAndLeavesTheCaretAfterIt) {
  TEditForm& f = Form();
  // Letters of the code page change; digits, punctuation and angle brackets do not.
  code.SetText(W("<b>ёлка ўі 2,!&amp;</b> ещё"_w));
  code.SetSelection(0, 23);
  ToUpperCase(f);
  EXPECT_EQ(code.Text(), W("<B>ЁЛКА ЎІ 2,!&AMP;</B> ещё"_w));
  EXPECT_EQ(code.SelStart(), 23);
  EXPECT_EQ(code.SelLength(), 0);
  EXPECT_EQ(code.UndoDepth(), 1u);

  f.ActiveTab = TEditForm::PageTab::Lumbrix;
  plain.SetText(W("ЎІ Ok"_w));
  plain.SetSelection(0, 5);
  ToLowerCase(f);
  EXPECT_EQ(plain.Text(), W("ўі ok"_w));
  EXPECT_EQ(code.Text(), W("<B>ЁЛКА ЎІ 2,!&AMP;</B> ещё"_w));

  plain.SetModified(false);
  plain.SetSelection(2, 0);
  ToUpperCase(f);
  EXPECT_FALSE(plain.Modified());
  EXPECT_EQ(plain.UndoDepth(), 1u);
}

TEST(SelectedLineRange, AnEndJustAfterALineBreakTakesTheNextLine) {
  const std::string text = "aa\r\nbb\r\ncc\r\ndd";
  EXPECT_EQ(SelectedLineRange(text, 5, 0).first, 1);
  EXPECT_EQ(SelectedLineRange(text, 5, 0).last, 1);
  const LineRange twoWhole = SelectedLineRange(text, 0, 8);  // "aa\r\nbb\r\n"
  EXPECT_EQ(twoWhole.first, 0);
  EXPECT_EQ(twoWhole.last, 2);
  const LineRange inside = SelectedLineRange(text, 1, 5);
  EXPECT_EQ(inside.first, 0);
  EXPECT_EQ(inside.last, 1);
  // Out-of-range selections stay inside the text.
  EXPECT_EQ(SelectedLineRange(text, 9, 100).last, 3);
}

TEST_F(BlockCommands, IndentWithNothingSelectedIndentsTheCaretLineAndKeepsTheNumericCaret) {
  TEditForm& f = Form();
  settings.TS = 3;
  code.SetText("one\r\ntwo\r\nthree");
  code.SetSelection(7, 0);
  IndentBlock(f, settings);
  EXPECT_EQ(code.Text(), "one\r\n   two\r\nthree");
  EXPECT_EQ(code.SelStart(), 7);
  EXPECT_EQ(code.SelLength(), 0);
  EXPECT_EQ(code.UndoDepth(), 1u);
  EXPECT_TRUE(code.WordWrap());
  code.Undo();
  EXPECT_EQ(code.Text(), "one\r\ntwo\r\nthree");
}

TEST_F(BlockCommands, IndentOfTwoWholeLinesWithTheirBreakIndentsThree) {
  TEditForm& f = Form();
  code.SetText("a\r\nb\r\nc\r\nd");
  code.SetSelection(0, 6);
  IndentBlock(f, settings);
  EXPECT_EQ(code.Text(), "  a\r\n  b\r\n  c\r\nd");
  EXPECT_EQ(code.SelStart(), 6);
  EXPECT_EQ(code.UndoDepth(), 1u);
}

TEST_F(BlockCommands, UnindentRemovesUpToTsSpacesButNoTabs) {
  TEditForm& f = Form();
  code.SetText(" one\r\n\ttwo\r\n    three\r\nfour");
  code.SetSelection(0, 14);
  UnindentBlock(f, settings);
  EXPECT_EQ(code.Text(), "one\r\n\ttwo\r\n  three\r\nfour");
  EXPECT_EQ(code.UndoDepth(), 1u);
  EXPECT_EQ(code.SelStart(), 14);

  // Nothing to remove: no change, no undo step, no modified mark.
  code.SetText("\ttab\r\nx");
  code.SetModified(false);
  code.SetSelection(2, 0);
  UnindentBlock(f, settings);
  EXPECT_EQ(code.Text(), "\ttab\r\nx");
  EXPECT_FALSE(code.Modified());
  EXPECT_EQ(code.UndoDepth(), 0u);
}

TEST_F(BlockCommands, UnindentCaretBeyondTheShortenedTextStaysInsideIt) {
  TEditForm& f = Form();
  code.SetText("    x");
  code.SetSelection(0, 5);
  UnindentBlock(f, settings);
  EXPECT_EQ(code.Text(), "  x");
  EXPECT_EQ(code.SelStart(), 3);
}

TEST_F(BlockCommands, QuotingThreeLinesOnlyAndAsOneStep) {
  TEditForm& f = Form();
  code.SetText("top\r\nl1\r\nl2\r\nl3\r\nend");
  code.SetSelection(6, 10);  // from inside l1 to inside l3
  N67Click(f);
  EXPECT_EQ(code.Text(), "top\r\n> l1\r\n> l2\r\n> l3\r\nend");
  EXPECT_EQ(code.UndoDepth(), 1u);
}

TEST_F(BlockCommands, PrefixKeepsLoneLineFeedsAndEmptyLines) {
  TEditForm& f = Form();
  code.SetText("a\n\r\nb");
  code.SetSelection(0, 5);
  PrefixSelectedLines(f, "# ");
  EXPECT_EQ(code.Text(), "# a\n# \r\n# b");
}

TEST_F(BlockCommands, SgmlQuotesAroundTheSelectionOrAtTheCaret) {
  TEditForm& f = Form();
  code.SetText("say hi now");
  code.SetSelection(4, 2);
  InsSGMLQuotes(f);
  EXPECT_EQ(code.Text(), "say &laquo;hi&raquo; now");
  EXPECT_EQ(code.SelStart(), 20);
  code.SetSelection(0, 0);
  InsSGMLQuotes(f);
  EXPECT_EQ(code.Text(), "&laquo;&raquo;say &laquo;hi&raquo; now");
  EXPECT_EQ(code.SelStart(), 14);
}

TEST_F(BlockCommands, LandmarkJumpsSkipTagsInScriptStrings) {
  TEditForm& f = Form();
  code.SetText(
      "<html><head><title>T</title><style>p{}</style>\r\n"
      "<script>w('</head></body>')</script>\r\n</head><body>x</body></html>");
  const std::string text = code.Text();
  N53Click(f);
  EXPECT_EQ(code.SelStart(), 84);  // before the CR LF that ends the script's line
  N52Click(f);
  EXPECT_EQ(code.SelStart(), static_cast<int>(text.find("</body></html>")));
  N54Click(f);
  EXPECT_EQ(code.SelStart(), static_cast<int>(text.find("</title>")));
  N73Click(f);
  EXPECT_EQ(code.SelStart(), static_cast<int>(text.find("</style>")));
}

TEST(LineStartPosition, CountsLineFeedsOnlyAndNeedsACharacterOnTheLine) {
  const std::string text = "a\r\nbb\r\n\r\nc\r\n";
  EXPECT_EQ(LineStartPosition(text, 1), 0);
  EXPECT_EQ(LineStartPosition(text, 3), 7);
  EXPECT_EQ(LineStartPosition(text, 4), 9);
  EXPECT_EQ(LineStartPosition(text, 5), -1);
  EXPECT_EQ(LineStartPosition(text, 0), -1);
  EXPECT_EQ(LineStartPosition("", 1), -1);
  EXPECT_EQ(LineStartPosition("x\ry", 2), -1);
}

}  // namespace
}  // namespace lumbrix
