#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/FileSystem.h"
#include "common/WinText.h"
#include "settings/FileRegistry.h"
#include "settings/SettingsStore.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using testing::FakeDialogs;
using testing::TempDir;

constexpr char kSection[] = "[HKEY_CURRENT_USER\\Software\\Orvane\\lmbx]";

// Every field away from its default, so that a field the table misses cannot go unnoticed.
Settings everyFieldChanged() {
  Settings s;
  s.UUL = s.PSN = s.NCF = s.AM = s.UUK = s.UUD = s.UDHETWJSA = s.SO = true;
  s.HAVS = s.NSF = s.NTF = s.NHF = s.FDB = s.UT = s.FT = s.USC = s.UDF = s.UUN = s.UDHETWJS = false;
  s.TS = 100;
  s.FMK = 1;
  s.DT = 3;
  s.CEBColor = 0x00336699;
  s.CETColor = -2;
  s.TBA = -7;
  s.CEFontSize = 14;
  s.DC = 2;
  s.DHTMLET = 2;
  s.USER = "Ёжик \"в\" C:\\туман\\"_w;
  s.CEFontFace = "Lucida Console";
  s.UK = "html, css"_w;
  s.UD = "Строка\r\nвторая"_w;
  s.PC = "Моя правка"_w;
  return s;
}

std::string saved(const TempDir& dir, const Settings& s) {
  FileRegistry registry(dir.File("Orvane/lmbx.reg"));
  FakeDialogs dialogs;
  SaveSettings(s, registry, dialogs);
  EXPECT_TRUE(dialogs.messages.empty());
  return TempDir::Read(dir.File("Orvane/lmbx.reg"));
}

Settings loaded(const std::string& path, FakeDialogs& dialogs) {
  FileRegistry registry(path);
  Settings s;
  LoadSettings(s, registry, dialogs);
  return s;
}

TEST(FileRegistry, RoundTripsEveryFieldWithItsKind) {
  TempDir dir;
  const Settings s = everyFieldChanged();
  const std::string file = saved(dir, s);  // the folder Orvane does not exist yet

  EXPECT_EQ(file.rfind(std::string("REGEDIT4\r\n\r\n") + kSection + "\r\n", 0), 0u);
  EXPECT_NE(file.find("\r\n\"UUL\"=dword:00000001\r\n\"PSN\"=dword:00000001\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("\r\n\"TBA\"=dword:fffffff9\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\n\"CEBColor\"=dword:00336699\r\n"), std::string::npos);
  EXPECT_NE(
      file.find("\r\n\"USER\"=\"" + std::string("Ёжик \\\"в\\\" C:\\\\туман\\\\"_w) + "\"\r\n"),
      std::string::npos);
  for (std::size_t i = 0; i < file.size(); ++i) {
    if (file[i] == '\n') {
      ASSERT_EQ(file[i - 1], '\r') << "at " << i;
    }
  }

  FakeDialogs dialogs;
  EXPECT_EQ(loaded(dir.File("Orvane/lmbx.reg"), dialogs), s);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST(FileRegistry, KeepsWhatItDoesNotOwnAndReplacesInPlace) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("Orvane"));
  const std::string before = std::string("REGEDIT4\n\n; hand-written\n") + kSection +
                             "\n\"Extra\"=hex:01,02,\\\n  03\n\"TS\"=dword:00000007\n"
                             "garbage ] line\n\n[HKEY_CURRENT_USER\\Software\\Other]\n"
                             "\"TS\"=\"not ours\"\n";
  dir.Write("Orvane/lmbx.reg", before);

  FakeDialogs dialogs;
  EXPECT_EQ(loaded(dir.File("Orvane/lmbx.reg"), dialogs).TS, 7);  // LF alone is a line end
  EXPECT_TRUE(dialogs.messages.empty());

  const std::string after = saved(dir, Settings{});
  EXPECT_EQ(after.rfind(std::string("REGEDIT4\r\n\r\n; hand-written\r\n") + kSection +
                            "\r\n\"Extra\"=hex:01,02,\\\r\n  03\r\n\"TS\"=dword:00000002\r\n",
                        0),
            0u);
  EXPECT_NE(after.find("\r\ngarbage ] line\r\n"), std::string::npos);
  EXPECT_NE(after.find("[HKEY_CURRENT_USER\\Software\\Other]\r\n\"TS\"=\"not ours\"\r\n"),
            std::string::npos);
  EXPECT_EQ(after.find("\"TS\"=dword:00000007"), std::string::npos);
  EXPECT_LT(after.find("\"SO\"="), after.find("[HKEY_CURRENT_USER\\Software\\Other]"));
}

