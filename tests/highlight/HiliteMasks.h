// Colours written as one letter per character, so that a case shows at a glance which part of
// a text takes which colour.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumbrix::testing {

constexpr std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) {
  return r | (g << 8) | (b << 16);
}

// '.' is the default colour (black here).
struct ColorLetter {
  char letter;
  std::uint32_t color;
};

inline const std::vector<ColorLetter>& CppLetters() {
  static const std::vector<ColorLetter> l = {{'k', Rgb(0, 0, 255)},
                                             {'p', Rgb(0, 155, 30)},
                                             {'s', Rgb(150, 0, 200)},
                                             {'c', Rgb(180, 180, 200)}};
  return l;
}

inline const std::vector<ColorLetter>& JsLetters() {
  static const std::vector<ColorLetter> l = {
      {'k', Rgb(0, 0, 255)}, {'s', Rgb(0, 50, 180)}, {'c', Rgb(180, 180, 180)}};
  return l;
}

inline const std::vector<ColorLetter>& HtmlLetters() {
  static const std::vector<ColorLetter> l = {
      {'e', Rgb(180, 50, 180)},  {'t', Rgb(0, 50, 255)},   {'q', Rgb(0, 0, 180)},
      {'m', Rgb(130, 150, 130)}, {'K', Rgb(255, 20, 20)},  {'S', Rgb(100, 0, 200)},
      {'C', Rgb(150, 170, 200)}};
  return l;
}

inline std::string ToMask(const std::vector<std::uint32_t>& colors,
                          const std::vector<ColorLetter>& letters,
                          std::uint32_t defaultColor = 0) {
  std::string mask;
  for (const std::uint32_t c : colors) {
    char m = '?';
    if (c == defaultColor) m = '.';
    for (const ColorLetter& l : letters)
      if (l.color == c) m = l.letter;
    mask += m;
  }
  return mask;
}

}  // namespace lumbrix::testing
