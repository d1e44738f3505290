// The Help port: the help pages of the help/ folder in a window of their own. The contents are
// index.html; the page of a context number is topic-<number>.html.
#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <memory>

#include "common/Platform.h"

class QTextBrowser;
class QWidget;

namespace lumbrix {

class HelpViewer : public Help {
 public:
  // `helpDir`: the folder of the pages; empty: the one FindHelpDir() finds.
  explicit HelpViewer(QString helpDir = {});
  ~HelpViewer() override;

  void ShowContents() override;
  // A context number without a page of its own shows the contents.
  void ShowTopic(int context) override;

  // The help/ folder next to the program (the installed layout), else the one in ../share,
  // else the source tree's.
  static QString FindHelpDir();
  QString helpDir() const { return dir_; }
  QString pageOf(int context) const;

  // The window the help window opens beside (the frame).
  void setOwner(QWidget* owner) { owner_ = owner; }
  // Where the help window of size `wanted` goes: right of the owner when the screen has room
  // there; otherwise along the screen's right edge, from `clientTop` (the top of the owner's
  // client area, below its menu bar and tool bar) down, so that the menus stay reachable.
  static QRect Placement(const QRect& owner, int clientTop, const QRect& screen, QSize wanted);

  // The help window; nothing until help is first shown.
  QWidget* window() const { return window_.get(); }
  QTextBrowser* browser() const { return browser_; }

 private:
  void show(const QString& page);
  void ensureWindow();
  void place();

  QString dir_;
  std::unique_ptr<QWidget> window_;
  QTextBrowser* browser_ = nullptr;
  QPointer<QWidget> owner_;
};

}  // namespace lumbrix
