// The rule sets as built, the word delimiters, and the colours the matcher gives the edge
// cases of each rule set.
#include <gtest/gtest.h>

#include <string>

#include "common/WinText.h"
#include "highlight/HiliteMasks.h"
#include "highlight/Hilite.h"

namespace lumbrix {
namespace {

using testing::ColorLetter;
using testing::CppLetters;
using testing::HtmlLetters;
using testing::JsLetters;
using testing::Rgb;
using testing::ToMask;

const HiliteRules& Rules() {
  static const HiliteRules rules = InitHiliteRules();
  return rules;
}

TEST(InitHiliteRules, BuildsTheThreeRuleSetsWithTheirCapacities) {
  const struct {
    const HiliteRuleSet* set;
    int groups;
    bool foldCase;
    std::vector<int> words;
    std::vector<int> modes;
    std::vector<std::uint32_t> flags;
  } cases[] = {
      {&Rules().Cpp, 5, false, {52, 1, 1, 1, 2}, {1, 0, 0, 0, 0}, {0x0, 0x0, 0x2, 0x2, 0x4}},
      {&Rules().Html,
       8,
       true,
       {1, 1, 1, 2, 1, 19, 2, 2},
       {0, 0, 0, 0, 0, 1, 0, 0},
       {0x0, 0x1, 0xF0008, 0x102, 0x4, 0x800, 0x802, 0x800}},
      {&Rules().JavaScript, 3, false, {19, 2, 2}, {1, 0, 0}, {0x0, 0x2, 0x4}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.set->GroupCount, c.groups);
    EXPECT_EQ(c.set->FoldCase, c.foldCase);
    for (int g = 0; g < kHiliteMaxGroups; ++g) {
      const HiliteGroup& group = c.set->Groups[static_cast<std::size_t>(g)];
      EXPECT_GE(group.StartWords.capacity(), 55u);
      EXPECT_GE(group.EndWords.capacity(), 55u);
      if (g >= c.groups) {
        EXPECT_EQ(group.WordCount, 0);
        continue;
      }
      EXPECT_EQ(group.WordCount, c.words[static_cast<std::size_t>(g)]) << g;
      EXPECT_EQ(static_cast<int>(group.StartWords.size()), group.WordCount);
      EXPECT_EQ(group.Mode, c.modes[static_cast<std::size_t>(g)]) << g;
      EXPECT_EQ(c.set->Styles[static_cast<std::size_t>(g)].Flags,
                c.flags[static_cast<std::size_t>(g)])
          << g;
    }
  }
  // Words in table order, colours in the platform's layout (red in the low byte).
  EXPECT_EQ(Rules().Cpp.Groups[0].StartWords.front(), "char");
  EXPECT_EQ(Rules().Cpp.Groups[0].StartWords[49], "NULL");
  EXPECT_EQ(Rules().Cpp.Groups[0].StartWords.back(), "const");
  EXPECT_EQ(Rules().Html.Groups[5].StartWords.back(), "function");
  EXPECT_EQ(Rules().Html.Groups[2].StartWords[0], "<script");
  EXPECT_EQ(Rules().Html.Groups[2].EndWords[0], "</script>");
  EXPECT_EQ(Rules().Html.Groups[7].EndWords[1], "\r\n");
  EXPECT_EQ(Rules().Html.Styles[0].Color, 0xB432B4u);
  EXPECT_EQ(Rules().Html.Styles[5].Color, 0x1414FFu);
  EXPECT_EQ(Rules().Cpp.Styles[1].Color, 0x1E9B00u);
}

TEST(IsWordDelimiter, HoldsExactlyTheThirtyFourCharacters) {
  const std::string delimiters = " \t\n\r.,;:-+*/%()[]{}<>^!#$&?@\"'`~=|";
  int count = 0;
  for (int c = 0; c < 256; ++c) {
    const bool expected = delimiters.find(static_cast<char>(c)) != std::string::npos;
    EXPECT_EQ(IsWordDelimiter(static_cast<char>(c)), expected) << c;
    count += IsWordDelimiter(static_cast<char>(c));
  }
  EXPECT_EQ(count, 34);
  for (const char c : std::string("aZ09_\\\xE0\xC0\xA0\x80\xFF\x00", 12))
    EXPECT_FALSE(IsWordDelimiter(c)) << static_cast<int>(static_cast<unsigned char>(c));
}

struct MaskCase {
  const char* what;
  std::string text;
  std::string mask;
};

void expectMasks(const HiliteRuleSet& set, const std::vector<ColorLetter>& letters,
                 const std::vector<MaskCase>& cases) {
  for (const MaskCase& c : cases) {
    ASSERT_EQ(c.text.size(), c.mask.size()) << c.what;
    EXPECT_EQ(ToMask(HiliteColors(c.text, set, 0), letters), c.mask) << c.what << "\n" << c.text;
  }
}

TEST(HiliteColors, CppKeywordsAreWholeCaseSensitiveWords) {
  expectMasks(Rules().Cpp, CppLetters(),
              {
                  {"iffy, _if and \\if are no keywords; if( and if at both ends are",
                   "if iffy _if \\if (if) if", "kk...............kk..kk"},
                  {"case counts", "Return return NULL null", ".......kkkkkk.kkkk....."},
                  {"a keyword inside a comment takes the comment colour", "// if\r\nif",
                   "ccccccckk"},
                  {"a digit or a Cyrillic letter binds a word", "if1 \xE8if if\xE8",
                   "..........."},
              });
}

TEST(HiliteColors, CppRegionsRunFromStartWordToEndWordOrWindowEnd) {
  expectMasks(Rules().Cpp, CppLetters(),
              {
                  {"an unclosed comment runs to the window end", "int a; /* open\r\nx",
                   "kkk....cccccccccc"},
                  {"a single quote inside a string opens nothing", "\"a'b\" 'c'",
                   "sssss.sss"},
                  {"a preprocessor line ends with its line break", "#include <x>\r\nint",
                   "ppppppppppppppkkk"},
                  {"a string runs on to the window end", "x = \"abc", "....ssss"},
                  {"after a mismatch the current character may begin the end word",
                   "/* a **/ b", "cccccccc.."},
              });
}

TEST(HiliteColors, JavaScriptRules) {
  expectMasks(Rules().JavaScript, JsLetters(),
              {
                  // The words of a group do not see each other: a double quote inside a
                  // single-quoted string opens a string of its own, here to the window's end.
                  {"keywords, a double quote inside a single-quoted string",
                   "function f(){return 'a\"b'}", "kkkkkkkk.....kkkkkk.ssssss"},
                  {"keywords at the window's very start and end", "this.x=true",
                   "kkkk...kkkk"},
                  {"no case folding", "If IF if", "......kk"},
                  {"line comment up to and including its line break", "x // y\r\nvar",
                   "..cccccckkk"},
              });
}

TEST(HiliteColors, HtmlEntitiesTagsAndQuotedValues) {
  expectMasks(Rules().Html, HtmlLetters(),
              {
                  {"an entity", "a &amp; b", "..eeeee.."},
                  {"an entity without \";\" runs to the window end, tags over it",
                   "x &nbsp y <b> z", "..eeeeeeeetttee"},
                  {"entity colour inside a tag gives way to the tag and value colours",
                   "<a href=\"?a=1&amp;b=2\">", "ttttttttqqqqqqqqqqqqqqt"},
                  {"quoted text outside a tag keeps the default colour",
                   "say \"hi\" <p class='x'>", ".........tttttttttqqqt"},
                  {"tags are found whatever their case", "<P>", "ttt"},
              });
}

TEST(HiliteColors, HtmlComments) {
  expectMasks(Rules().Html, HtmlLetters(),
              {
                  {"\"--->\" does not close a comment; a later \"-->\" does",
                   "<!-- a ---> b --> c", "mmmmmmmmmmmmmmmmm.."},
                  {"an unclosed comment runs to the window end", "<!-- x", "mmmmmm"},
                  {"a comment without its closing never ends", "<!-- a --->", "mmmmmmmmmmm"},
              });
}

TEST(HiliteColors, HtmlScriptRegions) {
  expectMasks(
      Rules().Html, HtmlLetters(),
      {
          {"an upper-case script tag opens a script region",
           "<SCRIPT>var s=\"<b>\";</SCRIPT>", "ttttttttKKK...SSSSS.ttttttttt"},
          {"the opening tag's quoted value keeps the tag-quote colour",
           "<script type=\"a\">x='b'</script>", "tttttttttttttqqqt..SSSttttttttt"},
          {"script keywords count only inside the region; script comments",
           "if <script>// if\r\n</script>", "...ttttttttCCCCCCCttttttttt"},
          {"a \"<\" in a comparison opens a tag up to the next \">\"",
           "<script>if(a<b)x();</script>", "ttttttttKK..tttttttttttttttt"},
          {"a script region still open at the window end", "<script>/* x", "ttttttttCCCC"},
      });
}

// The colour of each fragment of a text: every character of the fragment has it.
void expectFragments(const std::string& text, const std::vector<std::uint32_t>& colors,
                     const std::vector<std::pair<std::string, std::uint32_t>>& fragments) {
  for (const auto& [fragment, color] : fragments) {
    const std::size_t at = text.find(fragment);
    ASSERT_NE(at, std::string::npos) << fragment;
    for (std::size_t i = at; i < at + fragment.size(); ++i)
      EXPECT_EQ(colors[i], color) << fragment << " at " << i - at;
  }
}

using namespace lumbrix::literals;

TEST(HiliteColors, ARealisticPage) {
  const std::string page = std::string(
      "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n  <title>Моя страница &mdash; пример</title>\r\n"
      "  <script type=\"text/javascript\">\r\n    // счётчик\r\n"
      "    function count(n) {\r\n      var greeting = \"привет\";\r\n"
      "      if (n < 10) return 'мало';\r\n"
      "      /* иначе */ return \"много\";\r\n    }\r\n  </script>\r\n</head>\r\n"
      "<body class='main'>\r\n  <!-- шапка -->\r\n"
      "  <h1 id=\"top\">Привет &amp; \"до встречи\"</h1>\r\n"
      "  <p>if else for</p>\r\n</body>\r\n</html>\r\n"_w);
  const std::uint32_t ink = Rgb(1, 2, 3);
  const auto colors = HiliteColors(page, Rules().Html, ink);
  const std::uint32_t tag = Rgb(0, 50, 255), value = Rgb(0, 0, 180), entity = Rgb(180, 50, 180),
                      comment = Rgb(130, 150, 130), keyword = Rgb(255, 20, 20),
                      string = Rgb(100, 0, 200), scriptComment = Rgb(150, 170, 200);
  auto w = [](std::string_view utf8) { return std::string(utf8); };
  expectFragments(page, colors,
                  {
                      {"<!DOCTYPE html>", tag},
                      {"<title>", tag},
                      {w("Моя страница "_w), ink},
                      {"&mdash;", entity},
                      {"<script type=", tag},
                      {"\"text/javascript\"", value},
                      {w("// счётчик\r\n"_w), scriptComment},
                      {"function", keyword},
                      {" count(n) {", ink},
                      {"var", keyword},
                      {w("\"привет\""_w), string},
                      {"if", keyword},
                      // The comparison's "<" opens a tag that runs to the end of "</script>":
                      // quoted texts in it take the tag-quote colour, script words and
                      // comments still take theirs.
                      {"< 10) ", tag},
                      {"return", keyword},
                      {w("'мало'"_w), value},
                      {w("/* иначе */"_w), scriptComment},
                      {w("\"много\""_w), value},
                      {"}\r\n  </script>", tag},
                      {"<body class=", tag},
                      {"'main'", value},
                      {w("<!-- шапка -->"_w), comment},
                      {"\"top\"", value},
                      {w("Привет "_w), ink},
                      {"&amp;", entity},
                      {w(" \"до встречи\""_w), ink},
                      {"if else for", ink},
                  });
}

TEST(HiliteColors, ARealisticCppFile) {
  const std::string file =
      "#include <stdio.h>\r\n\r\n/* entry */\r\nint main(void) {\r\n"
      "  const char* s = \"it's // a comment, as far as the rules go\";\r\n  char c = 'x';\r\n"
      "  if (s) return 0; // done\r\n  else return 1;\r\n}\r\n";
  const auto colors = HiliteColors(file, Rules().Cpp, 0);
  const std::uint32_t keyword = Rgb(0, 0, 255), pre = Rgb(0, 155, 30), str = Rgb(150, 0, 200),
                      comment = Rgb(180, 180, 200);
  expectFragments(file, colors,
                  {
                      {"#include <stdio.h>\r\n", pre},
                      {"/* entry */", comment},
                      {"int", keyword},
                      {" main(", 0},
                      {"void", keyword},
                      {"const", keyword},
                      {"\"it's ", str},
                      // The comment group has no context: "//" inside a string opens a comment.
                      {"// a comment, as far as the rules go\";\r\n", comment},
                      {"'x'", str},
                      {"return", keyword},
                      {"// done\r\n", comment},
                      {"else", keyword},
                  });
}

}  // namespace
}  // namespace lumbrix
