#include "common/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "common/CodePage.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lumbrix {

namespace {

bool isSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/' || c == ':';
#else
  return c == '\\' || c == '/' || c == ':';
#endif
}

}  // namespace

std::string FileNamePart(const std::string& path) {
  for (std::size_t i = path.size(); i > 0; --i)
    if (isSeparator(path[i - 1])) return path.substr(i);
  return path;
}

std::string FolderPart(const std::string& path) {
  for (std::size_t i = path.size(); i > 0; --i)
    if (path[i - 1] == '/' || path[i - 1] == '\\') return path.substr(0, i);
  return {};
}

bool WildcardMatch(const std::string& pattern, const std::string& name) {
  // Iterative matcher with one backtrack point for the last "*".
  std::size_t p = 0, n = 0, starP = std::string::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  if (last == '/' || last == '\\') return folder + name;
#ifdef _WIN32
  return folder + "\\" + name;
#else
  return folder + "/" + name;
#endif
}

bool IsAbsolutePath(const std::string& path) {
#ifdef _WIN32
  return (path.size() >= 2 && path[1] == ':') ||
         (!path.empty() && (path[0] == '\\' || path[0] == '/'));
#else
  return !path.empty() && path[0] == '/';
#endif
}

#ifndef _WIN32

std::string NativePath(const std::string& path) {
  return WinToUtf8(path);
}

std::optional<std::string> PathFromNative(const std::string& native) {
  std::string win;
  if (!Utf8ToWin(native, win)) return std::nullopt;
  return win;
}

ReadStatus ReadWholeFile(const std::string& path, std::string& bytes, std::int64_t limit) {
  const int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ReadStatus::CannotOpen;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return ReadStatus::CannotOpen;
  }
  if (st.st_size >= limit) {
    ::close(fd);
    return ReadStatus::TooLarge;
  }
  std::string data;
  data.resize(static_cast<std::size_t>(st.st_size));
  std::size_t got = 0;
  // A file may grow between fstat and read; read to its end and check the limit again.
  for (;;) {
    if (got == data.size()) data.resize(data.size() + 4096);
    const ssize_t r = ::read(fd, data.data() + got, data.size() - got);
    if (r < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return ReadStatus::ReadError;
    }
    if (r == 0) break;
    got += static_cast<std::size_t>(r);
    if (static_cast<std::int64_t>(got) >= limit) {
      ::close(fd);
      return ReadStatus::TooLarge;
    }
  }
  ::close(fd);
  data.resize(got);
  bytes = std::move(data);
  return ReadStatus::Ok;
}

WriteStatus WriteFileAtomically(const std::string& path, const std::string& bytes) {
  std::string target = NativePath(path);
  // Replace the file a symbolic link points to, not the link.
  if (char* real = ::realpath(target.c_str(), nullptr)) {
    target = real;
    std::free(real);
  }
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && S_ISDIR(old.st_mode)) return WriteStatus::Failed;

  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string temp =
      (slash == std::string::npos ? std::string() : folder) + "." + base + ".lmbx-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return WriteStatus::Failed;

  auto fail = [&](WriteStatus status) {
    ::close(fd);
    ::unlink(temp.c_str());
    return status;
  };

  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (w < 0) {
      if (errno == EINTR) continue;
      return fail(done > 0 ? WriteStatus::ShortWrite : WriteStatus::Failed);
    }
    if (w == 0) return fail(WriteStatus::ShortWrite);
    done += static_cast<std::size_t>(w);
  }
  const mode_t mode = existed ? (old.st_mode & 07777) : (0666 & ~[] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
  }());
  if (::fchmod(fd, mode) != 0) return fail(WriteStatus::Failed);
  if (existed) {
    // Keep the group (and the owner, where allowed); failing that is not an error.
    [[maybe_unused]] int ignored = ::fchown(fd, old.st_uid, old.st_gid);
  }
  if (::fsync(fd) != 0) return fail(WriteStatus::Failed);
  if (::close(fd) != 0) {
    ::unlink(temp.c_str());
    return WriteStatus::Failed;
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return WriteStatus::Failed;
  }
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return WriteStatus::Ok;
}

