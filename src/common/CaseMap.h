// The Windows-1251 case mapping: Latin and Cyrillic pairs (ё/Ё, ў/Ў, і/І, ґ/Ґ and the rest).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "common/CodePage.h"

namespace lumbrix {

namespace detail {

constexpr char32_t unicodeLower(char32_t u) {
  if (u >= 'A' && u <= 'Z') return u + 0x20;
  if (u >= 0x0400 && u <= 0x040F) return u + 0x50;
  if (u >= 0x0410 && u <= 0x042F) return u + 0x20;
  if (u == 0x0490) return 0x0491;
  return u;
}

constexpr char32_t unicodeUpper(char32_t u) {
  if (u >= 'a' && u <= 'z') return u - 0x20;
  if (u >= 0x0450 && u <= 0x045F) return u - 0x50;
  if (u >= 0x0430 && u <= 0x044F) return u - 0x20;
  if (u == 0x0491) return 0x0490;
  return u;
}

template <typename F>
constexpr std::array<unsigned char, 256> buildCaseTable(F f) {
  std::array<unsigned char, 256> t{};
  for (int c = 0; c < 256; ++c) {
    const int w = UnicodeToWin(f(WinToUnicode(static_cast<unsigned char>(c))));
    t[c] = static_cast<unsigned char>(w < 0 ? c : w);
  }
  return t;
}

}  // namespace detail

inline constexpr std::array<unsigned char, 256> kWinLower =
    detail::buildCaseTable(detail::unicodeLower);
inline constexpr std::array<unsigned char, 256> kWinUpper =
    detail::buildCaseTable(detail::unicodeUpper);

inline char WinToLower(char c) {
  return static_cast<char>(kWinLower[static_cast<unsigned char>(c)]);
}
inline char WinToUpper(char c) {
  return static_cast<char>(kWinUpper[static_cast<unsigned char>(c)]);
}

std::string WinLowerCase(std::string_view text);
std::string WinUpperCase(std::string_view text);

// Forward search of `what` in text[start, start + length); length < 0 means to the end.
// Returns the position or -1.
int FindText(std::string_view text, std::string_view what, int start, int length, bool matchCase,
             bool wholeWord);

}  // namespace lumbrix
