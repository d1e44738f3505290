#include "settings/FileRegistry.h"

#include <cstdlib>
#include <utility>

#include "common/FileSystem.h"

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace lumbrix {

namespace {

// Far beyond any settings file; a larger one is not ours to rewrite.
constexpr std::int64_t kMaxFileSize = 16 * 1024 * 1024;

// "Software\Orvane\lmbx\" is kept as the section [HKEY_CURRENT_USER\Software\Orvane\lmbx].
std::string sectionOf(const std::string& key) {
  std::string_view k = key;
  while (!k.empty() && k.front() == '\\') k.remove_prefix(1);
  while (!k.empty() && k.back() == '\\') k.remove_suffix(1);
  return "HKEY_CURRENT_USER\\" + std::string(k);
}

std::string environment(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

std::string homeFolder() {
  std::string home = environment("HOME");
#ifndef _WIN32
  if (home.empty())
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) home = pw->pw_dir;
#endif
  return home;
}

}  // namespace

FileRegistry::FileRegistry(std::string path) : path_(std::move(path)) {}

std::optional<std::string> FileRegistry::DefaultPath() {
  std::string config = environment("XDG_CONFIG_HOME");
  if (config.empty()) {
    const std::string home = homeFolder();
    if (home.empty()) return std::nullopt;
    config = home + "/.config";
  }
  const auto folder = PathFromNative(config);
  if (!folder) return std::nullopt;
  return JoinPath(JoinPath(*folder, "Orvane"), "lmbx.reg");
}

FileRegistry::FileState FileRegistry::readFile(RegFile& file) const {
  if (!FileExists(path_)) return FileState::Missing;
  std::string bytes;
  if (ReadWholeFile(path_, bytes, kMaxFileSize) != ReadStatus::Ok) return FileState::Unreadable;
  file = RegFile::Parse(bytes);
  return FileState::Read;
}

bool FileRegistry::KeyExists(const std::string& key) {
  RegFile file;
  switch (readFile(file)) {
    case FileState::Missing:
      return false;
    case FileState::Unreadable:
      // The key may well be in there: let opening it fail and be reported, rather than take
      // the settings for a first run.
      return true;
    case FileState::Read:
      break;
  }
  return file.HasSection(sectionOf(key));
}

bool FileRegistry::OpenKey(const std::string& key, bool canCreate) {
  if (open_) CloseKey();
  RegFile file;
  const FileState state = readFile(file);
  // A file that cannot be read is never replaced: whatever else it holds would be lost.
  if (state == FileState::Unreadable) return false;
  if (state == FileState::Missing && !canCreate) return false;
  section_ = sectionOf(key);
  changed_ = false;
  if (!file.HasSection(section_)) {
    if (!canCreate) return false;
    file.AddSection(section_);
    changed_ = true;
  }
  file_ = std::move(file);
  open_ = true;
  writable_ = canCreate;
  return true;
}

bool FileRegistry::ValueExists(const std::string& name) {
  return open_ && file_.Find(section_, name).has_value();
}

bool FileRegistry::ReadInteger(const std::string& name, std::int32_t& value) {
  if (!open_) return false;
  const auto v = file_.Find(section_, name);
  if (!v || v->kind != RegValueKind::Dword) return false;
  value = v->number;
  return true;
}

bool FileRegistry::ReadString(const std::string& name, std::string& value) {
  if (!open_) return false;
  const auto v = file_.Find(section_, name);
  if (!v || (v->kind != RegValueKind::String && v->kind != RegValueKind::ExpandString))
    return false;
  value = v->text;
  return true;
}

bool FileRegistry::WriteInteger(const std::string& name, std::int32_t value) {
  if (!canWrite() || !file_.SetDword(section_, name, value)) return false;
  changed_ = true;
  return true;
}

bool FileRegistry::WriteString(const std::string& name, const std::string& value) {
  if (!canWrite() || !file_.SetString(section_, name, value)) return false;
  changed_ = true;
  return true;
}

bool FileRegistry::CloseKey() {
  if (!open_) return true;
  open_ = false;
  const bool store = changed_;
  changed_ = false;
  RegFile file = std::exchange(file_, RegFile{});
  if (!store) return true;
  const std::string folder = FolderPart(path_);
  if (!folder.empty() && !MakeFolders(folder)) return false;
  return WriteWholeFile(path_, file.Serialize()) == WriteStatus::Ok;
}

}  // namespace lumbrix
