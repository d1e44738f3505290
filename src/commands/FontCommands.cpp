#include "commands/FontCommands.h"

#include <algorithm>
#include <optional>

#include "commands/InsertionEngine.h"
#include "common/CaseMap.h"
#include "common/Colours.h"
#include "common/Platform.h"
#include "common/WinText.h"
#include "document/EditForm.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

constexpr ButtonEntry kControls[] = {
    {"FontName", {}, {}, "Название шрифта"_w},
    {"FontSize", {}, {}, "Размер шрифта"_w},
    {"FontColor", "FontColorMouseUp", {}, "Цвета текста"_w},
    {"CheckBox1", {}, "шрифт"_w, "Включать атрибут с именем шрифта"_w},
    {"CheckBox2", {}, "разм."_w, "Включать атрибут с размером шрифта"_w},
    {"CheckBox3", "CheckBox3Click", "цвет"_w, "Включать атрибут с цветом текста"_w},
    {"ApplyFont", "ApplyFontClick", {}, "Вставить тег <font>с указанными параметрами"_w},
    {"ApplyCss", "ApplyCssClick", {}, "Вставить CSS атрибуты с указанными параметрами"_w},
    {"SpeedButton9", "SpeedButton9Click", {}, "Цвет --> #номер"_w},
    {"SpeedButton10", "SpeedButton10Click", {}, "Цвет --> номер"_w},
    {"SpeedButtonCSS", {}, "CSS", "Атрибуты и классы"_w, "CSSPopupMenu"},
};

// The panel's text goes in front of S (and close after it) in one step; then the boxes are
// checked again and the code pane gets the focus back from the panel.
void insertFromPanel(TEditForm& form, const std::string& open, std::string_view close) {
  TextPane& code = form.CodeEditor();
  ReplacePaneSelection(form, code, open + code.SelText() + std::string(close));
  form.Font.CheckAll();
  if (code.IsVisible()) code.SetFocus();
  if (form.ViewChanged) form.ViewChanged();
}

std::optional<std::uint32_t> chooseColour(Dialogs& dialogs, ColourDialogState& dialog) {
  const std::optional<std::uint32_t> chosen = dialogs.ChooseColor(dialog.Color);
  if (chosen) dialog.Color = *chosen;
  return chosen;
}

}  // namespace

std::string FontOpeningTag(const FontPanel& panel) {
  std::string tag = "<font";
  if (panel.CheckBox1) tag += " face=\"" + panel.FontName + "\"";
  if (panel.CheckBox2) tag += " size=\"" + panel.FontSize + "\"";
  if (panel.CheckBox3) tag += " color=\"#" + ColorToHex(panel.FontColor) + "\"";
  return tag + ">";
}

std::string CssDeclarations(const FontPanel& panel) {
  std::string text;
  if (panel.CheckBox1) text += "font-family:" + panel.FontName + ";";
  if (panel.CheckBox2) text += " font-size:" + panel.FontSize + ";";
  if (panel.CheckBox3) text += " color:#" + ColorToHex(panel.FontColor) + ";";
  return text;
}

void ApplyFontClick(TEditForm& form) {
  insertFromPanel(form, FontOpeningTag(form.Font), "</font>");
}

void ApplyCssClick(TEditForm& form) {
  insertFromPanel(form, CssDeclarations(form.Font), {});
}

bool ColorToNumberExecute(TEditForm& form, Dialogs& dialogs, ColourDialogState& dialog) {
  const std::optional<std::uint32_t> colour = chooseColour(dialogs, dialog);
  if (!colour) return false;
  ReplacePaneSelection(form, form.ActivePane(), (form.HashPrefix ? "#" : "") + ColorToHex(*colour));
  return true;
}

bool SpeedButton9Click(TEditForm& form, Dialogs& dialogs, ColourDialogState& dialog) {
  form.HashPrefix = true;
  return ColorToNumberExecute(form, dialogs, dialog);
}

bool SpeedButton10Click(TEditForm& form, Dialogs& dialogs, ColourDialogState& dialog) {
  form.HashPrefix = false;
  return ColorToNumberExecute(form, dialogs, dialog);
}

bool FontColorMouseUp(TEditForm& form, Dialogs& dialogs, ColourDialogState& dialog) {
  const std::optional<std::uint32_t> colour = chooseColour(dialogs, dialog);
  if (!colour) return false;
  form.Font.FontColor = *colour;
  if (form.ViewChanged) form.ViewChanged();
  return true;
}

std::vector<std::string> FontNameItems(Fonts& fonts) {
  std::vector<std::string> items = fonts.Families();
  const auto caseless = [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return static_cast<unsigned char>(WinToLower(x)) < static_cast<unsigned char>(WinToLower(y));
    });
  };
  std::stable_sort(items.begin(), items.end(), caseless);
  return items;
}

std::span<const ButtonEntry> FontPanelControls() {
  return kControls;
}

}  // namespace lumbrix
