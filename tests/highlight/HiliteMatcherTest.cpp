// The matcher finds a group's words through their first characters. Stepping every word of
// every group at every examined character, in table order, as the rules are written, must give
// the same colours on any text.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/CaseMap.h"
#include "highlight/Hilite.h"

namespace lumbrix {
namespace {

// The rules stepped literally: every word, every examined offset, no shortcuts.
std::vector<std::uint32_t> literalColors(std::string window, const HiliteRuleSet& set,
                                         std::uint32_t ink) {
  if (set.FoldCase)
    for (char& c : window) c = WinToLower(c);
  const int n = static_cast<int>(window.size());
  std::vector<std::uint32_t> color(window.size(), ink);
  std::vector<unsigned> bits(window.size(), 0);
  for (int g = 0; g < set.GroupCount; ++g) {
    const HiliteGroup& group = set.Groups[g];
    const std::uint32_t flags = set.Styles[g].Flags;
    const unsigned own = flags & 0xFF, context = (flags >> 8) & 0xFF;
    struct State {
      bool inStart = false, open = false, inEnd = false;
      std::size_t si = 0, ei = 0;
      int begin = 0, end = 0;
    };
    std::vector<State> st(static_cast<std::size_t>(group.WordCount));
    for (int k = 0; k < n; ++k) {
      if (context != 0 && (bits[k] & context) == 0) continue;
      if (bits[k] & own) continue;
      const char ch = window[k];
      for (int w = 0; w < group.WordCount; ++w) {
        State& m = st[w];
        const std::string& s = group.StartWords[w];
        const std::string& e = group.EndWords[w];
        bool matched = false;
        for (int pass = 0; pass < 2; ++pass) {
          bool retry = false;
          if (!m.open) {
            if (!m.inStart) {
              if (s[0] == ch && (group.Mode == 0 || k == 0 || IsWordDelimiter(window[k - 1]))) {
                m.inStart = true, m.si = 1, m.begin = k;
              }
            } else if (s[m.si] == ch) {
              ++m.si;
            } else {
              m.inStart = false, m.si = 0, retry = true;
            }
            if (m.inStart && m.si == s.size()) {
              if (group.Mode == 0)
                m.open = true;
              else if (k == n - 1 || IsWordDelimiter(window[k + 1]))
                m.end = k, matched = true;
              m.inStart = false, m.si = 0;
            }
          } else {
            if (!m.inEnd) {
              if (e[0] == ch) m.inEnd = true, m.ei = 1;
            } else if (e[m.ei] == ch) {
              ++m.ei;
            } else {
              m.inEnd = false, m.ei = 0, retry = true;
            }
            if (m.inEnd && m.ei == e.size()) m.end = k, matched = true, m.inEnd = false, m.ei = 0;
          }
          if (!retry) break;
        }
        if (k == n - 1 && m.open) m.end = k, matched = true, m.inEnd = false, m.ei = 0;
        if (matched) {
          for (int j = m.begin; j <= m.end; ++j) {
            if ((flags & 0xF0000) == 0) color[j] = set.Styles[g].Color;
            bits[j] |= own;
          }
          m.open = false;
        }
      }
    }
  }
  return color;
}

// Texts made of the pieces the rules react to, so that words start, break off, nest and stay
// open in every way.
std::string randomText(std::mt19937& rng, int length) {
  static const std::vector<std::string> pieces = {
      "<", ">", "<script>", "</script>", "<SCRIPT ", "</scr", "&", ";", "&amp;", "\"", "'",
      "<!--", "-->", "--->", "--", "/*", "*/", "//", "\r\n", "#", " ", "  ", "if", "iffy",
      "If", "return", "var", "function", "NULL", "int", "x", "\xE0\xC1", "_", "\\", "(", ")",
      "=", "-", "!", "script", "s"};
  std::string text;
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  while (static_cast<int>(text.size()) < length) text += pieces[pick(rng)];
  return text;
}

TEST(HiliteMatcher, GivesTheLiteralStepsColoursOnAnyText) {
  const HiliteRules rules = InitHiliteRules();
  std::mt19937 rng(20240611);
  for (int round = 0; round < 300; ++round) {
    const std::string text = randomText(rng, 1 + round * 7 % 400);
    for (const HiliteRuleSet* set : {&rules.Html, &rules.JavaScript, &rules.Cpp}) {
      ASSERT_EQ(HiliteColors(text, *set, 7), literalColors(text, *set, 7)) << text;
    }
  }
}

TEST(HiliteMatcher, GivesTheLiteralStepsColoursOnAWholePage) {
  const HiliteRules rules = InitHiliteRules();
  std::string page;
  for (int i = 0; i < 40; ++i)
    page += "<div class=\"row\" id='r" + std::to_string(i) +
            "'>&nbsp;<b>text</b> &lt; <!-- note --> more</div>\r\n"
            "<script>\r\n  var x = '<p>' + \"q\"; // c\r\n  if (x < 3) { return; } /* z */\r\n"
            "</script>\r\n";
  for (const HiliteRuleSet* set : {&rules.Html, &rules.JavaScript, &rules.Cpp})
    EXPECT_EQ(HiliteColors(page, *set, 0), literalColors(page, *set, 0));
}

}  // namespace
}  // namespace lumbrix
