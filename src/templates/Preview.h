// "Просмотр" (Ctrl+W): the active document saved and handed to the program the desktop has for
// it, normally the web browser. Only pages and worlds go to the browser; scripts go after a
// warning; everything else is refused.
#pragma once

#include <string>

namespace lumbrix {

class Dialogs;
class Shell;
class TEditForm;

// The address the shell gets for a saved file of the kind: "file://" and the path for pages
// and worlds, the bare path for scripts.
std::string PreviewTarget(int fileKind, const std::string& filePath);

// Runs the preview on the document. Returns true when something was handed to the shell.
// Nothing is opened when the save was cancelled or failed: the browser would show a file that
// is not the document (or none at all).
bool PreviewInBrow(TEditForm& form, Dialogs& dialogs, Shell& shell);

}  // namespace lumbrix