std::optional<FileAttributes> GetFileAttributes(const std::string& path) {
  const std::string native = NativePath(path);
  struct stat st {};
  if (::stat(native.c_str(), &st) != 0) return std::nullopt;
  FileAttributes a;
  a.directory = S_ISDIR(st.st_mode);
  a.readOnly = ::access(native.c_str(), W_OK) != 0;
  a.hidden = FileNamePart(path).starts_with(".");
  return a;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(NativePath(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::vector<std::string> ListWildcard(const std::string& pattern, bool withFolders) {
  std::vector<std::string> result;
  const std::string folder = FolderPart(pattern);
  const std::string namePattern = pattern.substr(folder.size());
  auto wanted = [&](const std::string& path) {
    const auto a = GetFileAttributes(path);
    return a && (withFolders || !a->directory);
  };
  if (namePattern.find_first_of("*?") == std::string::npos) {
    if (wanted(pattern)) result.push_back(pattern);
    return result;
  }
  DIR* dir = ::opendir(NativePath(folder.empty() ? "." : folder).c_str());
  if (!dir) return result;
  while (const dirent* e = ::readdir(dir)) {
    const std::optional<std::string> name = PathFromNative(e->d_name);
    if (!name || *name == "." || *name == "..") continue;
    if (!WildcardMatch(namePattern, *name)) continue;
    const std::string full = folder + *name;
    if (wanted(full)) result.push_back(full);
  }
  ::closedir(dir);
  std::sort(result.begin(), result.end());
  return result;
}

std::string CurrentDirectory() {
  std::error_code ec;
  const std::string native = std::filesystem::current_path(ec).string();
  return PathFromNative(native).value_or(std::string());
}

std::string TempDirectory() {
  const char* dir = std::getenv("TMPDIR");
  std::string native = dir && *dir ? dir : "/tmp";
  if (native.back() != '/') native += '/';
  return PathFromNative(native).value_or("/tmp/");
}

std::string ProgramDirectory() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return CurrentDirectory() + "/";
  return PathFromNative(exe.parent_path().string() + "/").value_or(std::string());
}

#else  // _WIN32

namespace {

std::wstring wide(const std::string& win) {
  const int n =
      ::MultiByteToWideChar(1251, 0, win.data(), static_cast<int>(win.size()), nullptr, 0);
  std::wstring w(n, L'\0');
  ::MultiByteToWideChar(1251, 0, win.data(), static_cast<int>(win.size()), w.data(), n);
  return w;
}

std::optional<std::string> narrow(const std::wstring& w) {
  BOOL lost = FALSE;
  const int n = ::WideCharToMultiByte(1251, WC_NO_BEST_FIT_CHARS, w.data(),
                                      static_cast<int>(w.size()), nullptr, 0, nullptr, &lost);
  std::string s(n, '\0');
  ::WideCharToMultiByte(1251, WC_NO_BEST_FIT_CHARS, w.data(), static_cast<int>(w.size()), s.data(),
                        n, nullptr, &lost);
  if (lost) return std::nullopt;
  return s;
}

}  // namespace

std::string NativePath(const std::string& path) {
  return WinToUtf8(path);
}

std::optional<std::string> PathFromNative(const std::string& native) {
  std::string win;
  if (!Utf8ToWin(native, win)) return std::nullopt;
  return win;
}

ReadStatus ReadWholeFile(const std::string& path, std::string& bytes, std::int64_t limit) {
  HANDLE h = ::CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return ReadStatus::CannotOpen;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(h, &size)) {
    ::CloseHandle(h);
    return ReadStatus::ReadError;
  }
  if (size.QuadPart >= limit) {
    ::CloseHandle(h);
    return ReadStatus::TooLarge;
  }
  std::string data(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  const BOOL ok = ::ReadFile(h, data.data(), static_cast<DWORD>(data.size()), &got, nullptr);
  ::CloseHandle(h);
  if (!ok) return ReadStatus::ReadError;
  data.resize(got);
  bytes = std::move(data);
  return ReadStatus::Ok;
}

WriteStatus WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const std::wstring target = wide(path);
  const std::wstring temp = target + L".lmbx-tmp";
  HANDLE h = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return WriteStatus::Failed;
  DWORD written = 0;
  const BOOL ok = ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  const BOOL flushed = ok && ::FlushFileBuffers(h);
  ::CloseHandle(h);
  if (!ok || written != bytes.size() || !flushed) {
    ::DeleteFileW(temp.c_str());
    return ok && written != bytes.size() ? WriteStatus::ShortWrite : WriteStatus::Failed;
  }
  const bool existed = ::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
  const BOOL moved =
      existed ? ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, 0, nullptr, nullptr)
              : ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
  if (!moved) {
    ::DeleteFileW(temp.c_str());
    return WriteStatus::Failed;
  }
  return WriteStatus::Ok;
}

std::optional<FileAttributes> GetFileAttributes(const std::string& path) {
  const DWORD a = ::GetFileAttributesW(wide(path).c_str());
  if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  FileAttributes f;
  f.readOnly = a & FILE_ATTRIBUTE_READONLY;
  f.hidden = a & FILE_ATTRIBUTE_HIDDEN;
  f.system = a & FILE_ATTRIBUTE_SYSTEM;
  f.temporary = a & FILE_ATTRIBUTE_TEMPORARY;
  f.compressed = a & FILE_ATTRIBUTE_COMPRESSED;
  f.offline = a & FILE_ATTRIBUTE_OFFLINE;
  f.directory = a & FILE_ATTRIBUTE_DIRECTORY;
  return f;
}

bool FileExists(const std::string& path) {
  const DWORD a = ::GetFileAttributesW(wide(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> ListWildcard(const std::string& pattern, bool withFolders) {
  std::vector<std::string> result;
  const std::string folder = FolderPart(pattern);
  WIN32_FIND_DATAW fd;
  HANDLE h = ::FindFirstFileW(wide(pattern).c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return result;
  do {
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (!withFolders || std::wstring(fd.cFileName) == L"." || std::wstring(fd.cFileName) == L"..")
        continue;
    }
    if (auto name = narrow(fd.cFileName)) result.push_back(folder + *name);
  } while (::FindNextFileW(h, &fd));
  ::FindClose(h);
  std::sort(result.begin(), result.end());
  return result;
}

std::string CurrentDirectory() {
  wchar_t buf[MAX_PATH];
  const DWORD n = ::GetCurrentDirectoryW(MAX_PATH, buf);
  return narrow(std::wstring(buf, n)).value_or(std::string());
}

std::string TempDirectory() {
  wchar_t buf[MAX_PATH + 1];
  const DWORD n = ::GetTempPathW(MAX_PATH + 1, buf);
  return narrow(std::wstring(buf, n)).value_or(std::string());
}

std::string ProgramDirectory() {
  wchar_t buf[MAX_PATH];
  const DWORD n = ::GetModuleFileNameW(nullptr, buf, MAX_PATH);
  return FolderPart(narrow(std::wstring(buf, n)).value_or(std::string()));
}

#endif

}  // namespace lumbrix
