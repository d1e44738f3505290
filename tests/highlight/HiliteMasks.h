// Colours written as one letter per character ('.' the default colour), so that a case shows
// at a glance which part of a text takes which colour.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace lumbrix::testing {

constexpr std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) {
  return r | (g << 8) | (b << 16);
}

using ColorLetters = std::vector<std::pair<char, std::uint32_t>>;

inline const ColorLetters kCppLetters = {{'k', Rgb(0, 0, 255)},
                                         {'p', Rgb(0, 155, 30)},
                                         {'s', Rgb(150, 0, 200)},
                                         {'c', Rgb(180, 180, 200)}};
inline const ColorLetters kJsLetters = {
    {'k', Rgb(0, 0, 255)}, {'s', Rgb(0, 50, 180)}, {'c', Rgb(180, 180, 180)}};
inline const ColorLetters kHtmlLetters = {{'e', Rgb(180, 50, 180)}, {'t', Rgb(0, 50, 255)},
                                          {'q', Rgb(0, 0, 180)},    {'m', Rgb(130, 150, 130)},
                                          {'K', Rgb(255, 20, 20)},  {'S', Rgb(100, 0, 200)},
                                          {'C', Rgb(150, 170, 200)}};

inline std::string ToMask(const std::vector<std::uint32_t>& colors, const ColorLetters& letters,
                          std::uint32_t defaultColor = 0) {
  std::string mask;
  for (const std::uint32_t c : colors) {
    char m = c == defaultColor ? '.' : '?';
    for (const auto& [letter, color] : letters)
      if (color == c) m = letter;
    mask += m;
  }
  return mask;
}

}  // namespace lumbrix::testing
