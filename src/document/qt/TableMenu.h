// A menu built from one of the command tables: submenus run to their end marks, separators stand
// where the table has them, and every item runs its handler. An item is named by its handler and
// shows its hint in the status bar and as its tip.
#pragma once

#include <QAction>
#include <QMenu>
#include <span>
#include <string>

#include "common/MenuEntry.h"
#include "common/qt/WinQString.h"

namespace lumbrix {

// `handlerOf(entry)` gives an item's handler name; `run(handler)` runs it.
template <typename Entry, typename HandlerOf, typename Run>
QMenu* BuildTableMenu(std::span<const Entry> entries, int helpContext, QWidget* parent,
                      HandlerOf handlerOf, Run run) {
  auto* menu = new QMenu(parent);
  menu->setProperty("helpContext", helpContext);
  menu->setToolTipsVisible(true);
  QList<QMenu*> open{menu};  // the submenus that are being filled, innermost last
  for (const Entry& e : entries) {
    QMenu* target = open.last();
    switch (e.kind) {
      case MenuKind::Menu:
        break;
      case MenuKind::Submenu: {
        QMenu* sub = target->addMenu(ToQString(e.caption));
        sub->setProperty("helpContext", helpContext);
        sub->setToolTipsVisible(true);
        sub->menuAction()->setStatusTip(ToQString(e.hint));
        if (!e.hint.empty()) sub->menuAction()->setToolTip(ToQString(e.hint));
        open << sub;
        break;
      }
      case MenuKind::EndSubmenu:
        if (open.size() > 1) open.removeLast();
        break;
      case MenuKind::Separator:
        target->addSeparator();
        break;
      case MenuKind::Item: {
        QAction* a = target->addAction(ToQString(e.caption));
        const std::string handler(handlerOf(e));
        a->setObjectName(ToQString(handler));
        a->setStatusTip(ToQString(e.hint));
        if (!e.hint.empty()) a->setToolTip(ToQString(e.hint));
        QObject::connect(a, &QAction::triggered, parent, [run, handler] { run(handler); });
        break;
      }
    }
  }
  return menu;
}

}  // namespace lumbrix
