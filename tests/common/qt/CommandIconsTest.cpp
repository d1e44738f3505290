// The pictures of the commands: every drawing of the table is compiled in and draws, and where
// the desktop has no icon theme the program's own drawing is what a control shows.
#include <gtest/gtest.h>

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include "common/qt/CommandIcons.h"

namespace lumbrix {
namespace {

QString latin1(std::string_view s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// Counts the pixels that are not fully transparent: a drawing that failed to load draws none.
int paintedPixels(const QIcon& icon, int size) {
  const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
  if (image.size() != QSize(size, size)) return 0;
  int painted = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) > 0;
  return painted;
}

TEST(CommandIcons, EveryDrawingIsCompiledInAndDrawsAtBothButtonSizes) {
  QSet<QString> handlers;
  for (const CommandIconRow& row : CommandIconTable()) {
    const QString handler = latin1(row.handler);
    EXPECT_FALSE(handlers.contains(handler)) << "twice in the table: " << row.handler;
    handlers.insert(handler);
    const QString path = CommandDrawingPath(row.drawing);
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    for (int size : {16, 24}) {
      const int painted = paintedPixels(QIcon(path), size);
      // Line art covers a fair part of its square, never all of it.
      EXPECT_GT(painted, size * size / 10) << row.drawing << " at " << size;
      EXPECT_LT(painted, size * size) << row.drawing << " at " << size;
    }
  }
  EXPECT_TRUE(CommandIcon("NoSuchHandler").isNull());
}

TEST(CommandIcons, WithoutAnIconThemeEveryHandlerShowsTheProgramsOwnDrawing) {
  const QStringList paths = QIcon::themeSearchPaths();
  const QString theme = QIcon::themeName();
  QTemporaryDir empty;
  QIcon::setThemeSearchPaths({empty.path()});
  QIcon::setThemeName(QStringLiteral("hicolor"));
  for (const CommandIconRow& row : CommandIconTable()) {
    const QImage shown = CommandIcon(row.handler).pixmap(24, 24).toImage();
    const QImage drawn = QIcon(CommandDrawingPath(row.drawing)).pixmap(24, 24).toImage();
    EXPECT_FALSE(shown.isNull()) << row.handler;
    EXPECT_EQ(shown, drawn) << row.handler;
  }
  QIcon::setThemeSearchPaths(paths);
  QIcon::setThemeName(theme);
}

TEST(CommandIcons, TheProgramIconDrawsFromSmallToLarge) {
  const QIcon icon = ProgramIcon();
  ASSERT_FALSE(icon.isNull());
  for (int size : {16, 48, 256}) EXPECT_GT(paintedPixels(icon, size), size * size / 3) << size;
}

}  // namespace
}  // namespace lumbrix
