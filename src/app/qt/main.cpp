#include <QApplication>

#include "app/qt/FrameWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumbrix"));
  lumbrix::FrameWindow frame;
  frame.showMaximized();
  return QApplication::exec();
}
