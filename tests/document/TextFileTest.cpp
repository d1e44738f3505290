#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "common/WinText.h"
#include "document/TextFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using lumbrix::testing::FakeDialogs;
using lumbrix::testing::TempDir;

int filesIn(const std::string& folder) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

TEST(ReadTextFile, TakesUpTo65535BytesAndRefusesMore) {
  TempDir dir;
  FakeDialogs dialogs;
  std::string bytes;
  const std::string ok = dir.Write("ok.htm", std::string(65535, 'a'));
  EXPECT_TRUE(ReadTextFile(ok, bytes, dialogs));
  EXPECT_EQ(bytes.size(), 65535u);
  EXPECT_TRUE(dialogs.messages.empty());

  const std::string big = dir.Write("big.htm", std::string(65536, 'b'));
  EXPECT_FALSE(ReadTextFile(big, bytes, dialogs));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Файл слишком велик"_w);
  EXPECT_EQ(dialogs.messages[0].caption, big);
  EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Stop);
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(bytes.size(), 65535u);  // untouched

  EXPECT_FALSE(ReadTextFile(dir.File("missing.htm"), bytes, dialogs));
  EXPECT_FALSE(ReadTextFile(dir.path(), bytes, dialogs));  // a folder is not a file
  ASSERT_EQ(dialogs.messages.size(), 3u);
  EXPECT_EQ(dialogs.messages[1].text, "Ошибка чтения файла"_w);
  EXPECT_EQ(dialogs.messages[1].caption, dir.File("missing.htm"));
}

TEST(ReadTextFile, KeepsEveryByteAfterAZeroByte) {
  TempDir dir;
  FakeDialogs dialogs;
  const std::string content("ab\0cd\0", 6);
  std::string bytes;
  ASSERT_TRUE(ReadTextFile(dir.Write("z.htm", content), bytes, dialogs));
  EXPECT_EQ(bytes, content);
}

TEST(WriteTextFile, ReplacesTheFileWholeAndKeepsItsPermissions) {
  TempDir dir;
  FakeDialogs dialogs;
  const std::string path = dir.Write("page.htm", "old old old old");
  ::chmod(path.c_str(), 0640);
  EXPECT_TRUE(WriteTextFile("new", path, dialogs));
  EXPECT_EQ(TempDir::Read(path), "new");
  struct stat st {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(filesIn(dir.path()), 1);  // no temporary file left behind
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST(WriteTextFile, WritesThroughASymbolicLinkToItsTarget) {
  TempDir dir;
  FakeDialogs dialogs;
  const std::string target = dir.Write("real.htm", "old");
  const std::string link = dir.File("link.htm");
  std::filesystem::create_symlink(target, link);
  EXPECT_TRUE(WriteTextFile("new", link, dialogs));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(TempDir::Read(target), "new");
}

TEST(WriteTextFile, RefusesTooLargeATextAndLeavesTheFile) {
  TempDir dir;
  FakeDialogs dialogs;
  const std::string path = dir.Write("page.htm", "keep me");
  EXPECT_FALSE(WriteTextFile(std::string(65536, 'x'), path, dialogs));
  EXPECT_EQ(TempDir::Read(path), "keep me");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Не удалось записать\nТекст слишком велик"_w);
  EXPECT_EQ(dialogs.messages[0].caption, path);
  EXPECT_TRUE(WriteTextFile(std::string(65535, 'x'), path, dialogs));
}

TEST(WriteTextFile, FailsCleanlyWhenTheFolderIsGone) {
  TempDir dir;
  FakeDialogs dialogs;
  const std::string path = dir.File("gone/page.htm");
  EXPECT_FALSE(WriteTextFile("text", path, dialogs));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Ошибка записи файла"_w);
  EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Stop);
  EXPECT_FALSE(std::filesystem::exists(dir.File("gone")));
}

// Runs `body` in a child process, as an ordinary user when the tests run as root (root ignores
// folder permissions). Returns the child's exit code.
template <typename Body>
int inChild(Body body, bool asUser = true) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (asUser && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(99);
    ::_exit(body());
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

TEST(WriteTextFile, LeavesTheOldFileInAReadOnlyFolder) {
  TempDir dir;
  const std::string folder = dir.File("ro");
  std::filesystem::create_directory(folder);
  const std::string path = folder + "/page.htm";
  { std::ofstream(path) << "original"; }
  ::chmod(path.c_str(), 0666);
  ::chmod(dir.path().c_str(), 0755);
  ::chmod(folder.c_str(), 0555);
  const int code = inChild([&] {
    FakeDialogs dialogs;
    const bool ok = WriteTextFile("replacement", path, dialogs);
    if (ok) return 1;
    if (dialogs.messages.size() != 1 || dialogs.messages[0].text != "Ошибка записи файла"_w)
      return 2;
    return 0;
  });
  ::chmod(folder.c_str(), 0755);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(TempDir::Read(path), "original");
  EXPECT_EQ(filesIn(folder), 1);
}

// Writes 5000 bytes to `path` in a child process whose file size limit is 1000 bytes, as a full
// disk would cut the write short; 0 when the write failed with the short-write message.
int writeBeyondAFileSizeLimit(const std::string& path) {
  return inChild(
      [&] {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1000, 1000};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
        FakeDialogs dialogs;
        if (WriteTextFile(std::string(5000, 'x'), path, dialogs)) return 1;
        if (dialogs.messages.size() != 1 ||
            !dialogs.messages[0].text.starts_with("Не удалось записать весь файл"_w))
          return 2;
        return 0;
      },
      false);
}

TEST(WriteTextFile, ShortWriteOnAFullDeviceLeavesTheOldFile) {
  TempDir dir;
  const std::string path = dir.Write("page.htm", "original");
  // A file size limit makes the system take only part of the bytes, as a full disk does.
  EXPECT_EQ(writeBeyondAFileSizeLimit(path), 0);
  EXPECT_EQ(TempDir::Read(path), "original");
  EXPECT_EQ(filesIn(dir.path()), 1);
}

TEST(WriteTextFile, LeavesAFileNoOneMayWriteWhicheverNameReachesIt) {
  // No write bit for anyone: read-only for every user, one who may write anything included.
  struct Case {
    const char* name;
    bool symbolicLink;
    bool hardLink;
  };
  for (const Case c : {Case{"plain", false, false}, Case{"through a symbolic link", true, false},
                       Case{"of two names", false, true}}) {
    TempDir dir;
    FakeDialogs dialogs;
    const std::string file = dir.Write("page.htm", "original");
    ::chmod(file.c_str(), 0444);
    const std::string path = c.symbolicLink ? dir.File("link.htm") : file;
    if (c.symbolicLink) std::filesystem::create_symlink(file, path);
    if (c.hardLink) std::filesystem::create_hard_link(file, dir.File("other.htm"));
    const int names = filesIn(dir.path());
    EXPECT_FALSE(WriteTextFile("replacement", path, dialogs)) << c.name;
    EXPECT_EQ(TempDir::Read(file), "original") << c.name;
    EXPECT_EQ(filesIn(dir.path()), names) << c.name;  // no temporary file left behind
    ASSERT_EQ(dialogs.messages.size(), 1u) << c.name;
    EXPECT_EQ(dialogs.messages[0].text, "Ошибка записи файла"_w);
    EXPECT_EQ(dialogs.messages[0].caption, path);
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Stop);
  }
}

