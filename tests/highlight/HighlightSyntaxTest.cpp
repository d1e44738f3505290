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

// The colour each character was last given, if any.
std::vector<std::optional<std::uint32_t>> painted(const MemoryPane& pane) {
  std::vector<std::optional<std::uint32_t>> colors(static_cast<std::size_t>(pane.TextLength()));
  for (const MemoryPane::ColorRun& run : pane.ColorRuns())
    for (int i = run.start; i < run.start + run.length; ++i) colors.at(i) = run.color;
  return colors;
}

// The first and one past the last character coloured.
std::pair<int, int> paintedSpan(const MemoryPane& pane) {
  const auto colors = painted(pane);
  int first = -1, end = 0;
  for (int i = 0; i < static_cast<int>(colors.size()); ++i)
    if (colors[i]) first = first < 0 ? i : first, end = i + 1;
  return {std::max(first, 0), end};
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

TEST_F(HighlightSyntaxTest, ColoursFifteenHundredCharactersOnEachSideOfTheCaret) {
  const struct {
    int length, caret;
    std::pair<int, int> span;
  } cases[] = {
      {20000, 5000, {3500, 6501}},
      {20000, 800, {0, 2301}},
      {6000, 5900, {4400, 6000}},
      {6000, 4500, {3000, 6000}},
      {1501, 1501, {1, 1501}},
      {1500, 1500, {0, 1500}},
      {0, 0, {0, 0}},  // an empty document: nothing
  };
  for (const auto& c : cases) {
    Load(std::string(static_cast<std::size_t>(c.length), 'x'), c.caret);
    HighlightSyntax(Form(), settings, rules);
    EXPECT_EQ(paintedSpan(code), c.span) << c.length << " @" << c.caret;
  }
}

TEST_F(HighlightSyntaxTest, TheKindChoosesTheRulesAndPlainTextTakesTheEditorTextColour) {
  settings.CETColor = static_cast<std::int32_t>(Rgb(10, 20, 30));  // with system colours too
  const struct {
    int kind;
    std::optional<std::uint32_t> ifColor;  // of "if" below; none: not coloured at all
  } cases[] = {
      {KindHtml, Rgb(10, 20, 30)}, {KindXml, Rgb(10, 20, 30)}, {KindJavaScript, Rgb(0, 0, 255)},
      {KindCpp, Rgb(0, 0, 255)},   {KindCss, std::nullopt},    {KindJava, std::nullopt},
      {KindOther, std::nullopt},
  };
  for (const auto& c : cases) {
    Load("if <b>", 0, c.kind);
    HighlightSyntax(Form(), settings, rules);
    EXPECT_EQ(painted(code)[0], c.ifColor) << c.kind;
  }
  Load("if <b>", 0, KindXml);
  HighlightSyntax(Form(), settings, rules);
  EXPECT_EQ(painted(code)[3], Rgb(0, 50, 255));
}

TEST_F(HighlightSyntaxTest, APassChangesNothingButColoursAndNothingWhileHighlightingIsOff) {
  Load("<p>one</p>\r\n<p>two</p>", 4);
  code.SetSelection(4, 3);
  settings.SO = false;
  HighlightSyntax(Form(), settings, rules);
  EXPECT_TRUE(code.ColorRuns().empty());
  settings.SO = true;
  HighlightSyntax(Form(), settings, rules);
  EXPECT_FALSE(code.ColorRuns().empty());
  EXPECT_EQ(code.Text(), "<p>one</p>\r\n<p>two</p>");
  EXPECT_EQ(code.SelStart(), 4);
  EXPECT_EQ(code.SelLength(), 3);
  EXPECT_FALSE(code.Modified());
  EXPECT_EQ(code.UndoDepth(), 0u);
}

TEST_F(HighlightSyntaxTest, TheTickPassesOnlyBetweenKeysAndStopsTheTimerAfterThePass) {
  Load("<b>", 0);
  Form().CodeEditorChange();
  CodeEditorKeyDown(Form(), settings, 'A', 0);
  Form().SyntaxTimerTimer();  // a key is being handled: no pass, the timer stays on
  EXPECT_TRUE(code.ColorRuns().empty());
  EXPECT_TRUE(Form().SyntaxTimerEnabled);
  CodeEditorKeyUp(Form(), settings, 'A', 0);
  bool passUnderWay = false;
  Form().HighlightPass = [&] {
    passUnderWay = Form().PassUnderWay;
    CodeEditorKeyDown(Form(), settings, kVkBack, 0);  // no key is handled during a pass
    Form().CodeEditorChange();                        // the pass's changes schedule nothing
    HighlightSyntax(Form(), settings, rules);
  };
  Form().SyntaxTimerTimer();
  EXPECT_TRUE(passUnderWay);
  EXPECT_FALSE(code.ColorRuns().empty());
  EXPECT_FALSE(Form().KeyInProgress);
  EXPECT_FALSE(Form().PassUnderWay);
  EXPECT_FALSE(Form().SyntaxTimerEnabled);
  settings.SO = false;  // with highlighting off a tick only stops the timer
  Form().CodeEditorChange();
  Form().SyntaxTimerTimer();
  EXPECT_FALSE(Form().SyntaxTimerEnabled);
}

}  // namespace
}  // namespace lumbrix
