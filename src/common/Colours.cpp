#include "common/Colours.h"

namespace lumbrix {

std::string ColorToHex(std::uint32_t colour) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  // Red is the low byte, blue the third: the bytes are written from the low end up.
  for (int shift = 0; shift < 24; shift += 8) {
    const unsigned byte = (colour >> shift) & 0xFFu;
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xFu];
  }
  return out;
}

}  // namespace lumbrix
