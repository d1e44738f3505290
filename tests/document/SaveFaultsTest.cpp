// Saving a document when the file system fails it: a full disk (a file size limit, and a real
// small file system that fills up), a folder the user may not write, a folder that vanished, a
// file replaced by a folder, and a file reached through a symbolic link on another file system.
// Each time the file on disk keeps its old bytes, no stray file is left, the user is told, and
// the document stays modified with its old file image.
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "common/WinText.h"
#include "document/DocumentFixture.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using lumbrix::testing::DocumentTest;
using lumbrix::testing::TempDir;
namespace fs = std::filesystem;

constexpr std::string_view kOld = "<html>\r\n\xcf\xf0\xe8\xe2\xe5\xf2\r\n</html>";  // "Привет"
constexpr int kSkipped = 77;

int entriesIn(const std::string& folder) {
  std::error_code ec;
  int n = 0;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) ++n;
  return n;
}

// Runs `body` in a child process and gives its exit code; a signal counts as a failure.
int inChild(const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

// Makes the rest of this process an ordinary user when it runs as root, who ignores folder
// permissions.
bool becomeOrdinaryUser() {
  return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
}

// Mounts a file system of `kib` KiB at `folder`, in a mount namespace of this process alone so
// that nothing outlives the child. False when the system allows no private namespace.
bool mountSmallFileSystem(const std::string& folder, int kib) {
  const int flags = ::geteuid() == 0 ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS;
  if (::unshare(flags) != 0) return false;
  if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
  const std::string size = "size=" + std::to_string(kib) + "k";
  return ::mount("tmpfs", folder.c_str(), "tmpfs", 0, size.c_str()) == 0;
}

// Fills the file system holding `folder` until the system refuses another byte.
void fillUp(const std::string& folder) {
  const std::string filler = folder + "/filler";
  FILE* f = std::fopen(filler.c_str(), "wb");
  if (!f) return;
  const std::string block(4096, 'f');
  while (std::fwrite(block.data(), 1, block.size(), f) == block.size() && std::fflush(f) == 0) {
  }
  std::setvbuf(f, nullptr, _IONBF, 0);
  while (std::fputc('f', f) != EOF) {
  }
  std::fclose(f);
}

class SaveFaults : public DocumentTest {
 protected:
  // Loads `path`, lets `fault` strike, edits the text and saves: 0 when the save failed as it
  // must (the message shown, the document still modified with the old image, the old bytes in
  // `onDisk` when given), else a code naming the first thing that went wrong.
  int EditAndFailToSave(const std::string& path, const std::string& onDisk,
                        const std::function<void()>& fault = {}) {
    TEditForm& f = Form();
    if (!f.LoadDocument(path)) return 10;
    if (fault) fault();
    code.SetText(NewText());
    code.SetModified(true);
    const std::size_t shown = dialogs.messages.size();
    if (f.SaveDocument()) return 11;
    if (!f.Modified()) return 12;
    if (f.FileImage != kOld) return 13;
    if (dialogs.messages.size() != shown + 1) return 14;
    if (dialogs.messages.back().icon != MsgIcon::Stop) return 15;
    if (!onDisk.empty() && TempDir::Read(onDisk) != kOld) return 16;
    return 0;
  }

  static std::string NewText() {
    return std::string(kOld) + "\r\n<p>\xed\xee\xe2\xfb\xe9</p>" + std::string(6000, 'x');
  }
};

TEST_F(SaveFaults, AFileSizeLimitAsOnAFullDisk) {
  const std::string path = dir.Write("page.htm", std::string(kOld));
  EXPECT_EQ(inChild([&] {
              ::signal(SIGXFSZ, SIG_IGN);
              const rlimit limit{4096, 4096};
              if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
              return EditAndFailToSave(path, path);
            }),
            0);
  EXPECT_EQ(TempDir::Read(path), kOld);
  EXPECT_EQ(entriesIn(dir.path()), 1);
}

TEST_F(SaveFaults, AFileSystemThatIsFull) {
  const std::string disk = dir.File("disk");
  fs::create_directory(disk);
  const int status = inChild([&] {
    if (!mountSmallFileSystem(disk, 64)) return kSkipped;
    const std::string path = disk + "/page.htm";
    { std::ofstream(path, std::ios::binary) << kOld; }
    fillUp(disk);
    if (const int failed = EditAndFailToSave(path, path)) return failed;
    return entriesIn(disk) == 2 ? 0 : 20;  // the page and the filler, no temporary copy
  });
  if (status == kSkipped) GTEST_SKIP() << "the system gives no private mount namespace";
  EXPECT_EQ(status, 0);
}

TEST_F(SaveFaults, AFolderTheUserMayNotWrite) {
  const std::string folder = dir.File("ro");
  fs::create_directory(folder);
  const std::string path = folder + "/page.htm";
  { std::ofstream(path, std::ios::binary) << kOld; }
  ::chmod(path.c_str(), 0666);
  ::chmod(dir.path().c_str(), 0755);
  ::chmod(folder.c_str(), 0555);
  const int status = inChild([&] {
    if (!becomeOrdinaryUser()) return 3;
    return EditAndFailToSave(path, path);
  });
  ::chmod(folder.c_str(), 0755);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(TempDir::Read(path), kOld);
  EXPECT_EQ(entriesIn(folder), 1);
}

TEST_F(SaveFaults, AFolderThatVanishedIsNotMadeAgain) {
  const std::string folder = dir.File("site");
  fs::create_directory(folder);
  const std::string path = folder + "/page.htm";
  { std::ofstream(path, std::ios::binary) << kOld; }
  EXPECT_EQ(EditAndFailToSave(path, "", [&] { fs::remove_all(folder); }), 0);
  EXPECT_FALSE(fs::exists(folder));
}

TEST_F(SaveFaults, AFileReplacedByAFolderKeepsTheFolder) {
  const std::string path = dir.Write("page.htm", std::string(kOld));
  EXPECT_EQ(EditAndFailToSave(path, "",
                              [&] {
                                fs::remove(path);
                                fs::create_directory(path);
                                std::ofstream(path + "/inside.txt") << "kept";
                              }),
            0);
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_EQ(TempDir::Read(path + "/inside.txt"), "kept");
  EXPECT_EQ(entriesIn(dir.path()), 1);
}

// The link stays in this folder while the file lives on a small file system of its own: a save
// writes the file there (a copy made beside the link could not be renamed across file systems),
// and when that file system is full the file keeps its old bytes.
TEST_F(SaveFaults, AFileOnAnotherFileSystemThroughASymbolicLink) {
  const std::string disk = dir.File("disk");
  const std::string link = dir.File("link.htm");
  fs::create_directory(disk);
  const int status = inChild([&] {
    if (!mountSmallFileSystem(disk, 64)) return kSkipped;
    const std::string target = disk + "/page.htm";
    { std::ofstream(target, std::ios::binary) << kOld; }
    fs::create_symlink(target, link);
    TEditForm& f = Form();
    if (!f.LoadDocument(link)) return 30;
    code.SetText(std::string(kOld) + "\r\n1");
    code.SetModified(true);
    if (!f.SaveDocument()) return 31;
    if (TempDir::Read(target) != std::string(kOld) + "\r\n1" || !fs::is_symlink(link)) return 32;
    if (entriesIn(disk) != 1) return 33;
    fillUp(disk);
    const std::string before = TempDir::Read(target);
    code.SetText(NewText());
    code.SetModified(true);
    if (f.SaveDocument() || !f.Modified()) return 34;
    if (TempDir::Read(target) != before || !fs::is_symlink(link)) return 35;
    return entriesIn(disk) == 2 ? 0 : 36;
  });
  if (status == kSkipped) GTEST_SKIP() << "the system gives no private mount namespace";
  EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace lumbrix
