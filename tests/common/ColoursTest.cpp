#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/Colours.h"

namespace lumbrix {
namespace {

TEST(ColorToHex, WritesRedGreenBlueInLowerCase) {
  const struct {
    std::uint32_t colour;
    std::string hex;
  } cases[] = {
      {0x000000, "000000"}, {0x0000FF, "ff0000"},   {0x00FF00, "00ff00"}, {0xFF0000, "0000ff"},
      {0xFF8000, "0080ff"}, {0xFFFFFF, "ffffff"},   {0x010203, "030201"}, {0x0A0B0C, "0c0b0a"},
      {0x000001, "010000"}, {0xFF000000, "000000"},  // the byte above the colour is not written
  };
  for (const auto& c : cases) EXPECT_EQ(ColorToHex(c.colour), c.hex) << std::hex << c.colour;
}

}  // namespace
}  // namespace lumbrix
