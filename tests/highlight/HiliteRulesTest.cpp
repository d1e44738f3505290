// The rule sets as built, the word delimiters, and the colours of each rule set's edge cases
// and of realistic files.
#include <gtest/gtest.h>

#include <string>

#include "common/WinText.h"
#include "highlight/Hilite.h"
#include "highlight/HiliteMasks.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using testing::Rgb;

const HiliteRules& Rules() {
  static const HiliteRules rules = InitHiliteRules();
  return rules;
}

TEST(InitHiliteRules, BuildsTheThreeRuleSetsWithTheirCapacities) {
  const struct {
    const HiliteRuleSet* set;
    bool foldCase;
    std::vector<int> words;  // per group; a whole-word group's count is negative
    std::vector<std::uint32_t> flags;
  } cases[] = {
      {&Rules().Cpp, false, {-52, 1, 1, 1, 2}, {0x0, 0x0, 0x2, 0x2, 0x4}},
      {&Rules().Html,
       true,
       {1, 1, 1, 2, 1, -19, 2, 2},
       {0x0, 0x1, 0xF0008, 0x102, 0x4, 0x800, 0x802, 0x800}},
      {&Rules().JavaScript, false, {-19, 2, 2}, {0x0, 0x2, 0x4}},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(c.set->GroupCount, static_cast<int>(c.words.size()));
    EXPECT_EQ(c.set->FoldCase, c.foldCase);
    for (std::size_t g = 0; g < kHiliteMaxGroups; ++g) {
      const HiliteGroup& group = c.set->Groups[g];
      EXPECT_GE(group.StartWords.capacity(), 55u);
      EXPECT_GE(group.EndWords.capacity(), 55u);
      const int words = g < c.words.size() ? c.words[g] : 0;
      EXPECT_EQ(group.WordCount, std::abs(words)) << g;
      EXPECT_EQ(group.Mode, words < 0 ? HiliteWholeWord : HiliteRegion) << g;
      if (g < c.flags.size()) {
        EXPECT_EQ(c.set->Styles[g].Flags, c.flags[g]) << g;
      }
    }
  }
  EXPECT_EQ(Rules().Cpp.Groups[0].StartWords[49], "NULL");
  EXPECT_EQ(Rules().Html.Groups[5].StartWords.back(), "function");
  EXPECT_EQ(Rules().Html.Groups[2].EndWords[0], "</script>");
  EXPECT_EQ(Rules().Html.Groups[7].EndWords[1], "\r\n");
  EXPECT_EQ(Rules().Cpp.Styles[1].Color, 0x1E9B00u);  // RGB(0,155,30), red in the low byte
}

TEST(IsWordDelimiter, HoldsExactlyTheThirtyFourCharacters) {
  const std::string delimiters = " \t\n\r.,;:-+*/%()[]{}<>^!#$&?@\"'`~=|";
  int count = 0;
  for (int c = 0; c < 256; ++c) {
    const bool is = IsWordDelimiter(static_cast<char>(c));
    EXPECT_EQ(is, delimiters.find(static_cast<char>(c)) != std::string::npos) << c;
    count += is;
  }
  EXPECT_EQ(count, 34);
}

struct MaskCase {
  std::string text;
  std::string mask;
};

void expectMasks(const HiliteRuleSet& set, const testing::ColorLetters& letters,
                 const std::vector<MaskCase>& cases) {
  for (const MaskCase& c : cases) {
    ASSERT_EQ(c.text.size(), c.mask.size()) << c.text;
    EXPECT_EQ(testing::ToMask(HiliteColors(c.text, set, 0), letters), c.mask) << c.text;
  }
}

TEST(HiliteColors, CppEdgeCases) {
  expectMasks(Rules().Cpp, testing::kCppLetters,
              {
                  {"if iffy _if \\if (if) if", "kk...............kk..kk"},
                  {"Return return NULL null", ".......kkkkkk.kkkk....."},  // case counts
                  {"if1 \xE8if if\xE8", "..........."},  // digits and letters bind words
                  {"// if\r\nif", "ccccccckk"},
                  {"int a; /* open\r\nx", "kkk....cccccccccc"},  // unclosed: to the window end
                  {"\"a'b\" 'c'", "sssss.sss"},  // no single-quote region inside a string
                  {"#include <x>\r\nint", "ppppppppppppppkkk"},
                  {"/* a **/ b", "cccccccc.."},  // the retried character may begin "*/"
              });
}

TEST(HiliteColors, JavaScriptEdgeCases) {
  // The words of a group do not see each other: a double quote inside a single-quoted string
  // opens a string of its own, here to the window's end.
  expectMasks(Rules().JavaScript, testing::kJsLetters,
              {
                  {"function f(){return 'a\"b'}", "kkkkkkkk.....kkkkkk.ssssss"},
                  {"this.x=true", "kkkk...kkkk"},
                  {"If IF if", "......kk"},
                  {"x // y\r\nvar", "..cccccckkk"},
              });
}

