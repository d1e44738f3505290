// The logic core stays free of Qt: only files under a qt/ folder may include Qt or QScintilla.
// The source folders depend one way: common <- settings <- document <- commands <- {highlight,
// tagmaster, search, publication, templates} <- app; the folders in braces do not include each
// other, and a qt/ folder sees the core, common/qt and the qt/ folders of folders below its own.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> qtIncludesOutsideQtFolders(const fs::path& root) {
  const std::regex include(
      R"(^\s*#\s*include\s*[<"](Q[A-Za-z0-9_]*|Qsci/[^>"]*|qt[^>"]*/[^>"]*)[>"])");
  std::vector<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const fs::path& p = entry.path();
    const std::string ext = p.extension().string();
    if (ext != ".h" && ext != ".cpp" && ext != ".hpp") continue;
    bool inQtFolder = false;
    for (const auto& part : fs::relative(p, root))
      if (part == "qt") inQtFolder = true;
    if (inQtFolder) continue;
    std::ifstream in(p);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
      ++number;
      if (std::regex_search(line, include))
        found.push_back(p.string() + ":" + std::to_string(number) + ": " + line);
    }
  }
  return found;
}

// The level of a source folder; folders of one level above commands do not see each other.
int FolderLevel(const std::string& folder) {
  static const std::array<std::pair<const char*, int>, 10> kLevels = {{{"common", 0},
                                                                       {"settings", 1},
                                                                       {"document", 2},
                                                                       {"commands", 3},
                                                                       {"highlight", 4},
                                                                       {"tagmaster", 4},
                                                                       {"search", 4},
                                                                       {"publication", 4},
                                                                       {"templates", 4},
                                                                       {"app", 5}}};
  for (const auto& [name, level] : kLevels)
    if (folder == name) return level;
  return -1;
}

// Whether a file of `from` (a qt/ folder when fromQt) may include a header of `to` (qt/ when toQt).
bool MayInclude(const std::string& from, bool fromQt, const std::string& to, bool toQt) {
  if (toQt && !fromQt) return false;  // the core never sees the window layer
  if (from == to) return true;
  if (!toQt && fromQt) return true;  // the window layer sees the whole core
  if (toQt && to == "common") return true;
  const int a = FolderLevel(from), b = FolderLevel(to);
  return a >= 0 && b >= 0 && b < a;
}

// Every #include "folder/..." under root/src that runs against the folders' order.
std::vector<std::string> includesAgainstTheOrder(const fs::path& root) {
  const std::regex include(R"(^\s*#\s*include\s*"([a-z]+)/((qt)/)?[^"]*")");
  std::vector<std::string> found;
  const fs::path src = root / "src";
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const fs::path rel = fs::relative(entry.path(), src);
    if (std::distance(rel.begin(), rel.end()) < 2) continue;
    const std::string from = rel.begin()->string();
    const bool fromQt = std::next(rel.begin())->string() == "qt";
    std::ifstream in(entry.path());
    std::string line;
    int number = 0;
    std::smatch m;
    while (std::getline(in, line)) {
      ++number;
      if (!std::regex_search(line, m, include) || FolderLevel(m[1]) < 0) continue;
      if (!MayInclude(from, fromQt, m[1], m[3].matched))
        found.push_back(entry.path().string() + ":" + std::to_string(number) + ": " + line);
    }
  }
  return found;
}

TEST(FolderOrder, EveryIncludeRunsDownward) {
  const auto found = includesAgainstTheOrder(LUMBRIX_SOURCE_DIR);
  EXPECT_TRUE(found.empty()) << found.size() << " includes, first " << found.front();
}

TEST(FolderOrder, TheScanSeesIncludesAgainstTheOrder) {
  struct Case {
    const char* file;
    const char* include;
    bool allowed;
  };
  const Case cases[] = {
      {"document/A.cpp", "common/Platform.h", true},
      {"document/A.cpp", "commands/InsertionEngine.h", false},
      {"commands/A.h", "app/MenuTable.h", false},
      {"search/A.cpp", "tagmaster/Catalogue.h", false},
      {"app/A.cpp", "search/GoToForm.h", true},
      {"document/A.cpp", "document/qt/EditFormView.h", false},
      {"search/qt/A.cpp", "app/FrameForm.h", true},
      {"search/qt/A.cpp", "common/qt/CodePane.h", true},
      {"search/qt/A.cpp", "document/qt/EditFormView.h", true},
      {"document/qt/A.cpp", "app/qt/FrameWindow.h", false},
  };
  const fs::path dir = fs::temp_directory_path() / "lumbrix-order-probe";
  for (const Case& c : cases) {
    fs::remove_all(dir);
    fs::create_directories((dir / "src" / c.file).parent_path());
    std::ofstream(dir / "src" / c.file) << "#include <string>\n#include \"" << c.include << "\"\n";
    EXPECT_EQ(includesAgainstTheOrder(dir).empty(), c.allowed) << c.file << " -> " << c.include;
  }
  fs::remove_all(dir);
}

TEST(CoreBoundary, NoQtHeaderOutsideQtFolders) {
  const fs::path source = LUMBRIX_SOURCE_DIR;
  for (const char* dir : {"src", "tests", "bench", "fuzz"}) {
    if (!fs::exists(source / dir)) continue;
    const auto found = qtIncludesOutsideQtFolders(source / dir);
    EXPECT_TRUE(found.empty()) << found.front();
  }
}

TEST(CoreBoundary, TheScanSeesAQtInclude) {
  const fs::path dir = fs::temp_directory_path() / "lumbrix-boundary-probe";
  fs::create_directories(dir / "core");
  std::ofstream(dir / "core" / "Bad.cpp") << "#include <QString>\n";
  std::ofstream(dir / "core" / "Good.cpp") << "#include <string>\n// #include is fine in prose\n";
  const auto found = qtIncludesOutsideQtFolders(dir);
  fs::remove_all(dir);
  ASSERT_EQ(found.size(), 1u);
}

}  // namespace
