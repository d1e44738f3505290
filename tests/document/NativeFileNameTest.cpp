// Files whose names the code page cannot hold are opened and saved by the file system's own
// bytes, and shown as well as the code page allows.
#include <filesystem>

#include "common/WinText.h"
#include "document/DocumentFixture.h"
#include "support/ForeignNames.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using lumbrix::testing::FsPath;
using lumbrix::testing::TempDir;

using NativeFileName = lumbrix::testing::DocumentTest;

constexpr auto& kForeign = lumbrix::testing::kForeignName;
constexpr auto& kForeignShort = lumbrix::testing::kForeignLetter;

int filesIn(const std::string& folder) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

TEST_F(NativeFileName, ADocumentIsSavedBackUnderTheNameItWasOpenedBy) {
  struct Case {
    const char* native;
    std::string shown;
    bool keepsNativeName;
  };
  const Case cases[] = {
      {kForeign.native, kForeign.shown, true},
      {"\xe2\x82\xbd.htm", "%E2%82%BD.htm", true},  // a rouble sign, which the code page lacks
      {"\xd0\xaf.htm", std::string("Я.htm"_w), false},
  };
  for (const Case& c : cases) {
    TempDir folder;
    const std::string file = folder.Write(c.native, "<p>old</p>");
    TEditForm& f = Reopen();
    ASSERT_TRUE(f.LoadDocument(NativeName{file})) << c.shown;
    EXPECT_EQ(code.Text(), "<p>old</p>");
    EXPECT_EQ(f.FilePath, folder.path() + "/" + c.shown);
    EXPECT_EQ(f.Caption, c.shown);
    EXPECT_EQ(f.FileKind, KindHtml);
    EXPECT_EQ(f.NativeFile.bytes.empty(), !c.keepsNativeName) << c.shown;
    code.SetText("<p>new</p>");
    code.SetModified(true);
    ASSERT_TRUE(f.SaveDocument()) << c.shown;
    EXPECT_EQ(TempDir::Read(file), "<p>new</p>");
    EXPECT_EQ(filesIn(folder.path()), 1) << c.shown;  // nothing under the shown name
    EXPECT_FALSE(f.Modified());
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(NativeFileName, SaveAsUnderANameOfTheCodePageLeavesTheOldFile) {
  const std::string file = dir.Write(kForeign.native, "old");
  TEditForm& f = Form();
  ASSERT_TRUE(f.LoadDocument(NativeName{file}));
  code.SetText("new");
  const std::string renamed = dir.File("renamed.htm");
  dialogs.AnswerFile(renamed);
  ASSERT_TRUE(f.SaveDocumentAs());
  code.SetText("newer");
  ASSERT_TRUE(f.SaveDocument());
  EXPECT_EQ(TempDir::Read(renamed), "newer");
  EXPECT_EQ(TempDir::Read(file), "old");
  EXPECT_EQ(f.Caption, "renamed.htm");
}

TEST_F(NativeFileName, ReadAndWriteFailuresNameTheFileAsShown) {
  const std::string big = dir.Write(kForeign.native, std::string(70000, 'x'));
  EXPECT_FALSE(Form().LoadDocument(NativeName{big}));
  const std::string locked = dir.Write(kForeignShort.native, "disk");
  std::filesystem::permissions(FsPath(locked), std::filesystem::perms::owner_read |
                                                   std::filesystem::perms::group_read |
                                                   std::filesystem::perms::others_read);
  TEditForm& f = Reopen();
  ASSERT_TRUE(f.LoadDocument(NativeName{locked}));
  code.SetModified(true);
  EXPECT_FALSE(f.SaveDocument());
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text, "Файл слишком велик"_w);
  EXPECT_EQ(dialogs.messages[0].caption, dir.path() + "/" + kForeign.shown);
  EXPECT_EQ(dialogs.messages[1].text, "Ошибка записи файла"_w);
  EXPECT_EQ(dialogs.messages[1].caption, dir.path() + "/" + kForeignShort.shown);
  EXPECT_TRUE(f.Modified());
}

}  // namespace
}  // namespace lumbrix
