#include "app/FrameForm.h"

#include "app/DocumentWindows.h"
#include "app/MenuTable.h"
#include "app/RestyleDocuments.h"
#include "commands/Commenting.h"
#include "commands/InsertionEngine.h"
#include "commands/Symbols.h"
#include "common/Platform.h"
#include "common/WinText.h"
#include "document/BlockCommands.h"
#include "document/EditForm.h"
#include "document/Navigation.h"
#include "document/Skeletons.h"
#include "publication/PubMasterForm.h"
#include "publication/PubMasterResult.h"
#include "settings/SettingsStore.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

constexpr std::string_view kOpenFilters[] = {
    "Документ HTML (htm, html, dhtml, shtml, xhtml)|*.htm;*.html;*.dhtml;*.shtml;*.xhtml"_w,
    "Шаблон HTML (htt)|*.htt"_w,
    "Cascaded Style Sheets (css)|*.css"_w,
    "Java[Script], ECMAScript, ASP (java, js, asa)|*.java;*.js;*.asp;*.asa"_w,
    "XML (xml, dtd)|*.xml;*.dtd"_w,
    "Несжатый VRML (wrl, vrml)|*.wrl;*.vrml"_w,
    "PERL (pl, pm)|*.pl;*.pm;*.cgi"_w,
    "PHP|*.php"_w,
    "Текстовый документ (txt, ans, acs)|*.txt;*.ans;*.acs"_w,
    "Пакетные и настроечные|*.bat;*.cmd;config.sy*;*.ini;*.inf"_w,
    "Извращения (nfo, rus, koi, dos)|*.nfo;*.dos;*.rus;*.koi;*.1st"_w,
    "Всё подряд|*.*"_w,
};

constexpr std::string_view kOpenErrorCaption = "Ошибка открытия файла"_w;

// The folder part of a command-line argument: up to and including its last separator.
std::string argumentFolder(const std::string& argument) {
  for (std::size_t i = argument.size(); i > 0; --i) {
    const char c = argument[i - 1];
    if (c == '\\' || c == '/' || c == ':') return argument.substr(0, i);
  }
  return {};
}

}  // namespace

FileDialogRequest OpenDialogRequest() {
  FileDialogRequest r;
  for (std::string_view f : kOpenFilters) r.filters.emplace_back(f);
  r.filterIndex = 1;
  r.multiSelect = true;
  r.pathMustExist = true;
  r.fileMustExist = true;
  return r;
}

TFrameForm::TFrameForm(Dialogs& dialogs, Registry& registry, Help& help, DocumentWindows& windows,
                       ShortDate& date)
    : OptionsDialog(dialogs, help),
      dialogs_(dialogs),
      registry_(registry),
      help_(help),
      windows_(windows),
      date_(date) {
  HighlightDocument = [this](TEditForm& form) { HighlightSyntax(form, settings, Hilite); };
}

bool TFrameForm::FormPaint(const std::vector<std::string>& arguments) {
  if (FirstShowDone) return false;
  FirstShowDone = true;
  LoadSettings(settings, registry_, dialogs_);
  ApplyFrameSettings(settings, settings.FMK, chrome, dialogs_);
  if (ChromeChanged) ChromeChanged();
  OpenCommandLine(arguments);
  return true;
}

bool TFrameForm::OpenRefused(const FileAttributes& a) const {
  return a.readOnly || (a.system && settings.NSF) || (a.temporary && settings.NTF) ||
         (a.hidden && settings.NHF) || (a.compressed && settings.NCF);
}

void TFrameForm::openDocument(const NativeName& file) {
  TEditForm& form = windows_.CreateDocument();
  if (!form.LoadDocument(file)) {
    // The user has been told why; a window left bound to the path could later replace the
    // file with an empty text.
    windows_.DestroyDocument(form);
    return;
  }
  if (form.FileKind == KindHtml)
    JumpBeforeTag(form, "</body>");
  else
    form.CodeEditor().SetFocus();
}

void TFrameForm::OpenCommandLine(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "/test" || argument == "-test") continue;
    openFromCommandLine(NativeName{argument});
  }
}

