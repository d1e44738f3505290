#include "commands/DocumentCommands.h"

#include "commands/Commenting.h"
#include "commands/CssCommands.h"
#include "commands/FontCommands.h"
#include "commands/TagCommands.h"

namespace lumbrix {

bool EditFormCommandAvailable(std::string_view handler) {
  return handler != "InsLumbrix";
}

bool RunEditFormCommand(TEditForm& form, const Settings& settings, Dialogs& dialogs,
                        std::string_view handler) {
  if (!EditFormCommandAvailable(handler)) return false;
  if (handler == "CommentSel") {
    CommentSel(form, dialogs);
    return true;
  }
  // The font panel's buttons and the CSS menu.
  if (handler == "ApplyFontClick" || handler == "ApplyCssClick") {
    handler == "ApplyFontClick" ? ApplyFontClick(form) : ApplyCssClick(form);
    return true;
  }
  if (RunCssCommand(form, handler)) return true;
  return RunDocumentCommand(form, settings, handler);
}

}  // namespace lumbrix
