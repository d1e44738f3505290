#include <gtest/gtest.h>
#include <sys/stat.h>

#ifdef _WIN32
#include "common/WinApi.h"
#endif

#include <filesystem>
#include <tuple>

#include "common/Entities.h"
#include "common/FileSystem.h"
#include "common/WinText.h"
#include "support/ForeignNames.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using lumbrix::testing::FsPath;
using lumbrix::testing::TempDir;

TEST(FileSystem, NamePartsUnderEverySeparator) {
  EXPECT_EQ(FileNamePart("C:\\www\\index.htm"), "index.htm");
  EXPECT_EQ(FileNamePart("/home/me/a.css"), "a.css");
  EXPECT_EQ(FileNamePart("C:x.js"), "x.js");
  EXPECT_EQ(FileNamePart("plain"), "plain");
  EXPECT_EQ(FolderPart("/home/me/a.css"), "/home/me/");
  EXPECT_EQ(FolderPart("a.css"), "");
}

TEST(FileSystem, WildcardsMatchLikeTheFileFunctions) {
  EXPECT_TRUE(WildcardMatch("*.htm", "index.htm"));
  EXPECT_FALSE(WildcardMatch("*.htm", "index.html"));
  EXPECT_TRUE(WildcardMatch("a?c*", "abcdef"));
  EXPECT_TRUE(WildcardMatch("*", ""));
  EXPECT_TRUE(WildcardMatch("*a*b*", "xxaxxbxx"));
  EXPECT_FALSE(WildcardMatch("*a*b", "xxaxxbxxc"));
  EXPECT_FALSE(WildcardMatch("?", ""));
}

TEST(FileSystem, ListsTheFilesAPatternMatchesWithCyrillicNames) {
  TempDir dir;
  const std::string folder = *PathFromNative(dir.path() + "/");
  dir.Write("b.htm", "");
  dir.Write("a.htm", "");
  dir.Write("c.css", "");
  dir.Write("\xd1\x81\xd1\x82\xd1\x80.htm", "");  // "стр.htm" in UTF-8 on disk
  std::filesystem::create_directory(dir.File("d.htm"));
  const auto found = ListWildcard(folder + "*.htm");
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0], folder + "a.htm");
  EXPECT_EQ(found[1], folder + "b.htm");
  EXPECT_EQ(found[2], folder + "стр.htm"_w.data());
  EXPECT_EQ(ListWildcard(folder + "c.css"), std::vector<std::string>{folder + "c.css"});
  EXPECT_TRUE(ListWildcard(folder + "none.htm").empty());
}

TEST(FileSystem, NamesTheCodePageCannotHoldAreRefused) {
  EXPECT_FALSE(PathFromNative("/tmp/\xe2\x82\xbd.htm").has_value());  // rouble sign
  EXPECT_FALSE(PathFromNative("/tmp/\xff.htm").has_value());          // not UTF-8
  EXPECT_FALSE(PathFromNative("/tmp/\xc1\x81.htm").has_value());      // "A", overlong
  EXPECT_EQ(*PathFromNative("/tmp/\xd1\x91.htm"), "/tmp/\xb8.htm");   // ё
  EXPECT_EQ(NativePath("/tmp/\xb8.htm"), "/tmp/\xd1\x91.htm");
}

TEST(FileSystem, NativeNamesShowWhatTheCodePageHoldsAndTheOtherBytesInHexadecimal) {
  const std::pair<std::string, std::string> cases[] = {
      {"/tmp/\xd1\x81\xd1\x82\xd1\x80.htm", "/tmp/стр.htm"_w.data()},
      {"/tmp/\xcf\xf0\xe8.htm", "/tmp/%CF%F0%E8.htm"},              // not UTF-8
      {"/tmp/\xe2\x82\xbd \xd0\xaf", "/tmp/%E2%82%BD Я"_w.data()},  // no rouble sign
      {"\xc1\x81\xed\xa0\x80\xd0", "%C1%81%ED%A0%80%D0"},  // overlong, surrogate, cut short
      {"100%.htm", "100%.htm"},
  };
  for (const auto& [native, shown] : cases) EXPECT_EQ(DisplayPath({native}), shown) << native;
  // Every path of the program shows as itself.
  std::string all;
  for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
  EXPECT_EQ(DisplayPath(ToNative(all)), all);
}

TEST(FileSystem, InNativeNamesAQuestionMarkTakesOneCharacter) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"?.htm", "\xd0\xaf.htm", true},  // Я: two bytes
      {"??.htm", "\xd0\xaf.htm", false},
      {"???.htm", "\xcf\xf0\xe8.htm", true},  // a stray byte is a character of its own
      {"*?x", "\xd0\xafx", true},
      {"*??x", "\xd0\xafx", false},
      {"\xd0\xaf*", "\xd0\xaf\xd0\xb0.htm", true},
  };
  for (const auto& [pattern, name, match] : cases)
    EXPECT_EQ(WildcardMatch(NativeName{pattern}, NativeName{name}), match) << pattern;
}

