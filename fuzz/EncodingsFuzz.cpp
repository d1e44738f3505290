// The conversions between a file image and editor text, in every encoding, line-end mode and
// file kind: reading agrees with reading one byte at a time; an image whose line ends have the
// mode's form and whose bytes the page maps (in WIN any bytes) is written back byte for byte;
// editor text written and read again is the same text when the page holds its characters, and a
// kind that takes entities loses no character at all once the entities are read back.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/CodePage.h"
#include "common/Entities.h"
#include "document/Encodings.h"
#include "FuzzCheck.h"

namespace {

using namespace lumbrix;

std::string readByteAtATime(std::string_view image, bool lf, int encoding) {
  if (encoding == EncodingWin && !lf) return std::string(image);
  std::string out;
  bool cr = false;
  for (const char c : image) {
    if (cr && c != '\n') out += '\r';
    cr = c == '\r';
    if (c == '\n') out += "\r\n";
    if (c != '\n' && c != '\r')
      out += static_cast<char>(ToWin(static_cast<unsigned char>(c), encoding));
  }
  if (cr) out += '\r';
  return out;
}

// Line ends of an image that the mode writes back as they were: with CR LF no lone LF, with LF
// no CR LF.
bool imageLineEndsFit(std::string_view image, bool lf) {
  for (std::size_t i = 0; i < image.size(); ++i)
    if (image[i] == '\n' && (i > 0 && image[i - 1] == '\r') == lf) return false;
  return true;
}

// Editor text whose line breaks survive: no lone LF, and in an LF file no lone CR just before a
// line break (the file could not tell the two apart).
bool textLineEndsFit(std::string_view text, bool lf) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') continue;
    if (i == 0 || text[i - 1] != '\r') return false;
    if (lf && i >= 2 && text[i - 2] == '\r') return false;
  }
  return true;
}

const unsigned char* tableOf(int encoding) {
  return encoding == EncodingKoi8 ? KoiToWin().data() : IsoToWin().data();
}

// The characters a page holds: ASCII and whatever its table reaches; in WIN all of them.
std::array<bool, 256> heldBy(int encoding) {
  std::array<bool, 256> h{};
  for (int c = 0; c < 256; ++c) h[c] = encoding == EncodingWin || c < 0x80;
  for (int b = 0; encoding != EncodingWin && b < 256; ++b)
    h[tableOf(encoding)[b]] = h[tableOf(encoding)[b]] || tableOf(encoding)[b] != 0;
  return h;
}

// The character an entity or a numeric reference at the start of s stands for, and its length
// (0 when there is none).
std::pair<std::size_t, char32_t> reference(std::string_view s) {
  for (int c = 0; c < 256; ++c) {
    const std::string_view entity = EntityOf(static_cast<unsigned char>(c));
    if (!entity.empty() && s.starts_with(entity))
      return {entity.size(), WinToUnicode(static_cast<unsigned char>(c))};
  }
  std::size_t i = 2;
  char32_t n = 0;
  while (s.size() > 2 && s[1] == '#' && i < s.size() && i < 9 && s[i] >= '0' && s[i] <= '9')
    n = n * 10 + static_cast<char32_t>(s[i++] - '0');
  if (i == 2 || i >= s.size() || s[i] != ';') return {0, 0};
  return {i + 1, n};
}

// The text as the characters a browser shows: entities and references read.
std::u32string shown(std::string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto [length, u] =
        text[i] == '&' ? reference(text.substr(i)) : std::pair{std::size_t{0}, U'\0'};
    out += length ? u : WinToUnicode(static_cast<unsigned char>(text[i]));
    i += length ? length : 1;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int encoding = in.ConsumeIntegralInRange(0, 2);
  const int kind = in.ConsumeIntegralInRange(0, 13);
  const int lineEnds = in.ConsumeIntegralInRange(0, 2);
  const std::string bytes = in.ConsumeRemainingBytesAsString();
  // CR LF, LF, or what loading detects.
  const bool lf = lineEnds == 2 ? DetectLineEnds(bytes, kind, false) : lineEnds == 1;
  const bool entities = encoding != EncodingWin && KindTakesEntities(kind);
  static const std::array<bool, 256> kHeld[] = {heldBy(0), heldBy(1), heldBy(2)};
  const std::array<bool, 256>& held = kHeld[encoding];

  // The bytes as a file image: loading, then saving without edits.
  const std::string text = DecodeFileText(bytes, lf, encoding);
  check(text == readByteAtATime(bytes, lf, encoding));
  bool faithful = (encoding == EncodingWin && !lf) || imageLineEndsFit(bytes, lf);
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (encoding == EncodingWin || b < 0x80) continue;
    const unsigned char w = tableOf(encoding)[b];
    faithful = faithful && w != 0 && !(entities && !EntityOf(w).empty());
  }
  if (faithful) check(EncodeFileText(text, lf, encoding, kind) == bytes);

  // The bytes as editor text: saving, then loading the file written.
  if (!(encoding == EncodingWin && !lf) && !textLineEndsFit(bytes, lf)) return 0;
  const std::string image = EncodeFileText(bytes, lf, encoding, kind);
  const std::string back = DecodeFileText(image, lf, encoding);
  bool plain = true;  // every character held, none written as an entity
  for (const char c : bytes)
    plain = plain && held[static_cast<unsigned char>(c)] &&
            !(entities && !EntityOf(static_cast<unsigned char>(c)).empty());
  if (plain) check(back == bytes);
  if (entities) check(shown(back) == shown(bytes));
  // Without entities one byte per character, a CR LF written as LF being one.
  if (!entities)
    check(image.size() == bytes.size() - (lf ? std::count(bytes.begin(), bytes.end(), '\n') : 0));
  return 0;
}
