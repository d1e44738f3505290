// The frame's menu bar and tool bar, built from the menu table: one action per handler name,
// shared by the menu item and the tool button that run it.
#pragma once

#include <QHash>
#include <QString>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace lumbrix {

struct FrameChrome;

class FrameActions {
 public:
  // Builds the menus into the window's menu bar and the tool bar `ToolBar1`. Every action gets
  // its object name from the handler it runs; `run` is called with that name.
  template <typename Run>
  FrameActions(QMainWindow* window, Run run) : window_(window) {
    build([run](const QString& handler) { run(handler); });
  }

  QAction* action(const QString& handler) const { return actions_.value(handler); }
  QToolBar* toolBar() const { return toolBar_; }
  QMenu* windowMenu() const { return windowMenu_; }
  QMenu* internetMenu() const { return internetMenu_; }
  const QHash<QMenu*, int>& menuHelpContexts() const { return helpContexts_; }

  // The File menu keys, the tool bar's visibility, look and place.
  void applyChrome(const FrameChrome& chrome);

 private:
  void build(const std::function<void(const QString&)>& run);

  QMainWindow* window_;
  QToolBar* toolBar_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  QMenu* internetMenu_ = nullptr;
  QHash<QString, QAction*> actions_;
  QHash<QMenu*, int> helpContexts_;
};

}  // namespace lumbrix