void TFrameForm::openFromCommandLine(const NativeName& argument) {
  const std::vector<NativeName> matches = ListWildcard(argument, true);
  if (matches.empty()) {
    dialogs_.MessageBox(
        std::string("Файла\n"_w) + DisplayPath(argument) + std::string("\nНЕТ В ПРИРОДЕ!"_w),
        std::string(kOpenErrorCaption), MsgIcon::Exclamation, MsgButtons::Ok);
    return;
  }
  const std::string folder = argumentFolder(argument.bytes);
  for (const NativeName& match : matches) {
    const std::string name = FileNamePart(match.bytes);
    const NativeName path{folder.empty() ? JoinPath(NativeCurrentDirectory().bytes, name)
                                         : folder + name};
    const std::optional<FileAttributes> a = GetFileAttributes(path);
    const bool unusable = !a || a->directory || a->offline;
    const bool refused = a && OpenRefused(*a);
    if (unusable || refused) {
      // Built in steps: clang 14 crashes on a string initialised straight from a `_w` literal.
      std::string text = DisplayPath(path);
      text.insert(0, "Файл\n"_w);
      text += "\nНЕДОСТУПЕН!"_w;
      if (refused) text += std::string("\nЗАПРЕТ на изменение"_w);
      dialogs_.MessageBox(text, std::string(kOpenErrorCaption), MsgIcon::Information,
                          MsgButtons::Ok);
      continue;
    }
    openDocument(path);
  }
}

void TFrameForm::OpenFile() {
  const std::optional<FileDialogResult> chosen = dialogs_.OpenFile(OpenDialogRequest());
  if (!chosen) return;
  const bool wasMaximized = windows_.FrameMaximized();
  if (!wasMaximized) windows_.SetFrameMaximized(true);
  for (const std::string& path : chosen->names) {
    const std::optional<FileAttributes> a = GetFileAttributes(path);
    if (!a || a->directory || OpenRefused(*a)) {
      dialogs_.MessageBox(std::string("Файл НЕДОСТУПЕН!\nЗАПРЕТ на изменение"_w), path,
                          MsgIcon::Information, MsgButtons::Ok);
      continue;
    }
    openDocument(ToNative(path));
  }
  if (!wasMaximized) windows_.SetFrameMaximized(false);
}

TEditForm* TFrameForm::activeDocument() {
  TEditForm* form = windows_.ActiveDocument();
  if (form) EditForm = form;
  return form;
}

namespace {

// The commands the frame form runs itself, as one table. Those that act on a document run only
// when a document window exists, on the active one.
struct FrameCommand {
  std::string_view handler;
  void (*onFrame)(TFrameForm&) = nullptr;
  void (*onDocument)(TFrameForm&, TEditForm&) = nullptr;
};

TextPane& pane(TEditForm& f) {
  return f.ActivePane();
}

const FrameCommand kFrameCommands[] = {
    {"OpenFile", [](TFrameForm& t) { t.OpenFile(); }},
    {"N49Click", [](TFrameForm& t) { t.help().ShowContents(); }},
    {"NewFile",
     [](TFrameForm& t) { t.NewDocument([&](TEditForm& f) { NewFile(f, t.settings); }); }},
    {"NewHtml",
     [](TFrameForm& t) { t.NewDocument([&](TEditForm& f) { NewHtml(f, t.settings); }); }},
    {"NewJS",
     [](TFrameForm& t) { t.NewDocument([&](TEditForm& f) { NewJS(f, t.settings, t.date()); }); }},
    {"NewVRML",
     [](TFrameForm& t) { t.NewDocument([&](TEditForm& f) { NewVRML(f, t.settings, t.date()); }); }},
    {"Save", nullptr, [](TFrameForm&, TEditForm& f) { f.SaveDocument(); }},
    {"SaveAs", nullptr, [](TFrameForm&, TEditForm& f) { f.SaveDocumentAs(); }},
    {"EditUndo", nullptr, [](TFrameForm&, TEditForm& f) { pane(f).Undo(); }},
    {"EditCut", nullptr, [](TFrameForm&, TEditForm& f) { pane(f).Cut(); }},
    {"EditCopy", nullptr, [](TFrameForm&, TEditForm& f) { pane(f).Copy(); }},
    // Pasting into the code pane may retitle a page whose caption is its title.
    {"EditPaste", nullptr,
     [](TFrameForm&, TEditForm& f) {
       if (f.ActiveTab == TEditForm::PageTab::Code)
         f.Paste1();
       else
         pane(f).Paste();
     }},
    {"EditSelectAll", nullptr, [](TFrameForm&, TEditForm& f) { pane(f).SelectAll(); }},
    {"IndentBlock", nullptr, [](TFrameForm& t, TEditForm& f) { IndentBlock(f, t.settings); }},
    {"UnindentBlock", nullptr, [](TFrameForm& t, TEditForm& f) { UnindentBlock(f, t.settings); }},
    {"InsSGMLQuotes", nullptr, [](TFrameForm&, TEditForm& f) { InsSGMLQuotes(f); }},
    {"ToUpperCase", nullptr, [](TFrameForm&, TEditForm& f) { ToUpperCase(f); }},
    {"ToLowerCase", nullptr, [](TFrameForm&, TEditForm& f) { ToLowerCase(f); }},
    {"N67Click", nullptr, [](TFrameForm&, TEditForm& f) { N67Click(f); }},
    {"N63Click", nullptr, [](TFrameForm& t, TEditForm& f) { CommentSel(f, t.dialogs()); }},
    {"N52Click", nullptr, [](TFrameForm&, TEditForm& f) { N52Click(f); }},
    {"N53Click", nullptr, [](TFrameForm&, TEditForm& f) { N53Click(f); }},
    {"N54Click", nullptr, [](TFrameForm&, TEditForm& f) { N54Click(f); }},
    {"N73Click", nullptr, [](TFrameForm&, TEditForm& f) { N73Click(f); }},
    {"CreateFile", [](TFrameForm& t) { t.CreateFile(); }},
    {"PreviewInBrow", [](TFrameForm& t) { t.PreviewInBrow(); }},
    {"OptionsAction", [](TFrameForm& t) { t.OptionsActionExecute(); }},
};

const FrameCommand* findFrameCommand(std::string_view handler) {
  for (const FrameCommand& c : kFrameCommands)
    if (c.handler == handler) return &c;
  return nullptr;
}

}  // namespace

