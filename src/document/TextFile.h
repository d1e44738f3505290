// Whole-file reading and writing of documents, with the messages the user sees on failure.
#pragma once

#include <string>

#include "common/FileSystem.h"

namespace lumbrix {

class Dialogs;

// Files of this many bytes or more are neither read nor written.
inline constexpr int kMaxFileSize = 65536;

// Reads the whole file into `bytes`, every byte of it (zero bytes included). On failure shows
// the message with the path as caption and returns false; `bytes` is then unchanged.
bool ReadTextFile(const NativeName& file, std::string& bytes, Dialogs& dialogs);
bool ReadTextFile(const std::string& path, std::string& bytes, Dialogs& dialogs);

// Writes `bytes` as the whole file. The file on disk gets only the complete new text: on any
// failure, a file the user may not write included, it keeps its old bytes. Shows the message
// with the path as caption and returns false on failure.
bool WriteTextFile(const std::string& bytes, const NativeName& file, Dialogs& dialogs);
bool WriteTextFile(const std::string& bytes, const std::string& path, Dialogs& dialogs);

}  // namespace lumbrix
