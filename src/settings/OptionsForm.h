// The options dialog "Настройки" as a presentation model: the values of its controls on five
// pages, the working colours and font that no control holds, what Refresh derives from them
// (enabling, swatches, the font sample), and the snapshot that decides whether the open
// documents must be re-styled after "ДА". The window layer shows these fields and forwards
// its events to the handlers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "settings/Settings.h"

namespace lumbrix {

class Dialogs;
class Help;
class Registry;

// The system's colours as the platform reports them, 0x00BBGGRR.
struct SystemColors {
  std::uint32_t window = 0xFFFFFF;
  std::uint32_t windowText = 0x000000;
  std::uint32_t buttonFace = 0xF0F0F0;
};

// What the open documents were styled by when the dialog was shown.
struct OptionsSnapshot {
  bool useSystemColors = true;
  bool useDefaultFont = true;
  bool syntax = false;
  std::uint32_t background = 0xFFFFFF;
  std::uint32_t text = 0;
  std::string fontFace;
  int fontSize = 10;
};

// The sample label "Font and Colors Example. Пример шрифта и цветов.".
struct FontSample {
  std::string face;  // empty: the dialog's own font
  int size = 10;
  std::uint32_t background = 0xFFFFFF;
  std::uint32_t text = 0;
};

class TOptionsDialog {
 public:
  static constexpr int kHelpContext = 10;
  static constexpr int kMinTabSize = 0;
  static constexpr int kMaxTabSize = 100;
  static constexpr int kMinFontSize = 5;
  static constexpr int kMaxFontSize = 35;

  TOptionsDialog(Dialogs& dialogs, Help& help);
  // The window layer may give the dialog choosers of its own.
  void UseDialogs(Dialogs& dialogs) { dialogs_ = &dialogs; }

  SystemColors System;

  // "Общие настройки"
  bool CheckBoxPSN = false;
  bool CheckBoxNSF = false, CheckBoxNTF = false, CheckBoxNHF = false, CheckBoxNCF = false;
  int RadioGroupFMK = 0;  // item index, -1 when none is chosen
  bool CheckBoxUUL = false;
  int DHTMLET = 0;
  bool CheckBoxUDHETWJS = false;
  bool CheckBoxUDHETWJSA = false;
  bool CheckBoxUUN = false;
  std::string EditUSER;
  // "Вид"
  bool CheckBoxAM = false;
  bool CheckBoxUT = false;
  bool CheckBoxFT = false;
  int ToolbarAlign = 0;
  int DocCaption = 0;
  std::string ProgCaption;
  // "Редактор кода"
  int UpDownTS = 0;
  std::string EditTS;
  bool CheckBoxHAVS = false;
  bool CheckBoxFDB = false;
  bool CheckBoxUSC = false;
  bool CheckBoxUDF = false;
  // "Файлы HTML"
  int HTMLVersion = 0;
  bool CheckBoxUUK = false;
  std::string EditUK;
  bool CheckBoxUUD = false;
  std::string EditUD;
  // "Синтаксис"
  bool CheckBoxSO = false;

  // The working values: the colours and font chosen in this showing.
  std::uint32_t WorkBackground = 0xFFFFFF;
  std::uint32_t WorkText = 0;
  std::string WorkFontFace;
  int WorkFontSize = 10;

  // What Refresh derived. The colour labels and swatches share one enabling, as do the two font
  // boxes and the "..." button.
  bool ColorsEnabled = true;
  std::uint32_t CEBColorShape = 0xFFFFFF;
  std::uint32_t CETColorShape = 0;
  bool FontEnabled = true;
  std::string CEFontFaceEdit;
  std::string CEFontSizeEdit;
  FontSample FontExample;
  bool EditUKEnabled = false, EditUDEnabled = false;
  std::uint32_t EditUKColor = 0, EditUDColor = 0;
  bool EditUSEREnabled = false;
  bool CheckBoxUDHETWJSAEnabled = false;
  // Follow only clicks on "показывать"; the dialog keeps them from one showing to the next.
  bool CheckBoxFTEnabled = true;
  bool ToolbarAlignEnabled = true;

  OptionsSnapshot Snapshot;

  // Called whenever the fields changed, so that the window shows them.
  std::function<void()> ViewChanged;

  // Settings to controls, then Refresh, then the snapshot.
  void FormShow(const Settings& settings);
  void Refresh();

  // The check boxes whose clicks change what Refresh derives; the view has already stored the
  // new check state.
  void CheckBoxUSCClick() { Refresh(); }
  void CheckBoxUDFClick() { Refresh(); }
  void CheckBoxUUKClick() { Refresh(); }
  void CheckBoxUUDClick() { Refresh(); }
  void CheckBoxUUNClick() { Refresh(); }
  void CheckBoxUDHETWJSClick() { Refresh(); }
  void CheckBoxUTClick();
  // The spin buttons moved or a number was typed: the box shows the position.
  void UpDownTSChange(int position);

  // A mouse button released over a swatch: the colour chooser, when the swatch is enabled.
  void CEBColorShapeMouseUp();
  void CETColorShapeMouseUp();
  void FontSelectButtonClick();
  void HelpButtonClick();

  // "ДА": the controls into the record, in the dialog's order, and the record saved at once.
  // Returns whether the open documents must be re-styled. The frame then applies the record
  // and re-styles; a failed save has been reported and changes none of this.
  bool OKButtonClick(Settings& settings, Registry& registry);

  void CopyToSettings(Settings& settings) const;
  // The state the snapshot is taken of, as the controls and working values stand now.
  OptionsSnapshot CurrentStyle() const;
  bool RestyleNeeded() const;

 private:
  void viewChanged();

  Dialogs* dialogs_;
  Help& help_;
};

}  // namespace lumbrix
