// The small file-system functions the core needs, with POSIX and Win32 branches. Paths are
// Windows-1251 inside the program and are turned into the native form only here. A file whose
// name the code page cannot hold is reached by its native name, which the program keeps as the
// system gave it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumbrix {

// A path in the file system's own form: on POSIX systems the bytes of the name exactly as the
// system holds them, which need not be UTF-8 (names from old archives are often Windows-1251
// bytes); on Windows the UTF-8 form of the UTF-16 name.
struct NativeName {
  std::string bytes;
  bool operator==(const NativeName&) const = default;
};

// The native form of a path (UTF-8 on POSIX systems). Every Windows-1251 path has one.
std::string NativePath(const std::string& path);
inline NativeName ToNative(const std::string& path) {
  return NativeName{NativePath(path)};
}

// A native name in Windows-1251, or nothing when the code page cannot hold it exactly (bytes that
// are not UTF-8, characters Windows-1251 lacks): such a name is refused rather than silently
// changed into another file's name.
std::optional<std::string> PathFromNative(const std::string& native);

// What the program shows for a native name: the Windows-1251 path where the code page holds it;
// each byte it cannot show (not UTF-8, or part of a character Windows-1251 lacks) appears as "%"
// and two hexadecimal digits. Only for showing: the file itself is reached by its native name.
std::string DisplayPath(const NativeName& name);

// The file name part of a path: after the last "\", "/" or ":".
std::string FileNamePart(const std::string& path);
// The folder part with its trailing separator ("" when the path has none).
std::string FolderPart(const std::string& path);

enum class ReadStatus { Ok, CannotOpen, ReadError, TooLarge };

// Reads a whole file, refusing one of `limit` bytes or more without reading it.
ReadStatus ReadWholeFile(const NativeName& file, std::string& bytes, std::int64_t limit);
ReadStatus ReadWholeFile(const std::string& path, std::string& bytes, std::int64_t limit);

// ShortWrite: the system took only part of the bytes (a full disk, a size limit). NotWritable:
// the user may not write the file (read-only for everyone, or for this user).
enum class WriteStatus { Ok, ShortWrite, NotWritable, Failed };

// Writes `bytes` as the whole file without ever destroying what is there. A symbolic link is
// followed to the file it names. A file the user may not write is left alone. A file of one name
// is replaced in one step by a flushed temporary copy in the same folder, with the old file's
// permissions. A file of several names (hard links) is written in place, so that every name sees
// the new text, after its old bytes have been kept in a temporary copy in the same folder; a
// failed write puts them back. On any failure the old file holds its old bytes and no temporary
// file is left, except a copy that could not be put back, which then keeps the old bytes.
WriteStatus WriteWholeFile(const NativeName& file, const std::string& bytes);
WriteStatus WriteWholeFile(const std::string& path, const std::string& bytes);

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
std::optional<FileAttributes> GetFileAttributes(const NativeName& file);
std::optional<FileAttributes> GetFileAttributes(const std::string& path);

bool FileExists(const std::string& path);

// "*" and "?" matching of a file name, as the file-open functions of the system do it
// (case-sensitive on POSIX systems).
bool WildcardMatch(const std::string& pattern, const std::string& name);
// The same for native names, where "?" stands for one character however many bytes it takes.
bool WildcardMatch(const NativeName& pattern, const NativeName& name);

// Full names of the files that a pattern with wild cards in its name part matches, sorted;
// folders too when `withFolders` ("." and ".." never). A pattern without wild cards gives the
// file itself when it exists. In native names "?" stands for one character of the name.
std::vector<NativeName> ListWildcard(const NativeName& pattern, bool withFolders = false);
// The same in Windows-1251 paths; names the code page cannot hold are left out.
std::vector<std::string> ListWildcard(const std::string& pattern, bool withFolders = false);

std::string CurrentDirectory();
NativeName NativeCurrentDirectory();
std::string TempDirectory();
// The folder of the running program, with its trailing separator.
std::string ProgramDirectory();

// The folder an environment variable names, in Windows-1251; nothing when the variable is unset
// or empty, or names a path the code page cannot hold.
std::optional<std::string> EnvironmentFolder(const char* name);
// Makes a folder and the missing ones above it; true when the folder exists afterwards.
bool MakeFolders(const std::string& path);

// Joins a folder and a relative name with the system's separator.
std::string JoinPath(const std::string& folder, const std::string& name);
bool IsAbsolutePath(const std::string& path);

}  // namespace lumbrix