TEST(FileRegistry, AWrongKindOrMalformedLineIsAReadFailure) {
  TempDir dir;
  const std::string path = dir.Write(
      "lmbx.reg", std::string("REGEDIT4\r\n") + kSection +
                      "\r\n\"UUL\"=dword:1\r\n\"HAVS\"=\"1\"\r\n\"TS\"=dword:00000009\r\n");
  FakeDialogs dialogs;
  const Settings s = loaded(path, dialogs);
  EXPECT_TRUE(s.UUL);
  EXPECT_TRUE(s.HAVS);
  EXPECT_EQ(s.TS, 2);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].caption, std::string("Ошибка при чтении реестра"_w));

  dir.Write("lmbx.reg", std::string("REGEDIT4\r\n") + kSection +
                            "\r\n\"TS\"=dword:0000000g\r\n\"USER\"=\"open\r\n");
  FileRegistry registry(path);
  ASSERT_TRUE(registry.OpenKey("Software\\Orvane\\lmbx\\", false));
  std::int32_t n = 0;
  std::string t;
  EXPECT_TRUE(registry.ValueExists("TS"));
  EXPECT_FALSE(registry.ReadInteger("TS", n));
  EXPECT_TRUE(registry.ValueExists("USER"));
  EXPECT_FALSE(registry.ReadString("USER", t));
  EXPECT_FALSE(registry.ValueExists("PC"));
  EXPECT_TRUE(registry.CloseKey());
}

TEST(FileRegistry, AKeyExistsOnlyWhenTheFileHoldsItsSection) {
  TempDir dir;
  FileRegistry registry(dir.File("lmbx.reg"));
  EXPECT_FALSE(registry.KeyExists("Software\\Orvane\\lmbx\\"));
  EXPECT_FALSE(registry.OpenKey("Software\\Orvane\\lmbx\\", false));
  dir.Write("lmbx.reg", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n");
  EXPECT_FALSE(registry.KeyExists("Software\\Orvane\\lmbx\\"));
  EXPECT_FALSE(registry.WriteInteger("TS", 1));  // nothing open
}

TEST(FileRegistry, ReplacesTheFileAtomically) {
  TempDir dir;
  saved(dir, Settings{});
  saved(dir, everyFieldChanged());
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.File("Orvane"))) {
    EXPECT_EQ(e.path().filename(), "lmbx.reg");
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST(FileRegistry, AFileThatCannotBeStoredIsASaveFailure) {
  TempDir dir;
  dir.Write("Orvane", "a file where the folder should be");
  FileRegistry registry(dir.File("Orvane/lmbx.reg"));
  FakeDialogs dialogs;
  SaveSettings(Settings{}, registry, dialogs);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, std::string("Глюк???"_w));
  EXPECT_EQ(TempDir::Read(dir.File("Orvane")), "a file where the folder should be");
}

TEST(FileRegistry, SavesIntoFoldersOfCyrillicNames) {
  TempDir dir;
  const std::string path = *PathFromNative(dir.path()) + std::string("/Настройки/Мои/lmbx.reg"_w);
  FileRegistry registry(path);
  FakeDialogs dialogs;
  SaveSettings(everyFieldChanged(), registry, dialogs);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_NE(TempDir::Read(dir.File("Настройки/Мои/lmbx.reg")).find("\"TS\"=dword:00000064"),
            std::string::npos);
  EXPECT_EQ(loaded(path, dialogs), everyFieldChanged());
}

TEST(FileRegistry, DefaultPathFollowsTheConfigFolder) {
#ifdef _WIN32
  GTEST_SKIP() << "on Windows the settings are kept in the registry, not under a config folder";
#else
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string savedXdg = oldXdg ? oldXdg : "";
  ::setenv("XDG_CONFIG_HOME", "/tmp/conf", 1);
  EXPECT_EQ(FileRegistry::DefaultPath(), "/tmp/conf/Orvane/lmbx.reg");
  ::setenv("XDG_CONFIG_HOME", "", 1);
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  if (!home.empty()) {
    EXPECT_EQ(FileRegistry::DefaultPath(), home + "/.config/Orvane/lmbx.reg");
  }
  if (oldXdg)
    ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
  else
    ::unsetenv("XDG_CONFIG_HOME");
#endif
}

}  // namespace
}  // namespace lumbrix
