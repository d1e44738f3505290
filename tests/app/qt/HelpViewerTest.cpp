#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QWidget>

#include "app/qt/HelpViewer.h"

namespace lumbrix {
namespace {

// The context numbers the windows ask for.
constexpr int kContexts[] = {1,    2,    3,    1000, 1001, 1002, 1003,
                             1004, 1005, 1006, 2000, 2001, 2002, 2003};

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

}  // namespace
}  // namespace lumbrix
