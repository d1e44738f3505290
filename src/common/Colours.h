// Colours as the pages write them.
#pragma once

#include <cstdint>
#include <string>

namespace lumbrix {

// A colour in the layout 0x00BBGGRR as six lower-case hexadecimal digits red, green, blue
// ("0080ff" for blue FF, green 80, red 00). Bits above the low 24 are not part of a colour.
std::string ColorToHex(std::uint32_t colour);

}  // namespace lumbrix
