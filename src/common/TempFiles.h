// Temporary files that nobody else can touch. A fixed name in the shared temporary folder could
// be a link planted by another user, and a write to it would follow the link; a folder that only
// the current user may enter holds such files instead.
#pragma once

#include <optional>
#include <string>

namespace lumbrix {

// A folder inside `base` that only the current user may enter, with its trailing separator.
// On POSIX systems "lumbrix-<user id>" with mode 0700, made when missing and used only when it
// is a real folder (not a link) owned by the user and closed to everyone else; otherwise a new
// folder of a unique name is made. On Windows the user's own temporary folder is private
// already and is `base` itself. Nothing when no such folder can be had.
std::optional<std::string> PrivateTempFolder(const std::string& base);

// Deletes a file; false when it could not be deleted.
bool RemoveFile(const std::string& path);

}  // namespace lumbrix
