// Russian texts are written in UTF-8 in the source and turned into Windows-1251 at compile time:
//   using namespace lumbrix::literals;
//   std::string_view text = "Файл слишком велик"_w;
// A character that Windows-1251 lacks is a compile-time error, so no text can silently change.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "common/CodePage.h"

namespace lumbrix {

namespace detail {

template <std::size_t N>
struct Utf8Source {
  char text[N]{};
  consteval Utf8Source(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
  }
};

// Stops constant evaluation: the literal is not valid UTF-8 or not representable.
inline void literalNotInWindows1251() {}

template <std::size_t N>
consteval std::pair<std::array<char, N>, std::size_t> utf8ToWinAtCompileTime(const char (&s)[N]) {
  std::array<char, N> out{};
  std::size_t n = 0;
  std::size_t i = 0;
  const std::size_t len = N - 1;  // without the terminating zero
  while (i < len) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t u = 0;
    std::size_t extra = 0;
    if (c < 0x80) {
      u = c;
    } else if ((c & 0xE0) == 0xC0) {
      u = c & 0x1F;
      extra = 1;
    } else if ((c & 0xF0) == 0xE0) {
      u = c & 0x0F;
      extra = 2;
    } else {
      literalNotInWindows1251();
    }
    if (extra > 0 && i + extra >= len) literalNotInWindows1251();
    for (std::size_t k = 1; k <= extra; ++k) {
      const unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) literalNotInWindows1251();
      u = (u << 6) | (cc & 0x3F);
    }
    i += 1 + extra;
    const int w = UnicodeToWin(u);
    if (w < 0) literalNotInWindows1251();
    out[n++] = static_cast<char>(w);
  }
  return {out, n};
}

template <Utf8Source S>
struct WinLiteral {
  static constexpr auto converted = utf8ToWinAtCompileTime(S.text);
  static constexpr std::string_view view{converted.first.data(), converted.second};
};

}  // namespace detail

namespace literals {

template <detail::Utf8Source S>
constexpr std::string_view operator""_w() {
  return detail::WinLiteral<S>::view;
}

}  // namespace literals

}  // namespace lumbrix
