// The file functions on Windows, where names are UTF-16; a native name is their UTF-8 form.
#ifdef _WIN32

#include "common/WinApi.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "common/FileSystem.h"

namespace lumbrix {

namespace {

std::wstring wide(const NativeName& name) {
  const std::string& s = name.bytes;
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(n, L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

NativeName native(const std::wstring& w) {
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                      nullptr, nullptr);
  std::string s(n, '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr,
                        nullptr);
  return NativeName{std::move(s)};
}

// Writes all the bytes at the current position and flushes them.
bool writeAll(HANDLE h, const std::string& bytes, WriteStatus& status) {
  DWORD written = 0;
  const BOOL ok = ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  if (ok && written == bytes.size() && ::FlushFileBuffers(h)) return true;
  status = ok && written != bytes.size() ? WriteStatus::ShortWrite : WriteStatus::Failed;
  return false;
}

// Puts `bytes` in place of the whole contents of an open file.
bool rewrite(HANDLE h, const std::string& bytes, WriteStatus& status) {
  LARGE_INTEGER zero{};
  if (::SetFilePointerEx(h, zero, nullptr, FILE_BEGIN) && ::SetEndOfFile(h))
    return writeAll(h, bytes, status);
  status = WriteStatus::Failed;
  return false;
}

bool readAll(HANDLE h, std::string& bytes) {
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(h, &size)) return false;
  bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  return ::ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) &&
         got == bytes.size();
}

// The several-names case: the file itself is rewritten, so that every name sees the new text.
// Its old bytes wait in a copy until the new ones are written, and go back when that fails.
WriteStatus writeInPlace(HANDLE h, const std::wstring& target, const std::string& bytes) {
  std::string old;
  if (!readAll(h, old)) return WriteStatus::Failed;
  const std::wstring backup = target + L".lmbx-old";
  HANDLE b = ::CreateFileW(backup.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (b == INVALID_HANDLE_VALUE) return WriteStatus::Failed;
  WriteStatus ignored = WriteStatus::Ok;
  const bool kept = writeAll(b, old, ignored);
  ::CloseHandle(b);
  if (!kept) {
    ::DeleteFileW(backup.c_str());
    return WriteStatus::Failed;
  }
  WriteStatus status = WriteStatus::Ok;
  if (rewrite(h, bytes, status)) {
    ::DeleteFileW(backup.c_str());
    return WriteStatus::Ok;
  }
  // When even putting the old bytes back fails, the copy stays on the disk with them.
  if (rewrite(h, old, ignored)) ::DeleteFileW(backup.c_str());
  return status;
}

}  // namespace

ReadStatus ReadWholeFile(const NativeName& file, std::string& bytes, std::int64_t limit) {
  HANDLE h = ::CreateFileW(wide(file).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
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

WriteStatus WriteWholeFile(const NativeName& file, const std::string& bytes) {
  const std::wstring target = wide(file);
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
  if (existed && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return WriteStatus::Failed;
  if (existed && (attributes & FILE_ATTRIBUTE_READONLY)) return WriteStatus::NotWritable;
  if (existed) {
    HANDLE h = ::CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
      return ::GetLastError() == ERROR_ACCESS_DENIED ? WriteStatus::NotWritable
                                                     : WriteStatus::Failed;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool linked = ::GetFileInformationByHandle(h, &info) && info.nNumberOfLinks > 1;
    const WriteStatus status = linked ? writeInPlace(h, target, bytes) : WriteStatus::Ok;
    ::CloseHandle(h);
    if (linked) return status;
  }
  const std::wstring temp = target + L".lmbx-tmp";
  HANDLE h = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return WriteStatus::Failed;
  WriteStatus status = WriteStatus::Ok;
  const bool written = writeAll(h, bytes, status);
  ::CloseHandle(h);
  if (!written) {
    ::DeleteFileW(temp.c_str());
    return status;
  }
  // The copy takes the old file's attributes (a hidden page stays hidden): what the replace
  // keeps of them differs between systems, so they are set before it.
  constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                          FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  const DWORD kept = attributes & kKept;
  if (existed && !::SetFileAttributesW(temp.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL)) {
    ::DeleteFileW(temp.c_str());
    return WriteStatus::Failed;
  }
  const BOOL moved =
      existed ? ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, 0, nullptr, nullptr)
              : ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
  if (!moved) {
    ::DeleteFileW(temp.c_str());
    return WriteStatus::Failed;
  }
  return WriteStatus::Ok;
}

std::optional<FileAttributes> GetFileAttributes(const NativeName& file) {
  const DWORD a = ::GetFileAttributesW(wide(file).c_str());
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

std::vector<NativeName> ListWildcard(const NativeName& pattern, bool withFolders) {
  std::vector<NativeName> result;
  const std::string folder = FolderPart(pattern.bytes);
  WIN32_FIND_DATAW fd;
  HANDLE h = ::FindFirstFileW(wide(pattern).c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return result;
  do {
    const std::wstring name(fd.cFileName);
    if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
        (!withFolders || name == L"." || name == L".."))
      continue;
    result.push_back(NativeName{folder + native(name).bytes});
  } while (::FindNextFileW(h, &fd));
  ::FindClose(h);
  std::sort(result.begin(), result.end(),
            [](const NativeName& a, const NativeName& b) { return a.bytes < b.bytes; });
  return result;
}

NativeName NativeCurrentDirectory() {
  wchar_t buf[MAX_PATH];
  const DWORD n = ::GetCurrentDirectoryW(MAX_PATH, buf);
  return native(std::wstring(buf, n));
}

std::string TempDirectory() {
  wchar_t buf[MAX_PATH + 1];
  const DWORD n = ::GetTempPathW(MAX_PATH + 1, buf);
  return PathFromNative(native(std::wstring(buf, n)).bytes).value_or(std::string());
}

std::string ProgramDirectory() {
  wchar_t buf[MAX_PATH];
  const DWORD n = ::GetModuleFileNameW(nullptr, buf, MAX_PATH);
  return FolderPart(PathFromNative(native(std::wstring(buf, n)).bytes).value_or(std::string()));
}

std::optional<std::string> EnvironmentFolder(const char* name) {
  const std::string narrow(name);
  const std::wstring wideName(narrow.begin(), narrow.end());
  const wchar_t* value = ::_wgetenv(wideName.c_str());
  if (!value || !*value) return std::nullopt;
  return PathFromNative(native(value).bytes);
}

bool MakeFolders(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path folder(wide(ToNative(path)));
  std::filesystem::create_directories(folder, ec);
  return std::filesystem::is_directory(folder, ec);
}

}  // namespace lumbrix

#endif  // _WIN32
