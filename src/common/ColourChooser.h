// The colour chooser that opens fully expanded, allows any colour and offers a set of custom
// colours. Colours are in the layout 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace lumbrix {

class ColourChooser {
 public:
  virtual ~ColourChooser() = default;
  // The chosen colour, or nothing when the user cancels.
  virtual std::optional<std::uint32_t> Choose(std::uint32_t initial,
                                              std::span<const std::uint32_t> custom) = 0;
};

}  // namespace lumbrix
