// The documents a monkey run starts with: pages, a style sheet, a script, plain text and a
// VRML world, in the three encodings and with CR LF, LF and mixed line ends.
#pragma once

#include <string>
#include <vector>

namespace lumbrix::monkey {

// Writes the documents into the folder (a native path) and returns their native paths, as a
// command line gives them.
std::vector<std::string> WriteSampleDocuments(const std::string& folder);

}  // namespace lumbrix::monkey
