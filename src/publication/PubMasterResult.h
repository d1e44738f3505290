// What the frame does with the publication master's style sheet once the master has closed:
// a style element before "</head>" of the current document, a new page, or the bare style sheet
// at the caret.
#pragma once

#include <functional>
#include <string>

namespace lumbrix {

class TEditForm;
class TPubMasterForm;
struct DocProperties;
struct Settings;

// The text of the new page: the DOCTYPE the settings choose, the head with the author (when the
// user's name is to be used), generator, description and keywords (with `insertBody`), the title
// and the style sheet, and an empty body.
std::string NewPageText(const Settings& settings, const std::string& css, bool insertBody,
                        const DocProperties& doc);

// The style element before "</head>" (at the caret when there is none), each line break
// continuing the indentation of the caret's line.
void InsertStyleElement(TEditForm& document, const std::string& css);
// The style sheet in place of the selection, indented the same way.
void InsertCssAtCaret(TEditForm& document, const std::string& css);
// Fills a new document window with the page: caret before "</body>", the file image is the
// page, modified as the settings say.
void FillNewPage(TEditForm& document, const Settings& settings, const std::string& page);

// Acts on the master's result. `current` is the document that was active when the master was
// opened (null when none was); `newDocument` makes a new document window and fills it.
void ActOnPubMasterResult(
    const TPubMasterForm& master, TEditForm* current, const Settings& settings,
    const std::function<void(const std::function<void(TEditForm&)>&)>& newDocument);

}  // namespace lumbrix
