#include "templates/Templates.h"

#include <algorithm>
#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

#include "common/CaseMap.h"
#include "common/FileSystem.h"
#include "common/Platform.h"
#include "common/Version.h"
#include "common/WinText.h"
#include "document/EditForm.h"
#include "document/Encodings.h"
#include "document/FileKinds.h"
#include "document/Navigation.h"
#include "document/TextFile.h"
#include "settings/Settings.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

constexpr std::string_view kExtension = ".htt";

std::string replaceFirst(std::string text, std::string_view what, bool matchCase,
                         std::string_view by) {
  const int at = FindText(text, what, 0, -1, matchCase, true);
  if (at >= 0) text.replace(static_cast<std::size_t>(at), what.size(), by);
  return text;
}

}  // namespace

std::vector<std::string> FindTemplates(const std::string& folder) {
  std::vector<std::string> found;
  for (const std::string& path : ListWildcard(JoinPath(folder, "*.htt"))) {
    if (found.size() == static_cast<std::size_t>(kMaxTemplates)) break;
    const auto attributes = GetFileAttributes(path);
    if (!attributes || attributes->hidden) continue;
    found.push_back(FileNamePart(path));
  }
  return found;
}

std::optional<std::string> DefaultUserTemplateFolder() {
#ifdef _WIN32
  std::optional<std::string> data = EnvironmentFolder("APPDATA");
#else
  // A relative XDG_DATA_HOME is to be ignored, as if it were unset.
  std::optional<std::string> data = EnvironmentFolder("XDG_DATA_HOME");
  if (data && !IsAbsolutePath(*data)) data.reset();
  if (!data) {
    std::optional<std::string> home = EnvironmentFolder("HOME");
    if (!home)
      if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        home = PathFromNative(pw->pw_dir);
    if (!home) return std::nullopt;
    data = JoinPath(JoinPath(*home, ".local"), "share");
  }
#endif
  if (!data) return std::nullopt;
  return JoinPath(JoinPath(*data, "lumbrix"), "templates");
}

std::string FillPlaceholders(std::string text, const Settings& settings) {
  if (!settings.USER.empty() && settings.UUN)
    text = replaceFirst(std::move(text), "content=\"Ваше имя\""_w, false,
                        "content=\"" + settings.USER + "\"");
  return replaceFirst(std::move(text), "OV_PROG_VER", true, kProgramVersion);
}

void TCreateFileForm::Prepare(const std::vector<std::string>& folders) {
  Templates.clear();
  Folders.clear();
  Items.clear();
  for (const std::string& folder : folders) {
    if (folder.empty()) continue;
    for (const std::string& name : FindTemplates(folder)) {
      if (Templates.size() == static_cast<std::size_t>(kMaxTemplates)) break;
      if (std::find(Templates.begin(), Templates.end(), name) != Templates.end()) continue;
      Templates.push_back(name);
      Folders.push_back(folder);
      Items.push_back(name.substr(0, name.size() - kExtension.size()));
    }
  }
  ItemIndex = -1;
  CreateChosen = false;
}

std::string TCreateFileForm::Chosen() const {
  if (!CreateChosen || ItemIndex < 0 || ItemIndex >= static_cast<int>(Templates.size())) return {};
  return Templates[static_cast<std::size_t>(ItemIndex)];
}

std::string TCreateFileForm::ChosenFile() const {
  const std::string name = Chosen();
  if (name.empty()) return {};
  return JoinPath(Folders[static_cast<std::size_t>(ItemIndex)], name);
}

bool CreateFromTemplate(TEditForm& form, const std::string& file, const Settings& settings,
                        Dialogs& dialogs) {
  std::string image;
  if (!ReadTextFile(file, image, dialogs)) return false;
  // The template's own code page is the program's; only its line ends become CR LF.
  const bool lf = DetectLineEnds(image, KindHtml, false);
  TextPane& code = form.CodeEditor();
  code.SetText(FillPlaceholders(DecodeFileText(image, lf, 0), settings));
  form.FileImage = code.Text();
  form.SetModified(settings.PSN);
  JumpBeforeTag(form, "</body>");
  return true;
}

}  // namespace lumbrix
