// Keyboard assistance on an in-memory code pane. Each key is played as the window plays it:
// key-down, then what the pane itself does with the key, then key-up. Texts show the caret as
// "|" and a selection as "[...]".
#include <gtest/gtest.h>

#include <string>

#include "commands/KeyAssist.h"
#include "common/WinText.h"
#include "document/DocumentFixture.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

// Puts a marked text into the pane.
void show(MemoryPane& pane, std::string marked) {
  int start = 0, length = 0;
  if (const auto open = marked.find('['); open != std::string::npos) {
    const auto close = marked.find(']');
    start = static_cast<int>(open);
    length = static_cast<int>(close - open - 1);
    marked.erase(close, 1);
    marked.erase(open, 1);
  } else {
    const auto bar = marked.find('|');
    start = static_cast<int>(bar);
    marked.erase(bar, 1);
  }
  pane.SetText(marked);
  pane.SetSelection(start, length);
}

std::string marked(const MemoryPane& pane) {
  EXPECT_EQ(pane.SelLength(), 0);
  return pane.Text().insert(static_cast<std::size_t>(pane.SelStart()), "|");
}

// What the pane does with a key before the assistance sees its release.
void paneActs(MemoryPane& pane, int key, unsigned shift) {
  const int caret = pane.SelStart();
  const std::string text = pane.Text();
  switch (key) {
    case kVkBack:
      if (pane.SelLength() > 0) {
        pane.ReplaceSelection("");
      } else if (caret > 0) {
        const int n = caret >= 2 && text.compare(caret - 2, 2, "\r\n") == 0 ? 2 : 1;
        pane.SetSelection(caret - n, n);
        pane.ReplaceSelection("");
      }
      break;
    case kVkTab:
      pane.ReplaceSelection("\t");
      break;
    case kVkReturn:
      if ((shift & kAltHeld) == 0) pane.ReplaceSelection("\r\n");
      break;
    case kVkHome: {
      int p = caret;
      while (p > 0 && text[static_cast<std::size_t>(p - 1)] != '\n') --p;
      pane.SetSelection(p, 0);
      break;
    }
    default:
      if (key >= 'A' && key <= 'Z' && shift == 0)
        pane.ReplaceSelection(std::string(1, static_cast<char>(key - 'A' + 'a')));
      break;
  }
}

class KeyAssistTest : public testing::DocumentTest {
 protected:
  void SetUp() override { Form(); }
  void Press(int key, unsigned shift = 0) {
    CodeEditorKeyDown(Form(), settings, key, shift);
    paneActs(code, key, shift);
    CodeEditorKeyUp(Form(), settings, key, shift);
  }
  std::string After(const std::string& before, int key, unsigned shift = 0) {
    show(code, before);
    Press(key, shift);
    return marked(code);
  }
};

TEST_F(KeyAssistTest, EnterKeepsTheIndentationOfItsLine) {
  const struct {
    std::string before, after;
  } cases[] = {
      {"    abc|", "    abc\r\n    |"},  // at the end of the line
      {"    ab|c", "    ab\r\n    |c"},  // the rest of the line moves down
      {"  x\r\n      y|\r\nz", "  x\r\n      y\r\n      |\r\nz"},
      {"\tabc|", "\tabc\r\n|"},  // a tab gives no indentation
      {"abc|", "abc\r\n|"},
      {"  |  abc", "  \r\n  |  abc"},    // counted up to where it was pressed
      {"    [abc]", "    \r\n    |"},    // the selection is replaced
      {"      |", "      \r\n      |"},  // a line of spaces only
  };
  for (const auto& c : cases) EXPECT_EQ(After(c.before, kVkReturn), c.after) << c.before;
}

TEST_F(KeyAssistTest, EnterWithCtrlGetsNoIndentationAndShiftEnterABreakTag) {
  EXPECT_EQ(After("    ab|", kVkReturn, kCtrlHeld), "    ab\r\n|");
  EXPECT_EQ(After("  ab|", kVkReturn, kShiftHeld), "  ab<br />\r\n  |");
  EXPECT_EQ(After("ab|cd", kVkReturn, kShiftHeld), "ab<br />\r\n|cd");
  EXPECT_EQ(After("    ab|", kVkReturn, kShiftHeld | kCtrlHeld), "    ab\r\n|");
  EXPECT_FALSE(Form().EnterPending);
}

