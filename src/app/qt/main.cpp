#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTranslator>
#include <exception>

#include "app/AboutBox.h"
#include "app/qt/AboutBoxView.h"
#include "app/qt/FrameActions.h"
#include "app/qt/FrameWindow.h"
#include "app/qt/HelpViewer.h"
#include "common/qt/QtDialogs.h"
#include "common/qt/QtShell.h"
#include "settings/FileRegistry.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumbrix"));
  QApplication::setWindowIcon(lumbrix::FrameActions::programIcon());
  // Qt's own dialogs (file choosers, colour and font choosers) speak Russian too.
  QTranslator qtTranslator;
  if (qtTranslator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTranslator);
  try {
    lumbrix::QtDialogs dialogs;
    lumbrix::QtShell shell;
    lumbrix::HelpViewer help;
    lumbrix::FileRegistry registry(lumbrix::FileRegistry::DefaultPath().value_or(std::string()));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    lumbrix::FrameWindow frame(dialogs, registry, help, arguments);
    dialogs.setParent(&frame);
    lumbrix::TAboutBox about(shell);
    lumbrix::AboutBoxView aboutView(about, &frame);
    frame.showAbout = [&] { aboutView.exec(); };

    // The frame starts maximised; without a window manager that would leave it at its default
    // size, so it is given the screen first.
    frame.setGeometry(QApplication::primaryScreen()->availableGeometry());
    frame.showMaximized();
    return QApplication::exec();
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, QStringLiteral("Lumbrix"), QString::fromLocal8Bit(e.what()));
    return 1;
  }
}
