#include "app/qt/FrameWindow.h"

#include <QMdiArea>

namespace lumbrix {

FrameWindow::FrameWindow(QWidget* parent) : QMainWindow(parent), mdi_(new QMdiArea(this)) {
  setWindowTitle(QStringLiteral("Lumbrix"));
  setObjectName(QStringLiteral("FrameForm"));
  setCentralWidget(mdi_);
  resize(800, 600);
}

}  // namespace lumbrix