// Three characters that the code page cannot hold.
constexpr const char* kForeignName = lumbrix::testing::kForeignName.native;

TEST(FileSystem, ListsFilesOfAnyNameByTheirNativeNames) {
  TempDir dir;
  const std::string folder = dir.path() + "/";
  dir.Write(kForeignName, "");
  dir.Write("\xd0\xaf.htm", "");  // "Я.htm" in UTF-8
  dir.Write("a.css", "");
  EXPECT_EQ(ListWildcard(NativeName{folder + "*.htm"}),
            (std::vector<NativeName>{{folder + kForeignName}, {folder + "\xd0\xaf.htm"}}));
  EXPECT_EQ(ListWildcard(NativeName{folder + "???.htm"}),
            std::vector<NativeName>{{folder + kForeignName}});
  EXPECT_EQ(ListWildcard(NativeName{folder + kForeignName}).size(), 1u);
  // Windows-1251 paths cannot name the first one: it is left out there.
  const std::string winFolder = *PathFromNative(folder);
  EXPECT_EQ(ListWildcard(winFolder + "*.htm"),
            std::vector<std::string>{winFolder + std::string("Я.htm"_w)});
}

TEST(FileSystem, AttributesOnThisSystem) {
  TempDir dir;
  const std::string file = dir.Write("page.htm", "x");
  const std::string hidden = dir.Write(".page.htm", "x");
  auto a = GetFileAttributes(file);
  ASSERT_TRUE(a.has_value());
  EXPECT_FALSE(a->readOnly);
  EXPECT_FALSE(a->hidden);
  EXPECT_FALSE(a->system || a->temporary || a->compressed || a->offline);
#ifndef _WIN32
  // On Windows "hidden" is the file's own flag, below.
  EXPECT_TRUE(GetFileAttributes(hidden)->hidden);
#endif
  ::chmod(file.c_str(), 0444);  // read-only for everyone, whoever runs the tests
  EXPECT_TRUE(GetFileAttributes(file)->readOnly);
  EXPECT_FALSE(GetFileAttributes(dir.File("missing")).has_value());
  EXPECT_TRUE(GetFileAttributes(dir.path())->directory);
}

#ifdef _WIN32
TEST(FileSystem, EachWindowsAttributeIsReadAsItsOwnFlag) {
  const std::pair<DWORD, bool FileAttributes::*> cases[] = {
      {FILE_ATTRIBUTE_READONLY, &FileAttributes::readOnly},
      {FILE_ATTRIBUTE_HIDDEN, &FileAttributes::hidden},
      {FILE_ATTRIBUTE_SYSTEM, &FileAttributes::system},
  };
  TempDir dir;
  const std::string file = dir.Write("страница.htm", "x");  // a UTF-8 native name
  const std::string path = *PathFromNative(file);
  for (const auto& [flag, field] : cases) {
    ASSERT_TRUE(::SetFileAttributesW(FsPath(file).c_str(), flag)) << flag;
    const std::optional<FileAttributes> a = GetFileAttributes(path);
    ASSERT_TRUE(a.has_value()) << flag;
    for (const auto& [other, otherField] : cases) EXPECT_EQ((*a).*otherField, other == flag) << flag;
    EXPECT_FALSE(a->directory);
  }
  ::SetFileAttributesW(FsPath(file).c_str(), FILE_ATTRIBUTE_NORMAL);
}
#endif

TEST(Entities, TheTableIsCompleteAndNothingElseIsReplaced) {
  const std::pair<int, const char*> table[] = {
      {136, "&#128;"},   {164, "&curren;"}, {166, "&brvbar;"}, {167, "&sect;"},   {169, "&copy;"},
      {171, "&laquo;"},  {172, "&not;"},    {173, "&shy;"},    {174, "&reg;"},    {176, "&deg;"},
      {177, "&plusmn;"}, {181, "&micro;"},  {182, "&para;"},   {183, "&middot;"}, {187, "&raquo;"}};
  int replaced = 0;
  for (int c = 0; c < 256; ++c) {
    const EntityLookup e = CharToEntity(static_cast<char>(c));
    if (!e.replaced) {
      EXPECT_EQ(e.text, std::string(1, static_cast<char>(c)));
      continue;
    }
    ++replaced;
    bool listed = false;
    for (const auto& [code, entity] : table)
      if (code == c) listed = e.text == entity;
    EXPECT_TRUE(listed) << c;
  }
  EXPECT_EQ(replaced, 15);
}

}  // namespace
}  // namespace lumbrix
