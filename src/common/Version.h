// The program's version: shown by the About box, written into the generator tags of new pages
// and put in place of OV_PROG_VER in templates, so that all of them always agree.
#pragma once

#include <string_view>

namespace lumbrix {

inline constexpr std::string_view kProgramVersion = "0.8.1";

}  // namespace lumbrix
