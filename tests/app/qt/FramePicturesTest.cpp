// Every tool button of the frame and every picture button of a document window shows a picture,
// all of one size, and the picture table knows every tool bar entry.
#include <gtest/gtest.h>

#include <QAction>
#include <QSet>
#include <QToolBar>
#include <QToolButton>
#include <set>

#include "app/MenuTable.h"
#include "app/qt/FrameTestSupport.h"
#include "commands/TagCommands.h"
#include "common/qt/CommandIcons.h"
#include "common/qt/WinQString.h"
#include "document/qt/EditFormView.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using lumbrix::testing::TempDir;

std::set<std::string_view> tableHandlers() {
  std::set<std::string_view> handlers;
  for (const CommandIconRow& row : CommandIconTable()) handlers.insert(row.handler);
  return handlers;
}

TEST(FramePictures, ThePictureTableKnowsEveryToolBarEntryAndDocumentButton) {
  const std::set<std::string_view> handlers = tableHandlers();
  for (const ToolEntry& t : ToolBar()) {
    if (!t.handler.empty()) {
      EXPECT_TRUE(handlers.count(t.handler)) << t.handler;
    }
  }
  for (const ButtonEntry& b : DocumentButtons()) {
    const std::string_view key = b.popup.empty() ? b.handler : b.popup;
    EXPECT_TRUE(handlers.count(key)) << b.name;
  }
}

TEST(FramePictures, EveryToolButtonShowsAPictureAndAllHaveOneSize) {
  FrameFixture f;
  f.firstShow();
  EXPECT_FALSE(f.frame->windowIcon().isNull());
  auto* bar = f.frame->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
  ASSERT_NE(bar, nullptr);
  QSet<QString> sizes;
  int buttons = 0;
  for (QAction* a : bar->actions()) {
    if (a->isSeparator()) continue;
    ++buttons;
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
    ASSERT_NE(button, nullptr) << a->objectName().toStdString();
    EXPECT_FALSE(button->icon().isNull()) << a->objectName().toStdString();
    EXPECT_FALSE(button->icon().pixmap(bar->iconSize()).isNull()) << a->objectName().toStdString();
    EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
    sizes.insert(QStringLiteral("%1x%2").arg(button->width()).arg(button->height()));
  }
  EXPECT_EQ(buttons, 25);
  EXPECT_EQ(sizes.size(), 1) << sizes.values().join(u' ').toStdString();
}

TEST(FramePictures, EveryPictureButtonOfADocumentWindowShowsAPicture) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  f.frame->form().OpenCommandLine({dir.Write("a.htm", "")});
  EditFormView& v = *f.frame->viewOf(*f.frame->Documents().back());
  QSet<int> heights;
  QSet<int> pictureOnlyWidths;
  for (const ButtonEntry& b : DocumentButtons()) {
    QToolButton* button = v.button(ToQString(b.name));
    ASSERT_NE(button, nullptr) << b.name;
    EXPECT_FALSE(button->icon().isNull()) << b.name;
    EXPECT_FALSE(button->icon().pixmap(16, 16).isNull()) << b.name;
    EXPECT_EQ(button->iconSize(), QSize(16, 16)) << b.name;
    // A button without a caption is named by its hint, for the screen reader.
    EXPECT_EQ(button->text(), ToQString(b.caption.empty() ? b.hint : b.caption)) << b.name;
    heights.insert(button->sizeHint().height());
    if (b.caption.empty()) pictureOnlyWidths.insert(button->sizeHint().width());
  }
  EXPECT_EQ(heights.size(), 1);
  EXPECT_EQ(pictureOnlyWidths.size(), 1);
}

}  // namespace
}  // namespace lumbrix
