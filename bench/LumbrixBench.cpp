// "Lumbrix!" on a 64 KB plain text of Russian prose with headings, blank lines and the characters
// HTML reserves, beside a plain copy of the same bytes through the entity table: the converter's
// cost over the least that any conversion of the text must do. The same text at 16 and 256 KB
// shows the time growing with the length and no faster.
#include <benchmark/benchmark.h>

#include <string>

#include "commands/LumbrixConverter.h"
#include "common/Entities.h"
#include "common/WinText.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

std::string proseOf(std::size_t limit) {
  const std::string heading("\tГлава о словах & знаках\r\n"_w);
  const std::string paragraph(
      "Он сказал: \"Тег <b> пишут в угловых скобках, а знак & заменяют\"  — "
      "и продолжил объяснять, почему строка не должна быть длиннее экрана.\r\n"_w);
  const std::string indented("\t\tПодзаголовок второго уровня\r\n"_w);
  std::string t;
  for (int i = 0;; ++i) {
    std::string block = (i % 4 == 0 ? heading : std::string()) + paragraph + paragraph +
                        (i % 7 == 0 ? indented : std::string()) + "  " + paragraph + "\r\n";
    if (t.size() + block.size() > limit) break;
    t += block;
  }
  return t;
}

const std::string& prose() {
  static const std::string text = proseOf(65535);
  return text;
}

void BM_LumbrixConvert(benchmark::State& state) {
  LumbrixOptions options;
  options.mode = static_cast<LumbrixMode>(state.range(0));
  options.indent = 4;
  for (auto _ : state) benchmark::DoNotOptimize(ConvertPlainText(prose(), options));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(prose().size()));
}
BENCHMARK(BM_LumbrixConvert)->ArgName("mode")->Arg(0)->Arg(1);

// Mode 1 over 16, 64 and 256 KB: the fitted complexity is linear.
void BM_LumbrixConvertLength(benchmark::State& state) {
  const std::string text = proseOf(static_cast<std::size_t>(state.range(0)) * 1024 - 1);
  const LumbrixOptions options;
  for (auto _ : state) benchmark::DoNotOptimize(ConvertPlainText(text, options));
  state.SetComplexityN(static_cast<std::int64_t>(text.size()));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_LumbrixConvertLength)->ArgName("KB")->Arg(16)->Arg(64)->Arg(256)->Complexity();

void BM_EntityCopy(benchmark::State& state) {
  for (auto _ : state) {
    std::string out;
    out.reserve(prose().size() + prose().size() / 4);
    for (const char c : prose()) {
      const std::string_view entity = EntityOf(static_cast<unsigned char>(c));
      if (entity.empty())
        out += c;
      else
        out += entity;
    }
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(prose().size()));
}
BENCHMARK(BM_EntityCopy);

}  // namespace
}  // namespace lumbrix
