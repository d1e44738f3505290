#include <gtest/gtest.h>
#include <sys/stat.h>

#ifdef _WIN32
#include "common/WinApi.h"
#else
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

#include <cstdint>
#include <filesystem>
#include <vector>

#include "common/WinText.h"
#include "document/TextFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using lumbrix::testing::FakeDialogs;
using lumbrix::testing::FsPath;
using lumbrix::testing::TempDir;

int filesIn(const std::string& folder) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

// Which file a name reaches, and by how many names that file is known.
struct FileIdentity {
  std::uint64_t id = 0;
  std::uint64_t links = 0;
};

FileIdentity identityOf(const std::string& path) {
#ifdef _WIN32
  HANDLE h = ::CreateFileW(FsPath(path).c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = h != INVALID_HANDLE_VALUE && ::GetFileInformationByHandle(h, &info);
  if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
  if (!known) return {};
  return {(std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow, info.nNumberOfLinks};
#else
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {};
  return {st.st_ino, st.st_nlink};
#endif
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
#ifdef _WIN32
  // What Windows keeps of a file besides its bytes are its attributes.
  const DWORD attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
  ASSERT_TRUE(::SetFileAttributesW(FsPath(path).c_str(), attributes));
  EXPECT_TRUE(WriteTextFile("new", path, dialogs));
  EXPECT_EQ(TempDir::Read(path), "new");
  EXPECT_EQ(::GetFileAttributesW(FsPath(path).c_str()) & (attributes | FILE_ATTRIBUTE_READONLY),
            attributes);
#else
  ::chmod(path.c_str(), 0640);
  EXPECT_TRUE(WriteTextFile("new", path, dialogs));
  EXPECT_EQ(TempDir::Read(path), "new");
  struct stat st {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
#endif
  EXPECT_EQ(filesIn(dir.path()), 1);  // no temporary file left behind
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST(WriteTextFile, WritesThroughASymbolicLinkToItsTarget) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows lets only administrators and developer mode make symbolic links";
#endif
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

#ifndef _WIN32
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

#endif  // _WIN32

TEST(WriteTextFile, LeavesTheOldFileInAReadOnlyFolder) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no folder permission that keeps its owner from creating files";
#else
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
#endif
}

#ifndef _WIN32

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

#endif  // _WIN32

// The write-size limit of a process, which stands in for a full disk here, is POSIX's alone.
constexpr const char* kNoSizeLimit = "Windows has no per-process limit on file size";

TEST(WriteTextFile, ShortWriteOnAFullDeviceLeavesTheOldFile) {
#ifdef _WIN32
  GTEST_SKIP() << kNoSizeLimit;
#else
  TempDir dir;
  const std::string path = dir.Write("page.htm", "original");
  // A file size limit makes the system take only part of the bytes, as a full disk does.
  EXPECT_EQ(writeBeyondAFileSizeLimit(path), 0);
  EXPECT_EQ(TempDir::Read(path), "original");
  EXPECT_EQ(filesIn(dir.path()), 1);
#endif
}

TEST(WriteTextFile, LeavesAFileNoOneMayWriteWhicheverNameReachesIt) {
  // No write bit for anyone: read-only for every user, one who may write anything included.
  struct Case {
    const char* name;
    bool symbolicLink;
    bool hardLink;
  };
  std::vector<Case> cases{Case{"plain", false, false}, Case{"of two names", false, true}};
#ifndef _WIN32
  // Windows lets only administrators and developer mode make symbolic links.
  cases.push_back(Case{"through a symbolic link", true, false});
#endif
  for (const Case& c : cases) {
    TempDir dir;
    FakeDialogs dialogs;
    const std::string file = dir.Write("page.htm", "original");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
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
#ifdef _WIN32
  GTEST_SKIP() << "needs a file of another user, which takes a second Windows account";
#else
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
#endif
}

TEST(WriteTextFile, WritesAFileOfSeveralNamesInPlaceSoThatEveryNameSeesIt) {
  TempDir dir;
  FakeDialogs dialogs;
  const std::string path = dir.Write("page.htm", "old text, longer than the new");
  const std::string other = dir.File("copy.htm");
  std::filesystem::create_hard_link(path, other);
#ifndef _WIN32
  ::chmod(path.c_str(), 0640);
#endif
  const FileIdentity before = identityOf(path);
  ASSERT_EQ(before.links, 2u);
  EXPECT_TRUE(WriteTextFile("new", path, dialogs));
  EXPECT_EQ(TempDir::Read(path), "new");
  EXPECT_EQ(TempDir::Read(other), "new");
  const FileIdentity after = identityOf(other);
  EXPECT_EQ(after.id, before.id);
  EXPECT_EQ(after.links, 2u);
#ifndef _WIN32
  struct stat st {};
  ::stat(other.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
#endif
  EXPECT_EQ(filesIn(dir.path()), 2);  // the copy of the old bytes is gone
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST(WriteTextFile, AFailedInPlaceWriteGivesEveryNameItsOldBytesBack) {
#ifdef _WIN32
  GTEST_SKIP() << kNoSizeLimit;
#else
  TempDir dir;
  const std::string path = dir.Write("page.htm", "original");
  const std::string other = dir.File("copy.htm");
  std::filesystem::create_hard_link(path, other);
  EXPECT_EQ(writeBeyondAFileSizeLimit(other), 0);
  EXPECT_EQ(TempDir::Read(path), "original");
  EXPECT_EQ(TempDir::Read(other), "original");
  EXPECT_EQ(filesIn(dir.path()), 2);
#endif
}

}  // namespace
}  // namespace lumbrix
