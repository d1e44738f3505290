// The file functions on POSIX systems, where a name is any bytes but "/" and zero.
#ifndef _WIN32

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "common/FileSystem.h"

namespace lumbrix {

namespace {

// May the user write this existing file? The system's answer for the effective user covers the
// permission bits, access lists and read-only mounts; a file that no one has a write bit for is
// read-only even for a user whom the system lets write anything.
bool userMayWrite(const std::string& path, const struct stat& st) {
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// Writes all the bytes from the start of the file. ShortWrite when the system took only part.
WriteStatus writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t w =
        ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (w < 0) {
      if (errno == EINTR) continue;
      return done > 0 ? WriteStatus::ShortWrite : WriteStatus::Failed;
    }
    if (w == 0) return WriteStatus::ShortWrite;
    done += static_cast<std::size_t>(w);
  }
  return WriteStatus::Ok;
}

// Copies the whole contents of one open file into another, both from their start.
bool copyContents(int from, int to) {
  char buffer[65536];
  off_t offset = 0;
  for (;;) {
    const ssize_t r = ::pread(from, buffer, sizeof buffer, offset);
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) return false;
    if (r == 0) return true;
    for (ssize_t put = 0; put < r;) {
      const ssize_t w = ::pwrite(to, buffer + put, static_cast<std::size_t>(r - put), offset + put);
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return false;
      put += w;
    }
    offset += r;
  }
}

void syncFolder(const std::string& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

// The one-name case: a flushed temporary copy takes the file's place in one step.
WriteStatus replaceByRename(const std::string& target, const std::string& folder, std::string temp,
                            const struct stat* old, const std::string& bytes) {
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return WriteStatus::Failed;
  auto fail = [&](WriteStatus status) {
    ::close(fd);
    ::unlink(temp.c_str());
    return status;
  };
  if (const WriteStatus s = writeAll(fd, bytes); s != WriteStatus::Ok) return fail(s);
  const mode_t mode = old ? (old->st_mode & 07777) : (0666 & ~currentUmask());
  if (::fchmod(fd, mode) != 0) return fail(WriteStatus::Failed);
  if (old) {
    // Keep the group (and the owner, where allowed); failing that is not an error.
    [[maybe_unused]] int ignored = ::fchown(fd, old->st_uid, old->st_gid);
  }
  if (::fsync(fd) != 0) return fail(WriteStatus::Failed);
  if (::close(fd) != 0 || ::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return WriteStatus::Failed;
  }
  syncFolder(folder);
  return WriteStatus::Ok;
}

// The several-names case: the file itself is rewritten, so that every name sees the new text.
// Its old bytes wait in a flushed copy until the new ones are on the disk, and go back into the
// file when the write fails.
WriteStatus writeInPlace(const std::string& target, std::string backup, const std::string& bytes) {
  const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0)
    return errno == EACCES || errno == EROFS ? WriteStatus::NotWritable : WriteStatus::Failed;
  const int copy = ::mkstemp(backup.data());
  if (copy < 0) {
    ::close(fd);
    return WriteStatus::Failed;
  }
  if (!copyContents(fd, copy) || ::fsync(copy) != 0) {
    ::close(copy);
    ::unlink(backup.c_str());
    ::close(fd);
    return WriteStatus::Failed;
  }
  WriteStatus status = ::ftruncate(fd, 0) == 0 ? writeAll(fd, bytes) : WriteStatus::Failed;
  if (status == WriteStatus::Ok && ::fsync(fd) != 0) status = WriteStatus::Failed;
  bool keepCopy = false;
  if (status != WriteStatus::Ok) {
    // The old bytes go back; when even that fails, the copy stays on the disk with them.
    keepCopy = !(::ftruncate(fd, 0) == 0 && copyContents(copy, fd) && ::fsync(fd) == 0);
  }
  ::close(copy);
  ::close(fd);
  if (!keepCopy) ::unlink(backup.c_str());
  return status;
}

}  // namespace

ReadStatus ReadWholeFile(const NativeName& file, std::string& bytes, std::int64_t limit) {
  const int fd = ::open(file.bytes.c_str(), O_RDONLY | O_CLOEXEC);
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

WriteStatus WriteWholeFile(const NativeName& file, const std::string& bytes) {
  std::string target = file.bytes;
  // Replace the file a symbolic link points to, not the link.
  if (char* real = ::realpath(target.c_str(), nullptr)) {
    target = real;
    std::free(real);
  }
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && S_ISDIR(old.st_mode)) return WriteStatus::Failed;
  if (existed && !userMayWrite(target, old)) return WriteStatus::NotWritable;

  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  const std::string temp =
      (slash == std::string::npos ? std::string() : folder) + "." + base + ".lmbx-XXXXXX";
  if (existed && old.st_nlink > 1) return writeInPlace(target, temp, bytes);
  return replaceByRename(target, folder, temp, existed ? &old : nullptr, bytes);
}

std::optional<FileAttributes> GetFileAttributes(const NativeName& file) {
  struct stat st {};
  if (::stat(file.bytes.c_str(), &st) != 0) return std::nullopt;
  FileAttributes a;
  a.directory = S_ISDIR(st.st_mode);
  a.readOnly = !userMayWrite(file.bytes, st);
  a.hidden = FileNamePart(file.bytes).starts_with(".");
  return a;
}

std::vector<NativeName> ListWildcard(const NativeName& pattern, bool withFolders) {
  std::vector<NativeName> result;
  const std::string folder = FolderPart(pattern.bytes);
  const NativeName namePattern{pattern.bytes.substr(folder.size())};
  auto wanted = [&](const NativeName& file) {
    const auto a = GetFileAttributes(file);
    return a && (withFolders || !a->directory);
  };
  if (namePattern.bytes.find_first_of("*?") == std::string::npos) {
    if (wanted(pattern)) result.push_back(pattern);
    return result;
  }
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return result;
  while (const dirent* e = ::readdir(dir)) {
    const NativeName name{e->d_name};
    if (name.bytes == "." || name.bytes == "..") continue;
    if (!WildcardMatch(namePattern, name)) continue;
    NativeName full{folder + name.bytes};
    if (wanted(full)) result.push_back(std::move(full));
  }
  ::closedir(dir);
  std::sort(result.begin(), result.end(),
            [](const NativeName& a, const NativeName& b) { return a.bytes < b.bytes; });
  return result;
}

NativeName NativeCurrentDirectory() {
  std::error_code ec;
  return NativeName{std::filesystem::current_path(ec).string()};
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

std::optional<std::string> EnvironmentFolder(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value) return std::nullopt;
  return PathFromNative(value);
}

bool MakeFolders(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path folder(NativePath(path));
  std::filesystem::create_directories(folder, ec);
  return std::filesystem::is_directory(folder, ec);
}

}  // namespace lumbrix

#endif  // _WIN32
