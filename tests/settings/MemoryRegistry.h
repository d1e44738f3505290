// A Registry held in memory, with kinds kept, for the load and save rules. Tests can make a
// value unreadable, a write fail or the final store fail.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "common/Platform.h"

namespace lumbrix::testing {

class MemoryRegistry : public Registry {
 public:
  using Value = std::variant<std::int32_t, std::string>;

  bool KeyExists(const std::string&) override { return keyExists; }
  bool OpenKey(const std::string& key, bool canCreate) override {
    openedKeys.push_back(key);
    if (refuseOpen || (!keyExists && !canCreate)) return false;
    keyExists = true;
    isOpen = true;
    return true;
  }
  bool ValueExists(const std::string& name) override { return isOpen && values.count(name) > 0; }
  bool ReadInteger(const std::string& name, std::int32_t& value) override {
    return read(name, value);
  }
  bool ReadString(const std::string& name, std::string& value) override {
    return read(name, value);
  }
  bool WriteInteger(const std::string& name, std::int32_t value) override {
    return write(name, value);
  }
  bool WriteString(const std::string& name, const std::string& value) override {
    return write(name, value);
  }
  bool CloseKey() override {
    ++closes;
    isOpen = false;
    return !failClose;
  }

  bool keyExists = false;
  bool refuseOpen = false;
  bool failClose = false;
  std::set<std::string> unreadable;
  std::string failWriteOf;

  bool isOpen = false;
  int closes = 0;
  std::vector<std::string> openedKeys;
  std::vector<std::string> written;
  std::map<std::string, Value> values;

 private:
  template <typename T>
  bool read(const std::string& name, T& out) {
    const auto it = values.find(name);
    if (!isOpen || it == values.end() || unreadable.count(name) ||
        !std::holds_alternative<T>(it->second))
      return false;
    out = std::get<T>(it->second);
    return true;
  }
  bool write(const std::string& name, Value value) {
    if (!isOpen || name == failWriteOf) return false;
    written.push_back(name);
    values[name] = std::move(value);
    return true;
  }
};

}  // namespace lumbrix::testing
