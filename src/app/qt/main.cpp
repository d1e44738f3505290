#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <exception>
#include <string>
#include <vector>

#include "app/AboutBox.h"
#include "app/qt/AboutBoxView.h"
#include "app/qt/FrameWindow.h"
#include "app/qt/HelpViewer.h"
#include "common/qt/CommandIcons.h"
#include "common/qt/QtDialogs.h"
#include "common/qt/QtLanguage.h"
#include "common/qt/QtShell.h"
#include "settings/FileRegistry.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumbrix"));
  QApplication::setWindowIcon(lumbrix::ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("lumbrix"));
  // Qt's own dialogs and window menus speak Russian too; installed before any window exists,
  // since a document window's system menu takes its texts when it is made.
  const auto qtRussian = lumbrix::InstallQtRussian();
  try {
    lumbrix::QtDialogs dialogs;
    lumbrix::QtShell shell;
    lumbrix::HelpViewer help;
    lumbrix::FileRegistry registry(lumbrix::FileRegistry::DefaultPath().value_or(std::string()));
    // The command line as the system gave it: a file name need not be UTF-8, and a QString
    // would lose the bytes that are not. QApplication has taken its own options out of argv.
    std::vector<std::string> arguments;
#ifdef _WIN32
    const QStringList wide = QApplication::arguments();
    for (qsizetype i = 1; i < wide.size(); ++i) arguments.push_back(wide[i].toStdString());
#else
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
#endif

    lumbrix::FrameWindow frame(dialogs, registry, help, arguments);
    frame.form().UseShell(shell);
    dialogs.setParent(&frame);
    help.setOwner(&frame);
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
