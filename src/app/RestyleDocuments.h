// Re-styling the open documents after the options dialog was confirmed with a new look.
#pragma once

#include <functional>
#include <vector>

#include "settings/OptionsForm.h"
#include "settings/Settings.h"

namespace lumbrix {

class TEditForm;

// For each window in the frame's order: the code pane takes the colours of USC / CEBColor /
// CETColor and the font of UDF / CEFontFace / CEFontSize over its whole text, is coloured by
// `highlight` when SO is on, and shows its boxes and caption anew. The selection and the
// modified mark come through unchanged.
void RestyleDocuments(const std::vector<TEditForm*>& documents, const Settings& settings,
                      const SystemColors& system, const std::function<void(TEditForm&)>& highlight);

}  // namespace lumbrix
