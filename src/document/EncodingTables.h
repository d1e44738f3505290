// The per-byte tables behind the file text conversions, shared by the table builder and the
// converters.
#pragma once

#include <array>
#include <string>

namespace lumbrix {

// File byte -> Windows-1251 byte, every byte filled (bytes without an entry map to themselves).
const unsigned char* DecodeTable(int encoding);

// What one Windows-1251 character other than a line break becomes in the file: an entity,
// a numeric character reference, or one byte.
struct EncodeSlots {
  std::array<std::string, 256> slot;
};

const EncodeSlots& SlotsFor(int encoding, bool entities);

}  // namespace lumbrix
