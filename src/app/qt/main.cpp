#include <QApplication>
#include <QScreen>

#include "app/qt/FrameWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumbrix"));
  lumbrix::FrameWindow frame;
  // The frame starts maximised; without a window manager that would leave it at its default size.
  frame.setGeometry(QApplication::primaryScreen()->availableGeometry());
  frame.showMaximized();
  return QApplication::exec();
}
