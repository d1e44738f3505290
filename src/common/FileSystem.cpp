// The parts of the file functions that are the same on every system: names and their native
// forms, wild-card matching, and the Windows-1251 forms of the native functions.
#include "common/FileSystem.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/CodePage.h"

namespace lumbrix {

namespace {

bool isSeparator(char c) {
  return c == '\\' || c == '/' || c == ':';
}

// The character of the well-formed UTF-8 sequence at s[i] and its length, or length 0 when the
// byte there begins none (a stray byte, a cut or overlong sequence, a surrogate).
int utf8At(std::string_view s, std::size_t i, char32_t& u) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  int extra = 0;
  char32_t least = 0;
  if (c < 0x80) {
    u = c;
    return 1;
  }
  if ((c & 0xE0) == 0xC0) {
    u = c & 0x1F;
    extra = 1;
    least = 0x80;
  } else if ((c & 0xF0) == 0xE0) {
    u = c & 0x0F;
    extra = 2;
    least = 0x800;
  } else if ((c & 0xF8) == 0xF0) {
    u = c & 0x07;
    extra = 3;
    least = 0x10000;
  } else {
    return 0;
  }
  if (i + extra >= s.size()) return 0;
  for (int k = 1; k <= extra; ++k) {
    const unsigned char cc = static_cast<unsigned char>(s[i + k]);
    if ((cc & 0xC0) != 0x80) return 0;
    u = (u << 6) | (cc & 0x3F);
  }
  if (u < least || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) return 0;
  return 1 + extra;
}

// How many bytes of a name "?" takes at position n: one character.
std::size_t characterAt(const std::string& name, std::size_t n, bool native) {
  if (!native) return 1;
  char32_t u = 0;
  const int length = utf8At(name, n, u);
  return length > 0 ? static_cast<std::size_t>(length) : 1;
}

// Iterative matcher with one backtrack point for the last "*".
bool wildcardMatch(const std::string& pattern, const std::string& name, bool native) {
  std::size_t p = 0, n = 0, starP = std::string::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '?') {
      ++p;
      n += characterAt(name, n, native);
    } else if (p < pattern.size() && pattern[p] == name[n]) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string::npos) {
      p = starP + 1;
      starN += characterAt(name, starN, native);
      n = starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
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

std::string NativePath(const std::string& path) {
  return WinToUtf8(path);
}

std::optional<std::string> PathFromNative(const std::string& native) {
  std::string win;
  // The way back must give the same bytes: an overlong sequence would otherwise name another file.
  if (!Utf8ToWin(native, win) || WinToUtf8(win) != native) return std::nullopt;
  return win;
}

std::string DisplayPath(const NativeName& name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::string& s = name.bytes;
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    char32_t u = 0;
    const int length = utf8At(s, i, u);
    const int win = length > 0 ? UnicodeToWin(u) : -1;
    if (win >= 0) {
      out.push_back(static_cast<char>(win));
    } else {
      for (int k = 0; k < std::max(length, 1); ++k) {
        const unsigned char c = static_cast<unsigned char>(s[i + k]);
        out += {'%', kHex[c >> 4], kHex[c & 0xF]};
      }
    }
    i += static_cast<std::size_t>(std::max(length, 1));
  }
  return out;
}

bool WildcardMatch(const std::string& pattern, const std::string& name) {
  return wildcardMatch(pattern, name, false);
}

bool WildcardMatch(const NativeName& pattern, const NativeName& name) {
  return wildcardMatch(pattern.bytes, name.bytes, true);
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

ReadStatus ReadWholeFile(const std::string& path, std::string& bytes, std::int64_t limit) {
  return ReadWholeFile(ToNative(path), bytes, limit);
}

WriteStatus WriteWholeFile(const std::string& path, const std::string& bytes) {
  return WriteWholeFile(ToNative(path), bytes);
}

std::optional<FileAttributes> GetFileAttributes(const std::string& path) {
  return GetFileAttributes(ToNative(path));
}

bool FileExists(const std::string& path) {
  const std::optional<FileAttributes> a = GetFileAttributes(path);
  return a && !a->directory;
}

std::vector<std::string> ListWildcard(const std::string& pattern, bool withFolders) {
  std::vector<std::string> result;
  for (const NativeName& found : ListWildcard(ToNative(pattern), withFolders))
    if (std::optional<std::string> path = PathFromNative(found.bytes))
      result.push_back(std::move(*path));
  std::sort(result.begin(), result.end());
  return result;
}

std::string CurrentDirectory() {
  return PathFromNative(NativeCurrentDirectory().bytes).value_or(std::string());
}

}  // namespace lumbrix
