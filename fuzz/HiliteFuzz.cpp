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

#include "HiliteStepping.h"
#include "common/MemoryPane.h"
#include "document/EditForm.h"
#include "highlight/Hilite.h"
#include "settings/Settings.h"
#include "support/FakeDialogs.h"
#include "FuzzCheck.h"

namespace {

using namespace lumbrix;

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
  const auto a = in.ConsumeIntegral<std::uint16_t>(), b = in.ConsumeIntegral<std::uint16_t>();
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
  const std::vector<std::uint32_t> colours = fuzzing::SteppedColours(window, set, defaultColor);
  check(HiliteColors(window, set, defaultColor) == colours);
  checkRuns(pane, first, last, colours);
  for (const std::uint32_t c : colours)
    check(c == (defaultColor & 0xFFFFFF) ||
          std::any_of(set.Styles.begin(), set.Styles.begin() + set.GroupCount,
                      [c](const HiliteStyle& style) { return style.Color == c; }));

  // A document window's pass, the caret anywhere in a document that repeats the text to
  // several times the pass's reach.
  Settings settings;
  settings.SO = true;
  settings.CETColor = static_cast<std::int32_t>(defaultColor & 0xFFFFFF);
  testing::FakeDialogs dialogs;
  MemoryPane code, plain;
  TEditForm form(settings, dialogs, code, plain);
  std::string document = text;
  while (kind % 2 == 0 && document.size() < 2 * kHiliteReach + 200) document += text;
  const int length = static_cast<int>(document.size());
  code.SetText(document);
  form.FileKind = kind;
  code.SetSelection(a * length / 65535, 0);
  HighlightSyntax(form, settings, rules);
  const HiliteRuleSet* kindSet = HiliteRulesForKind(rules, kind);
  const int caret = code.SelStart();
  const int from = std::max(0, caret - kHiliteReach);
  const int to = std::min(length - 1, caret + kHiliteReach);
  if (kindSet)
    checkRuns(code, from, to,
              HiliteColors(document.substr(from, to - from + 1), *kindSet, defaultColor));
  check(kindSet || code.ColorRuns().empty());
  check(code.Text() == document && code.SelStart() == caret && code.SelLength() == 0);
  return 0;
}
