#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app/AboutBox.h"
#include "app/CommandLine.h"
#include "app/qt/AboutBoxView.h"
#include "app/qt/FrameWindow.h"
#include "app/qt/HelpViewer.h"
#include "common/qt/CommandIcons.h"
#include "common/qt/QtDialogs.h"
#include "common/qt/QtLanguage.h"
#include "common/qt/QtShell.h"
#include "settings/FileRegistry.h"

int main(int argc, char** argv) {
  // "--help" and "--version" are answered before Qt starts, so they need no display.
  const lumbrix::CommandLine line =
      lumbrix::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (line.action != lumbrix::CommandLineAction::Open) {
    const std::string text = line.action == lumbrix::CommandLineAction::Help
                                 ? lumbrix::CommandLineHelp()
                                 : lumbrix::CommandLineVersion();
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  // Qt sees only the arguments before "--" and takes its own options (-platform...) out of them;
  // what it leaves, and everything after "--", are the files. Qt keeps argv for its lifetime.
  std::vector<std::string> leading = line.leading;
  std::vector<char*> qtArgv{argv[0]};
  for (std::string& a : leading) qtArgv.push_back(a.data());
  qtArgv.push_back(nullptr);
  int qtArgc = static_cast<int>(qtArgv.size()) - 1;
  QApplication app(qtArgc, qtArgv.data());
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
    // The file names as the system gave them: a file name need not be UTF-8, and a QString
    // would lose the bytes that are not.
    std::vector<std::string> arguments;
#ifdef _WIN32
    const QStringList wide = QApplication::arguments();
    for (qsizetype i = 1; i < wide.size(); ++i) arguments.push_back(wide[i].toStdString());
#else
    for (int i = 1; i < qtArgc; ++i) arguments.emplace_back(qtArgv[static_cast<std::size_t>(i)]);
#endif
    arguments.insert(arguments.end(), line.trailing.begin(), line.trailing.end());

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
