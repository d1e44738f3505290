// The code pane's costs that a user feels: mapping a core position at a 64 KB page, and a
// keystroke at its middle, beside a bare QsciScintilla in the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "QtBench.h"
#include "common/WinText.h"
#include "common/qt/CodePane.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

std::string page() {
  const std::string line = std::string("<p class=\"x\">Пример строки страницы, text</p>"_w);
  std::string text;
  while (text.size() < 64 * 1024) text += line + "\r\n";
  return text;
}

void BM_CodePaneMapPosition(benchmark::State& state) {
  CodePane pane;
  pane.SetText(page());
  const int n = pane.TextLength();
  int pos = 0;
  for (auto _ : state) {
    pos = (pos + 7919) % n;
    benchmark::DoNotOptimize(pane.toChars(pane.toBytes(pos)));
  }
  state.SetLabel("one toBytes and one toChars per iteration");
}
BENCHMARK(BM_CodePaneMapPosition)->Unit(benchmark::kMicrosecond);

void BM_CodePaneSelStart(benchmark::State& state) {
  CodePane pane;
  pane.SetText(page());
  const int n = pane.TextLength();
  int pos = 0;
  for (auto _ : state) {
    pos = (pos + 7919) % n;
    pane.SetSelection(pos, 0);
    benchmark::DoNotOptimize(pane.SelStart());
  }
}
BENCHMARK(BM_CodePaneSelStart)->Unit(benchmark::kMicrosecond);

void typeAtMiddle(benchmark::State& state, QsciScintilla* w, bool paint) {
  bench::ShowAtMiddle(w);
  const char keys[] = "hello world ";
  int i = 0;
  for (auto _ : state) {
    // Type a word, then take it back, so the page stays the same size.
    if (i % 2 == 0)
      QTest::keyClick(w, keys[(i / 2) % 12]);
    else
      QTest::keyClick(w, Qt::Key_Backspace);
    ++i;
    if (paint) QCoreApplication::processEvents();
  }
}

void BM_TypeCodePane(benchmark::State& state) {
  CodePane pane;
  pane.SetText(page());
  typeAtMiddle(state, pane.widget(), state.range(0) != 0);
}
BENCHMARK(BM_TypeCodePane)->Arg(0)->Arg(1)->ArgName("paint")->Unit(benchmark::kMicrosecond);

void BM_TypeBareQsciScintilla(benchmark::State& state) {
  QsciScintilla w;
  bench::LoadBare(w, page());
  typeAtMiddle(state, &w, state.range(0) != 0);
}
BENCHMARK(BM_TypeBareQsciScintilla)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("paint")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumbrix
