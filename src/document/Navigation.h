// Jumps of the caret to landmarks of a page.
#pragma once

#include <string>

namespace lumbrix {

class TEditForm;

// Puts the code pane's caret before the first occurrence of `tag` outside scripts; when the tag
// begins its own line, at the end of the line above it. Without an occurrence the caret stays.
// The code pane gets the focus in every case.
void JumpBeforeTag(TEditForm& form, const std::string& tag);

}  // namespace lumbrix
