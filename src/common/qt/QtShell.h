// The Shell port over QDesktopServices: files and addresses go to the programs the desktop has
// registered for them.
#pragma once

#include <QUrl>
#include <string>

#include "common/Platform.h"

namespace lumbrix {

// Addresses ("mailto:", "http:", "https:", "ftp:", "file:") are kept; anything else is a path,
// made absolute against the current folder.
QUrl ShellUrl(const std::string& target);

class QtShell : public Shell {
 public:
  bool Open(const std::string& target) override;
};

}  // namespace lumbrix
