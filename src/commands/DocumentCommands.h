// The one entry for the commands of a document window's menus and buttons.
#pragma once

#include <string_view>

namespace lumbrix {

class Dialogs;
class TEditForm;
struct Settings;

// Runs a command of the context menus, the button menus, the style buttons, the font panel or
// the CSS menu by its handler name; false when the document window has no such command (yet).
// The colour commands, which need the frame's colour dialog, are run by their own functions.
bool RunEditFormCommand(TEditForm& form, const Settings& settings, Dialogs& dialogs,
                        std::string_view handler);

// Is the command built? The plain-text conversion ("Lumbrix!") comes with its own piece of work.
bool EditFormCommandAvailable(std::string_view handler);

}  // namespace lumbrix
