// Find and replace over random pages, search texts, regions and options. The region lists agree
// with the document window's own InsideElement at any position asked in any order; each
// occurrence the search finds is the search text in an accepted region, and a candidate it
// passes over is outside the region; replacing all replaces exactly the occurrences that a
// series of searches finds and keeps every other character; and, where no region or word
// boundary can change, no occurrence remains but one the replacement makes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "common/CaseMap.h"
#include "common/MemoryPane.h"
#include "document/EditForm.h"
#include "search/FindForm.h"
#include "settings/Settings.h"
#include "support/FakeDialogs.h"
#include "FuzzCheck.h"

namespace {

using namespace lumbrix;

bool occursAt(const std::string& text, const std::string& what, int at, bool matchCase) {
  if (what.empty() || at < 0 || at + what.size() > text.size()) return false;
  for (std::size_t k = 0; k < what.size(); ++k) {
    const char a = text[static_cast<std::size_t>(at) + k], b = what[k];
    if (matchCase ? a != b : WinToLower(a) != WinToLower(b)) return false;
  }
  return true;
}

// The region test as the find dialog's table states it, through InsideElement.
bool inRegion(const TEditForm& form, const TFindForm& find, int pos) {
  if (find.WhereIndex >= 0 && find.WhereIndex < kWhereCount)
    for (const std::string_view name : WhereItems()[find.WhereIndex].elements)
      if (!name.empty() && !form.InsideElement(std::string(name), pos)) return false;
  return !find.ExceptScripts || !form.InsideElement("script", pos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  Settings settings;
  testing::FakeDialogs dialogs;
  MemoryPane code, plain;
  TEditForm form(settings, dialogs, code, plain);
  TFindForm find(dialogs);
  find.ActiveDocument = [&form] { return &form; };
  find.WhereIndex = in.ConsumeIntegralInRange(0, kWhereCount - 1);
  find.MatchCase = in.ConsumeBool();
  find.WholeWordsOnly = in.ConsumeBool();
  find.TagsOnly = in.ConsumeBool();
  find.ExceptScripts = in.ConsumeBool() && find.WhereIndex != kWhereScripts;
  find.What = in.ConsumeRandomLengthString(8);
  find.ReplaceWith = in.ConsumeRandomLengthString(8);
  const auto selStart = in.ConsumeIntegral<std::uint16_t>();
  const auto selLength = in.ConsumeIntegral<std::uint16_t>();
  std::vector<int> asked(in.ConsumeIntegralInRange(0, 6));
  for (int& pos : asked) pos = in.ConsumeIntegral<std::uint16_t>();
  const std::string text = in.ConsumeRemainingBytesAsString();
  const int n = static_cast<int>(text.size());
  code.SetText(text);
  code.SetSelection(selStart % (n + 1), selLength);

  // The region lists against InsideElement, positions asked in any order.
  RegionFilter filter(text, find.WhereIndex, find.ExceptScripts);
  for (const int pos : asked)
    check(filter.Accepts(pos % (n + 1)) == inRegion(form, find, pos % (n + 1)));

  // The occurrences a series of searches finds, each searched on from the end of the last.
  const bool selection = find.WhereIndex == kWhereSelection;
  const int start = selection ? code.SelStart() : 0;
  const int end = selection ? start + code.SelLength() : n;
  const std::string search = find.TagsOnly ? "<" + find.What : find.What;
  const int lead = find.TagsOnly ? 1 : 0, what = static_cast<int>(find.What.size());
  const int length = static_cast<int>(search.size());
  std::vector<int> found;  // where each replaced text begins, after the "<" of a tag
  int oracleCalls = 0;     // InsideElement reads the whole text: a few calls per input
  for (int from = start; !find.What.empty();) {
    find.RangeStart = from;
    find.RangeLength = end - from;
    const bool ok = find.FindInRange(text);
    const int at = ok ? find.LastMatch - lead : end;
    if (ok) check(at >= from && at + length <= end && occursAt(text, search, at, find.MatchCase));
    // Candidates before it lie outside the region (word boundaries aside).
    for (int q = from; q <= at && q + length <= end && oracleCalls < 24; ++q)
      if ((q == at || !find.WholeWordsOnly) && occursAt(text, search, q, find.MatchCase))
        ++oracleCalls, check(inRegion(form, find, q) == (q == at));
    if (!ok) break;
    found.push_back(find.LastMatch);
    from = at + length;
  }

  // Replacing all: the same occurrences, every other character kept.
  std::string expected;
  std::vector<std::pair<int, int>> made;  // where each replacement lies in the new text
  int copied = 0;
  for (const int at : found) {
    expected.append(text, static_cast<std::size_t>(copied), static_cast<std::size_t>(at - copied));
    const int made0 = static_cast<int>(expected.size());
    made.emplace_back(made0, made0 + static_cast<int>(find.ReplaceWith.size()));
    expected += find.ReplaceWith;
    copied = at + what;
  }
  expected.append(text, static_cast<std::size_t>(copied));
  find.ReplaceExecute();
  find.FindButtonClick();
  check(code.Text() == (find.What.empty() ? text : expected));
  check(found.empty() || dialogs.messages.back().text.ends_with(std::to_string(found.size())));

  // With no region and no word boundary to change, an occurrence left in the range touches a
  // replacement.
  if (find.What.empty() || find.WhereIndex > kWhereSelection || find.ExceptScripts ||
      find.WholeWordsOnly)
    return 0;
  const int newEnd = end + static_cast<int>(expected.size()) - n;
  for (int q = start; q + length <= newEnd; ++q) {
    if (!occursAt(expected, search, q, find.MatchCase)) continue;
    bool touches = false;  // overlaps a replacement, or spans the place of an empty one
    for (const auto& [a, b] : made) touches = touches || (q < b && q + length > a);
    check(touches);
  }
  return 0;
}
