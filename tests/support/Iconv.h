// The system's own converter as the independent oracle for the code page tables and conversions:
// glibc's iconv on POSIX systems, the code pages of Windows there. Either gives nothing when a
// character has no place in the target.
#pragma once

#include <optional>
#include <string>

#ifdef _WIN32
#include "common/WinApi.h"

#include <cstring>
#else
#include <iconv.h>
#endif

namespace lumbrix::testing {

#ifdef _WIN32

namespace detail {

// 0 for UTF-32LE, which Windows converts with no code page.
inline UINT WindowsCodePage(const std::string& name) {
  if (name == "UTF-8") return CP_UTF8;
  if (name == "CP1251") return 1251;
  if (name == "KOI8-R") return 20866;
  if (name == "ISO-8859-5") return 28595;
  return 0;
}

inline std::optional<std::wstring> ToUtf16(const std::string& in, UINT cp) {
  if (cp == 0) {
    std::wstring out;
    for (std::size_t i = 0; i + 4 <= in.size(); i += 4) {
      char32_t u = 0;
      std::memcpy(&u, in.data() + i, 4);
      if (u >= 0x10000) {
        u -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (u >> 10));
        out += static_cast<wchar_t>(0xDC00 + (u & 0x3FF));
      } else {
        out += static_cast<wchar_t>(u);
      }
    }
    return out;
  }
  if (in.empty()) return std::wstring();
  const int size = static_cast<int>(in.size());
  const int n = ::MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, in.data(), size, nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring out(n, L'\0');
  ::MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, in.data(), size, out.data(), n);
  return out;
}

inline std::optional<std::string> FromUtf16(const std::wstring& in, UINT cp) {
  if (in.empty()) return std::string();
  const int size = static_cast<int>(in.size());
  // Only an exact conversion counts: no best-fit letters, no default character.
  const DWORD flags = cp == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* defaultUsed = cp == CP_UTF8 ? nullptr : &usedDefault;
  const int n = ::WideCharToMultiByte(cp, flags, in.data(), size, nullptr, 0, nullptr, defaultUsed);
  if (n <= 0 || usedDefault) return std::nullopt;
  std::string out(n, '\0');
  ::WideCharToMultiByte(cp, flags, in.data(), size, out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace detail

inline std::optional<std::string> IconvConvert(const char* to, const char* from,
                                               const std::string& in) {
  const std::optional<std::wstring> wide = detail::ToUtf16(in, detail::WindowsCodePage(from));
  if (!wide) return std::nullopt;
  return detail::FromUtf16(*wide, detail::WindowsCodePage(to));
}

#else

inline std::optional<std::string> IconvConvert(const char* to, const char* from,
                                               const std::string& in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(in.size() * 8 + 8, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) return std::nullopt;
  out.resize(out.size() - dstLeft);
  return out;
}

#endif

}  // namespace lumbrix::testing
