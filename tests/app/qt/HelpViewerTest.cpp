#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>
#include <QTextBrowser>
#include <QWidget>

#include "app/qt/HelpViewer.h"

namespace lumbrix {
namespace {

// The context numbers the windows ask for.
constexpr int kContexts[] = {1,    2,    3,    20,   30,   40,   50,   1000, 1001, 1002, 1003, 1004,
                             1005, 1006, 2000, 2001, 2002, 2003, 5001, 5002, 5003, 5004, 5005, 5006, 5007};

TEST(HelpPages, EveryContextHasAPageInUtf8AndEveryLinkArrives) {
  HelpViewer help;
  const QDir dir(help.helpDir());
  ASSERT_TRUE(dir.exists(QStringLiteral("index.html"))) << help.helpDir().toStdString();
  for (int context : kContexts)
    EXPECT_EQ(QFileInfo(help.pageOf(context)).fileName(),
              QStringLiteral("topic-%1.html").arg(context));

  const QRegularExpression href(QStringLiteral("href=\"([^\"#]*)(#[^\"]*)?\""));
  for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files)) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    EXPECT_FALSE(utf8.hasError()) << name.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("charset=\"utf-8\""))) << name.toStdString();
    for (auto m = href.globalMatch(text); m.hasNext();) {
      const QString target = m.next().captured(1);
      if (target.isEmpty() || target.contains(u':')) continue;  // same page, or an address
      EXPECT_TRUE(dir.exists(target)) << name.toStdString() << " -> " << target.toStdString();
    }
  }
}

TEST(HelpViewer, OpensTheContentsAndTopicsInItsWindow) {
  HelpViewer help;
  EXPECT_EQ(help.window(), nullptr);
  help.ShowContents();
  ASSERT_NE(help.window(), nullptr);
  EXPECT_EQ(help.window()->windowTitle(), QStringLiteral("Справка Lumbrix"));
  EXPECT_TRUE(help.window()->isVisible());
  EXPECT_EQ(QFileInfo(help.browser()->source().toLocalFile()).fileName(),
            QStringLiteral("index.html"));
  EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("Lumbrix")));

  help.ShowTopic(1002);
  EXPECT_EQ(QFileInfo(help.browser()->source().toLocalFile()).fileName(),
            QStringLiteral("topic-1002.html"));
  EXPECT_TRUE(help.browser()->documentTitle().contains(QStringLiteral("Переход")))
      << help.browser()->documentTitle().toStdString();

  help.ShowTopic(4242);  // no page of its own
  EXPECT_EQ(QFileInfo(help.browser()->source().toLocalFile()).fileName(),
            QStringLiteral("index.html"));
  help.window()->close();
}

TEST(HelpViewer, MissingPagesAreReportedInTheWindow) {
  HelpViewer help(QStringLiteral("/nonexistent/lumbrix-help"));
  help.ShowTopic(3);
  EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("не найдены")));
  help.window()->close();
}

TEST(HelpViewer, OpensBesideItsOwnerAndNeverOverItsMenus) {
  const QRect screen(0, 0, 1280, 1024);
  const QSize wanted(560, 720);
  struct Case {
    QRect owner;
    int clientTop;
    QRect expected;
  };
  const Case cases[] = {
      // Room to the right of the owner: beside it, at its top.
      {QRect(0, 100, 700, 500), 150, QRect(700, 100, 560, 720)},
      // A maximised owner: along the screen's right edge, below the menu bar and tool bar.
      {screen, 60, QRect(720, 60, 560, 720)},
      // Low on the screen: as high as the screen still allows below the owner's menus.
      {QRect(0, 500, 1280, 524), 540, QRect(720, 540, 560, 484)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HelpViewer::Placement(c.owner, c.clientTop, screen, wanted), c.expected);
  // A small screen: the window is no wider than the screen.
  EXPECT_EQ(HelpViewer::Placement(QRect(0, 0, 400, 300), 30, QRect(0, 0, 500, 400), wanted),
            QRect(0, 30, 500, 370));
}

TEST(HelpViewer, TheWindowKeepsClearOfTheFramesMenuBarAndEscClosesIt) {
  QMainWindow frame;
  frame.menuBar()->addMenu(QStringLiteral("Файл"));
  frame.setCentralWidget(new QWidget);
  frame.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  frame.show();
  HelpViewer help;
  help.setOwner(&frame);
  help.ShowContents();
  const QRect menus(frame.menuBar()->mapToGlobal(QPoint(0, 0)), frame.menuBar()->size());
  EXPECT_FALSE(help.window()->geometry().intersects(menus));
  EXPECT_TRUE(frame.screen()->availableGeometry().contains(help.window()->geometry()));

  help.window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(help.window()));
  QTest::keyClick(help.browser(), Qt::Key_Escape);
  EXPECT_FALSE(help.window()->isVisible());
}

}  // namespace
}  // namespace lumbrix
