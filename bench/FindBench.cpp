// The find dialog on a 64 KB page whose 1,000 sought words stand in nested tables, region
// "таблицы": one "Найти далее" at a time through the page, and "Заменить BCE" of them all. The
// replacement of every occurrence is one pass over the text; pages of growing length show its
// time growing in step with the length.
#include <benchmark/benchmark.h>

#include <string>

#include "common/MemoryPane.h"
#include "common/Platform.h"
#include "document/EditForm.h"
#include "search/FindForm.h"
#include "settings/Settings.h"

namespace lumbrix {
namespace {

class CountingDialogs : public Dialogs {
 public:
  MsgAnswer MessageBox(const std::string& text, const std::string&, MsgIcon, MsgButtons) override {
    last = text;
    ++count;
    return MsgAnswer::Ok;
  }
  std::optional<FileDialogResult> OpenFile(const FileDialogRequest&) override { return {}; }
  std::optional<FileDialogResult> SaveFile(const FileDialogRequest&) override { return {}; }
  std::optional<std::uint32_t> ChooseColor(std::uint32_t) override { return {}; }
  std::optional<FontChoice> ChooseFont(const FontChoice&) override { return {}; }
  std::string last;
  int count = 0;
};

constexpr int kTablesRegion = 7;

// `blocks` outer tables, each with two words in its cells and two in a table nested in it; a
// word after the nested table and one in a paragraph lie outside the region. Each block is
// padded with prose to `blockSize` bytes.
std::string page(int blocks, std::size_t blockSize) {
  const std::string block =
      "<table border=\"1\"><tr><td>word one</td><td>word two\r\n"
      "  <table><tr><td>the word three</td><td>word four</td></tr></table>\r\n"
      "  after the inner table, a word</td></tr></table>\r\n"
      "<p>a word outside the tables</p>\r\n";
  const std::string prose = "<p>Plain prose without the sought text, as pages have.</p>\r\n";
  std::string text = "<html><body>\r\n";
  for (int i = 0; i < blocks; ++i) {
    std::string b = block;
    while (b.size() + prose.size() <= blockSize) b += prose;
    b.append(blockSize > b.size() ? blockSize - b.size() : 0, ' ');
    text += b;
  }
  return text + "</body></html>";
}

// 250 blocks of four words: 1,000 occurrences in the region, the page just under 64 KB.
const std::string& page64() {
  static const std::string text = page(250, (65535 - 30) / 250);
  return text;
}

struct Dialog {
  Settings settings;
  CountingDialogs dialogs;
  MemoryPane code;
  MemoryPane plain;
  TEditForm document{settings, dialogs, code, plain};
  TFindForm find{dialogs};

  explicit Dialog(const std::string& text) {
    code.SetText(text);
    find.ActiveDocument = [this] { return &document; };
    find.What = "word";
    find.ReplaceWith = "term";
    find.WhereIndex = kTablesRegion;
  }
};

void BM_FindNextInTables(benchmark::State& state) {
  Dialog d(page64());
  int found = 0;
  for (auto _ : state) {
    const int before = d.dialogs.count;
    d.find.FindBelowButtonClick();
    if (d.dialogs.count != before) {
      // At the end of the page: the series starts over from the top.
      d.code.SetSelection(0, 0);
      d.find.FormClose();
      d.find.What = "word";
      d.find.WhereIndex = kTablesRegion;
    } else {
      ++found;
    }
  }
  state.counters["page_bytes"] = static_cast<double>(page64().size());
  state.counters["found"] = found;
}
BENCHMARK(BM_FindNextInTables)->Unit(benchmark::kMicrosecond);

void BM_ReplaceAllInTables(benchmark::State& state) {
  // The page's length in KB: 64 is the page above, the others have as many blocks in proportion.
  const int blocks = static_cast<int>(state.range(0) * 250 / 64);
  const std::string text = page(blocks, (65535 - 30) / 250);
  Dialog d(text);
  d.find.ReplaceMode = true;
  for (auto _ : state) {
    state.PauseTiming();
    d.code.SetText(text);
    state.ResumeTiming();
    d.find.FindButtonClick();
  }
  // "Заменено: N" with N the number of words in the region.
  const std::string count = d.dialogs.last.substr(d.dialogs.last.find(' ') + 1);
  if (count != std::to_string(blocks * 4)) {
    state.SkipWithError("unexpected count of replacements");
    return;
  }
  state.counters["page_bytes"] = static_cast<double>(text.size());
  state.counters["replaced"] = blocks * 4;
  state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReplaceAllInTables)
    ->Unit(benchmark::kMicrosecond)
    ->Arg(16)
    ->Arg(32)
    ->Arg(64)
    ->Arg(128)
    ->Arg(256)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace lumbrix
