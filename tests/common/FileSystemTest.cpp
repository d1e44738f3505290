#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/Entities.h"
#include "common/FileSystem.h"
#include "common/WinText.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
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
  EXPECT_EQ(*PathFromNative("/tmp/\xd1\x91.htm"), "/tmp/\xb8.htm");   // ё
  EXPECT_EQ(NativePath("/tmp/\xb8.htm"), "/tmp/\xd1\x91.htm");
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
  EXPECT_TRUE(GetFileAttributes(hidden)->hidden);
  EXPECT_FALSE(GetFileAttributes(dir.File("missing")).has_value());
  EXPECT_TRUE(GetFileAttributes(dir.path())->directory);
}

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
