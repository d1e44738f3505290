// Decoding and encoding a 65,535-byte KOI8-R page, side by side with glibc's iconv converting
// the same bytes and with a bare 256-byte table loop (the practical limit of any converter).
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <array>
#include <string>

#include "document/FileKinds.h"
#include "common/CodePage.h"
#include "document/Encodings.h"

namespace lumbrix {
namespace {

// A Russian page in KOI8-R with LF line ends, 65,535 bytes: markup, words and a line break
// every 60 or so characters.
std::string koiPage() {
  const std::string words[] = {"<p>",
                               "\xf0\xd2\xc9\xd7\xc5\xd4",
                               "\xcd\xc9\xd2",
                               "</p>",
                               "\xd3\xd4\xd2\xc1\xce\xc9\xc3\xc1",
                               "<a href=\"x.htm\">",
                               "\xe5\xdd\xc5",
                               "</a>",
                               "text",
                               "\xc4\xcc\xd1"};
  std::string page;
  std::size_t line = 0;
  unsigned seed = 7;
  while (page.size() < 65535) {
    seed = seed * 1103515245u + 12345u;
    const std::string& w = words[(seed >> 16) % 10];
    page += w;
    page += ' ';
    line += w.size() + 1;
    if (line > 60) {
      page += '\n';
      line = 0;
    }
  }
  page.resize(65535);
  return page;
}

const std::string& koi() {
  static const std::string page = koiPage();
  return page;
}

const std::string& win() {
  static const std::string text = DecodeFileText(koi(), true, EncodingKoi8);
  return text;
}

void setBytes(benchmark::State& state, std::size_t n) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * n));
}

void BM_Lumbrix_DecodeKoi(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(DecodeFileText(koi(), true, EncodingKoi8));
  setBytes(state, koi().size());
}
BENCHMARK(BM_Lumbrix_DecodeKoi);

void BM_Lumbrix_EncodeKoiHtml(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(EncodeFileText(win(), true, EncodingKoi8, KindHtml));
  setBytes(state, win().size());
}
BENCHMARK(BM_Lumbrix_EncodeKoiHtml);

void iconvRun(benchmark::State& state, const char* to, const char* from, const std::string& in) {
  iconv_t cd = iconv_open(to, from);
  std::string out(in.size() * 2, '\0');
  for (auto _ : state) {
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    benchmark::DoNotOptimize(out.data());
  }
  iconv_close(cd);
  setBytes(state, in.size());
}

void BM_Iconv_DecodeKoi(benchmark::State& state) {
  iconvRun(state, "CP1251", "KOI8-R", koi());
}
BENCHMARK(BM_Iconv_DecodeKoi);

void BM_Iconv_EncodeKoi(benchmark::State& state) {
  iconvRun(state, "KOI8-R", "CP1251", win());
}
BENCHMARK(BM_Iconv_EncodeKoi);

// Only a table lookup per byte, into a buffer allocated once: no line ends, no entities.
void BM_TableLoop(benchmark::State& state) {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = ToWin(static_cast<unsigned char>(c), EncodingKoi8);
  const std::string& in = koi();
  std::string out(in.size(), '\0');
  for (auto _ : state) {
    const auto* p = reinterpret_cast<const unsigned char*>(in.data());
    char* o = out.data();
    for (std::size_t i = 0; i < in.size(); ++i) o[i] = static_cast<char>(table[p[i]]);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  setBytes(state, in.size());
}
BENCHMARK(BM_TableLoop);

}  // namespace
}  // namespace lumbrix
