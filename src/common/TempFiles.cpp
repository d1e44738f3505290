#include "common/TempFiles.h"

#include "common/FileSystem.h"

#ifdef _WIN32
#include "common/WinApi.h"
#else
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#endif

namespace lumbrix {

#ifdef _WIN32

std::optional<std::string> PrivateTempFolder(const std::string& base) {
  const std::optional<FileAttributes> a = GetFileAttributes(base);
  if (base.empty() || !a || !a->directory) return std::nullopt;
  const char last = base.back();
  return last == '\\' || last == '/' ? base : base + "\\";
}

bool RemoveFile(const std::string& path) {
  const std::string native = NativePath(path);
  const int n =
      ::MultiByteToWideChar(CP_UTF8, 0, native.data(), static_cast<int>(native.size()), nullptr, 0);
  std::wstring wide(n, L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, native.data(), static_cast<int>(native.size()), wide.data(), n);
  return ::DeleteFileW(wide.c_str()) != 0;
}

#else

namespace {

// A real folder of this user that nobody else may read, write or enter.
bool isPrivateFolder(const std::string& native) {
  struct stat st {};
  if (::lstat(native.c_str(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

}  // namespace

std::optional<std::string> PrivateTempFolder(const std::string& base) {
  std::string folder = NativePath(base);
  if (folder.empty()) return std::nullopt;
  if (folder.back() != '/') folder += '/';
  const std::string own = folder + "lumbrix-" + std::to_string(::geteuid());
  // mkdir never follows a link of that name; a folder already there is checked, not trusted.
  ::mkdir(own.c_str(), 0700);
  std::string chosen = own;
  if (!isPrivateFolder(own)) {
    std::string pattern = own + "-XXXXXX";
    if (!::mkdtemp(pattern.data())) return std::nullopt;
    chosen = pattern;
  }
  const std::optional<std::string> path = PathFromNative(chosen + "/");
  return path;
}

bool RemoveFile(const std::string& path) {
  return ::unlink(NativePath(path).c_str()) == 0;
}

#endif

}  // namespace lumbrix
