// The save dialog of documents: its filter list and how the document's kind preselects a filter.
#pragma once

#include <string>

#include "common/Platform.h"

namespace lumbrix {

// The save dialog's request for a document of this kind, preset to its current path.
FileDialogRequest SaveDialogRequest(int fileKind, const std::string& filePath);

// The filter preselected for a kind (1-based; 0 for none: the dialog shows the first filter).
int SaveFilterForKind(int fileKind);

}  // namespace lumbrix
