// Whether a document window's text can be read whole through its panes: the text the pane gives
// is the one the widget shows, and its length and selection agree with it.
#pragma once

#include <string>

namespace lumbrix {
class EditFormView;
}

namespace lumbrix::monkey {

// What is wrong with the window's panes; empty when nothing is.
std::string TextProblem(EditFormView& view);

}  // namespace lumbrix::monkey
