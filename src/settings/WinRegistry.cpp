#ifdef _WIN32

#include "settings/WinRegistry.h"

#include "common/WinApi.h"

#include <string>

#include "common/CodePage.h"

namespace lumbrix {

namespace {

// Names and texts are Windows-1251 whatever the system's code page, so the wide functions are
// called with our own conversion.
std::wstring wide(const std::string& win) {
  std::wstring w;
  w.reserve(win.size());
  for (char c : win) w += static_cast<wchar_t>(WinToUnicode(static_cast<unsigned char>(c)));
  return w;
}

std::string narrow(const std::wstring& w) {
  std::string s;
  s.reserve(w.size());
  for (wchar_t c : w) {
    const int b = UnicodeToWin(static_cast<char32_t>(c));
    s += static_cast<char>(b < 0 ? '?' : b);
  }
  return s;
}

std::wstring keyPath(const std::string& key) {
  std::string k = key;
  while (!k.empty() && k.back() == '\\') k.pop_back();
  return wide(k);
}

HKEY handle(void* key) {
  return static_cast<HKEY>(key);
}

}  // namespace

WinRegistry::~WinRegistry() {
  CloseKey();
}

bool WinRegistry::KeyExists(const std::string& key) {
  HKEY k = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, keyPath(key).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS)
    return false;
  ::RegCloseKey(k);
  return true;
}

bool WinRegistry::OpenKey(const std::string& key, bool canCreate) {
  CloseKey();
  HKEY k = nullptr;
  const LONG r =
      canCreate
          ? ::RegCreateKeyExW(HKEY_CURRENT_USER, keyPath(key).c_str(), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &k, nullptr)
          : ::RegOpenKeyExW(HKEY_CURRENT_USER, keyPath(key).c_str(), 0, KEY_READ, &k);
  if (r != ERROR_SUCCESS) return false;
  key_ = k;
  return true;
}

bool WinRegistry::ValueExists(const std::string& name) {
  return key_ && ::RegQueryValueExW(handle(key_), wide(name).c_str(), nullptr, nullptr, nullptr,
                                    nullptr) == ERROR_SUCCESS;
}

bool WinRegistry::ReadInteger(const std::string& name, std::int32_t& value) {
  if (!key_) return false;
  DWORD type = 0;
  DWORD data = 0;
  DWORD size = sizeof data;
  if (::RegQueryValueExW(handle(key_), wide(name).c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof data)
    return false;
  value = static_cast<std::int32_t>(data);
  return true;
}

bool WinRegistry::ReadString(const std::string& name, std::string& value) {
  if (!key_) return false;
  const std::wstring n = wide(name);
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExW(handle(key_), n.c_str(), nullptr, &type, nullptr, &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return false;
  // The value may change between the two calls; one more character keeps a terminator.
  std::wstring buf(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
  if (::RegQueryValueExW(handle(key_), n.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buf.data()), &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return false;
  buf.resize(size / sizeof(wchar_t));
  // A stored string need not carry its terminating zero, and may end at an earlier one.
  const auto zero = buf.find(L'\0');
  if (zero != std::wstring::npos) buf.resize(zero);
  value = narrow(buf);
  return true;
}

bool WinRegistry::WriteInteger(const std::string& name, std::int32_t value) {
  const DWORD data = static_cast<DWORD>(value);
  return key_ &&
         ::RegSetValueExW(handle(key_), wide(name).c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&data), sizeof data) == ERROR_SUCCESS;
}

bool WinRegistry::WriteString(const std::string& name, const std::string& value) {
  const std::wstring w = wide(value);
  return key_ &&
         ::RegSetValueExW(handle(key_), wide(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(w.c_str()),
                          static_cast<DWORD>((w.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool WinRegistry::CloseKey() {
  if (!key_) return true;
  const LONG r = ::RegCloseKey(handle(key_));
  key_ = nullptr;
  return r == ERROR_SUCCESS;
}

}  // namespace lumbrix

#endif  // _WIN32
