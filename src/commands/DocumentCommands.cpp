#include "commands/DocumentCommands.h"

#include "commands/Commenting.h"
#include "commands/CssCommands.h"
#include "commands/FontCommands.h"
#include "commands/LumbrixConverter.h"
#include "commands/TagCommands.h"

namespace lumbrix {

bool RunEditFormCommand(TEditForm& form, const Settings& settings, Dialogs& dialogs,
                        ColourDialogState& colours, std::string_view handler) {
  if (handler == "CommentSel") {
    CommentSel(form, dialogs);
    return true;
  }
  if (handler == "InsLumbrix") {
    InsLumbrix(form, settings);
    return true;
  }
  // The font panel's buttons, its swatch and the colour number buttons.
  if (handler == "ApplyFontClick" || handler == "ApplyCssClick") {
    handler == "ApplyFontClick" ? ApplyFontClick(form) : ApplyCssClick(form);
    return true;
  }
  if (handler == "SpeedButton9Click" || handler == "SpeedButton10Click" ||
      handler == "FontColorMouseUp") {
    if (handler == "SpeedButton9Click")
      SpeedButton9Click(form, dialogs, colours);
    else if (handler == "SpeedButton10Click")
      SpeedButton10Click(form, dialogs, colours);
    else
      FontColorMouseUp(form, dialogs, colours);
    return true;
  }
  if (RunCssCommand(form, handler)) return true;
  return RunDocumentCommand(form, settings, handler);
}

}  // namespace lumbrix
