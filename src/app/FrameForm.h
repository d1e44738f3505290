// The frame window as a presentation model: the settings, the frame's chrome, the shared
// reference to the current document, opening files, and the commands that act on the active
// document. The window layer builds menus and tool bar from the menu table, forwards each
// command here by its handler name, and shows FrameChrome.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/FrameSettings.h"
#include "commands/FontCommands.h"
#include "common/FileSystem.h"
#include "highlight/Hilite.h"
#include "settings/OptionsForm.h"
#include "settings/Settings.h"

namespace lumbrix {

class Dialogs;
class DocumentWindows;
class Help;
class PubMasterWindow;
class Registry;
class Shell;
class ShortDate;
class TCreateFileForm;
class TEditForm;

class TFrameForm {
 public:
  TFrameForm(Dialogs& dialogs, Registry& registry, Help& help, DocumentWindows& windows,
             ShortDate& date);

  Settings settings;
  FrameChrome chrome;
  // The frame's one colour dialog: every window's colour commands open it with the colour
  // chosen last in any of them.
  ColourDialogState ColorDialog1;
  // The document window the last document command acted on.
  TEditForm* EditForm = nullptr;
  bool FirstShowDone = false;
  // The highlighter's rule sets, built when the frame is created.
  const HiliteRules Hilite = InitHiliteRules();

  // Called when FrameChrome changed, so that the window shows it.
  std::function<void()> ChromeChanged;

  // The shell that opens files and addresses in the desktop's programs. Every part of the frame
  // that opens something (the preview, the web links, the publication master's preview) goes
  // through shell(), which hands it to the one set here.
  void UseShell(Shell& shell) { shell_.target = &shell; }
  Shell& shell() { return shell_; }
  // Where the templates lie: the program's own, and the user's (listed first, written by the
  // publication master's export); and the window layer's modal "Создание из шаблона".
  std::string TemplateFolder;
  std::string UserTemplateFolder;
  // Where the publication master exports: the user's template folder, else the program's.
  const std::string& ExportFolder() const {
    return UserTemplateFolder.empty() ? TemplateFolder : UserTemplateFolder;
  }
  std::function<void(TCreateFileForm&)> ShowCreateFileForm;

  // "Созд&ать...": a new document from the template chosen in the dialog.
  void CreateFile();
  // "Просмотр": the active document saved and opened in the browser.
  void PreviewInBrow();
  // The items of "&Интернет": the program's own pages in the help window, the rest through the
  // shell at the address their hint gives. False for a handler that is no such item.
  bool OpenWebLink(std::string_view handler);

  // The first paint loads the settings, applies them and opens the command-line files; later
  // paints do nothing. Returns true when it did the work.
  bool FormPaint(const std::vector<std::string>& arguments);

  // Opens the files named on the command line. The arguments are the system's own bytes, so
  // that a file is found whatever bytes its name holds; messages show them as DisplayPath does.
  void OpenCommandLine(const std::vector<std::string>& arguments);
  void OpenFile();

  // Runs the command a menu item or tool button names; false when the frame has none by that
  // name (it is then the window layer's, or not built yet).
  bool Execute(std::string_view handler);
  static bool HasCommand(std::string_view handler);

  void InsertSymbol(unsigned char code);
  void QuoteSelection(unsigned char open, unsigned char close);

  // Asks every document window whether it may close; false keeps the frame open.
  bool FormCloseQuery();

  // Does the open-attribute filter refuse a file with these attributes?
  bool OpenRefused(const FileAttributes& attributes) const;

  // The new-document commands: a window made in a maximised frame, filled by `fill`.
  void NewDocument(const std::function<void(TEditForm&)>& fill);

  // The publication master: shown modally over the active document (if any), then its result is
  // acted on.
  void PublicationMaster(PubMasterWindow& window);

  Dialogs& dialogs() { return dialogs_; }
  Help& help() { return help_; }

  // The options dialog "Настройки", kept for the whole run and shown by "OptionsAction".
  TOptionsDialog OptionsDialog;
  // The system's window colours, which the window layer reports.
  SystemColors systemColors;
  // Shows the options dialog modally; true when it was closed with "ДА".
  std::function<bool(TOptionsDialog&)> RunOptionsDialog;
  // The highlighting pass on one document window; the frame's own pass unless replaced.
  std::function<void(TEditForm&)> HighlightDocument;
  // Shows the options dialog; on "ДА" the record is stored and saved, then applied to the
  // frame and, when the look changed, to every open document.
  void OptionsActionExecute();
  void RestyleDocuments();
  ShortDate& date() { return date_; }

 private:
  TEditForm* activeDocument();
  // Creates a document window for a path and loads it; a file that could not be read closes
  // its window again.
  void openDocument(const NativeName& file);
  void openFromCommandLine(const NativeName& argument);

  Dialogs& dialogs_;
  Registry& registry_;
  Help& help_;
  DocumentWindows& windows_;
  ShortDate& date_;
  struct UsedShell final : Shell {
    bool Open(const std::string& what) override { return target && target->Open(what); }
    Shell* target = nullptr;
  } shell_;
};

// Is the handler one of the web link items of the menu "&Интернет"?
bool IsWebLink(std::string_view handler);

// The Open dialog: title, filters and options.
FileDialogRequest OpenDialogRequest();

}  // namespace lumbrix
