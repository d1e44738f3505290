#include "app/qt/FrameActions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "app/FrameSettings.h"
#include "app/MenuTable.h"
#include "common/WinText.h"
#include "common/qt/CommandIcons.h"
#include "common/qt/WinQString.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

QString q(std::string_view win) {
  return ToQString(win);
}

Qt::ToolBarArea areaOf(ToolBarPlacement placement) {
  switch (placement) {
    case ToolBarPlacement::Bottom:
      return Qt::BottomToolBarArea;
    case ToolBarPlacement::Left:
      return Qt::LeftToolBarArea;
    case ToolBarPlacement::Right:
      return Qt::RightToolBarArea;
    default:
      return Qt::TopToolBarArea;
  }
}

}  // namespace

void FrameActions::build(const std::function<void(const QString&)>& run) {
  auto makeAction = [&](const MenuEntry& e, QObject* parent) {
    const QString handler = q(e.handler);
    auto* action = new QAction(q(e.caption), parent);
    action->setObjectName(handler);
    action->setStatusTip(q(e.hint));
    QList<QKeySequence> keys;
    if (!e.key.empty()) keys << QKeySequence(q(e.key));
    if (!e.secondKey.empty()) keys << QKeySequence(q(e.secondKey));
    action->setShortcuts(keys);
    action->setIcon(CommandIcon(e.handler));
    QObject::connect(action, &QAction::triggered, action, [run, handler] { run(handler); });
    actions_.insert(handler, action);
    return action;
  };

  QMenuBar* bar = window_->menuBar();
  QMenu* menu = nullptr;
  QList<QMenu*> subs;  // the submenus being filled, innermost last
  for (const MenuEntry& e : MainMenu()) {
    QMenu* target = subs.isEmpty() ? menu : subs.last();
    switch (e.kind) {
      case MenuKind::Menu: {
        menu = bar->addMenu(q(e.caption));
        subs.clear();
        menu->menuAction()->setStatusTip(q(e.hint));
        menu->setObjectName(q(e.caption).remove(QLatin1Char('&')));
        helpContexts_.insert(menu, e.helpContext);
        if (e.helpContext == 1005) windowMenu_ = menu;
        break;
      }
      case MenuKind::Submenu: {
        QMenu* sub = target->addMenu(q(e.caption));
        sub->menuAction()->setStatusTip(q(e.hint));
        helpContexts_.insert(sub, helpContexts_.value(menu));
        if (e.caption == "&Интернет"_w) internetMenu_ = sub;
        subs << sub;
        break;
      }
      case MenuKind::EndSubmenu:
        if (!subs.isEmpty()) subs.removeLast();
        break;
      case MenuKind::Separator:
        target->addSeparator();
        break;
      case MenuKind::Item:
        target->addAction(makeAction(e, window_));
        break;
    }
  }

  toolBar_ = new QToolBar(window_);
  toolBar_->setObjectName(QStringLiteral("ToolBar1"));
  toolBar_->setMovable(false);
  toolBar_->setIconSize(QSize(24, 24));
  window_->addToolBar(Qt::TopToolBarArea, toolBar_);
  for (const ToolEntry& t : ToolBar()) {
    if (t.handler.empty()) {
      toolBar_->addSeparator();
      continue;
    }
    const QString handler = q(t.handler);
    QAction* shared = actions_.value(handler);
    // A tool button has its own hint; it runs the same handler as the menu item.
    auto* button = new QAction(CommandIcon(t.handler), q(t.hint), toolBar_);
    button->setObjectName(QStringLiteral("tool:") + handler);
    button->setToolTip(q(t.hint));
    button->setStatusTip(q(t.hint));
    QObject::connect(button, &QAction::triggered, button, [run, handler] { run(handler); });
    if (shared) {
      button->setEnabled(shared->isEnabled());
      QObject::connect(shared, &QAction::enabledChanged, button, &QAction::setEnabled);
    }
    toolBar_->addAction(button);
  }
}

void FrameActions::applyChrome(const FrameChrome& chrome) {
  for (std::size_t i = 0; i < kFileMenuItems.size(); ++i) {
    if (QAction* a = actions_.value(q(kFileMenuItems[i].action)))
      a->setShortcut(QKeySequence(q(chrome.fileMenuKeys[i])));
  }
  for (QToolButton* b : toolBar_->findChildren<QToolButton*>()) b->setAutoRaise(chrome.toolBarFlat);
  if (chrome.toolBarPlacement == ToolBarPlacement::None) {
    // Not attached to any edge: the bar stays where it is, over the frame's client area.
    const QPoint at = toolBar_->mapTo(window_, QPoint(0, 0));
    window_->removeToolBar(toolBar_);
    toolBar_->setParent(window_);
    toolBar_->move(at);
    toolBar_->adjustSize();
  } else {
    window_->addToolBar(areaOf(chrome.toolBarPlacement), toolBar_);
  }
  toolBar_->setVisible(chrome.toolBarVisible);
}

}  // namespace lumbrix
