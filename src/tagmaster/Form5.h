// The tag master and attribute master dialog as a presentation model. The tag master builds a
// whole tag from the catalogue around the code pane's selection; the attribute master builds the
// attributes of the tag whose name is selected (or of any tag) and puts them in. Both share one
// row per catalogue attribute: a check box, its hint and a value field.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tagmaster/Catalogue.h"

namespace lumbrix {

class Dialogs;
class Help;
class TEditForm;
struct ColourDialogState;

class TForm5 {
 public:
  enum class Mode { TagMaster, AttrMaster };

  // The pages of `PageControl1`: the attribute pages in catalogue order, then the preview.
  static constexpr int kPreviewPage = 3;
  static constexpr int kTagMasterHelp = 20;
  static constexpr int kAttrMasterHelp = 30;

  // One row: check box `c`k and value field `t`k.
  struct AttributeRow {
    bool Enabled = true;
    bool Checked = false;
    std::string Hint;
    bool FieldVisible = true;
    std::string Value;  // as typed or picked
  };

  // A colour button and the row it fills.
  struct ColourButton {
    std::string_view name;  // "sb12", "s40", …
    int attribute;
  };
  static const std::array<ColourButton, 9> kColourButtons;

  // The colour dialog is the frame's: it opens with the colour last chosen anywhere.
  TForm5(Dialogs& dialogs, Help& help, ColourDialogState& colourDialog,
         std::vector<std::string> fontFamilies = {});

  const Catalogue& catalogue() const { return catalogue_; }

  Mode mode = Mode::TagMaster;
  // The code pane's selection when the dialog opened; after OK, the built text.
  std::string SelectionText;
  bool Accepted = false;

  std::string Caption;
  int HelpContext = kTagMasterHelp;
  bool Image1Visible = true;
  bool Image2Visible = false;
  int TagsIndex = 0;
  bool TagsVisible = true;
  bool TagsEnabled = true;
  bool TagDescVisible = true;
  std::string TagDescText;
  int ActivePage = 0;
  std::array<AttributeRow, Catalogue::kAttributeCount> Rows;
  std::string Esche;
  std::string PreviewText;

  // Closes the dialog; set by the window.
  std::function<void()> Close;

  // The opening command. showModal runs the dialog until it closes; when the user accepted, the
  // built text goes into the document's code pane as one step. Returns whether it did.
  bool Execute(TEditForm& document, Mode mode, const std::function<void()>& showModal);

  void FormShow();
  // Another tag chosen in `Tags`.
  void TagsChange(int index);
  void ResetAttributeFields();
  // The item of the tag list equal to the whole selection text, letter case aside; -1 for none
  // and for an empty selection.
  int FindTagIndex() const;
  std::string BuildTagText(std::string_view selection) const;
  void PageControl1Change(int page);
  void SpeedButtonOKClick();
  void SpeedButtonCancelClick();
  void ButtonHelpClick();
  // The colour button of an attribute row: a chosen colour fills the row's value field and
  // ticks its box when the tag takes the attribute.
  void ColourButtonClick(int attribute);

 private:
  // The tag whose catalogue row the dialog follows: the chosen one, or none when `Tags` is hidden.
  int knownTag() const { return TagsVisible ? TagsIndex : Catalogue::kNoTag; }

  Dialogs& dialogs_;
  Help& help_;
  ColourDialogState& colourDialog_;
  Catalogue catalogue_;
};

}  // namespace lumbrix
