// The document type declarations of new pages, chosen by the setting DT.
#pragma once

#include <array>
#include <string>

namespace lumbrix {

// Each entry is two lines: the public identifier, then the W3C system identifier of the DTD.
const std::array<std::string, 4>& DocTypes();

// The declaration for a DT value; values outside 0..3 take the first.
const std::string& DocTypeFor(int dt);

}  // namespace lumbrix
