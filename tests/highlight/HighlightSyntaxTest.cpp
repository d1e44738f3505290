// A highlighting pass over a document window: which characters it colours, by which rules,
// when it runs at all, and how the timer and the key flags order it.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "commands/KeyAssist.h"
#include "document/DocumentFixture.h"
#include "highlight/Hilite.h"
#include "highlight/HiliteMasks.h"

namespace lumbrix {
namespace {

using testing::Rgb;

// The colour each character was last given, or none.
std::vector<std::optional<std::uint32_t>> paintedColors(const MemoryPane& pane) {
  std::vector<std::optional<std::uint32_t>> colors(static_cast<std::size_t>(pane.TextLength()));
  for (const MemoryPane::ColorRun& run : pane.ColorRuns())
    for (int i = run.start; i < run.start + run.length; ++i) colors.at(static_cast<std::size_t>(i)) = run.color;
  return colors;
}

// The first and one past the last character coloured; {0, 0} when none.
std::pair<int, int> paintedSpan(const MemoryPane& pane) {
  const auto colors = paintedColors(pane);
  int first = -1, end = 0;
  for (int i = 0; i < static_cast<int>(colors.size()); ++i)
    if (colors[static_cast<std::size_t>(i)]) {
      if (first < 0) first = i;
      end = i + 1;
    }
  return first < 0 ? std::pair{0, 0} : std::pair{first, end};
}

class HighlightSyntaxTest : public testing::DocumentTest {
 protected:
  void SetUp() override {
    settings.SO = true;
    AttachHighlighter(Form(), settings, rules);
  }
  void Load(const std::string& text, int caret, int kind = KindHtml) {
    code.SetText(text);
    code.SetSelection(caret, 0);
    Form().FileKind = kind;
  }
  const HiliteRules rules = InitHiliteRules();
};

TEST_F(HighlightSyntaxTest, AShortDocumentIsColouredWhole) {
  const std::string text = "<p>a &amp; b</p>\r\nplain";
  Load(text, static_cast<int>(text.size()));
  HighlightSyntax(Form(), settings, rules);
  EXPECT_EQ(paintedSpan(code), (std::pair{0, static_cast<int>(text.size())}));
  EXPECT_EQ(*paintedColors(code)[0], Rgb(0, 50, 255));
  EXPECT_EQ(*paintedColors(code)[5], Rgb(180, 50, 180));
}

TEST_F(HighlightSyntaxTest, ALongDocumentIsColouredFifteenHundredCharactersAroundTheCaret) {
  const struct {
    int length;
    int caret;
    std::pair<int, int> span;
  } cases[] = {
      {20000, 5000, {3500, 6501}},   // the caret's character and 1500 on each side
      {20000, 800, {0, 2301}},       // near the start
      {6000, 5900, {4400, 6000}},    // near the end: up to the last character
      {6000, 4500, {3000, 6000}},    // caret + 1500 = length: the end is the last character
      {1501, 1501, {1, 1501}},       // caret at the end of 1501 characters
      {1500, 1500, {0, 1500}},
  };
  for (const auto& c : cases) {
    Load(std::string(static_cast<std::size_t>(c.length), 'x'), c.caret);
    HighlightSyntax(Form(), settings, rules);
    EXPECT_EQ(paintedSpan(code), c.span) << c.length << " @" << c.caret;
  }
}

TEST_F(HighlightSyntaxTest, PlainTextTakesTheEditorTextColourEvenWithSystemColours) {
  settings.USC = true;
  settings.CETColor = static_cast<std::int32_t>(Rgb(10, 20, 30));
  Load("abc <b>", 0);
  HighlightSyntax(Form(), settings, rules);
  EXPECT_EQ(*paintedColors(code)[1], Rgb(10, 20, 30));
  EXPECT_EQ(*paintedColors(code)[4], Rgb(0, 50, 255));
}

TEST_F(HighlightSyntaxTest, TheKindChoosesTheRules) {
  const struct {
    int kind;
    std::optional<std::uint32_t> ifColor;  // of "if" in the text below; none: not coloured
  } cases[] = {
      {KindHtml, 0},                     // HTML: no script region, so no keyword
      {KindXml, 0},                      // XML takes the HTML rules
      {KindJavaScript, Rgb(0, 0, 255)},  // JavaScript keyword
      {KindCpp, Rgb(0, 0, 255)},         // C/C++ keyword
      {KindCss, std::nullopt},
      {KindJava, std::nullopt},
      {KindPerl, std::nullopt},
      {KindOther, std::nullopt},
  };
  for (const auto& c : cases) {
    Load("if (a) b;", 0, c.kind);
    HighlightSyntax(Form(), settings, rules);
    EXPECT_EQ(paintedColors(code)[0], c.ifColor) << c.kind;
  }
}

TEST_F(HighlightSyntaxTest, NothingIsColouredWhileHighlightingIsOffOrTheDocumentIsEmpty) {
  settings.SO = false;
  Load("<p>x</p>", 3);
  HighlightSyntax(Form(), settings, rules);
  EXPECT_TRUE(code.ColorRuns().empty());
  settings.SO = true;
  Load("", 0);
  HighlightSyntax(Form(), settings, rules);
  EXPECT_TRUE(code.ColorRuns().empty());
}

TEST_F(HighlightSyntaxTest, APassLeavesTextSelectionUndoAndModifiedFlagAlone) {
  Load("<p>one</p>\r\n<p>two</p>", 4);
  code.SetSelection(4, 3);
  code.SetModified(false);
  const std::size_t undo = code.UndoDepth();
  HighlightSyntax(Form(), settings, rules);
  EXPECT_FALSE(code.ColorRuns().empty());
  EXPECT_EQ(code.Text(), "<p>one</p>\r\n<p>two</p>");
  EXPECT_EQ(code.SelStart(), 4);
  EXPECT_EQ(code.SelLength(), 3);
  EXPECT_FALSE(code.Modified());
  EXPECT_EQ(code.UndoDepth(), undo);
}

TEST_F(HighlightSyntaxTest, TheTimerTickRunsThePassThenStops) {
  Load("<b>", 0);
  Form().CodeEditorChange();
  ASSERT_TRUE(Form().SyntaxTimerEnabled);
  Form().SyntaxTimerTimer();
  EXPECT_FALSE(code.ColorRuns().empty());
  EXPECT_FALSE(Form().SyntaxTimerEnabled);
  EXPECT_FALSE(Form().PassUnderWay);
}

TEST_F(HighlightSyntaxTest, ATickDuringAKeySkipsThePassAndComesAgain) {
  Load("<b>", 0);
  Form().CodeEditorChange();
  CodeEditorKeyDown(Form(), settings, 'A', 0);
  Form().SyntaxTimerTimer();
  EXPECT_TRUE(code.ColorRuns().empty());
  EXPECT_TRUE(Form().SyntaxTimerEnabled);
  CodeEditorKeyUp(Form(), settings, 'A', 0);
  Form().SyntaxTimerTimer();
  EXPECT_FALSE(code.ColorRuns().empty());
  EXPECT_FALSE(Form().SyntaxTimerEnabled);
}

TEST_F(HighlightSyntaxTest, WithHighlightingOffATickOnlyStopsTheTimer) {
  settings.SO = false;
  Load("<b>", 0);
  Form().CodeEditorChange();
  Form().SyntaxTimerTimer();
  EXPECT_TRUE(code.ColorRuns().empty());
  EXPECT_FALSE(Form().SyntaxTimerEnabled);
}

TEST_F(HighlightSyntaxTest, NoKeyIsHandledWhileAPassIsUnderWay) {
  Load("    x\r\n    ", 11);
  bool sawPassUnderWay = false;
  Form().HighlightPass = [&] {
    sawPassUnderWay = Form().PassUnderWay;
    CodeEditorKeyDown(Form(), settings, kVkBack, 0);
  };
  Form().CodeEditorChange();
  Form().SyntaxTimerTimer();
  EXPECT_TRUE(sawPassUnderWay);
  EXPECT_FALSE(Form().KeyInProgress);
  EXPECT_FALSE(Form().BackspacePending);
  EXPECT_FALSE(Form().PassUnderWay);
}

TEST_F(HighlightSyntaxTest, ChangesDuringThePassScheduleNothing) {
  Load("<b>", 0);
  Form().HighlightPass = [&] { Form().CodeEditorChange(); };
  Form().CodeEditorChange();
  Form().SyntaxTimerTimer();
  EXPECT_FALSE(Form().SyntaxTimerEnabled);
}

}  // namespace
}  // namespace lumbrix
