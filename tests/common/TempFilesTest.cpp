#include <gtest/gtest.h>
#include <sys/stat.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>

#include "common/TempFiles.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

#ifndef _WIN32
// A real folder of ours that nobody else may enter.
bool isPrivate(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
         (st.st_mode & 0777) == 0700;
}

#endif

// Windows gives each user a temporary folder of his own, so no folder is made inside it.
constexpr const char* kOwnFolderAlready = "the user's temporary folder is private on Windows";

TEST(TempFilesTest, ThePrivateFolderIsMadeClosedAndUsedAgain) {
#ifdef _WIN32
  GTEST_SKIP() << kOwnFolderAlready;
#else
  TempDir base;
  const std::string own = base.path() + "/lumbrix-" + std::to_string(::geteuid()) + "/";
  EXPECT_EQ(PrivateTempFolder(base.path()), own);
  EXPECT_TRUE(isPrivate(own.substr(0, own.size() - 1)));
  EXPECT_EQ(PrivateTempFolder(base.path() + "/"), own);
#endif
}

TEST(TempFilesTest, APlantedLinkOrAnOpenFolderIsNotUsed) {
#ifdef _WIN32
  GTEST_SKIP() << kOwnFolderAlready;
#else
  for (bool link : {true, false}) {
    SCOPED_TRACE(link);
    TempDir base;
    TempDir elsewhere;
    const std::string own = base.path() + "/lumbrix-" + std::to_string(::geteuid());
    if (link) {
      fs::create_directory_symlink(elsewhere.path(), own);
    } else {
      fs::create_directory(own);
      fs::permissions(own, fs::perms::all);
    }
    const std::optional<std::string> folder = PrivateTempFolder(base.path());
    ASSERT_TRUE(folder);
    EXPECT_NE(*folder, own + "/");
    EXPECT_EQ(folder->rfind(own + "-", 0), 0u);
    EXPECT_TRUE(isPrivate(folder->substr(0, folder->size() - 1)));
    EXPECT_TRUE(fs::is_empty(elsewhere.path()));
  }
#endif
}

#ifdef _WIN32
TEST(TempFilesTest, OnWindowsTheTemporaryFolderItselfIsUsedWithItsSeparator) {
  TempDir base;
  EXPECT_EQ(PrivateTempFolder(base.path()), base.path() + "\\");
  EXPECT_EQ(PrivateTempFolder(base.path() + "/"), base.path() + "/");
  const std::string file = base.Write("f.htm", "x");
  EXPECT_FALSE(PrivateTempFolder(file));  // a file is no folder
}
#endif

TEST(TempFilesTest, NoFolderInAMissingBaseAndRemovingFiles) {
  TempDir base;
  EXPECT_FALSE(PrivateTempFolder(base.path() + "/missing"));
  const std::string file = base.Write("f.htm", "x");
  EXPECT_TRUE(RemoveFile(file));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_FALSE(RemoveFile(file));
}

}  // namespace
}  // namespace lumbrix
