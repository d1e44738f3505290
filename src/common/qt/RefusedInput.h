// Text that reaches a pane from the keyboard, the clipboard or a drop is fitted to what the
// document can hold (FitToWin1251); when characters had to be left out, the user is told in the
// status bar of the window that holds the pane.
#pragma once

#include <QString>

class QWidget;

namespace lumbrix {

// The note for `count` characters left out because Windows-1251 lacks them.
QString RefusedInputNote(int count);

// Shows the note in the status bar of the main window that holds `pane`.
void ReportRefusedInput(QWidget* pane, int count);

// `text` fitted to Windows-1251: a character the code page lacks becomes its numeric character
// reference when `references` is on, and is left out otherwise (counted in `refused`).
QString FitInput(const QString& text, bool references, int& refused);

}  // namespace lumbrix
