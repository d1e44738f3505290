// The indentation of the caret's line at the start and at the end of a 64 KB page: the caret
// window bounds the work, so both must cost the same.
#include <benchmark/benchmark.h>

#include <string>

#include "commands/InsertionEngine.h"
#include "common/MemoryPane.h"

namespace lumbrix {
namespace {

MemoryPane& page() {
  static MemoryPane pane = [] {
    MemoryPane p;
    std::string text;
    while (text.size() < 65535 - 40) text += "        <td>cell text of the table</td>\r\n";
    p.SetText(text);
    return p;
  }();
  return pane;
}

// The caret after "<td>" on the second line, or on the last line.
int caret(bool atEnd) {
  const int line = 40;
  return atEnd ? page().TextLength() - line + 12 : line + 12;
}

void BM_CaretLineIndent(benchmark::State& state) {
  const int pos = caret(state.range(0) != 0);
  for (auto _ : state) benchmark::DoNotOptimize(CaretLineIndent(page(), pos));
}
BENCHMARK(BM_CaretLineIndent)->ArgName("atEnd")->Arg(0)->Arg(1);

void BM_IndentSnippet(benchmark::State& state) {
  MemoryPane& pane = page();
  pane.SetSelection(caret(state.range(0) != 0), 0);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        IndentSnippet(pane, "<table width=\"\">\r\n<tr>\r\n</tr>\r\n</table>"));
}
BENCHMARK(BM_IndentSnippet)->ArgName("atEnd")->Arg(0)->Arg(1);

}  // namespace
}  // namespace lumbrix
