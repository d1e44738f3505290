#include <gtest/gtest.h>

#include <string>

#include "commands/LumbrixConverter.h"
#include "document/DocumentFixture.h"

namespace lumbrix {
namespace {

constexpr auto kBreaks = LumbrixMode::BreaksAndIndents;
constexpr auto kParagraphs = LumbrixMode::ParagraphsAndHeadings;

TEST(ConvertPlainText, WritesTheMarkupOfEachModeAndOption) {
  const struct {
    const char* plain;
    LumbrixOptions options;
    const char* html;
  } cases[] = {
      {"", {}, ""},
      // Headings, paragraphs, blank lines.
      {"\tTitle\r\nSome text", {}, "<h1>Title</h1>\r\n<p>Some text</p>\r\n"},
      {"one\r\n\r\ntwo", {}, "one</p>\r\n</p>\r\n<p>two</p>\r\n"},
      {"\tA\tB\r\nC", {}, "<h1>A<h2>B</h2>\r\n<p>C</p>\r\n"},
      // Breaks and blocks.
      {"\tTitle\r\nSome text", {kBreaks}, "<blockquote><h1>Title<br>\r\n</blockquote><p>Some text"},
      {"\t\tT\r\nU",
       {kBreaks},
       "<blockquote><blockquote><h2>T<br>\r\n</blockquote></blockquote><p>U"},
      {"a\tb", {kBreaks}, "a<blockquote><h1>b</blockquote>"},
      // A tab that ends its line opens no heading on the next one.
      {"a\t\r\nb", {}, "a</h1>\r\n<p>b</p>\r\n"},
      {"a\t\r\nb", {kBreaks}, "a<blockquote><br>\r\n</blockquote><p>b"},
      // Spaces: the first after a printing character stays, the rest and those after a break
      // do not; tabs and line ends end a run.
      {"  word", {}, " &nbsp;word</p>\r\n"},
      {"a\r\n  b", {}, "a</p>\r\n&nbsp;&nbsp;<p>b</p>\r\n"},
      {"a   b", {}, "a &nbsp;&nbsp;b</p>\r\n"},
      {"a \t b", {}, "a  <h1>b</h1>\r\n"},
      // Entities: reserved characters always, typographic ones by the entity table.
      {"\xA9 \xAB\x97\x99\xE0", {}, "&copy; &laquo;\x97\x99\xE0</p>\r\n"},
      {"<b class=\"x\">&</b>", {}, "&lt;b class=&quot;x&quot;&gt;&amp;&lt;/b&gt;</p>\r\n"},
      {"<a href=\"x&y\">\"&\"</a>",
       {.allowTags = true},
       "<a href=\"x&y\">&quot;&amp;&quot;</a></p>\r\n"},
      {"a>\"b", {.allowTags = true}, "a>&quot;b</p>\r\n"},
      // No wrapping; the indentation of every CR LF written.
      {"x", {.noWrap = true}, "<nobr>x</p>\r\n</nobr>"},
      {"\tT\r\nx\r\n", {.indent = 2}, "<h1>T</h1>\r\n  <p>x</p>\r\n  "},
      {"a\r\nb", {.mode = kBreaks, .indent = 3}, "a<br>\r\n   <p>b"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ConvertPlainText(c.plain, c.options), c.html)
        << "plain \"" << c.plain << "\" mode " << static_cast<int>(c.options.mode);
}

class InsLumbrixTest : public testing::DocumentTest {};

TEST_F(InsLumbrixTest, ReplacesTheCodeSelectionInOneStepAndKeepsThePlainText) {
  TEditForm& form = Form();
  code.SetText("<body>\r\n  OLD\r\n");
  code.SetSelection(10, 3);
  plain.SetText("A\r\nB");
  InsLumbrix(form, settings);
  EXPECT_EQ(code.Text(), "<body>\r\n  A</p>\r\n  <p>B</p>\r\n  \r\n");
  EXPECT_EQ(plain.Text(), "A\r\nB");
  EXPECT_TRUE(form.Modified());
  EXPECT_TRUE(form.SyntaxTimerEnabled);
  EXPECT_EQ(code.FocusCount(), 1);
  EXPECT_EQ(code.UndoDepth(), 1u);

  InsLumbrix(form, settings);  // the same HTML again, at the caret
  EXPECT_EQ(code.Text(), "<body>\r\n  A</p>\r\n  <p>B</p>\r\n  A</p>\r\n  <p>B</p>\r\n  \r\n");
  code.Undo();
  code.Undo();
  EXPECT_EQ(code.Text(), "<body>\r\n  OLD\r\n");
}

TEST_F(InsLumbrixTest, TakesTheModeAndOptionsFromThePageAndTheListSetting) {
  TEditForm& form = Form();
  form.TabControl1Index = 0;
  form.AllowTags = true;
  form.WithNobr = true;
  settings.UUL = true;
  plain.SetText("\t<b>\"x\"</b>");
  InsLumbrix(form, settings);
  EXPECT_EQ(code.Text(), "<nobr><ul><h1><b>&quot;x&quot;</b></ul></nobr>");
}

TEST_F(InsLumbrixTest, AnEmptyPlainTextDoesNothing) {
  TEditForm& form = Form();
  code.SetText("abc");
  code.SetSelection(0, 3);
  InsLumbrix(form, settings);
  EXPECT_EQ(code.Text(), "abc");
  EXPECT_FALSE(form.Modified());
  EXPECT_EQ(code.FocusCount(), 0);
}

}  // namespace
}  // namespace lumbrix
