#include "settings/OptionsForm.h"

#include <algorithm>
#include <optional>

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

}  // namespace

TOptionsDialog::TOptionsDialog(Dialogs& dialogs, Help& help) : dialogs_(&dialogs), help_(help) {}

void TOptionsDialog::viewChanged() {
  if (ViewChanged) ViewChanged();
}

void TOptionsDialog::FormShow(const Settings& s) {
  CheckBoxPSN = s.PSN;
  CheckBoxNSF = s.NSF;
  CheckBoxNTF = s.NTF;
  CheckBoxNHF = s.NHF;
  CheckBoxNCF = s.NCF;
  RadioGroupFMK = itemIndex(s.FMK, kKeySetItems);
  CheckBoxUUL = s.UUL;
  DHTMLET = itemIndex(s.DHTMLET, kEncodingItems);
  CheckBoxUDHETWJS = s.UDHETWJS;
  CheckBoxUDHETWJSA = s.UDHETWJSA;
  CheckBoxUUN = s.UUN;
  EditUSER = s.USER;

  CheckBoxAM = s.AM;
  CheckBoxUT = s.UT;
  CheckBoxFT = s.FT;
  ToolbarAlign = itemIndex(s.TBA, kToolbarAlignItems);
  DocCaption = itemIndex(s.DC, kDocCaptionItems);
  ProgCaption = s.PC;

  // The spin buttons hold their position within their range; the box shows the position.
  UpDownTS = std::clamp<std::int32_t>(s.TS, kMinTabSize, kMaxTabSize);
  EditTS = std::to_string(UpDownTS);
  CheckBoxHAVS = s.HAVS;
  CheckBoxFDB = s.FDB;
  CheckBoxUSC = s.USC;
  CheckBoxUDF = s.UDF;

  HTMLVersion = itemIndex(s.DT, kHtmlVersionItems);
  CheckBoxUUK = s.UUK;
  EditUK = s.UK;
  CheckBoxUUD = s.UUD;
  EditUD = s.UD;

  CheckBoxSO = s.SO;

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
  s.UUL = CheckBoxUUL;
  s.PSN = CheckBoxPSN;
  s.HAVS = CheckBoxHAVS;
  s.USER = EditUSER;
  s.TS = static_cast<std::int16_t>(UpDownTS);
  s.NSF = CheckBoxNSF;
  s.NTF = CheckBoxNTF;
  s.NHF = CheckBoxNHF;
  s.NCF = CheckBoxNCF;
  s.FMK = RadioGroupFMK;
  s.AM = CheckBoxAM;
  s.FDB = CheckBoxFDB;
  s.UT = CheckBoxUT;
  s.FT = CheckBoxFT;
  s.DT = HTMLVersion;
  s.USC = CheckBoxUSC;
  // Colours chosen while the system colours are on are not kept.
  if (!CheckBoxUSC) {
    s.CEBColor = static_cast<std::int32_t>(CEBColorShape);
    s.CETColor = static_cast<std::int32_t>(CETColorShape);
  }
  s.TBA = ToolbarAlign;
  s.UDF = CheckBoxUDF;
  // The font is kept whatever "Шрифт по умолчанию" is, so that it returns when the box is
  // unchecked later.
  s.CEFontFace = WorkFontFace;
  s.CEFontSize = WorkFontSize;
  s.UUK = CheckBoxUUK;
  s.UUD = CheckBoxUUD;
  s.UK = EditUK;
  s.UD = EditUD;
  s.UUN = CheckBoxUUN;
  s.DC = DocCaption;
  s.PC = ProgCaption;
  s.DHTMLET = DHTMLET;
  s.UDHETWJS = CheckBoxUDHETWJS;
  s.UDHETWJSA = CheckBoxUDHETWJSA;
  s.SO = CheckBoxSO;
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
