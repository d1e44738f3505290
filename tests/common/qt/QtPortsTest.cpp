#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFontDatabase>
#include <QUrl>

#include "common/WinText.h"
#include "common/qt/QtFonts.h"
#include "common/qt/QtShell.h"
#include "common/qt/UrlCatcher.h"
#include "common/qt/WinQString.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

TEST(QtFonts, CyrillicFamiliesFirstThenSymbolOnesNotListedYet) {
  const auto merged = MergeFontFamilies(
      {QStringLiteral("Arial"), QStringLiteral("Шрифт"), QStringLiteral("フォント")},
      {QStringLiteral("Symbol"), QStringLiteral("Arial"), QStringLiteral("Dingbats")});
  const std::vector<std::string> expected = {"Arial", std::string("Шрифт"_w), "Symbol", "Dingbats"};
  EXPECT_EQ(merged, expected);

  QtFonts fonts;
  const auto families = fonts.Families();
  const QStringList cyrillic = QFontDatabase::families(QFontDatabase::Cyrillic);
  ASSERT_FALSE(families.empty());
  if (!cyrillic.isEmpty()) {
    EXPECT_EQ(ToQString(families.front()), cyrillic.front());
  }
}

TEST(QtShell, AddressesStayAndPathsBecomeFileUrls) {
  EXPECT_EQ(ShellUrl("mailto:lumbrix@orvane.ru"), QUrl(QStringLiteral("mailto:lumbrix@orvane.ru")));
  EXPECT_EQ(ShellUrl("HTTP://www.orvane.ru/lumbrix/"),
            QUrl(QStringLiteral("http://www.orvane.ru/lumbrix/")));
  EXPECT_EQ(ShellUrl(std::string("/tmp/страница 1.htm"_w)),
            QUrl::fromLocalFile(QStringLiteral("/tmp/страница 1.htm")));
  EXPECT_EQ(ShellUrl("page.htm"), QUrl::fromLocalFile(QDir::current().filePath("page.htm")));

  // The desktop's handlers are replaced so that nothing is really opened.
  testing::UrlCatcher catcher;
  for (const char* scheme : {"mailto", "http", "file"})
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "handle");
  QtShell shell;
  EXPECT_TRUE(shell.Open("mailto:a@b.ru"));
  EXPECT_TRUE(shell.Open("/tmp/a.htm"));
  for (const char* scheme : {"mailto", "http", "file"})
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
  ASSERT_EQ(catcher.urls.size(), 2);
  EXPECT_EQ(catcher.urls[1], QUrl::fromLocalFile(QStringLiteral("/tmp/a.htm")));
}

}  // namespace
}  // namespace lumbrix
