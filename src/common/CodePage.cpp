#include "common/CodePage.h"

namespace lumbrix {

namespace {

// UTF-8 encodings of every Windows-1251 byte, built once.
struct Utf8Table {
  std::array<std::array<char, 4>, 256> bytes{};
  std::array<unsigned char, 256> length{};
  Utf8Table() {
    for (int c = 0; c < 256; ++c) {
      const char32_t u = WinToUnicode(static_cast<unsigned char>(c));
      auto& b = bytes[c];
      if (u < 0x80) {
        b[0] = static_cast<char>(u);
        length[c] = 1;
      } else if (u < 0x800) {
        b[0] = static_cast<char>(0xC0 | (u >> 6));
        b[1] = static_cast<char>(0x80 | (u & 0x3F));
        length[c] = 2;
      } else {
        b[0] = static_cast<char>(0xE0 | (u >> 12));
        b[1] = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        b[2] = static_cast<char>(0x80 | (u & 0x3F));
        length[c] = 3;
      }
    }
  }
};

const Utf8Table& utf8Table() {
  static const Utf8Table table;
  return table;
}

// Unicode to Windows-1251 for every character below U+2200 (the code page's highest is U+2122).
constexpr char32_t kReverseSize = 0x2200;

const std::array<short, kReverseSize>& reverseTable() {
  static const auto table = [] {
    std::array<short, kReverseSize> t{};
    t.fill(-1);
    for (int c = 0; c < 256; ++c)
      t[WinToUnicode(static_cast<unsigned char>(c))] = static_cast<short>(c);
    return t;
  }();
  return table;
}

// Reads the character at `i` and moves past it. A byte that starts no valid sequence is passed
// over alone (false); a sequence cut short by the end of the text takes the rest (false). An
// overlong form, a surrogate or a code point beyond U+10FFFF is no valid sequence: read as its
// character, an overlong form would turn two different byte strings into one text.
bool nextUtf8(std::string_view utf8, std::size_t& i, char32_t& u) {
  const auto c = static_cast<unsigned char>(utf8[i]);
  int extra = 0;
  if (c < 0x80) {
    u = c;
  } else if ((c & 0xE0) == 0xC0) {
    u = c & 0x1F;
    extra = 1;
  } else if ((c & 0xF0) == 0xE0) {
    u = c & 0x0F;
    extra = 2;
  } else if ((c & 0xF8) == 0xF0) {
    u = c & 0x07;
    extra = 3;
  } else {
    ++i;
    return false;
  }
  if (i + extra >= utf8.size() && extra > 0) {
    i = utf8.size();
    return false;
  }
  for (int k = 1; k <= extra; ++k) {
    const auto cc = static_cast<unsigned char>(utf8[i + k]);
    if ((cc & 0xC0) != 0x80) {
      ++i;
      return false;
    }
    u = (u << 6) | (cc & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (u < kLeast[extra] || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) {
    ++i;
    return false;
  }
  i += 1 + extra;
  return true;
}

}  // namespace

int WinByteOf(char32_t u) {
  return u < kReverseSize ? reverseTable()[u] : -1;
}

std::string WinToUtf8(std::string_view win) {
  const Utf8Table& t = utf8Table();
  std::string out;
  out.reserve(win.size() * 2);
  for (unsigned char c : win) out.append(t.bytes[c].data(), t.length[c]);
  return out;
}

bool Utf8ToWin(std::string_view utf8, std::string& out) {
  out.clear();
  out.reserve(utf8.size());
  bool ok = true;
  std::size_t i = 0;
  while (i < utf8.size()) {
    // The ASCII half of the code page is the same in both.
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      out.push_back(utf8[i++]);
      continue;
    }
    char32_t u = 0;
    const int w = nextUtf8(utf8, i, u) ? WinByteOf(u) : -1;
    if (w < 0) {
      ok = false;
      out.push_back('?');
    } else {
      out.push_back(static_cast<char>(w));
    }
  }
  return ok;
}

FittedText FitToWin1251(std::string_view utf8, bool references) {
  FittedText fit;
  fit.utf8.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::size_t from = i;
    char32_t u = 0;
    const bool valid = nextUtf8(utf8, i, u);
    if (valid && WinByteOf(u) >= 0) {
      fit.utf8.append(utf8.substr(from, i - from));
      continue;
    }
    fit.changed = true;
    if (references && valid) {
      fit.utf8 += "&#" + std::to_string(static_cast<std::uint32_t>(u)) + ';';
      ++fit.references;
    } else {
      ++fit.refused;
    }
  }
  return fit;
}

}  // namespace lumbrix
