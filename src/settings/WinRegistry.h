// The settings key in the Windows registry itself, under HKEY_CURRENT_USER.
#pragma once

#ifdef _WIN32

#include "common/Platform.h"

namespace lumbrix {

class WinRegistry : public Registry {
 public:
  WinRegistry() = default;
  ~WinRegistry() override;
  WinRegistry(const WinRegistry&) = delete;
  WinRegistry& operator=(const WinRegistry&) = delete;

  bool KeyExists(const std::string& key) override;
  bool OpenKey(const std::string& key, bool canCreate) override;
  bool ValueExists(const std::string& name) override;
  bool ReadInteger(const std::string& name, std::int32_t& value) override;
  bool ReadString(const std::string& name, std::string& value) override;
  bool WriteInteger(const std::string& name, std::int32_t value) override;
  bool WriteString(const std::string& name, const std::string& value) override;
  bool CloseKey() override;

 private:
  void* key_ = nullptr;  // HKEY, kept out of this header so that <windows.h> stays in one file
};

}  // namespace lumbrix

#endif  // _WIN32
