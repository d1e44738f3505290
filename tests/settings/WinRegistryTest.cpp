// The settings through the Windows registry itself: the real HKEY_CURRENT_USER key, read back
// with the system's own functions. Whatever the key held before a test is put back after it, and
// tests run in parallel processes take the key in turns.
#include <gtest/gtest.h>

#include <string>

#include "common/WinText.h"
#include "settings/SettingsStore.h"
#include "settings/WinRegistry.h"
#include "support/FakeDialogs.h"
// After the project's headers: the port's MessageBox must keep its name.
#include "common/WinApi.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using testing::FakeDialogs;

constexpr wchar_t kKey[] = L"Software\\Orvane\\lmbx";
constexpr wchar_t kKept[] = L"Software\\Orvane\\lmbx, kept while tested";

class WinRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    turn_ = ::CreateMutexW(nullptr, FALSE, L"Lumbrix settings key under test");
    ASSERT_NE(turn_, nullptr);
    ASSERT_NE(::WaitForSingleObject(turn_, INFINITE), WAIT_FAILED);
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
      HKEY kept = nullptr;
      ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kKept, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &kept, nullptr),
                ERROR_SUCCESS);
      ASSERT_EQ(::RegCopyTreeW(key, nullptr, kept), ERROR_SUCCESS);
      ::RegCloseKey(kept);
      ::RegCloseKey(key);
      hadKey_ = true;
    }
    removeKey();
    ready_ = true;
  }

  void TearDown() override {
    // A key that could not be kept aside is left alone.
    if (ready_) removeKey();
    if (ready_ && hadKey_) restoreKey();
    ::ReleaseMutex(turn_);
    ::CloseHandle(turn_);
  }

  void restoreKey() {
    HKEY kept = nullptr;
    HKEY key = nullptr;
    ::RegOpenKeyExW(HKEY_CURRENT_USER, kKept, 0, KEY_READ, &kept);
    ::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr);
    EXPECT_EQ(::RegCopyTreeW(kept, nullptr, key), ERROR_SUCCESS);
    ::RegCloseKey(key);
    ::RegCloseKey(kept);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kKept);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kKept);
  }

  static void removeKey() {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
  }

  static bool keyExists() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
  }

  // A value as the registry holds it: its type and its bytes.
  struct Stored {
    DWORD type = REG_NONE;
    std::string bytes;
  };
  static Stored stored(const wchar_t* name) {
    Stored s;
    char data[1024];
    DWORD size = sizeof data;
    if (::RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_ANY | RRF_NOEXPAND, &s.type, data,
                       &size) == ERROR_SUCCESS)
      s.bytes.assign(data, size);
    return s;
  }

  static void put(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    ::RegCloseKey(key);
  }

 private:
  HANDLE turn_ = nullptr;
  bool hadKey_ = false;
  bool ready_ = false;
};

std::string bytesOf(const std::wstring& w, bool withZero) {
  return std::string(reinterpret_cast<const char*>(w.c_str()),
                     (w.size() + (withZero ? 1 : 0)) * sizeof(wchar_t));
}

std::string bytesOf(DWORD d) {
  return std::string(reinterpret_cast<const char*>(&d), sizeof d);
}

