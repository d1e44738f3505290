// The matcher finds a group's words through their first characters and skips what none of them
// begins. Stepping every word of every group at every examined character, as the rules are
// written, must give the same colours on any text.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/CaseMap.h"
#include "highlight/Hilite.h"

namespace lumbrix {
namespace {

std::vector<std::uint32_t> literalColors(std::string win, const HiliteRuleSet& set) {
  if (set.FoldCase)
    for (char& c : win) c = WinToLower(c);
  const int n = static_cast<int>(win.size());
  std::vector<std::uint32_t> color(win.size(), 0);
  std::vector<unsigned> bits(win.size(), 0);
  for (int g = 0; g < set.GroupCount; ++g) {
    const HiliteGroup& group = set.Groups[g];
    const unsigned flags = set.Styles[g].Flags, own = flags & 0xFF, ctx = (flags >> 8) & 0xFF;
    struct {
      bool inStart = false, open = false, inEnd = false;
      std::size_t si = 0, ei = 0;
      int begin = 0, end = 0;
    } st[kHiliteMaxWords];
    for (int k = 0; k < n; ++k) {
      if ((ctx && !(bits[k] & ctx)) || (bits[k] & own)) continue;
      for (int w = 0; w < group.WordCount; ++w) {
        auto& m = st[w];
        const std::string &s = group.StartWords[w], &e = group.EndWords[w];
        bool matched = false, retry = true;
        for (int pass = 0; pass < 2 && retry; ++pass) {
          retry = false;
          if (!m.open) {
            if (!m.inStart) {
              if (s[0] == win[k] && (group.Mode == 0 || k == 0 || IsWordDelimiter(win[k - 1])))
                m.inStart = true, m.si = 1, m.begin = k;
            } else if (s[m.si] == win[k]) {
              ++m.si;
            } else {
              m.inStart = false, m.si = 0, retry = true;
            }
            if (m.inStart && m.si == s.size()) {
              if (group.Mode == 0)
                m.open = true;
              else if (k == n - 1 || IsWordDelimiter(win[k + 1]))
                m.end = k, matched = true;
              m.inStart = false, m.si = 0;
            }
          } else {
            if (!m.inEnd) {
              if (e[0] == win[k]) m.inEnd = true, m.ei = 1;
            } else if (e[m.ei] == win[k]) {
              ++m.ei;
            } else {
              m.inEnd = false, m.ei = 0, retry = true;
            }
            if (m.inEnd && m.ei == e.size()) m.end = k, matched = true, m.inEnd = false, m.ei = 0;
          }
        }
        if (k == n - 1 && m.open) m.end = k, matched = true;
        if (!matched) continue;
        for (int j = m.begin; j <= m.end; ++j) {
          if ((flags & 0xF0000) == 0) color[j] = set.Styles[g].Color;
          bits[j] |= own;
        }
        m.open = false, m.inEnd = false, m.ei = 0;
      }
    }
  }
  return color;
}

TEST(HiliteMatcher, GivesTheLiteralStepsColoursOnAnyText) {
  // Pieces the rules react to, so that words start, break off, nest and stay open every way.
  const std::vector<std::string> pieces = {
      "<",  ">",        "<script>", "</script>", "<SCRIPT ", "</scr",  "&",   ";",    "&amp;",
      "\"", "'",        "<!--",     "-->",       "--->",     "/*",     "*/",  "//",   "\r\n",
      "#",  " ",        "if",       "iffy",      "If",       "return", "var", "NULL", "int",
      "x",  "\xE0\xC1", "_",        "\\",        "(",        "=",      "-",   "!",    "s"};
  const HiliteRules rules = InitHiliteRules();
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  for (int round = 0; round < 300; ++round) {
    std::string text;
    while (static_cast<int>(text.size()) < 1 + round * 7 % 400) text += pieces[pick(rng)];
    for (const HiliteRuleSet* set : {&rules.Html, &rules.JavaScript, &rules.Cpp})
      ASSERT_EQ(HiliteColors(text, *set, 0), literalColors(text, *set)) << text;
  }
}

}  // namespace
}  // namespace lumbrix
