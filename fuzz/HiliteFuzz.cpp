// The highlighter over random text: a range coloured by each rule set gets runs that cover it
// exactly, in colours of the rule set or the default colour, and the same colours as stepping
// every word of every group at every examined character (the matcher only skips work that
// changes nothing); a document window's pass colours the window around the caret.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/CaseMap.h"
#include "common/MemoryPane.h"
#include "document/EditForm.h"
#include "highlight/Hilite.h"
#include "settings/Settings.h"
#include "support/FakeDialogs.h"

namespace {

using namespace lumbrix;

// A broken property names its line and stops the run.
void check(bool ok, int line = __builtin_LINE()) {
  if (ok) return;
  std::fprintf(stderr, "property of line %d does not hold\n", line);
  std::abort();
}

struct WordState {
  bool inStart = false, open = false, inEnd = false;
  std::size_t startIndex = 0, endIndex = 0;
  int begin = 0, end = 0;
};

// Every word of a group stepped at every examined character, as the rule tables read.
std::vector<std::uint32_t> steppedColours(std::string window, const HiliteRuleSet& set,
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
        const std::string& s = group.StartWords[w];
        const std::string& e = group.EndWords[w];
        bool matched = false, retry = true;
        for (int attempt = 0; attempt < 2 && retry; ++attempt) {
          retry = false;
          std::size_t& index = m.open ? m.endIndex : m.startIndex;
          bool& in = m.open ? m.inEnd : m.inStart;
          const std::string& word = m.open ? e : s;
          if (!in) {
            if (word[0] == ch && (m.open || region || k == 0 || IsWordDelimiter(window[k - 1]))) {
              in = true;
              index = 1;
              if (!m.open) m.begin = k;
            }
          } else if (word[index] == ch) {
            ++index;
          } else {
            in = false;
            index = 0;
            retry = true;
          }
          if (!in || index != word.size()) continue;
          if (m.open || !region) matched = m.open || k == n - 1 || IsWordDelimiter(window[k + 1]);
          if (matched) m.end = k;
          m.open = m.open || region;
          in = false;
          index = 0;
        }
        if (k == n - 1 && m.open) matched = true, m.end = k, m.inEnd = false, m.endIndex = 0;
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

// The runs a pane received cover first..last one after the other, neighbours in different
// colours, each the colour of one character of the range.
void checkRuns(const MemoryPane& pane, int first, int last, const std::vector<std::uint32_t>& c) {
  int at = first;
  for (std::size_t i = 0; i < pane.ColorRuns().size(); ++i) {
    const MemoryPane::ColorRun& run = pane.ColorRuns()[i];
    check(run.start == at && run.length > 0 && at + run.length <= last + 1);
    check(i == 0 || run.color != pane.ColorRuns()[i - 1].color);
    for (int j = 0; j < run.length; ++j)
      check(c[static_cast<std::size_t>(at - first + j)] == run.color);
    at += run.length;
  }
  check(at == last + 1 || (last < first && pane.ColorRuns().empty()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const HiliteRules rules = InitHiliteRules();
  const HiliteRuleSet* sets[] = {&rules.Cpp, &rules.Html, &rules.JavaScript};
  FuzzedDataProvider in(data, size);
  const HiliteRuleSet& set = *sets[in.ConsumeIntegralInRange(0, 2)];
  const auto defaultColor = in.ConsumeIntegral<std::uint32_t>();
  const auto a = in.ConsumeIntegral<std::uint16_t>();
  const auto b = in.ConsumeIntegral<std::uint16_t>();
  const int kind = in.ConsumeIntegralInRange(0, 13);
  const std::string text = in.ConsumeRemainingBytesAsString();
  const int n = static_cast<int>(text.size());
  if (n == 0) return 0;

  // A range of the text.
  const int first = std::min(a, b) % n, last = std::max<int>(first, std::max(a, b) % n);
  MemoryPane pane;
  pane.SetText(text);
  HiliteRange(pane, first, last, set, defaultColor);
  check(pane.Text() == text && !pane.Modified() && pane.UndoDepth() == 0);
  const std::string window = text.substr(first, last - first + 1);
  const std::vector<std::uint32_t> colours = steppedColours(window, set, defaultColor);
  check(HiliteColors(window, set, defaultColor) == colours);
  checkRuns(pane, first, last, colours);
  for (const std::uint32_t c : colours) {
    bool known = c == (defaultColor & 0xFFFFFF);
    for (int g = 0; g < set.GroupCount; ++g) known = known || c == set.Styles[g].Color;
    check(known);
  }

  // A document window's pass, the caret anywhere.
  Settings settings;
  settings.SO = true;
  settings.CETColor = static_cast<std::int32_t>(defaultColor & 0xFFFFFF);
  testing::FakeDialogs dialogs;
  MemoryPane code, plain;
  TEditForm form(settings, dialogs, code, plain);
  code.SetText(text);
  form.FileKind = kind;
  code.SetSelection(a % (n + 1), 0);
  HighlightSyntax(form, settings, rules);
  const HiliteRuleSet* kindSet = HiliteRulesForKind(rules, kind);
  const int caret = code.SelStart();
  const int from = std::max(0, caret - kHiliteReach), to = std::min(n - 1, caret + kHiliteReach);
  if (!kindSet)
    check(code.ColorRuns().empty());
  else
    checkRuns(code, from, to,
              HiliteColors(text.substr(from, to - from + 1), *kindSet, defaultColor));
  check(code.Text() == text && code.SelStart() == caret && code.SelLength() == 0);
  return 0;
}