TEST_F(KeyAssistTest, TabBecomesTabSizeSpaces) {
  const struct {
    int ts;
    std::string before, after;
  } cases[] = {
      {2, "a|", "a  |"},      {2, "a[bc]d", "a  |d"},  // the selection becomes the spaces
      {2, "[a\r\nb]", "  |"},                          // over several lines as well
      {4, "|x", "    |x"},    {0, "a|b", "a|b"},       // with no tab size the tab just disappears
  };
  for (const auto& c : cases) {
    settings.TS = c.ts;
    EXPECT_EQ(After(c.before, kVkTab), c.after) << c.ts << " " << c.before;
  }
}

TEST_F(KeyAssistTest, BackspaceInTheLeadingSpacesGoesBackToAnEarlierIndentation) {
  const struct {
    std::string before, after;
  } cases[] = {
      // Line above indented 2, this one 6: 4 go in all.
      {"  x\r\n      |", "  x\r\n  |"},
      // Lines above indented 4, 4, 2 (nearest first), this one 4: back to 2.
      {"  a\r\n    b\r\n    c\r\n    |", "  a\r\n    b\r\n    c\r\n  |"},
      // An empty line directly above: all six go.
      {"x\r\n\r\n      |", "x\r\n\r\n|"},
      // This line 2, the line above 4, then an unindented one: both go.
      {"x\r\n    y\r\n  |", "x\r\n    y\r\n|"},
      // ... or the top of the window.
      {"    y\r\n  |", "    y\r\n|"},
      // The nearest line indented less than this one decides.
      {" x\r\n    y\r\n  |", " x\r\n    y\r\n |"},
      // A line of spaces only counts all of them.
      {"x\r\n   \r\n     |", "x\r\n   \r\n   |"},
      // At the very start of a line: the lines join as usual.
      {"ab\r\n|cd", "ab|cd"},
      {"  ab\r\n|  cd", "  ab|  cd"},
      // Text before the caret: one character, as usual.
      {"    ab|", "    a|"},
      {"  x\r\n    a |", "  x\r\n    a|"},
      // The caret inside the leading spaces.
      {"  x\r\n    |  y", "  x\r\n  |  y"},
      // The first line of the text.
      {"    |", "|"},
  };
  for (const auto& c : cases) EXPECT_EQ(After(c.before, kVkBack), c.after) << c.before;
  EXPECT_FALSE(Form().BackspacePending);
}

TEST_F(KeyAssistTest, UnindentAmountLooksNoFurtherBackThanTheWindow) {
  // An unindented line, then more than 2000 characters of lines indented like the caret's.
  std::string text = "x\r\n";
  while (text.size() < 2600) text += "    abcdefgh\r\n";
  text += "    ";
  const int pos = static_cast<int>(text.size());
  MemoryPane pane;
  pane.SetText(text);
  EXPECT_EQ(UnindentAmount(text, pos), 4);
  EXPECT_EQ(UnindentAmount(pane, pos), 4);
  // A less-indented line within reach decides.
  std::string close = text.substr(0, text.size() - 4) + "  z\r\n    abc\r\n    ";
  EXPECT_EQ(UnindentAmount(close, static_cast<int>(close.size())), 2);
  pane.SetText(close);
  EXPECT_EQ(UnindentAmount(pane, static_cast<int>(close.size())), 2);
}

TEST_F(KeyAssistTest, HomeLandsAfterTheLeadingSpaces) {
  settings.HAVS = true;
  EXPECT_EQ(After("  ab\r\n    cd|", kVkHome), "  ab\r\n    |cd");
  EXPECT_EQ(After("ab\r\n    c|d", kVkHome), "ab\r\n    |cd");
  EXPECT_EQ(After("x\r\n   |\r\ny", kVkHome), "x\r\n   |\r\ny");  // spaces only: the line end
  EXPECT_EQ(After("x\r\n \t a|", kVkHome), "x\r\n |\t a");        // a tab is no space
  EXPECT_EQ(After("    |", kVkHome), "    |");
  // Home lands there every time.
  show(code, "  ab|");
  Press(kVkHome);
  Press(kVkHome);
  EXPECT_EQ(marked(code), "  |ab");
  settings.HAVS = false;
  EXPECT_EQ(After("  ab\r\n    cd|", kVkHome), "  ab\r\n|    cd");
  settings.HAVS = true;
  EXPECT_EQ(After("    cd|", kVkHome, kShiftHeld),
            "|    cd");  // modifiers: left as the pane put it
}

