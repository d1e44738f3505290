#include "tagmaster/Form5.h"

#include "commands/FontCommands.h"
#include "commands/InsertionEngine.h"
#include "common/CaseMap.h"
#include "common/Colours.h"
#include "common/Platform.h"
#include "common/WinText.h"
#include "document/EditForm.h"

namespace lumbrix {

using namespace literals;

const std::array<TForm5::ColourButton, 9> TForm5::kColourButtons = {{
    {"sb12", 12},
    {"sb15", 15},
    {"sb16", 16},
    {"sb21", 21},
    {"sb23", 23},
    {"s40", 40},
    {"s41", 41},
    {"s42", 42},
    {"s43", 43},
}};

TForm5::TForm5(Dialogs& dialogs, Help& help, ColourDialogState& colourDialog,
               std::vector<std::string> fontFamilies)
    : dialogs_(dialogs),
      help_(help),
      colourDialog_(colourDialog),
      catalogue_(std::move(fontFamilies)) {}

bool TForm5::Execute(TEditForm& document, Mode m, const std::function<void()>& showModal) {
  TextPane& code = document.CodeEditor();
  mode = m;
  SelectionText = code.SelText();
  showModal();
  if (!Accepted) return false;
  // Attributes for a selection that is no tag name go after it: the selection stays.
  if (mode == Mode::AttrMaster && !TagsVisible)
    code.SetSelection(code.SelStart() + code.SelLength(), 0);
  ReplacePaneSelection(document, code, SelectionText);
  return true;
}

void TForm5::FormShow() {
  Accepted = false;
  TagsEnabled = true;
  if (mode == Mode::TagMaster) {
    Caption = "Мастер тегов"_w;
    HelpContext = kTagMasterHelp;
    TagDescVisible = TagsVisible = true;
    TagsIndex = 0;
    Image1Visible = true;
    Image2Visible = false;
  } else {
    Caption = "мастер атрибутов"_w;
    HelpContext = kAttrMasterHelp;
    Image1Visible = false;
    Image2Visible = true;
    const int found = FindTagIndex();
    TagDescVisible = TagsVisible = found >= 0;
    if (found >= 0) {
      // The tag is the one selected in the text: it cannot be changed here.
      TagsEnabled = false;
      TagsIndex = found;
    }
  }
  ResetAttributeFields();
}

void TForm5::TagsChange(int index) {
  TagsIndex = index;
  ResetAttributeFields();
}

void TForm5::ResetAttributeFields() {
  const int tag = knownTag();
  TagDescText = TagsVisible ? std::string(catalogue_.TagDescription(TagsIndex)) : std::string();
  ActivePage = 0;
  for (int a = 0; a < Catalogue::kAttributeCount; ++a) {
    AttributeRow& row = Rows[a];
    const bool available = catalogue_.Available(tag, a);
    row.Enabled = available;
    row.Checked = false;
    row.Hint = catalogue_.Hint(tag, a);
    row.FieldVisible = available && Catalogue::Attribute(a).control != ValueControl::None;
    if (a == Catalogue::kLanguage)
      row.Value = Catalogue::Attribute(a).values.front();
    else if (a != Catalogue::kFrame && a != Catalogue::kRules)
      row.Value.clear();
  }
  Esche.clear();
}

int TForm5::FindTagIndex() const {
  if (SelectionText.empty()) return -1;
  const std::string wanted = WinLowerCase(SelectionText);
  for (int t = 0; t < Catalogue::kTagListCount; ++t)
    if (WinLowerCase(catalogue_.TagName(t)) == wanted) return t;
  return -1;
}

std::string TForm5::BuildTagText(std::string_view selection) const {
  std::string text;
  if (mode == Mode::TagMaster) {
    text += '<';
    text += catalogue_.TagName(TagsIndex);
  } else if (TagsVisible) {
    text += selection;
  }
  for (int a = 0; a < Catalogue::kAttributeCount; ++a) {
    if (!Rows[a].Checked) continue;
    const AttributeEntry& entry = Catalogue::Attribute(a);
    text += ' ';
    text += entry.name;
    if (entry.control != ValueControl::None) text += '"' + Rows[a].Value + '"';
  }
  if (!Esche.empty()) text += ' ' + Esche;
  if (mode == Mode::TagMaster) {
    text += '>';
    text += selection;
    if (catalogue_.ClosingTag(TagsIndex))
      text += "</" + std::string(catalogue_.TagName(TagsIndex)) + '>';
  }
  return text;
}

void TForm5::PageControl1Change(int page) {
  ActivePage = page;
  if (page == kPreviewPage) PreviewText = BuildTagText({});
}

void TForm5::SpeedButtonOKClick() {
  SelectionText = BuildTagText(SelectionText);
  Accepted = true;
  if (Close) Close();
}

void TForm5::SpeedButtonCancelClick() {
  if (Close) Close();
}

void TForm5::ButtonHelpClick() {
  help_.ShowTopic(mode == Mode::TagMaster ? kTagMasterHelp : kAttrMasterHelp);
}

void TForm5::ColourButtonClick(int attribute) {
  const std::optional<std::uint32_t> chosen = dialogs_.ChooseColor(colourDialog_.Color);
  if (!chosen) return;
  colourDialog_.Color = *chosen;
  AttributeRow& row = Rows[attribute];
  row.Value = '#' + ColorToHex(*chosen);
  if (row.Enabled) row.Checked = true;
}

}  // namespace lumbrix
