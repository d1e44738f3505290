// The publication master "Мастер публикаций" as a presentation model: the page style with its
// defaults, the boxes of its four pages as plain texts, the level list, the "указать" check box
// `InsertBODYDoc`, the action list, and the handlers of its buttons. The window shows these
// fields and forwards every event here. The master is made on first use and kept; each showing
// starts from the defaults.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/Platform.h"
#include "publication/PageStyle.h"

namespace lumbrix {

class ColourChooser;

class TPubMasterForm {
 public:
  // What generating asks for: insert a style element into the current document, make a new
  // page, insert the bare CSS at the caret; or nothing, when the master is cancelled.
  enum Result { InsertStyles = 0, NewPage = 1, InsertCss = 2, Nothing = 3 };
  static constexpr int kHelpContext = 4;
  // Colours the colour chooser offers beside the basic ones.
  static const std::array<std::uint32_t, 8> kCustomColours;

  // `fontFamilies` fill the font family list once.
  TPubMasterForm(Dialogs& dialogs, Shell& shell, ColourChooser& colours,
                 std::vector<std::string> fontFamilies);

  PageStyle Defaults;
  PageStyle Working;

  // The boxes of the pages, as the window shows them.
  HeadingBoxes Heading;
  ParagraphBoxes Paragraph;
  BodyBoxes Body;
  PrintMargins PageMargins;
  const std::vector<std::string> FontFamilies;

  // `CheckListBox1`: the check marks, the list's own selection mark and the selected level
  // whose record the heading boxes show (-1: none).
  std::array<bool, kHeadingLevels> LevelChecked{true, true, true, false, false, false};
  int LevelListIndex = -1;
  int SelectedLevel = -1;

  bool InsertBODYDoc = true;
  int ActionIndex = NewPage;
  bool ActionEnabled = false;

  // The enable rules' results; a disabled box is painted silver.
  bool HeadingBoxesEnabled = false;
  bool BodyBoxesEnabled = true;
  bool DocBoxesEnabled = true;

  // Set by the frame before showing.
  bool DocumentsOpen = false;
  int ResultCode = Nothing;
  std::string GeneratedCss;
  std::string PreviewFileName;

  // Closes the window; set by the window.
  std::function<void()> Close;
  // The folder the preview page is written to; a private one of the user by default.
  std::function<std::optional<std::string>()> PreviewFolder;
  // The folder the export dialog starts in: the program's own, where templates are looked for.
  std::string ExportFolder;

  // The results of the take rules while the boxes are edited: returns false after a warning.
  bool TakeHeadingValues();
  bool TakeParagraphValues();
  bool TakeBodyValues();
  void TakeAllValues();
  void ShowHeadingValues();
  void ShowParagraphValues();
  void ShowBodyValues();
  void ShowAllValues();
  std::string Css() const;

  void FormShow();
  void FormClose();
  // The level list's selection moved to `index`.
  void CheckListBox1Click(int index);
  // A level's check mark changed.
  void CheckListBox1ClickCheck(int index, bool checked);
  void ActionComboBoxChange(int index);
  void InsertBODYDocClick(bool checked);
  void SetBODY_bkcolorClick();
  void SetBODY_colorClick();
  void ResetButtonClick();
  void PreviewButtonClick();
  void ExportButtonClick();
  void OKButtonClick();
  void CancelButtonClick();

  // The page the preview shows, with the style sheet made from the record.
  std::string PreviewPage() const;
  // The export's texts: a template page holding the style sheet, and the style sheet alone.
  std::string TemplateText() const;

 private:
  void applyHeadingRule();
  void applyBodyRule();
  void chooseColour(std::uint32_t BodyStyle::*field);
  void warn(const std::string& text);

  Dialogs& dialogs_;
  Shell& shell_;
  ColourChooser& colours_;
};

// The window of the master as the frame sees it: made on first use, shown modally.
class PubMasterWindow {
 public:
  virtual ~PubMasterWindow() = default;
  virtual TPubMasterForm& Master() = 0;
  // Shows the master and returns when it has closed.
  virtual void ShowModal() = 0;
};

// The export dialog: "Экспорт стилей", a template or a style sheet.
FileDialogRequest ExportDialogRequest(const std::string& folder);

}  // namespace lumbrix
