// Files from templates: a template is a Windows-1251 HTML file "*.htt" in the program's template
// folder. "Создать..." lists them, and the chosen one becomes a new document with the author
// and the program version filled in.
#pragma once

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

// The text of a template with its placeholders filled in: the first `content="Ваше имя"` (a
// whole word, any case) names the user when `USER` is set and `UUN` is on, the first
// "OV_PROG_VER" (a whole word, this case) becomes the program version.
std::string FillPlaceholders(std::string text, const Settings& settings);

// The dialog "Создание из шаблона": its list and whether "Создать" (or a double click) chose.
class TCreateFileForm {
 public:
  static constexpr int kHelpContext = 40;

  std::vector<std::string> Templates;  // file names without folder
  std::vector<std::string> Items;      // the list box: the names without ".htt"
  int ItemIndex = -1;
  bool CreateChosen = false;

  // Fills the list from the folder and clears the choice; called each time before showing.
  void Prepare(const std::string& folder);
  void Button1Click() { CreateChosen = true; }
  void ListBox1DblClick() { CreateChosen = true; }
  // The template to create from, or "" when nothing is to be created.
  std::string Chosen() const;
};

// Loads a template into a new, empty document window: the code text with the placeholders
// filled in, the file image, the modified mark from `PSN` and the caret before "</body>".
// False when the file could not be read (the message was shown; the window stays).
bool CreateFromTemplate(TEditForm& form, const std::string& file, const Settings& settings,
                        Dialogs& dialogs);

}  // namespace lumbrix
