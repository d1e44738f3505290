#include "document/Encodings.h"

#include <cstdint>
#include <cstring>

#include "common/CodePage.h"
#include "common/Entities.h"
#include "document/EncodingTables.h"

namespace lumbrix {

namespace {

constexpr int kKindPerl = 12;

constexpr char16_t koiUnicode(int byte) {
  return byte < 0x80 ? static_cast<char16_t>(byte) : kKoi8rHigh[byte - 0x80];
}

constexpr char16_t isoUnicode(int byte) {
  return byte < 0x80 ? static_cast<char16_t>(byte) : Iso88595High(byte - 0x80);
}

constexpr bool isCyrillicLetter(char16_t u) {
  return u >= 0x0400 && u <= 0x045F;
}

// KOI8-R: the Cyrillic letters (А … Я, а … я, Ё, ё) and the signs ©, ° and ·, taken from the
// published charts: 69 entries.
constexpr std::array<unsigned char, 256> kKoiToWin = [] {
  std::array<unsigned char, 256> t{};
  for (int i = 0x80; i < 256; ++i) {
    const char16_t u = koiUnicode(i);
    if (isCyrillicLetter(u) || u == 0x00A9 || u == 0x00B0 || u == 0x00B7)
      t[i] = static_cast<unsigned char>(UnicodeToWin(u));
  }
  return t;
}();

// ISO-8859-5: every byte from 0xA1 on except the soft hyphen 0xAD, the numero sign 0xF0 (0xB9 in
// Windows-1251) included: 94 entries.
constexpr std::array<unsigned char, 256> kIsoToWin = [] {
  std::array<unsigned char, 256> t{};
  for (int i = 0xA1; i < 256; ++i) {
    if (i == 0xAD) continue;
    t[i] = static_cast<unsigned char>(UnicodeToWin(isoUnicode(i)));
  }
  return t;
}();

// The reverse lookups, as the first file byte whose table entry is the given Windows-1251 byte.
// A zero byte stays a zero byte.
constexpr std::array<unsigned char, 256> reverseOf(const std::array<unsigned char, 256>& table) {
  std::array<unsigned char, 256> r{};
  for (int b = 0; b < 256; ++b) r[b] = static_cast<unsigned char>(b);
  for (int i = 255; i >= 1; --i)
    if (table[i] != 0) r[table[i]] = static_cast<unsigned char>(i);
  return r;
}

constexpr std::array<unsigned char, 256> kWinToKoi = reverseOf(kKoiToWin);
constexpr std::array<unsigned char, 256> kWinToIso = reverseOf(kIsoToWin);

constexpr std::array<unsigned char, 256> decodeTable(const std::array<unsigned char, 256>& t) {
  std::array<unsigned char, 256> d{};
  for (int c = 0; c < 256; ++c) d[c] = t[c] ? t[c] : static_cast<unsigned char>(c);
  return d;
}

constexpr std::array<unsigned char, 256> kDecodeKoi = decodeTable(kKoiToWin);
constexpr std::array<unsigned char, 256> kDecodeIso = decodeTable(kIsoToWin);

// For pages in KOI8 or ISO: true where the Windows-1251 character has no equal in the file's code
// page, so that writing its byte would show a different character.
template <typename FileUnicode>
constexpr std::array<bool, 256> lacking(const std::array<unsigned char, 256>& fromWin,
                                        FileUnicode fileUnicode) {
  std::array<bool, 256> t{};
  for (int c = 0; c < 256; ++c)
    t[c] = fileUnicode(fromWin[c]) != WinToUnicode(static_cast<unsigned char>(c));
  return t;
}

constexpr std::array<bool, 256> kKoiLacks = lacking(kWinToKoi, koiUnicode);
constexpr std::array<bool, 256> kIsoLacks = lacking(kWinToIso, isoUnicode);

const unsigned char* decodeTableOf(int encoding) {
  static constexpr std::array<unsigned char, 256> identity = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
    return t;
  }();
  if (encoding == EncodingKoi8) return kDecodeKoi.data();
  if (encoding == EncodingIso) return kDecodeIso.data();
  return identity.data();
}

const unsigned char* encodeTableOf(int encoding) {
  if (encoding == EncodingKoi8) return kWinToKoi.data();
  if (encoding == EncodingIso) return kWinToIso.data();
  return decodeTableOf(EncodingWin);
}

EncodeSlots buildSlots(int encoding, bool entities) {
  EncodeSlots s;
  const unsigned char* table = encodeTableOf(encoding);
  const std::array<bool, 256>* lacks = encoding == EncodingKoi8  ? &kKoiLacks
                                       : encoding == EncodingIso ? &kIsoLacks
                                                                 : nullptr;
  for (int c = 0; c < 256; ++c) {
    const std::string_view entity = entities ? EntityOf(static_cast<unsigned char>(c)) : "";
    if (!entity.empty()) {
      s.slot[c] = std::string(entity);
    } else if (entities && lacks && (*lacks)[c]) {
      s.slot[c] =
          "&#" +
          std::to_string(static_cast<unsigned>(WinToUnicode(static_cast<unsigned char>(c)))) + ";";
    } else {
      s.slot[c] = std::string(1, static_cast<char>(table[c]));
    }
  }
  return s;
}

}  // namespace

const EncodeSlots& SlotsFor(int encoding, bool entities) {
  static const EncodeSlots koi = buildSlots(EncodingKoi8, false);
  static const EncodeSlots koiEntities = buildSlots(EncodingKoi8, true);
  static const EncodeSlots iso = buildSlots(EncodingIso, false);
  static const EncodeSlots isoEntities = buildSlots(EncodingIso, true);
  static const EncodeSlots win = buildSlots(EncodingWin, false);
  if (encoding == EncodingKoi8) return entities ? koiEntities : koi;
  if (encoding == EncodingIso) return entities ? isoEntities : iso;
  return win;
}

const unsigned char* DecodeTable(int encoding) {
  return decodeTableOf(encoding);
}

const std::array<unsigned char, 256>& KoiToWin() {
  return kKoiToWin;
}
const std::array<unsigned char, 256>& IsoToWin() {
  return kIsoToWin;
}

unsigned char ToWin(unsigned char c, int encoding) {
  return decodeTableOf(encoding)[c];
}

unsigned char FromWin(unsigned char b, int encoding) {
  return encodeTableOf(encoding)[b];
}

bool KindTakesEntities(int fileKind) {
  switch (fileKind) {
    case 0:
    case 1:
    case 2:
    case 4:
    case 6:
    case 11:
    case 12:
      return true;
    default:
      return false;
  }
}

bool DetectLineEnds(std::string_view image, int fileKind, bool current) {
  if (fileKind == kKindPerl) return true;
  const std::size_t lf = image.find('\n');
  if (lf == std::string_view::npos) return current;
  if (lf == 0) return true;
  return image[lf - 1] != '\r';
}

}  // namespace lumbrix
