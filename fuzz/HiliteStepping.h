// The highlighter's colours the plain way, for the fuzz target to compare the matcher with:
// every word of every group stepped at every examined character, as the rule tables read.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/CaseMap.h"
#include "highlight/Hilite.h"

namespace lumbrix::fuzzing {

struct WordState {
  bool inStart = false, open = false, inEnd = false;
  std::size_t startIndex = 0, endIndex = 0;
  int begin = 0, end = 0;
};

inline std::vector<std::uint32_t> SteppedColours(std::string window, const HiliteRuleSet& set,
                                                 std::uint32_t defaultColor) {
  if (set.FoldCase) std::transform(window.begin(), window.end(), window.begin(), WinToLower);
  const int n = static_cast<int>(window.size());
  std::vector<std::uint32_t> colour(window.size(), defaultColor & 0xFFFFFF);
  std::vector<std::uint8_t> bits(window.size(), 0);
  for (int g = 0; g < set.GroupCount; ++g) {
    const HiliteGroup& group = set.Groups[g];
    const std::uint32_t flags = set.Styles[g].Flags;
    const auto own = static_cast<std::uint8_t>(flags & 0xFF);
    const auto context = static_cast<std::uint8_t>(flags >> 8 & 0xFF);
    const bool region = group.Mode == HiliteRegion;
    std::vector<WordState> words(static_cast<std::size_t>(group.WordCount));
    for (int k = 0; k < n; ++k) {
      if ((context != 0 && (bits[k] & context) == 0) || (bits[k] & own) != 0) continue;
      const char ch = window[k];
      for (int w = 0; w < group.WordCount; ++w) {
        WordState& m = words[w];
        bool matched = false, retry = true;
        for (int attempt = 0; attempt < 2 && retry; ++attempt) {
          retry = false;
          std::size_t& index = m.open ? m.endIndex : m.startIndex;
          bool& in = m.open ? m.inEnd : m.inStart;
          const std::string& word = m.open ? group.EndWords[w] : group.StartWords[w];
          if (!in) {
            if (word[0] == ch && (m.open || region || k == 0 || IsWordDelimiter(window[k - 1])))
              in = true, index = 1, m.begin = m.open ? m.begin : k;
          } else if (word[index] == ch) {
            ++index;
          } else {
            in = false, index = 0, retry = true;
          }
          if (!in || index != word.size()) continue;
          if (m.open || !region) matched = m.open || k == n - 1 || IsWordDelimiter(window[k + 1]);
          if (matched) m.end = k;
          m.open = m.open || region;
          in = false, index = 0;
        }
        if (k == n - 1 && m.open) matched = true, m.end = k;
        if (!matched) continue;
        for (int j = m.begin; j <= m.end; ++j) {
          if ((flags & kHiliteMarkOnlyMask) == 0) colour[j] = set.Styles[g].Color & 0xFFFFFF;
          bits[j] |= own;
        }
        m.open = false;
      }
    }
  }
  return colour;
}

}  // namespace lumbrix::fuzzing