bool TFrameForm::HasCommand(std::string_view handler) {
  return findFrameCommand(handler) != nullptr || FindSymbolCommand(handler) != nullptr ||
         IsWebLink(handler);
}

bool TFrameForm::Execute(std::string_view handler) {
  if (OpenWebLink(handler)) return true;
  if (const SymbolCommand* s = FindSymbolCommand(handler)) {
    if (s->close)
      QuoteSelection(s->open, s->close);
    else
      InsertSymbol(s->open);
    return true;
  }
  const FrameCommand* command = findFrameCommand(handler);
  if (!command) return false;
  if (command->onFrame) {
    command->onFrame(*this);
  } else if (TEditForm* form = activeDocument()) {
    command->onDocument(*this, *form);
  }
  return true;
}

void TFrameForm::NewDocument(const std::function<void(TEditForm&)>& fill) {
  const bool wasMaximized = windows_.FrameMaximized();
  if (!wasMaximized) windows_.SetFrameMaximized(true);
  TEditForm& form = windows_.CreateDocument();
  EditForm = &form;
  fill(form);
  if (!wasMaximized) windows_.SetFrameMaximized(false);
}

void TFrameForm::InsertSymbol(unsigned char code) {
  TEditForm* form = activeDocument();
  if (!form) return;
  ReplacePaneSelection(*form, form->ActivePane(), std::string(1, static_cast<char>(code)));
}

void TFrameForm::QuoteSelection(unsigned char open, unsigned char close) {
  TEditForm* form = activeDocument();
  if (!form) return;
  TextPane& pane = form->ActivePane();
  ReplacePaneSelection(*form, pane,
                       static_cast<char>(open) + pane.SelText() + static_cast<char>(close));
}

void TFrameForm::PublicationMaster(PubMasterWindow& window) {
  TEditForm* current = activeDocument();
  TPubMasterForm& master = window.Master();
  master.DocumentsOpen = current != nullptr;
  window.ShowModal();
  ActOnPubMasterResult(master, current, settings,
                       [this](const std::function<void(TEditForm&)>& fill) { NewDocument(fill); });
}

bool TFrameForm::FormCloseQuery() {
  for (TEditForm* form : windows_.Documents())
    if (!form->FormCloseQuery()) return false;
  return true;
}

void TFrameForm::OptionsActionExecute() {
  OptionsDialog.System = systemColors;
  OptionsDialog.FormShow(settings);
  if (!RunOptionsDialog || !RunOptionsDialog(OptionsDialog)) return;
  const bool restyle = OptionsDialog.OKButtonClick(settings, registry_);
  ApplyFrameSettings(settings, settings.FMK, chrome, dialogs_);
  if (ChromeChanged) ChromeChanged();
  if (restyle) RestyleDocuments();
}

void TFrameForm::RestyleDocuments() {
  lumbrix::RestyleDocuments(windows_.Documents(), settings, systemColors, HighlightDocument);
}

}  // namespace lumbrix