TEST_F(KeyAssistTest, HelpersReadThePaneInPiecesAcrossLongRunsOfSpaces) {
  const std::string text = "x\r\n" + std::string(1000, ' ') + "y  ";
  show(code, text + "|");
  for (const int pos : {0, 3, 500, 1003, 1004, 1006}) {
    EXPECT_EQ(LineHasTextBefore(code, pos), LineHasTextBefore(text, pos)) << pos;
    EXPECT_EQ(SkipSpaces(code, pos), SkipSpaces(text, pos)) << pos;
  }
  EXPECT_FALSE(LineHasTextBefore(text, 1003));
  EXPECT_TRUE(LineHasTextBefore(text, 1004));
  EXPECT_EQ(SkipSpaces(text, 3), 1003);
  EXPECT_EQ(SkipSpaces(text, 1004), 1006);  // only spaces after: the text's length
}

TEST_F(KeyAssistTest, EscHidesTheFindDialogOrClosesTheWindow) {
  int closed = 0;
  Form().CloseWindow = [&] { ++closed; };
  show(code, "ab|");
  Press(kVkEscape);  // the find dialog was never opened
  EXPECT_EQ(closed, 1);
  bool findShown = true;
  Form().HideFindDialog = [&] {
    const bool was = findShown;
    findShown = false;
    return was;
  };
  Press(kVkEscape);
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(findShown);
  Press(kVkEscape);
  EXPECT_EQ(closed, 2);
  Press(kVkEscape, kShiftHeld);  // with a modifier Esc does nothing
  EXPECT_EQ(closed, 2);
  CodeEditorKeyUp(Form(), settings, kVkEscape, 0);  // a release whose press closed a dialog
  EXPECT_EQ(closed, 2);
  EXPECT_EQ(marked(code), "ab|");
  EXPECT_FALSE(Form().KeyInProgress);
}

TEST_F(KeyAssistTest, KeyInProgressLastsFromKeyDownToKeyUpAndAnAssistedKeyArmsTheTimer) {
  show(code, "    ab|");
  Form().SyntaxTimerEnabled = false;
  CodeEditorKeyDown(Form(), settings, 'A', kCtrlHeld | kShiftHeld);
  EXPECT_TRUE(Form().KeyInProgress);
  CodeEditorKeyUp(Form(), settings, 'A', kCtrlHeld);
  EXPECT_FALSE(Form().KeyInProgress);
  EXPECT_FALSE(Form().SyntaxTimerEnabled);
  Press(kVkReturn);
  EXPECT_TRUE(Form().SyntaxTimerEnabled);
}

TEST_F(KeyAssistTest, TheCaptionFollowsThePageTitleWhenItShowsIt) {
  const struct {
    int dc;
    int kind;
    bool follows;
  } cases[] = {
      {1, KindHtml, true}, {0, KindHtml, false}, {2, KindHtml, false}, {1, KindJavaScript, false}};
  for (const auto& c : cases) {
    settings.DC = c.dc;
    Form().FileKind = c.kind;
    Form().Caption = "old";
    show(code, "<title>Ab|</title>");
    Press('C', kShiftHeld);  // the pane types nothing for it here; every key counts
    EXPECT_EQ(Form().Caption == "Ab", c.follows) << c.dc << " " << c.kind;
    Press('D');
    EXPECT_EQ(Form().Caption == "Abd", c.follows) << c.dc << " " << c.kind;
  }
  settings.DC = 1;
  Form().FileKind = KindHtml;
  show(code, std::string("<title>Стра|</title>"_w));
  Press(kVkReturn, kShiftHeld);
  EXPECT_NE(Form().Caption.find(std::string("Стра"_w)), std::string::npos);
}

}  // namespace
}  // namespace lumbrix
