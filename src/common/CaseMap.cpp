#include "common/CaseMap.h"

#include <algorithm>

namespace lumbrix {

std::string WinLowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = WinToLower(c);
  return out;
}

std::string WinUpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = WinToUpper(c);
  return out;
}

namespace {

// A word character for the whole-word option: letters of either alphabet, digits, underscore.
bool isWordChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u == '_' || (u >= '0' && u <= '9')) return true;
  return kWinLower[u] != kWinUpper[u];
}

}  // namespace

int FindText(std::string_view text, std::string_view what, int start, int length, bool matchCase,
             bool wholeWord) {
  const int n = static_cast<int>(text.size());
  if (start < 0) start = 0;
  if (start > n) return -1;
  int end = length < 0 ? n : std::min(n, start + length);
  const int w = static_cast<int>(what.size());
  if (w == 0 || end - start < w) return -1;
  const unsigned char first = static_cast<unsigned char>(what[0]);
  for (int i = start; i + w <= end; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (matchCase ? c != first : kWinLower[c] != kWinLower[first]) continue;
    bool match = true;
    for (int k = 1; k < w; ++k) {
      const unsigned char a = static_cast<unsigned char>(text[i + k]);
      const unsigned char b = static_cast<unsigned char>(what[k]);
      if (matchCase ? a != b : kWinLower[a] != kWinLower[b]) {
        match = false;
        break;
      }
    }
    if (!match) continue;
    if (wholeWord && ((i > 0 && isWordChar(text[i - 1])) || (i + w < n && isWordChar(text[i + w]))))
      continue;
    return i;
  }
  return -1;
}

}  // namespace lumbrix
