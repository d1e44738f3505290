#include <gtest/gtest.h>

#include <string>

#include "settings/RegFile.h"

namespace lumbrix {
namespace {

using namespace std::string_literals;

constexpr char kKey[] = "HKEY_CURRENT_USER\\Software\\Orvane\\lmbx";

RegFile withValues(const std::string& lines) {
  return RegFile::Parse(std::string("REGEDIT4\r\n\r\n[") + kKey + "]\r\n" + lines);
}

TEST(RegFile, ReadsTheRegistryEditorsValueForms) {
  const RegFile f = withValues(
      "\"A\"=hex(2):25,54,45,4d,50,25,00\r\n"
      "\"B\"=hex(4):fe,ff,ff,ff\r\n"
      "\"C\"=hex(1):41,\\\r\n    42,00\r\n"
      "\"D\"=hex:01,02\r\n"
      "\"E\"=\"\"\r\n"
      "  \"F\" = DWORD:7FFFFFFF\r\n"
      "\"G\"=dword:100000000\r\n"
      "\"H\"=\"a\\tb\"\r\n");
  auto v = f.Find(kKey, "a");  // names ignore case
  ASSERT_TRUE(v);
  EXPECT_EQ(v->kind, RegValueKind::ExpandString);
  EXPECT_EQ(v->text, "%TEMP%");
  EXPECT_EQ(f.Find(kKey, "B")->number, -2);
  EXPECT_EQ(f.Find(kKey, "C")->text, "AB");
  EXPECT_EQ(f.Find(kKey, "D")->kind, RegValueKind::Other);
  EXPECT_EQ(f.Find(kKey, "E")->kind, RegValueKind::String);
  EXPECT_EQ(f.Find(kKey, "F")->number, 0x7FFFFFFF);
  EXPECT_EQ(f.Find(kKey, "G")->kind, RegValueKind::Malformed);
  EXPECT_EQ(f.Find(kKey, "H")->kind, RegValueKind::Malformed);
  EXPECT_FALSE(f.Find(kKey, "I"));
  EXPECT_FALSE(f.Find("HKEY_CURRENT_USER\\Software", "A"));
}

TEST(RegFile, TheLastOfTwoValuesCountsAndIsTheOneReplaced) {
  RegFile f = withValues("\"TS\"=dword:00000001\r\n\"ts\"=dword:00000003\r\n");
  EXPECT_EQ(f.Find(kKey, "TS")->number, 3);
  ASSERT_TRUE(f.SetDword(kKey, "TS", 4));
  EXPECT_NE(f.Serialize().find("\"TS\"=dword:00000001\r\n\"TS\"=dword:00000004\r\n"),
            std::string::npos);
}

TEST(RegFile, ATextWithLineBreaksStaysOnItsLineAndReadsBack) {
  RegFile f;
  const std::string text = "first\r\nsecond \\ \"third\"\n" + std::string(40, 'x');
  ASSERT_TRUE(f.SetString(kKey, "UD", text));
  ASSERT_TRUE(f.SetString(kKey, "USER", "plain"));
  const std::string out = f.Serialize();
  EXPECT_EQ(out.rfind(std::string("REGEDIT4\r\n\r\n[") + kKey + "]\r\n\"UD\"=hex(1):66,69,", 0),
            0u);
  EXPECT_NE(out.find("\r\n\"USER\"=\"plain\"\r\n"), std::string::npos);

  const RegFile back = RegFile::Parse(out);
  EXPECT_EQ(back.Find(kKey, "UD")->text, text);
  EXPECT_EQ(back.Find(kKey, "USER")->text, "plain");
  EXPECT_EQ(back.Serialize(), out);
  EXPECT_FALSE(f.SetDword(kKey, "bad\nname", 1));
}

TEST(RegFile, AFileWithoutHeaderGetsOneAndKeepsItsLines) {
  RegFile f = RegFile::Parse("junk\x01\x00line\r\n[half"s);
  ASSERT_TRUE(f.SetDword(kKey, "TS", -1));
  EXPECT_EQ(f.Serialize(), "REGEDIT4\r\n\r\njunk\x01\x00line\r\n[half\r\n\r\n["s + kKey +
                               "]\r\n\"TS\"=dword:ffffffff\r\n");
}

}  // namespace
}  // namespace lumbrix
