// The conversions between a file image and editor text. They run over the text a machine word
// (eight bytes) at a time: the word is translated through a table of byte pairs and stored
// whole, and only at a byte that needs more than a lookup (a line break, an entity) does the
// work go byte by byte, up to the next word. Text has a line break every few dozen bytes, so
// almost every word takes the quick way, and a page converts faster than a plain loop of
// single-byte lookups.
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>

#include "document/EncodingTables.h"
#include "document/Encodings.h"

namespace lumbrix {

namespace {

constexpr std::size_t kWord = 8;

std::uint64_t loadWord(const unsigned char* p) {
  std::uint64_t x;
  std::memcpy(&x, p, kWord);
  return x;
}

void storeWord(char* o, std::uint64_t y) {
  std::memcpy(o, &y, kWord);
}

// A flag in every byte of the word that equals `byte`.
std::uint64_t bytesEqual(std::uint64_t x, unsigned char byte) {
  const std::uint64_t y = x ^ (0x0101010101010101ull * byte);
  return (y - 0x0101010101010101ull) & ~y & 0x8080808080808080ull;
}

// The index, in memory order, of the first byte flagged by bytesEqual.
std::size_t firstFlagged(std::uint64_t mask) {
  if constexpr (std::endian::native == std::endian::little)
    return static_cast<std::size_t>(std::countr_zero(mask)) / 8;
  else
    return static_cast<std::size_t>(std::countl_zero(mask)) / 8;
}

// Pair tables: entry (a | b << 8) holds the translations of the two bytes in the same places, so
// that a 16-bit piece of a word translates in one lookup whatever the machine's byte order.
// Encoding entries carry kSlow when either byte needs more than a lookup.
constexpr std::uint32_t kSlow = 0x10000;

template <typename Entry>
using PairTable = std::array<Entry, 65536>;

std::unique_ptr<PairTable<std::uint16_t>> buildDecodePairs(int encoding) {
  const unsigned char* t = DecodeTable(encoding);
  auto pairs = std::make_unique<PairTable<std::uint16_t>>();
  for (unsigned i = 0; i < 65536; ++i)
    (*pairs)[i] = static_cast<std::uint16_t>(t[i & 0xFF] | t[i >> 8] << 8);
  return pairs;
}

const PairTable<std::uint16_t>& decodePairs(int encoding) {
  static const auto koi = buildDecodePairs(EncodingKoi8);
  static const auto iso = buildDecodePairs(EncodingIso);
  return encoding == EncodingKoi8 ? *koi : *iso;
}

bool slowChar(const EncodeSlots& slots, unsigned c) {
  return c == '\r' || c == '\n' || slots.slot[c].size() != 1;
}

// A byte that needs more than a lookup translates to 0 and marks its pair; the other byte of the
// pair still translates, as the bytes before a marked one are kept.
std::unique_ptr<PairTable<std::uint32_t>> buildEncodePairs(const EncodeSlots& slots) {
  auto one = [&](unsigned c) -> std::uint32_t {
    return slowChar(slots, c) ? kSlow : static_cast<unsigned char>(slots.slot[c][0]);
  };
  auto pairs = std::make_unique<PairTable<std::uint32_t>>();
  for (unsigned i = 0; i < 65536; ++i) {
    const std::uint32_t a = one(i & 0xFF), b = one(i >> 8);
    (*pairs)[i] = ((a | b) & kSlow) | (a & 0xFF) | (b & 0xFF) << 8;
  }
  return pairs;
}

const PairTable<std::uint32_t>& encodePairs(int encoding, bool entities) {
  static const auto win = buildEncodePairs(SlotsFor(EncodingWin, false));
  static const auto koi = buildEncodePairs(SlotsFor(EncodingKoi8, false));
  static const auto koiEntities = buildEncodePairs(SlotsFor(EncodingKoi8, true));
  static const auto iso = buildEncodePairs(SlotsFor(EncodingIso, false));
  static const auto isoEntities = buildEncodePairs(SlotsFor(EncodingIso, true));
  if (encoding == EncodingKoi8) return entities ? *koiEntities : *koi;
  if (encoding == EncodingIso) return entities ? *isoEntities : *iso;
  return *win;
}

// Four pair lookups make the translated word; `marks` collects the entries' flags.
template <typename Entry>
std::uint64_t translateWord(const PairTable<Entry>& t, std::uint64_t x, std::uint32_t& marks) {
  const Entry a = t[x & 0xFFFF], b = t[(x >> 16) & 0xFFFF], c = t[(x >> 32) & 0xFFFF],
              d = t[x >> 48];
  marks = static_cast<std::uint32_t>(a | b | c | d);
  return static_cast<std::uint64_t>(a & 0xFFFF) | static_cast<std::uint64_t>(b & 0xFFFF) << 16 |
         static_cast<std::uint64_t>(c & 0xFFFF) << 32 |
         static_cast<std::uint64_t>(d & 0xFFFF) << 48;
}

}  // namespace

// Every LF, alone or after CR, becomes CR LF; a CR not followed by LF stays a lone CR. So a CR
// translates like any byte (it is itself in every table), and an LF gets a CR before it unless
// the byte before it is one.
std::string DecodeFileText(std::string_view image, bool lineEndLF, int encoding) {
  if (encoding == EncodingWin && !lineEndLF) return std::string(image);
  const bool identity = encoding != EncodingKoi8 && encoding != EncodingIso;
  const PairTable<std::uint16_t>* pairs = identity ? nullptr : &decodePairs(encoding);
  const unsigned char* bytes = DecodeTable(encoding);
  std::string out(image.size() * 2 + kWord, '\0');
  char* o = out.data();
  const auto* begin = reinterpret_cast<const unsigned char*>(image.data());
  const auto* end = begin + image.size();
  const auto* p = begin;
  auto lineFeed = [&] {
    if (p == begin || p[-1] != '\r') *o++ = '\r';
    *o++ = '\n';
    ++p;
  };
  while (static_cast<std::size_t>(end - p) >= kWord) {
    const std::uint64_t x = loadWord(p);
    std::uint32_t unused;
    storeWord(o, identity ? x : translateWord(*pairs, x, unused));
    const std::uint64_t lf = bytesEqual(x, '\n');
    if (lf == 0) {
      p += kWord;
      o += kWord;
      continue;
    }
    const std::size_t j = firstFlagged(lf);
    p += j;
    o += j;
    lineFeed();
  }
  while (p < end) {
    if (*p == '\n')
      lineFeed();
    else
      *o++ = static_cast<char>(bytes[*p++]);
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

// CR LF and lone LF both become the file's line end; a lone CR stays a lone CR.
std::string EncodeFileText(std::string_view text, bool lineEndLF, int encoding, int fileKind) {
  if (encoding == EncodingWin && !lineEndLF) return std::string(text);
  const bool entities = encoding != EncodingWin && KindTakesEntities(fileKind);
  const EncodeSlots& slots = SlotsFor(encoding, entities);
  const PairTable<std::uint32_t>& pairs = encodePairs(encoding, entities);
  // Room for one word plus the longest slot ("&plusmn;") after the quick part of a word.
  constexpr std::size_t kRoom = 2 * kWord + 8;
  std::string out(text.size() + text.size() / 8 + kRoom, '\0');
  std::size_t used = 0;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = p + text.size();
  auto put = [&](const char* s, std::size_t n) {
    std::memcpy(out.data() + used, s, n);
    used += n;
  };
  // One character that needs more than a lookup.
  auto slowStep = [&] {
    const unsigned char c = *p++;
    if (c == '\n' || (c == '\r' && p != end && *p == '\n')) {
      if (c == '\r') ++p;
      if (lineEndLF)
        put("\n", 1);
      else
        put("\r\n", 2);
    } else if (c == '\r') {
      put("\r", 1);
    } else {
      const std::string& slot = slots.slot[c];
      put(slot.data(), slot.size());
    }
  };
  while (p < end) {
    if (out.size() - used < kRoom) out.resize(out.size() * 2);
    if (static_cast<std::size_t>(end - p) < kWord) {
      if (slowChar(slots, *p))
        slowStep();
      else
        out[used++] = slots.slot[*p++][0];
      continue;
    }
    std::uint32_t marks;
    storeWord(out.data() + used, translateWord(pairs, loadWord(p), marks));
    if ((marks & kSlow) == 0) {
      p += kWord;
      used += kWord;
      continue;
    }
    // Keep the bytes before the first one that needs more.
    std::size_t j = 0;
    while (!slowChar(slots, p[j])) ++j;
    p += j;
    used += j;
    slowStep();
  }
  out.resize(used);
  return out;
}

}  // namespace lumbrix
