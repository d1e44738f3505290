#include "settings/OptionsForm.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "common/Platform.h"
#include "settings/SettingsStore.h"

namespace lumbrix {

namespace {

// A list or radio group given an index it has no item for shows no item.
int itemIndex(std::int32_t value, int count) {
  return value >= 0 && value < count ? static_cast<int>(value) : -1;
}

constexpr int kKeySetItems = 2;
constexpr int kEncodingItems = 3;
constexpr int kToolbarAlignItems = 4;
constexpr int kDocCaptionItems = 3;
constexpr int kHtmlVersionItems = 4;

// The check boxes that show one yes/no setting each, and the boxes that show one text: shown
// from the settings when the dialog opens and copied back on "ДА".
constexpr std::pair<bool TOptionsDialog::*, bool Settings::*> kFlagBoxes[] = {
    {&TOptionsDialog::CheckBoxPSN, &Settings::PSN},
    {&TOptionsDialog::CheckBoxNSF, &Settings::NSF},
    {&TOptionsDialog::CheckBoxNTF, &Settings::NTF},
    {&TOptionsDialog::CheckBoxNHF, &Settings::NHF},
    {&TOptionsDialog::CheckBoxNCF, &Settings::NCF},
    {&TOptionsDialog::CheckBoxUUL, &Settings::UUL},
    {&TOptionsDialog::CheckBoxUDHETWJS, &Settings::UDHETWJS},
    {&TOptionsDialog::CheckBoxUDHETWJSA, &Settings::UDHETWJSA},
    {&TOptionsDialog::CheckBoxUUN, &Settings::UUN},
    {&TOptionsDialog::CheckBoxAM, &Settings::AM},
    {&TOptionsDialog::CheckBoxUT, &Settings::UT},
    {&TOptionsDialog::CheckBoxFT, &Settings::FT},
    {&TOptionsDialog::CheckBoxHAVS, &Settings::HAVS},
    {&TOptionsDialog::CheckBoxFDB, &Settings::FDB},
    {&TOptionsDialog::CheckBoxUSC, &Settings::USC},
    {&TOptionsDialog::CheckBoxUDF, &Settings::UDF},
    {&TOptionsDialog::CheckBoxUUK, &Settings::UUK},
    {&TOptionsDialog::CheckBoxUUD, &Settings::UUD},
    {&TOptionsDialog::CheckBoxSO, &Settings::SO},
};
const std::pair<std::string TOptionsDialog::*, std::string Settings::*> kTextBoxes[] = {
    {&TOptionsDialog::EditUSER, &Settings::USER},
    {&TOptionsDialog::ProgCaption, &Settings::PC},
    {&TOptionsDialog::EditUK, &Settings::UK},
    {&TOptionsDialog::EditUD, &Settings::UD},
};

}  // namespace

TOptionsDialog::TOptionsDialog(Dialogs& dialogs, Help& help) : dialogs_(&dialogs), help_(help) {}

void TOptionsDialog::viewChanged() {
  if (ViewChanged) ViewChanged();
}

void TOptionsDialog::FormShow(const Settings& s) {
  for (const auto& [box, setting] : kFlagBoxes) this->*box = s.*setting;
  for (const auto& [edit, setting] : kTextBoxes) this->*edit = s.*setting;
  RadioGroupFMK = itemIndex(s.FMK, kKeySetItems);
  DHTMLET = itemIndex(s.DHTMLET, kEncodingItems);
  ToolbarAlign = itemIndex(s.TBA, kToolbarAlignItems);
  DocCaption = itemIndex(s.DC, kDocCaptionItems);
  HTMLVersion = itemIndex(s.DT, kHtmlVersionItems);

  // The spin buttons hold their position within their range; the box shows the position.
  UpDownTS = std::clamp<std::int32_t>(s.TS, kMinTabSize, kMaxTabSize);
  EditTS = std::to_string(UpDownTS);

  WorkBackground = static_cast<std::uint32_t>(s.CEBColor);
  WorkText = static_cast<std::uint32_t>(s.CETColor);
  WorkFontFace = s.CEFontFace;
  WorkFontSize = s.CEFontSize;

  Refresh();
  Snapshot = CurrentStyle();
}

void TOptionsDialog::Refresh() {
  ColorsEnabled = !CheckBoxUSC;
  CEBColorShape = CheckBoxUSC ? System.window : WorkBackground;
  CETColorShape = CheckBoxUSC ? System.windowText : WorkText;
  FontExample.background = CEBColorShape;
  FontExample.text = CETColorShape;

  FontEnabled = !CheckBoxUDF;
  if (CheckBoxUDF) {
    CEFontFaceEdit.clear();
    CEFontSizeEdit.clear();
    // The sample keeps the face it last had.
    FontExample.size = 10;
  } else {
    CEFontFaceEdit = WorkFontFace;
    CEFontSizeEdit = std::to_string(WorkFontSize);
    FontExample.face = WorkFontFace;
    FontExample.size = WorkFontSize;
  }

  EditUKEnabled = CheckBoxUUK;
  EditUKColor = EditUKEnabled ? System.window : System.buttonFace;
  EditUDEnabled = CheckBoxUUD;
  EditUDColor = EditUDEnabled ? System.window : System.buttonFace;
  EditUSEREnabled = CheckBoxUUN;
  CheckBoxUDHETWJSAEnabled = CheckBoxUDHETWJS;
  viewChanged();
}

void TOptionsDialog::CheckBoxUTClick() {
  CheckBoxFTEnabled = CheckBoxUT;
  ToolbarAlignEnabled = CheckBoxUT;
  viewChanged();
}

void TOptionsDialog::UpDownTSChange(int position) {
  UpDownTS = std::clamp(position, kMinTabSize, kMaxTabSize);
  EditTS = std::to_string(UpDownTS);
  viewChanged();
}

void TOptionsDialog::CEBColorShapeMouseUp() {
  if (!ColorsEnabled) return;
  if (const std::optional<std::uint32_t> c = dialogs_->ChooseColor(CEBColorShape)) {
    WorkBackground = *c;
    Refresh();
  }
}

void TOptionsDialog::CETColorShapeMouseUp() {
  if (!ColorsEnabled) return;
  if (const std::optional<std::uint32_t> c = dialogs_->ChooseColor(CETColorShape)) {
    WorkText = *c;
    Refresh();
  }
}

void TOptionsDialog::FontSelectButtonClick() {
  if (!FontEnabled) return;
  FontChoice initial;
  initial.face = WorkFontFace;
  initial.size = WorkFontSize;
  if (const std::optional<FontChoice> chosen = dialogs_->ChooseFont(initial)) {
    WorkFontFace = chosen->face;
    WorkFontSize = chosen->size;
    Refresh();
  }
}

void TOptionsDialog::HelpButtonClick() {
  help_.ShowTopic(kHelpContext);
}

void TOptionsDialog::CopyToSettings(Settings& s) const {
  for (const auto& [box, setting] : kFlagBoxes) s.*setting = this->*box;
  for (const auto& [edit, setting] : kTextBoxes) s.*setting = this->*edit;
  s.TS = static_cast<std::int16_t>(UpDownTS);
  s.FMK = RadioGroupFMK;
  s.DT = HTMLVersion;
  s.TBA = ToolbarAlign;
  s.DC = DocCaption;
  s.DHTMLET = DHTMLET;
  // Colours chosen while the system colours are on are not kept.
  if (!CheckBoxUSC) {
    s.CEBColor = static_cast<std::int32_t>(CEBColorShape);
    s.CETColor = static_cast<std::int32_t>(CETColorShape);
  }
  // The font is kept whatever "Шрифт по умолчанию" is, so that it returns when the box is
  // unchecked later.
  s.CEFontFace = WorkFontFace;
  s.CEFontSize = WorkFontSize;
}

OptionsSnapshot TOptionsDialog::CurrentStyle() const {
  return {CheckBoxUSC,   CheckBoxUDF,  CheckBoxSO,  CEBColorShape,
          CETColorShape, WorkFontFace, WorkFontSize};
}

bool TOptionsDialog::RestyleNeeded() const {
  const OptionsSnapshot now = CurrentStyle();
  const OptionsSnapshot& was = Snapshot;
  if (now.useSystemColors != was.useSystemColors || now.useDefaultFont != was.useDefaultFont ||
      now.syntax != was.syntax)
    return true;
  if (!now.useSystemColors && (now.background != was.background || now.text != was.text))
    return true;
  if (!now.useDefaultFont && (now.fontFace != was.fontFace || now.fontSize != was.fontSize))
    return true;
  return false;
}

bool TOptionsDialog::OKButtonClick(Settings& settings, Registry& registry) {
  CopyToSettings(settings);
  // Saved at once: what was confirmed survives whatever happens to the program afterwards.
  SaveSettings(settings, registry, *dialogs_);
  return RestyleNeeded();
}

}  // namespace lumbrix
