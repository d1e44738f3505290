// The one entry for the commands of a document window's menus and buttons.
#pragma once

#include <string_view>

namespace lumbrix {

class Dialogs;
class TEditForm;
struct ColourDialogState;
struct Settings;

// Runs a command of the context menus, the button menus, the style buttons, the font panel, the
// colour buttons, the CSS menu or "Lumbrix!" by its handler name; false when the document window
// has no such command. The colour commands open the frame's one colour dialog, `colours`.
bool RunEditFormCommand(TEditForm& form, const Settings& settings, Dialogs& dialogs,
                        ColourDialogState& colours, std::string_view handler);

}  // namespace lumbrix
