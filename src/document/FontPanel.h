// The font panel below a document window's code pane: a face, a size and a colour, and the
// three check boxes that say which of them the next insertion writes. It lives as long as its
// window and is never saved.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumbrix {

struct FontPanel {
  std::string FontName;         // the editable face box; empty until the user picks a face
  std::string FontSize = "px";  // the editable size box, "px" selected at creation
  std::uint32_t FontColor = 0;  // the swatch, 0x00BBGGRR, black at creation
  bool CheckBox1 = true;        // "шрифт": write the face
  bool CheckBox2 = true;        // "разм.": write the size
  bool CheckBox3 = true;        // "цвет": write the colour; the swatch is an ellipse while on

  // After every insertion all three are on again, so that switching one off affects only the
  // next insertion.
  void CheckAll() { CheckBox1 = CheckBox2 = CheckBox3 = true; }
};

// The items of the size box, in order.
inline constexpr std::array<std::string_view, 8> kFontSizeItems = {"px", "1", "2", "3",
                                                                   "4",  "5", "6", "7"};

}  // namespace lumbrix
