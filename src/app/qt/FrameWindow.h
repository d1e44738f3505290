// The frame window: the program's main window that holds the document windows.
#pragma once

#include <QMainWindow>

class QMdiArea;

namespace lumbrix {

class FrameWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit FrameWindow(QWidget* parent = nullptr);

  QMdiArea* mdiArea() const { return mdi_; }

 private:
  QMdiArea* mdi_;
};

}  // namespace lumbrix
