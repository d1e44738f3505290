// The matcher: each group runs over the window once, every word of the group with its own
// small state machine (start word, then end word, with a single retry of the current character
// after a mismatch). A word that is neither part-way through its start word nor open can only
// react to its start word's first character, so the words of a group are found through their
// first characters and only the words in progress are stepped at every character; the words
// of a group never see each other's state, so this gives exactly the colours of stepping them
// all in order.
#include <algorithm>

#include "common/CaseMap.h"
#include "highlight/Hilite.h"

namespace lumbrix {

namespace {

struct Matcher {
  bool inStart = false;
  bool open = false;
  bool inEnd = false;
  int startIndex = 0;
  int endIndex = 0;
  int begin = 0;
  int end = 0;
};

struct Cells {
  std::vector<std::uint32_t> color;
  std::vector<std::uint8_t> bits;
};

class GroupPass {
 public:
  GroupPass(std::string_view window, const HiliteGroup& group, const HiliteStyle& style,
            Cells& cells)
      : win_(window),
        n_(static_cast<int>(window.size())),
        group_(group),
        cells_(cells),
        color_(style.Color & 0xFFFFFF),
        own_(static_cast<std::uint8_t>(style.Flags & kHiliteOwnMask)),
        context_(static_cast<std::uint8_t>((style.Flags >> 8) & 0xFF)),
        paints_((style.Flags & kHiliteMarkOnlyMask) == 0) {
    const int words = std::min<int>(
        {group.WordCount, static_cast<int>(group.StartWords.size()), kHiliteMaxWords});
    state_.assign(static_cast<std::size_t>(words), Matcher{});
    stamp_.assign(static_cast<std::size_t>(words), -1);
    next_.assign(static_cast<std::size_t>(words), -1);
    head_.fill(-1);
    // Linked in reverse so that each first character lists its words in table order.
    for (int w = words - 1; w >= 0; --w) {
      const std::string& s = group.StartWords[static_cast<std::size_t>(w)];
      if (s.empty()) continue;
      const auto c = static_cast<unsigned char>(s[0]);
      next_[static_cast<std::size_t>(w)] = head_[c];
      head_[c] = w;
    }
    active_.reserve(state_.size());
    stillActive_.reserve(state_.size());
  }

  void run() {
    for (int k = 0; k < n_; ++k) {
      const std::uint8_t bits = cells_.bits[static_cast<std::size_t>(k)];
      if (context_ != 0 && (bits & context_) == 0) continue;
      if ((bits & own_) != 0) continue;
      const char ch = win_[static_cast<std::size_t>(k)];
      stillActive_.clear();
      for (const int w : active_) step(w, k, ch);
      for (int w = head_[static_cast<unsigned char>(ch)]; w >= 0;
           w = next_[static_cast<std::size_t>(w)])
        if (stamp_[static_cast<std::size_t>(w)] != k) step(w, k, ch);
      active_.swap(stillActive_);
    }
  }

 private:
  void step(int w, int k, char ch) {
    const auto i = static_cast<std::size_t>(w);
    stamp_[i] = k;
    Matcher& m = state_[i];
    const std::string& s = group_.StartWords[i];
    const std::string& e = group_.EndWords[i];
    bool matched = false;
    for (int attempt = 0; attempt < 2; ++attempt) {
      bool retry = false;
      if (!m.open) {
        if (!m.inStart) {
          if (s[0] == ch && (group_.Mode == HiliteRegion || k == 0 ||
                             IsWordDelimiter(win_[static_cast<std::size_t>(k - 1)]))) {
            m.inStart = true;
            m.startIndex = 1;
            m.begin = k;
          }
        } else if (s[static_cast<std::size_t>(m.startIndex)] == ch) {
          ++m.startIndex;
        } else {
          m.inStart = false;
          m.startIndex = 0;
          retry = true;
        }
        if (m.inStart && m.startIndex == static_cast<int>(s.size())) {
          if (group_.Mode == HiliteRegion) {
            m.open = true;
          } else if (k == n_ - 1 || IsWordDelimiter(win_[static_cast<std::size_t>(k + 1)])) {
            m.end = k;
            matched = true;
          }
          m.inStart = false;
          m.startIndex = 0;
        }
      } else if (!e.empty()) {
        if (!m.inEnd) {
          if (e[0] == ch) {
            m.inEnd = true;
            m.endIndex = 1;
          }
        } else if (e[static_cast<std::size_t>(m.endIndex)] == ch) {
          ++m.endIndex;
        } else {
          m.inEnd = false;
          m.endIndex = 0;
          retry = true;
        }
        if (m.inEnd && m.endIndex == static_cast<int>(e.size())) {
          m.end = k;
          matched = true;
          m.inEnd = false;
          m.endIndex = 0;
        }
      }
      if (!retry) break;
    }
    // A region still open at the window's last examined character runs to it.
    if (k == n_ - 1 && m.open) {
      m.end = k;
      matched = true;
      m.inEnd = false;
      m.endIndex = 0;
    }
    if (matched) {
      for (int j = m.begin; j <= m.end; ++j) {
        const auto c = static_cast<std::size_t>(j);
        if (paints_) cells_.color[c] = color_;
        cells_.bits[c] |= own_;
      }
      m.open = false;
    }
    if (m.inStart || m.open) stillActive_.push_back(w);
  }

  std::string_view win_;
  int n_;
  const HiliteGroup& group_;
  Cells& cells_;
  std::uint32_t color_;
  std::uint8_t own_;
  std::uint8_t context_;
  bool paints_;
  std::vector<Matcher> state_;
  std::vector<int> stamp_;  // the offset each word was last stepped at
  std::vector<int> next_;   // the next word with the same first character
  std::array<int, 256> head_;
  std::vector<int> active_;
  std::vector<int> stillActive_;
};

}  // namespace

std::vector<std::uint32_t> HiliteColors(std::string_view window, const HiliteRuleSet& rules,
                                        std::uint32_t defaultColor) {
  std::string folded;
  if (rules.FoldCase) {
    folded.resize(window.size());
    std::transform(window.begin(), window.end(), folded.begin(), WinToLower);
    window = folded;
  }
  Cells cells{std::vector<std::uint32_t>(window.size(), defaultColor & 0xFFFFFF),
              std::vector<std::uint8_t>(window.size(), 0)};
  const int groups = std::clamp(rules.GroupCount, 0, kHiliteMaxGroups);
  for (int g = 0; g < groups; ++g) {
    const auto i = static_cast<std::size_t>(g);
    GroupPass(window, rules.Groups[i], rules.Styles[i], cells).run();
  }
  return std::move(cells.color);
}

std::vector<TextColorRun> HiliteRuns(const std::vector<std::uint32_t>& colors) {
  std::vector<TextColorRun> runs;
  for (std::size_t i = 0; i < colors.size();) {
    std::size_t j = i + 1;
    while (j < colors.size() && colors[j] == colors[i]) ++j;
    runs.push_back({static_cast<int>(j - i), colors[i]});
    i = j;
  }
  return runs;
}

void HiliteRange(TextPane& editor, int first, int last, const HiliteRuleSet& rules,
                 std::uint32_t defaultColor) {
  if (last < first) return;
  const std::string window = editor.TextRange(first, last - first + 1);
  editor.SetTextColors(first, HiliteRuns(HiliteColors(window, rules, defaultColor)));
}

}  // namespace lumbrix
