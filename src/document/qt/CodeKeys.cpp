#include "document/qt/CodeKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>

#include "commands/KeyAssist.h"
#include "common/qt/CodePane.h"
#include "document/EditForm.h"

namespace lumbrix {

int VirtualKeyOf(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Backspace:
      return kVkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return kVkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kVkReturn;
    case Qt::Key_Escape:
      return kVkEscape;
    case Qt::Key_Home:
      return kVkHome;
    default:
      return 0;  // a key the assistance leaves alone
  }
}

unsigned ShiftStateOf(const QKeyEvent& key) {
  const Qt::KeyboardModifiers m = key.modifiers();
  unsigned shift = 0;
  if (m & Qt::ShiftModifier || key.key() == Qt::Key_Backtab) shift |= kShiftHeld;
  if (m & Qt::AltModifier) shift |= kAltHeld;
  if (m & Qt::ControlModifier) shift |= kCtrlHeld;
  return shift;
}

void ConnectKeyAssist(CodePane& pane, TEditForm& form, const Settings& settings, QWidget* window) {
  pane.setKeyHandlers(
      [&form, &settings](const QKeyEvent& key) {
        CodeEditorKeyDown(form, settings, VirtualKeyOf(key), ShiftStateOf(key));
      },
      [&form, &settings](const QKeyEvent& key) {
        CodeEditorKeyUp(form, settings, VirtualKeyOf(key), ShiftStateOf(key));
      });
  // The window closes once the key's handling is over: the pane is still inside its event.
  QPointer<QWidget> view(window);
  form.CloseWindow = [view, &form] {
    QTimer::singleShot(0, view, [view, &form] {
      // Keys typed ahead may have run a command that opened a modal dialog on this window
      // before the close came round; the command works on the window once its dialog closes,
      // so the window stays and the close is dropped.
      if (QApplication::activeModalWidget()) return;
      if (auto* sub = qobject_cast<QMdiSubWindow*>(view->parentWidget())) {
        sub->close();  // the sub-window asks the form
      } else if (form.FormCloseQuery()) {
        view->close();
      }
    });
  };
}

}  // namespace lumbrix
