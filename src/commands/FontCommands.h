// The font panel's commands: a <font> element or CSS declarations from the panel's face, size
// and colour, and the colour chosen in the colour dialog written as a number. Each changes the
// text by one replacement of the selection, so each is one undo step.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "commands/TagCommands.h"

namespace lumbrix {

class Dialogs;
class Fonts;
class TEditForm;
struct FontPanel;

// The opening tag the panel gives: "<font", then face, size and colour as far as their boxes
// are checked, then ">". The texts of the boxes are taken as they stand.
std::string FontOpeningTag(const FontPanel& panel);
// The declarations the panel gives: "font-family:…;", " font-size:…;", " color:#…;" as far as
// their boxes are checked.
std::string CssDeclarations(const FontPanel& panel);

// The code pane's selection S becomes FontOpeningTag + S + "</font>"; the boxes are checked
// again and the code pane takes the focus when it is shown.
void ApplyFontClick(TEditForm& form);
// The code pane's selection S becomes CssDeclarations + S; afterwards as ApplyFontClick.
void ApplyCssClick(TEditForm& form);

// The frame's single colour dialog: it opens with the colour last chosen in any window.
struct ColourDialogState {
  std::uint32_t Color = 0;
};

// Opens the colour dialog; a confirmed colour replaces the active pane's selection as
// ColorToHex, with "#" before it while the form's hash prefix flag is set. Returns false when
// the dialog was cancelled (nothing changes then).
bool ColorToNumberExecute(TEditForm& form, Dialogs& dialogs, ColourDialogState& dialog);
// "Цвет --> #номер" and "Цвет --> номер": set or clear the flag, then run the command.
bool SpeedButton9Click(TEditForm& form, Dialogs& dialogs, ColourDialogState& dialog);
bool SpeedButton10Click(TEditForm& form, Dialogs& dialogs, ColourDialogState& dialog);
// A click on the swatch: a confirmed colour becomes the swatch's colour.
bool FontColorMouseUp(TEditForm& form, Dialogs& dialogs, ColourDialogState& dialog);

// The items of the face box: the installed families as the port lists them (the Cyrillic ones,
// then the symbol ones), sorted without regard to case.
std::vector<std::string> FontNameItems(Fonts& fonts);

// The font panel's controls and the buttons beside it, for the window layer: name, the command
// it runs, caption and hint (Windows-1251); the CSS button opens CSSPopupMenu.
std::span<const ButtonEntry> FontPanelControls();

}  // namespace lumbrix
