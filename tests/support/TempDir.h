// A fresh temporary folder for one test, removed with everything in it afterwards. Names given
// to it are native names: any bytes on POSIX systems, UTF-8 on Windows.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

namespace lumbrix::testing {

// The file-system path of a native name.
inline std::filesystem::path FsPath(const std::string& native) {
#ifdef _WIN32
  return std::filesystem::path(std::u8string(native.begin(), native.end()));
#else
  return std::filesystem::path(native);
#endif
}

class TempDir {
 public:
  TempDir() {
    namespace fs = std::filesystem;
    std::random_device seed;
    std::mt19937 random(seed());
    for (;;) {
      const fs::path p = fs::temp_directory_path() / ("lumbrix-test-" + std::to_string(random()));
      std::error_code ec;
      if (fs::create_directory(p, ec)) {
        fs::permissions(p, fs::perms::owner_all, fs::perm_options::replace, ec);
        path_ = p.string();
        break;
      }
      if (ec) throw fs::filesystem_error("no temporary folder", p, ec);
    }
  }
  ~TempDir() {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
#ifdef _WIN32
    // Windows refuses to delete a read-only file.
    for (const auto& e : fs::recursive_directory_iterator(FsPath(path_), ec))
      fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add, ec);
#endif
    fs::remove_all(FsPath(path_), ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string p = File(name);
    std::ofstream(FsPath(p), std::ios::binary) << bytes;
    return p;
  }

  static std::string Read(const std::string& path) {
    std::ifstream in(FsPath(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::string path_;
};

}  // namespace lumbrix::testing
