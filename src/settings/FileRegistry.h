// The settings key kept in a file of the registry editor's text format, for systems without a
// registry. Keys are sections under HKEY_CURRENT_USER in that one file.
#pragma once

#include <optional>
#include <string>

#include "common/Platform.h"
#include "settings/RegFile.h"

namespace lumbrix {

class FileRegistry : public Registry {
 public:
  // `path` is Windows-1251, like every path inside the program.
  explicit FileRegistry(std::string path);

  // $XDG_CONFIG_HOME/Orvane/lmbx.reg, or ~/.config/Orvane/lmbx.reg without that variable;
  // nothing when there is no home folder or its name does not fit the code page.
  static std::optional<std::string> DefaultPath();

  const std::string& Path() const { return path_; }

  bool KeyExists(const std::string& key) override;
  bool OpenKey(const std::string& key, bool canCreate) override;
  bool ValueExists(const std::string& name) override;
  bool ReadInteger(const std::string& name, std::int32_t& value) override;
  bool ReadString(const std::string& name, std::string& value) override;
  // Writes are kept in memory until CloseKey stores the whole file in one step.
  bool WriteInteger(const std::string& name, std::int32_t value) override;
  bool WriteString(const std::string& name, const std::string& value) override;
  bool CloseKey() override;

 private:
  enum class FileState { Missing, Read, Unreadable };
  FileState readFile(RegFile& file) const;
  bool canWrite() const { return open_ && writable_; }

  std::string path_;
  RegFile file_;
  std::string section_;
  bool open_ = false;
  bool writable_ = false;
  bool changed_ = false;
};

}  // namespace lumbrix