TEST_F(WinRegistryTest, SettingsAreStoredWithTheirKindsAndTextsInUnicode) {
  Settings s;
  s.UUL = true;
  s.TS = 8;
  s.TBA = -7;
  s.CEBColor = 0x00336699;
  s.USER = "Ёжик \"в\" C:\\туман\\"_w;
  s.UD = "Строка\r\nвторая"_w;
  s.PC = "";
  {
    WinRegistry registry;
    FakeDialogs dialogs;
    SaveSettings(s, registry, dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
  }
  const std::pair<const wchar_t*, Stored> expected[] = {
      {L"UUL", {REG_DWORD, bytesOf(1)}},
      {L"HAVS", {REG_DWORD, bytesOf(1)}},
      {L"TS", {REG_DWORD, bytesOf(8)}},
      {L"TBA", {REG_DWORD, bytesOf(0xFFFFFFF9)}},
      {L"CEBColor", {REG_DWORD, bytesOf(0x00336699)}},
      {L"USER", {REG_SZ, bytesOf(L"Ёжик \"в\" C:\\туман\\", true)}},
      {L"UD", {REG_SZ, bytesOf(L"Строка\r\nвторая", true)}},
      {L"PC", {REG_SZ, bytesOf(L"", true)}},
      {L"CEFontFace", {REG_SZ, bytesOf(L"Courier New", true)}},
  };
  for (const auto& [name, value] : expected) {
    const Stored got = stored(name);
    EXPECT_EQ(got.type, value.type) << name;
    EXPECT_EQ(got.bytes, value.bytes) << name;
  }

  WinRegistry registry;
  FakeDialogs dialogs;
  Settings back;
  back.PC = "Lumbrix";
  LoadSettings(back, registry, dialogs);
  EXPECT_EQ(back, s);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WinRegistryTest, AMissingKeyIsAFirstRunAndStaysMissing) {
  WinRegistry registry;
  FakeDialogs dialogs;
  Settings s;
  s.TS = 5;
  LoadSettings(s, registry, dialogs);
  EXPECT_EQ(s.TS, 5);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(keyExists());
  EXPECT_FALSE(registry.OpenKey(std::string(kSettingsKey), false));
  EXPECT_FALSE(registry.WriteInteger("TS", 1));  // nothing open
  EXPECT_FALSE(keyExists());
}

TEST_F(WinRegistryTest, AValueOfTheOtherKindStopsTheLoadThere) {
  const DWORD one = 1;
  const std::wstring text = L"8";
  put(L"UUL", REG_DWORD, &one, sizeof one);
  put(L"TS", REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  put(L"SO", REG_DWORD, &one, sizeof one);
  WinRegistry registry;
  FakeDialogs dialogs;
  Settings s;
  LoadSettings(s, registry, dialogs);
  EXPECT_TRUE(s.UUL);
  EXPECT_EQ(s.TS, 2);
  EXPECT_FALSE(s.SO);  // after the failure: not read
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].caption, std::string("Ошибка при чтении реестра"_w));

  // A string where a number belongs, a number where a string belongs.
  ASSERT_TRUE(registry.OpenKey(std::string(kSettingsKey), false));
  std::int32_t n = 0;
  std::string t;
  EXPECT_FALSE(registry.ReadInteger("TS", n));
  EXPECT_FALSE(registry.ReadString("UUL", t));
  EXPECT_TRUE(registry.CloseKey());
}

TEST_F(WinRegistryTest, StringsWrittenByOtherProgramsReadAsTheirText) {
  struct Case {
    const wchar_t* name;
    DWORD type;
    std::string data;
    std::string text;
  };
  const Case cases[] = {
      {L"A", REG_SZ, bytesOf(L"Мир", false), std::string("Мир"_w)},  // no zero at the end
      {L"B", REG_SZ, bytesOf(L"ab", true) + bytesOf(L"cd", true), "ab"},     // an earlier zero
      {L"C", REG_EXPAND_SZ, bytesOf(L"%TEMP%\\x", true), "%TEMP%\\x"},       // left unexpanded
      {L"D", REG_SZ, bytesOf(L"\u20bd5", true), "?5"},  // a sign the code page lacks
      {L"E", REG_SZ, bytesOf(std::wstring(3000, L'я'), true), std::string(3000, '\xff')},
  };
  for (const Case& c : cases)
    put(c.name, c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
  WinRegistry registry;
  ASSERT_TRUE(registry.KeyExists(std::string(kSettingsKey)));
  ASSERT_TRUE(registry.OpenKey(std::string(kSettingsKey), false));
  for (const Case& c : cases) {
    std::string name;
    for (const wchar_t* p = c.name; *p; ++p) name += static_cast<char>(*p);
    std::string text;
    EXPECT_TRUE(registry.ValueExists(name)) << name;
    EXPECT_TRUE(registry.ReadString(name, text)) << name;
    EXPECT_EQ(text, c.text) << name;
  }
  EXPECT_FALSE(registry.ValueExists("F"));
  EXPECT_TRUE(registry.CloseKey());
}

}  // namespace
}  // namespace lumbrix
