// The matcher: each group runs over the window once, every word of the group with its own
// small state machine (start word, then end word, with a single retry of the current character
// after a mismatch). A word that is neither part-way through its start word nor open can only
// react to its start word's first character, so the words of a group are found through their
// first characters and only the words in progress are stepped at every character; the words
// of a group never see each other's state, so this gives exactly the colours of stepping them
// all in order.
#include <algorithm>
#include <bit>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define LUMBRIX_HILITE_SSE2 1
#endif

#include "common/CaseMap.h"
#include "highlight/Hilite.h"

namespace lumbrix {

namespace {

// The delimiters as a table the matcher's inner loops can read without a call.
const std::array<bool, 256>& delimiters() {
  static const std::array<bool, 256> table = [] {
    std::array<bool, 256> t{};
    for (int c = 0; c < 256; ++c)
      t[static_cast<std::size_t>(c)] = IsWordDelimiter(static_cast<char>(c));
    return t;
  }();
  return table;
}

struct Matcher {
  bool inStart = false;
  bool open = false;
  bool inEnd = false;
  int startIndex = 0;
  int endIndex = 0;
  int begin = 0;
  int end = 0;
};

// Per character: which group's colour it has (0 the default colour, g + 1 group g's) and its
// class bits.
struct Cells {
  std::vector<std::uint8_t> paint;
  std::vector<std::uint8_t> bits;
  std::array<std::uint32_t, kHiliteMaxGroups + 1> palette{};
};

// One matcher state per word of the largest group, shared by the groups in turn.
struct Matchers {
  explicit Matchers(std::size_t words) : state(words), stamp(words), next(words) {}
  std::vector<Matcher> state;
  std::vector<int> stamp;  // the offset each word was last stepped at
  std::vector<int> next;   // the next word with the same first character
};

class GroupPass {
 public:
  GroupPass(std::string_view window, const HiliteGroup& group, const HiliteStyle& style,
            std::uint8_t paint, Cells& cells, Matchers& matchers)
      : win_(window),
        n_(static_cast<int>(window.size())),
        group_(group),
        cells_(cells),
        paint_(paint),
        own_(static_cast<std::uint8_t>(style.Flags & kHiliteOwnMask)),
        context_(static_cast<std::uint8_t>((style.Flags >> 8) & 0xFF)),
        paints_((style.Flags & kHiliteMarkOnlyMask) == 0),
        delim_(delimiters()),
        state_(matchers.state),
        stamp_(matchers.stamp),
        next_(matchers.next) {
    const int words = std::min<int>({group.WordCount, static_cast<int>(group.StartWords.size()),
                                     static_cast<int>(state_.size())});
    std::fill_n(state_.begin(), words, Matcher{});
    std::fill_n(stamp_.begin(), words, -1);
    std::fill_n(next_.begin(), words, -1);
    head_.fill(-1);
    interest_.fill(false);
    // Linked in reverse so that each first character lists its words in table order.
    for (int w = words - 1; w >= 0; --w) {
      const auto i = static_cast<std::size_t>(w);
      const std::string& s = group.StartWords[i];
      if (s.empty()) continue;
      const auto c = static_cast<unsigned char>(s[0]);
      next_[i] = head_[c];
      head_[c] = w;
      addInterest(s[0]);
      if (i < group.EndWords.size() && !group.EndWords[i].empty())
        addInterest(group.EndWords[i][0]);
    }
    for (int j = std::max(interestCount_, 1); j < static_cast<int>(interestChars_.size()); ++j)
      interestChars_[static_cast<std::size_t>(j)] = interestChars_[0];
  }

  void run() {
    const int last = n_ - 1;
    const auto* text = reinterpret_cast<const unsigned char*>(win_.data());
    const bool wholeWords = group_.Mode == HiliteWholeWord;
    for (int k = 0; k < n_; ++k) {
      // While no word is part-way through its start or end word, a character that begins none
      // of the group's words changes nothing, examined or not (a whole word begins only after
      // a delimiter); only the last character, where open regions end, must still be looked at.
      if (!busy_) {
        const std::uint8_t* bits = cells_.bits.data();
        for (;; ++k) {
          k = nextInteresting(text, k, last);
          if (k == last) break;
          if ((wholeWords && k > 0 && !delim_[text[k - 1]]) || (bits[k] & own_) != 0 ||
              (context_ != 0 && (bits[k] & context_) == 0))
            continue;
          break;
        }
      }
      const char ch = win_[static_cast<std::size_t>(k)];
      const std::uint8_t bits = cells_.bits[static_cast<std::size_t>(k)];
      if (context_ != 0 && (bits & context_) == 0) continue;
      if ((bits & own_) != 0) continue;
      busy_ = false;
      const int wasActive = activeCount_;
      int active[kHiliteMaxWords];
      std::copy_n(active_.begin(), wasActive, active);
      activeCount_ = 0;
      for (int i = 0; i < wasActive; ++i) step(active[i], k, ch);
      for (int w = head_[static_cast<unsigned char>(ch)]; w >= 0;
           w = next_[static_cast<std::size_t>(w)])
        if (stamp_[static_cast<std::size_t>(w)] != k) step(w, k, ch);
    }
  }

 private:
  void addInterest(char c) {
    bool& known = interest_[static_cast<unsigned char>(c)];
    if (known) return;
    known = true;
    if (interestCount_ < static_cast<int>(interestChars_.size()))
      interestChars_[static_cast<std::size_t>(interestCount_)] = c;
    ++interestCount_;
  }