TEST(WriteTextFile, LeavesAFileThisUserMayNotWriteInAFolderHeMayWrite) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs a file of another user";
  TempDir dir;
  const std::string path = dir.Write("page.htm", "original");
  ::chmod(path.c_str(), 0644);  // writable by its owner, root, only
  ::chmod(dir.path().c_str(), 0777);
  const int code = inChild([&] {
    FakeDialogs dialogs;
    if (WriteTextFile("replacement", path, dialogs)) return 1;
    if (dialogs.messages.size() != 1 || dialogs.messages[0].text != "Ошибка записи файла"_w)
      return 2;
    return 0;
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(TempDir::Read(path), "original");
  EXPECT_EQ(filesIn(dir.path()), 1);
}

TEST(WriteTextFile, WritesAFileOfSeveralNamesInPlaceSoThatEveryNameSeesIt) {
  TempDir dir;
  FakeDialogs dialogs;
  const std::string path = dir.Write("page.htm", "old text, longer than the new");
  const std::string other = dir.File("copy.htm");
  std::filesystem::create_hard_link(path, other);
  ::chmod(path.c_str(), 0640);
  struct stat before {};
  ::stat(path.c_str(), &before);
  EXPECT_TRUE(WriteTextFile("new", path, dialogs));
  EXPECT_EQ(TempDir::Read(path), "new");
  EXPECT_EQ(TempDir::Read(other), "new");
  struct stat after {};
  ::stat(other.c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_nlink, 2u);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_EQ(filesIn(dir.path()), 2);  // the copy of the old bytes is gone
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST(WriteTextFile, AFailedInPlaceWriteGivesEveryNameItsOldBytesBack) {
  TempDir dir;
  const std::string path = dir.Write("page.htm", "original");
  const std::string other = dir.File("copy.htm");
  std::filesystem::create_hard_link(path, other);
  EXPECT_EQ(writeBeyondAFileSizeLimit(other), 0);
  EXPECT_EQ(TempDir::Read(path), "original");
  EXPECT_EQ(TempDir::Read(other), "original");
  EXPECT_EQ(filesIn(dir.path()), 2);
}

}  // namespace
}  // namespace lumbrix
