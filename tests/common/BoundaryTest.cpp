// The logic core stays free of Qt: only files under a qt/ folder may include Qt or QScintilla.
#include <gtest/gtest.h>

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
