#include "commands/DocumentCommands.h"

#include "commands/Commenting.h"
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
  return RunDocumentCommand(form, settings, handler);
}

}  // namespace lumbrix