TEST(HiliteColors, HtmlEdgeCases) {
  expectMasks(
      Rules().Html, testing::kHtmlLetters,
      {
          {"a &amp; b", "..eeeee.."},
          {"x &nbsp y <b> z", "..eeeeeeeetttee"},  // no ";": to the window end, tags over it
          {"<a href=\"?a=1&amp;b=2\">", "ttttttttqqqqqqqqqqqqqqt"},
          {"say \"hi\" <p class='x'>", ".........tttttttttqqqt"},  // quotes count in tags only
          {"<!-- a ---> b --> c", "mmmmmmmmmmmmmmmmm.."},  // "--->" does not close a comment
          {"<!-- x", "mmmmmm"},
          {"<SCRIPT>var s=\"<b>\";</SCRIPT>", "ttttttttKKK...SSSSS.ttttttttt"},
          {"<script type=\"a\">x='b'</script>", "tttttttttttttqqqt..SSSttttttttt"},
          {"if <script>// if\r\n</script>", "...ttttttttCCCCCCCttttttttt"},
          {"<script>if(a<b)x();</script>", "ttttttttKK..tttttttttttttttt"},  // "<" opens a tag
          {"<script>/* x", "ttttttttCCCC"},
      });
}

// Every character of each fragment (found first in the text) has the fragment's colour.
void expectFragments(const std::string& text, const std::vector<std::uint32_t>& colors,
                     const std::vector<std::pair<std::string_view, std::uint32_t>>& fragments) {
  for (const auto& [fragment, color] : fragments) {
    const std::size_t at = text.find(fragment);
    ASSERT_NE(at, std::string::npos) << fragment;
    for (std::size_t i = at; i < at + fragment.size(); ++i)
      EXPECT_EQ(colors[i], color) << fragment << " at " << i - at;
  }
}

TEST(HiliteColors, ARealisticPage) {
  const std::string page(
      "<!DOCTYPE html>\r\n<head>\r\n  <title>Моя страница &mdash; пример</title>\r\n"
      "  <script type=\"text/javascript\">\r\n    // счётчик\r\n"
      "    function count(n) {\r\n      var greeting = \"привет\";\r\n"
      "      if (n < 10) return 'мало';\r\n      /* иначе */ return \"много\";\r\n"
      "    }\r\n  </script>\r\n</head>\r\n<body class='main'>\r\n  <!-- шапка -->\r\n"
      "  <h1 id=\"top\">Привет &amp; \"до встречи\"</h1>\r\n  <p>if else</p>\r\n</body>\r\n"_w);
  const std::uint32_t ink = Rgb(1, 2, 3), tag = Rgb(0, 50, 255), value = Rgb(0, 0, 180),
                      entity = Rgb(180, 50, 180), comment = Rgb(130, 150, 130),
                      keyword = Rgb(255, 20, 20), string = Rgb(100, 0, 200),
                      scriptComment = Rgb(150, 170, 200);
  expectFragments(page, HiliteColors(page, Rules().Html, ink),
                  {
                      {"<!DOCTYPE html>", tag},
                      {"Моя страница "_w, ink},
                      {"&mdash;", entity},
                      {"\"text/javascript\"", value},
                      {"// счётчик\r\n"_w, scriptComment},
                      {"function", keyword},
                      {" count(n) {", ink},
                      {"\"привет\""_w, string},
                      {"if", keyword},
                      // The comparison's "<" opens a tag that runs to the end of "</script>":
                      // quoted texts in it take the tag-quote colour, script words and comments
                      // keep theirs.
                      {"< 10) ", tag},
                      {"return", keyword},
                      {"'мало'"_w, value},
                      {"/* иначе */"_w, scriptComment},
                      {"}\r\n  </script>", tag},
                      {"'main'", value},
                      {"<!-- шапка -->"_w, comment},
                      {"Привет "_w, ink},
                      {"&amp;", entity},
                      {" \"до встречи\""_w, ink},
                      {"if else", ink},
                  });
}

TEST(HiliteColors, ARealisticCppFile) {
  const std::string file =
      "#include <stdio.h>\r\n/* entry */\r\nint main(void) {\r\n"
      "  const char* s = \"it's // a comment, as far as the rules go\";\r\n"
      "  if (s) return 'x'; // done\r\n}\r\n";
  const std::uint32_t keyword = Rgb(0, 0, 255), str = Rgb(150, 0, 200),
                      comment = Rgb(180, 180, 200);
  expectFragments(file, HiliteColors(file, Rules().Cpp, 0),
                  {
                      {"#include <stdio.h>\r\n", Rgb(0, 155, 30)},
                      {"/* entry */", comment},
                      {"int", keyword},
                      {" main(", 0},
                      {"\"it's ", str},
                      // The comment group has no context: "//" inside a string opens a comment.
                      {"// a comment, as far as the rules go\";\r\n", comment},
                      {"return", keyword},
                      {"'x'", str},
                      {"// done\r\n", comment},
                  });
}

}  // namespace
}  // namespace lumbrix
