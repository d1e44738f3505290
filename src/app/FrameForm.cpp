#include "app/FrameForm.h"

#include <algorithm>

#include "app/DocumentWindows.h"
#include "app/MenuTable.h"
#include "commands/Commenting.h"
#include "commands/InsertionEngine.h"
#include "common/Platform.h"
#include "common/WinText.h"
#include "document/BlockCommands.h"
#include "document/EditForm.h"
#include "document/Navigation.h"
#include "document/Skeletons.h"
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

const std::string kOpenErrorCaption(std::string("Ошибка открытия файла"_w));

// Commands the frame form runs itself.
constexpr std::string_view kFrameCommands[] = {
    "OpenFile",  "Save",          "SaveAs",        "EditUndo",      "EditCut",     "EditCopy",
    "EditPaste", "EditSelectAll", "N49Click",      "NewFile",       "NewHtml",     "NewJS",
    "NewVRML",   "IndentBlock",   "UnindentBlock", "InsSGMLQuotes", "ToUpperCase", "ToLowerCase",
    "N67Click",  "N63Click",      "N52Click",      "N53Click",      "N54Click",    "N73Click"};

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
    : dialogs_(dialogs), registry_(registry), help_(help), windows_(windows), date_(date) {}

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

void TFrameForm::openDocument(const std::string& path) {
  TEditForm& form = windows_.CreateDocument();
  if (!form.LoadDocument(path)) {
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
    openFromCommandLine(argument);
  }
}

void TFrameForm::openFromCommandLine(const std::string& argument) {
  const std::vector<std::string> matches = ListWildcard(argument, true);
  if (matches.empty()) {
    dialogs_.MessageBox(std::string("Файла\n"_w) + argument + std::string("\nНЕТ В ПРИРОДЕ!"_w),
                        kOpenErrorCaption, MsgIcon::Exclamation, MsgButtons::Ok);
    return;
  }
  const std::string folder = argumentFolder(argument);
  for (const std::string& match : matches) {
    const std::string path = folder.empty() ? JoinPath(CurrentDirectory(), FileNamePart(match))
                                            : folder + FileNamePart(match);
    const std::optional<FileAttributes> a = GetFileAttributes(path);
    const bool unusable = !a || a->directory || a->offline;
    const bool refused = a && OpenRefused(*a);
    if (unusable || refused) {
      std::string text = std::string("Файл\n"_w) + path + std::string("\nНЕДОСТУПЕН!"_w);
      if (refused) text += std::string("\nЗАПРЕТ на изменение"_w);
      dialogs_.MessageBox(text, kOpenErrorCaption, MsgIcon::Information, MsgButtons::Ok);
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
    openDocument(path);
  }
  if (!wasMaximized) windows_.SetFrameMaximized(false);
}

TEditForm* TFrameForm::activeDocument() {
  TEditForm* form = windows_.ActiveDocument();
  if (form) EditForm = form;
  return form;
}

bool TFrameForm::HasCommand(std::string_view handler) {
  return std::find(std::begin(kFrameCommands), std::end(kFrameCommands), handler) !=
             std::end(kFrameCommands) ||
         FindSymbolCommand(handler) != nullptr;
}

bool TFrameForm::Execute(std::string_view handler) {
  if (!HasCommand(handler)) return false;
  if (handler == "OpenFile") {
    OpenFile();
    return true;
  }
  if (handler == "N49Click") {
    help_.ShowContents();
    return true;
  }
  if (const SymbolCommand* s = FindSymbolCommand(handler)) {
    if (s->close)
      QuoteSelection(s->open, s->close);
    else
      InsertSymbol(s->open);
    return true;
  }
  if (handler == "NewFile") {
    newDocument([&](TEditForm& f) { NewFile(f, settings); });
    return true;
  }
  if (handler == "NewHtml") {
    newDocument([&](TEditForm& f) { NewHtml(f, settings); });
    return true;
  }
  if (handler == "NewJS") {
    newDocument([&](TEditForm& f) { NewJS(f, settings, date_); });
    return true;
  }
  if (handler == "NewVRML") {
    newDocument([&](TEditForm& f) { NewVRML(f, settings, date_); });
    return true;
  }
  TEditForm* form = activeDocument();
  if (!form) return true;
  if (runDocumentCommand(handler, *form)) return true;
  const bool code = form->ActiveTab == TEditForm::PageTab::Code;
  TextPane& pane = form->ActivePane();
  if (handler == "Save")
    form->SaveDocument();
  else if (handler == "SaveAs")
    form->SaveDocumentAs();
  else if (handler == "EditUndo")
    pane.Undo();
  else if (handler == "EditCut")
    pane.Cut();
  else if (handler == "EditCopy")
    pane.Copy();
  else if (handler == "EditPaste")
    code ? form->Paste1() : pane.Paste();
  else if (handler == "EditSelectAll")
    pane.SelectAll();
  return true;
}

template <typename Fill>
void TFrameForm::newDocument(Fill fill) {
  const bool wasMaximized = windows_.FrameMaximized();
  if (!wasMaximized) windows_.SetFrameMaximized(true);
  TEditForm& form = windows_.CreateDocument();
  EditForm = &form;
  fill(form);
  if (!wasMaximized) windows_.SetFrameMaximized(false);
}

// The block, landmark and comment commands of the Edit and Navigate menus.
bool TFrameForm::runDocumentCommand(std::string_view handler, TEditForm& form) {
  if (handler == "IndentBlock")
    IndentBlock(form, settings);
  else if (handler == "UnindentBlock")
    UnindentBlock(form, settings);
  else if (handler == "InsSGMLQuotes")
    InsSGMLQuotes(form);
  else if (handler == "ToUpperCase")
    ToUpperCase(form);
  else if (handler == "ToLowerCase")
    ToLowerCase(form);
  else if (handler == "N67Click")
    N67Click(form);
  else if (handler == "N63Click")
    CommentSel(form, dialogs_);
  else if (handler == "N52Click")
    N52Click(form);
  else if (handler == "N53Click")
    N53Click(form);
  else if (handler == "N54Click")
    N54Click(form);
  else if (handler == "N73Click")
    N73Click(form);
  else
    return false;
  return true;
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

bool TFrameForm::FormCloseQuery() {
  for (TEditForm* form : windows_.Documents())
    if (!form->FormCloseQuery()) return false;
  return true;
}

}  // namespace lumbrix
