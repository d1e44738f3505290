// The code pane's keys reach the document form's keyboard assistance: key-down before the pane
// acts on a key, key-up after. Esc closes the document window through its close question.
#pragma once

class QKeyEvent;
class QWidget;

namespace lumbrix {

class CodePane;
class TEditForm;
struct Settings;

// The virtual-key code and modifier bits the assistance takes for a key event.
int VirtualKeyOf(const QKeyEvent& key);
unsigned ShiftStateOf(const QKeyEvent& key);

// `window` is the document window's view; Esc closes it (or the sub-window that holds it).
void ConnectKeyAssist(CodePane& pane, TEditForm& form, const Settings& settings, QWidget* window);

}  // namespace lumbrix