  // The first offset from k on whose character begins a start or end word of the group, or
  // `last`. Most groups begin their words with one to four characters: those are looked for
  // sixteen at a time.
  int nextInteresting(const unsigned char* text, int k, int last) const {
#ifdef LUMBRIX_HILITE_SSE2
    if (interestCount_ <= static_cast<int>(interestChars_.size())) {
      const __m128i c0 = _mm_set1_epi8(interestChars_[0]);
      const __m128i c1 = _mm_set1_epi8(interestChars_[1]);
      const __m128i c2 = _mm_set1_epi8(interestChars_[2]);
      const __m128i c3 = _mm_set1_epi8(interestChars_[3]);
      for (; k + 16 <= last; k += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + k));
        const __m128i hit =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, c0), _mm_cmpeq_epi8(v, c1)),
                         _mm_or_si128(_mm_cmpeq_epi8(v, c2), _mm_cmpeq_epi8(v, c3)));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hit));
        if (mask != 0) return k + std::countr_zero(mask);
      }
    }
#endif
    while (k < last && !interest_[text[k]]) ++k;
    return k;
  }

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
          if (s[0] == ch &&
              (group_.Mode == HiliteRegion || k == 0 ||
               delim_[static_cast<unsigned char>(win_[static_cast<std::size_t>(k - 1)])])) {
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
          } else if (k == n_ - 1 ||
                     delim_[static_cast<unsigned char>(win_[static_cast<std::size_t>(k + 1)])]) {
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
        if (paints_) cells_.paint[c] = paint_;
        cells_.bits[c] |= own_;
      }
      m.open = false;
    }
    if (m.inStart || m.open) active_[static_cast<std::size_t>(activeCount_++)] = w;
    if (m.inStart || m.inEnd) busy_ = true;
  }

  std::string_view win_;
  int n_;
  const HiliteGroup& group_;
  Cells& cells_;
  std::uint8_t paint_;
  std::uint8_t own_;
  std::uint8_t context_;
  bool paints_;
  const std::array<bool, 256>& delim_;
  std::vector<Matcher>& state_;
  std::vector<int>& stamp_;
  std::vector<int>& next_;
  std::array<int, 256> head_;
  std::array<bool, 256> interest_;  // first characters of the group's start and end words
  std::array<char, 4> interestChars_{};
  int interestCount_ = 0;
  bool busy_ = false;  // a word is part-way through its start or end word
  // The words part-way through their start word or open, in the order they were stepped.
  std::array<int, kHiliteMaxWords> active_{};
  int activeCount_ = 0;
};

}  // namespace

namespace {

Cells paintCells(std::string_view window, const HiliteRuleSet& rules, std::uint32_t defaultColor) {
  std::string folded;
  if (rules.FoldCase) {
    folded.resize(window.size());
    std::transform(window.begin(), window.end(), folded.begin(), WinToLower);
    window = folded;
  }
  Cells cells{
      std::vector<std::uint8_t>(window.size(), 0), std::vector<std::uint8_t>(window.size(), 0), {}};
  cells.palette[0] = defaultColor & 0xFFFFFF;
  const int groups = std::clamp(rules.GroupCount, 0, kHiliteMaxGroups);
  // The class bits some cell carries: a group whose context no cell carries examines nothing.
  std::uint32_t stamped = 0;
  std::size_t largest = 0;
  for (int g = 0; g < groups; ++g)
    largest = std::max(
        largest, static_cast<std::size_t>(std::clamp(
                     rules.Groups[static_cast<std::size_t>(g)].WordCount, 0, kHiliteMaxWords)));
  Matchers matchers(largest);
  for (int g = 0; g < groups; ++g) {
    const auto i = static_cast<std::size_t>(g);
    cells.palette[i + 1] = rules.Styles[i].Color & 0xFFFFFF;
    const std::uint32_t context = (rules.Styles[i].Flags >> 8) & 0xFF;
    if (context != 0 && (stamped & context) == 0) continue;
    GroupPass(window, rules.Groups[i], rules.Styles[i], static_cast<std::uint8_t>(i + 1), cells,
              matchers)
        .run();
    stamped |= rules.Styles[i].Flags & kHiliteOwnMask;
  }
  return cells;
}

}  // namespace

std::vector<std::uint32_t> HiliteColors(std::string_view window, const HiliteRuleSet& rules,
                                        std::uint32_t defaultColor) {
  const Cells cells = paintCells(window, rules, defaultColor);
  std::vector<std::uint32_t> colors(cells.paint.size());
  for (std::size_t i = 0; i < colors.size(); ++i) colors[i] = cells.palette[cells.paint[i]];
  return colors;
}

void HiliteRange(TextPane& editor, int first, int last, const HiliteRuleSet& rules,
                 std::uint32_t defaultColor) {
  if (last < first) return;
  const std::string window = editor.TextRange(first, last - first + 1);
  const Cells cells = paintCells(window, rules, defaultColor);
  // Runs of equal colour: two groups of one colour make one run.
  std::vector<TextColorRun> runs;
  const std::size_t n = cells.paint.size();
  for (std::size_t i = 0; i < n;) {
    const std::uint32_t color = cells.palette[cells.paint[i]];
    std::size_t j = i + 1;
    while (j < n && (cells.paint[j] == cells.paint[i] || cells.palette[cells.paint[j]] == color))
      ++j;
    runs.push_back({static_cast<int>(j - i), color});
    i = j;
  }
  editor.SetTextColors(first, runs);
}

}  // namespace lumbrix
