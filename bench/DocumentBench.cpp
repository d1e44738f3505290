// Loading and saving a 65,535-byte KOI8-R page through the document window's logic, on a real
// file: read, detect line ends, show; then encode and write with the atomic replace.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/MemoryPane.h"
#include "common/Platform.h"
#include "document/EditForm.h"
#include "settings/Settings.h"

namespace lumbrix {
namespace {

class QuietDialogs : public Dialogs {
 public:
  MsgAnswer MessageBox(const std::string&, const std::string&, MsgIcon, MsgButtons) override {
    return MsgAnswer::Ok;
  }
  std::optional<FileDialogResult> OpenFile(const FileDialogRequest&) override { return {}; }
  std::optional<FileDialogResult> SaveFile(const FileDialogRequest&) override { return {}; }
  std::optional<std::uint32_t> ChooseColor(std::uint32_t) override { return {}; }
  std::optional<FontChoice> ChooseFont(const FontChoice&) override { return {}; }
};

std::string pagePath() {
  static const std::string path = [] {
    const std::string p =
        (std::filesystem::temp_directory_path() / "lumbrix-bench-koi.htm").string();
    std::string page;
    while (page.size() < 65535) page += "<p>\xf0\xd2\xc9\xd7\xc5\xd4, \xcd\xc9\xd2 text</p>\n";
    page.resize(65535);
    std::ofstream(p, std::ios::binary) << page;
    return p;
  }();
  return path;
}

void BM_LoadDocumentKoi(benchmark::State& state) {
  Settings settings;
  QuietDialogs dialogs;
  MemoryPane code, plain;
  TEditForm form(settings, dialogs, code, plain);
  const std::string path = pagePath();
  for (auto _ : state) {
    form.LoadDocument(path);
    form.EncodeTypeIndex = 1;
    form.EncodeTypeChange();  // read it again as KOI8-R
    form.EncodeTypeIndex = 0;
    form.Encoding = 0;
  }
}
BENCHMARK(BM_LoadDocumentKoi)->Unit(benchmark::kMicrosecond);

void BM_SaveDocumentKoi(benchmark::State& state) {
  Settings settings;
  QuietDialogs dialogs;
  MemoryPane code, plain;
  TEditForm form(settings, dialogs, code, plain);
  form.LoadDocument(pagePath());
  form.EncodeTypeIndex = 1;
  form.EncodeTypeChange();
  for (auto _ : state) {
    code.SetModified(true);
    if (!form.SaveDocument()) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveDocumentKoi)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumbrix
