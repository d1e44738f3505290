// Files from templates: a template is a Windows-1251 HTML file "*.htt" in the user's own template
// folder (where the publication master exports) or in the program's. "Создать..." lists them,
// and the chosen one becomes a new document with the author and the program version filled in.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrix {

class Dialogs;
class TEditForm;
struct Settings;

inline constexpr int kMaxTemplates = 30;

// The first 30 template files of `folder` (not hidden, not folders), in the order of their names.
std::vector<std::string> FindTemplates(const std::string& folder);

// The user's own template folder, writable where the program's may not be:
// "$XDG_DATA_HOME/lumbrix/templates", or "~/.local/share/lumbrix/templates" when that variable
// is unset or not an absolute path (on Windows "%APPDATA%\lumbrix\templates"). Nothing when
// no home folder is known or the path is not one the program can name.
std::optional<std::string> DefaultUserTemplateFolder();

// The text of a template with its placeholders filled in: the first `content="Ваше имя"` (a
// whole word, any case) names the user when `USER` is set and `UUN` is on, the first
// "OV_PROG_VER" (a whole word, this case) becomes the program version.
std::string FillPlaceholders(std::string text, const Settings& settings);

// The dialog "Создание из шаблона": its list and whether "Создать" (or a double click) chose.
class TCreateFileForm {
 public:
  static constexpr int kHelpContext = 40;

  std::vector<std::string> Templates;  // file names without folder
  std::vector<std::string> Folders;    // the folder each template lies in
  std::vector<std::string> Items;      // the list box: the names without ".htt"
  int ItemIndex = -1;
  bool CreateChosen = false;

  // Fills the list from the folders and clears the choice; called each time before showing.
  // The folders are read in order (empty ones skipped), and a name already listed hides a
  // template of that name in a later folder: the user's own folder goes first, so their
  // templates lead the list and replace the program's of the same name. At most 30 in all.
  void Prepare(const std::vector<std::string>& folders);
  void Prepare(const std::string& folder) { Prepare(std::vector<std::string>{folder}); }
  void Button1Click() { CreateChosen = true; }
  void ListBox1DblClick() { CreateChosen = true; }
  // The template to create from, or "" when nothing is to be created: its name, and its file.
  std::string Chosen() const;
  std::string ChosenFile() const;
};

// Loads a template into a new, empty document window: the code text with the placeholders
// filled in, the file image, the modified mark from `PSN` and the caret before "</body>".
// False when the file could not be read (the message was shown; the window stays).
bool CreateFromTemplate(TEditForm& form, const std::string& file, const Settings& settings,
                        Dialogs& dialogs);

}  // namespace lumbrix
