// The document window as a presentation model: the file behind the document, its kind,
// encoding and line ends, and the state of the window's controls. The window layer forwards
// control events to the handlers here and shows the state.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/FileSystem.h"
#include "document/FileKinds.h"
#include "document/FontPanel.h"

namespace lumbrix {

class Dialogs;
class TextPane;
struct Settings;

class TEditForm {
 public:
  // Creates a document window under the current settings (maximised by `AM`, colours by `USC`,
  // font by `UDF`) and shows its fields.
  TEditForm(const Settings& settings, Dialogs& dialogs, TextPane& codeEditor,
            TextPane& lumbrixEditor);

  // Document fields.
  std::string FilePath;
  std::string DefaultName;
  int FileKind = KindHtml;
  int Encoding = 0;
  bool LineEndLF = false;
  bool IsNew = true;
  std::string FileImage;
  // The file's native name when FilePath, which shows it, cannot name it (bytes that are not
  // UTF-8, letters Windows-1251 lacks); empty otherwise. Loading and saving go by it.
  NativeName NativeFile;
  // The name the file system knows the document's file by.
  NativeName FileOnDisk() const;

  // The state of the window's controls.
  std::string Caption;
  int EncodeTypeIndex = 0;    // "WIN", "KOI8", "ISO"
  int LFCRTypeIndex = 0;      // "CR+LF", "LF"
  bool TranslateDown = true;  // the convert toggle "Преобразовать"
  bool Maximized = false;
  bool UseSystemColors = true;
  std::uint32_t CodeBackground = 0xFFFFFF;
  std::uint32_t CodeTextColor = 0;
  std::string CodeFontFace;
  int CodeFontSize = 10;
  ControlGroups Groups{};
  // The controls of the page "Lumbrix-er": "Разрешить теги", "Запрет на автоперенос" and the
  // mode selector (0 "Разрывы_и_отступы", 1 "Абзацы_и_заголовки"), kept for the window's life.
  bool AllowTags = false;
  bool WithNobr = false;
  int TabControl1Index = 1;

  // The font panel, and whether the colour number command writes "#" before the number (the
  // two colour buttons set it before running the command).
  FontPanel Font;
  bool HashPrefix = false;

  // The highlighting timer (2000 ms) and the flags that keep keyboard assistance and the
  // highlighter apart.
  static constexpr int kSyntaxTimerInterval = 2000;
  bool SyntaxTimerEnabled = false;
  bool KeyInProgress = false;
  bool PassUnderWay = false;
  // The highlighting pass the timer runs; the frame gives it to every document window.
  std::function<void()> HighlightPass;

  // The keyboard assistance's state from a key's key-down to its key-up.
  bool BackspacePending = false;
  int ExtraDeletions = 0;
  bool EnterPending = false;
  // Esc acts on its release only after its press was seen in the code pane: the release of an
  // Esc that closed a dialog lands in the pane and must not close the document too.
  bool EscPending = false;
  // Esc in the code pane: hides the find dialog when it is shown (true), otherwise there is
  // nothing to hide (false, or no hook) and the window closes through CloseWindow, which asks
  // about a modified document.
  std::function<bool()> HideFindDialog;
  std::function<void()> CloseWindow;
  // The caption follows the page title ("DC" = 1) as the title is edited.
  void ShowPageTitle();

  // Called whenever the state of the controls changed, so that the window shows it.
  std::function<void()> ViewChanged;

  // The tab the window shows: the plain-text pane "Lumbrix-er" or the code pane "HTML код".
  enum class PageTab { Lumbrix, Code };
  PageTab ActiveTab = PageTab::Code;

  TextPane& CodeEditor() { return code_; }
  TextPane& LumbrixEditor() { return lumbrix_; }
  TextPane& ActivePane() { return ActiveTab == PageTab::Code ? code_ : lumbrix_; }
  // Paste into the code pane; a page whose caption shows its title takes the new title.
  void Paste1();
  bool Modified() const;
  void SetModified(bool modified);

  // Loads a file. Returns false when the file was refused or could not be read (the user has
  // seen why); the document must then be closed, so that no later save can replace the file
  // with an empty text.
  bool LoadDocument(const std::string& path);
  // The same for a file named by its native name, kept beside the path shown for it.
  bool LoadDocument(const NativeName& file);
  // Both return true only when the file was written; a cancelled dialog or a failed write
  // leaves the document modified.
  bool SaveDocument();
  bool SaveDocumentAs();

  void ShowFileText();
  void ReadDocumentBoxes();
  void UpdateDocumentView();
  void ClassifyDocument();

  // The code pane's text changed: the highlighting timer goes on (a running one keeps running).
  void CodeEditorChange();
  // The highlighting timer's tick: one pass, then the timer goes off unless a key is being
  // handled in the code pane.
  void SyntaxTimerTimer();

  // The encoding box changed to EncodeTypeIndex, the line-end box to LFCRTypeIndex.
  void EncodeTypeChange();
  void LFCRTypeChange();

  // May the window close? Asks about a modified document; closes only when it was saved,
  // or when the user chose not to save it.
  bool FormCloseQuery();

  // The resize rule: a size is accepted only above 550 x 100 pixels.
  static bool FormCanResize(int width, int height);
  static constexpr int kMinWidth = 509;
  static constexpr int kMinHeight = 351;

  bool InsideElement(const std::string& name, int pos) const;
  std::string PageTitle() const;

 private:
  void viewChanged();

  const Settings& settings_;
  Dialogs& dialogs_;
  TextPane& code_;
  TextPane& lumbrix_;
};

}  // namespace lumbrix
