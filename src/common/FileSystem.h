// The small file-system functions the core needs, with POSIX and Win32 branches. Paths are
// Windows-1251 inside the program and are turned into the native form only here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumbrix {

// The native form of a path (UTF-8 on POSIX systems). Every Windows-1251 path has one.
std::string NativePath(const std::string& path);

// A native name in Windows-1251, or nothing when the code page cannot hold it: such a name is
// refused rather than silently changed into another file's name.
std::optional<std::string> PathFromNative(const std::string& native);

// The file name part of a path: after the last "\", "/" or ":".
std::string FileNamePart(const std::string& path);
// The folder part with its trailing separator ("" when the path has none).
std::string FolderPart(const std::string& path);

enum class ReadStatus { Ok, CannotOpen, ReadError, TooLarge };

// Reads a whole file, refusing one of `limit` bytes or more without reading it.
ReadStatus ReadWholeFile(const std::string& path, std::string& bytes, std::int64_t limit);

enum class WriteStatus { Ok, ShortWrite, Failed };

// Writes `bytes` to `path` without ever destroying what is there: the bytes go into a temporary
// file in the same folder, which is flushed and then put in the file's place in one step, with
// the old file's permissions. On any failure the old file is untouched and the temporary file
// removed. ShortWrite: the system took only part of the bytes (a full disk, a size limit).
WriteStatus WriteFileAtomically(const std::string& path, const std::string& bytes);

struct FileAttributes {
  bool readOnly = false;
  bool hidden = false;
  bool system = false;
  bool temporary = false;
  bool compressed = false;
  bool offline = false;
  bool directory = false;
};

// The attributes of an existing file. On POSIX systems: read-only when the user may not write
// the file, hidden when its name begins with "."; the others are never set.
std::optional<FileAttributes> GetFileAttributes(const std::string& path);

bool FileExists(const std::string& path);

// "*" and "?" matching of a file name, as the file-open functions of the system do it
// (case-sensitive on POSIX systems).
bool WildcardMatch(const std::string& pattern, const std::string& name);

// Full paths of the files that a pattern with wild cards in its name part matches, sorted by
// name; folders too when `withFolders` ("." and ".." never). A pattern without wild cards gives
// the file itself when it exists.
std::vector<std::string> ListWildcard(const std::string& pattern, bool withFolders = false);

std::string CurrentDirectory();
std::string TempDirectory();
// The folder of the running program, with its trailing separator.
std::string ProgramDirectory();

// Joins a folder and a relative name with the system's separator.
std::string JoinPath(const std::string& folder, const std::string& name);
bool IsAbsolutePath(const std::string& path);

}  // namespace lumbrix
