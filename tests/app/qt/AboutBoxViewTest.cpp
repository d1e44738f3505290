#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/AboutBox.h"
#include "app/qt/AboutBoxView.h"
#include "support/RecordingPorts.h"

namespace lumbrix {
namespace {

using lumbrix::testing::RecordingShell;

struct AboutBoxViewTest : ::testing::Test {
  RecordingShell shell;
  TAboutBox form{shell};
  AboutBoxView view{form};

  template <typename T>
  T* child(const char* name) {
    T* w = view.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
};

TEST_F(AboutBoxViewTest, LooksAsDescribed) {
  EXPECT_EQ(view.windowTitle(), QStringLiteral("About"));
  EXPECT_TRUE(view.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(view.size(), QSize(430, 326));
  EXPECT_EQ(view.palette().color(QPalette::Window), QColor(102, 0, 215));

  auto* title = child<QLabel>("Label2");
  EXPECT_EQ(title->text(), QStringLiteral("О программе"));
  EXPECT_TRUE(title->font().bold());
  EXPECT_EQ(title->font().pixelSize(), 16);
  EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(221, 228, 255));

  auto* panel = child<QFrame>("Panel1");
  EXPECT_EQ(panel->geometry(), QRect(60, 21, 310, 254));
  EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(160, 176, 200));
  EXPECT_EQ(panel->frameShadow(), QFrame::Raised);

  EXPECT_EQ(child<QLabel>("Image1")->pixmap().size(), QSize(150, 80));
  auto* version = child<QLabel>("Version");
  EXPECT_EQ(version->parentWidget(), panel);
  EXPECT_EQ(version->text(), QStringLiteral("Версия 0.8.1"));
  EXPECT_EQ(version->pos(), QPoint(18, 101));
  EXPECT_EQ(version->palette().color(QPalette::WindowText), QColor(2, 96, 119));
  EXPECT_TRUE(version->font().bold());
  EXPECT_TRUE(child<QLabel>("Comment")->wordWrap());

  auto* mail = child<QLabel>("AuthorMylo");
  auto* site = child<QLabel>("AuthorSite");
  EXPECT_EQ(mail->toolTip(), QStringLiteral("Пишите письма"));
  for (QLabel* link : {mail, site}) {
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  }
  EXPECT_EQ(mail->palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_EQ(site->palette().color(QPalette::WindowText), QColor(Qt::red));

  auto* ok = child<QPushButton>("OKButton");
  EXPECT_EQ(ok->text(), QStringLiteral("Lumbrix! И всё ОК"));
  EXPECT_TRUE(ok->isDefault());

  // A look at the box, for people: LUMBRIX_SHOT_DIR=/tmp ui_tests
  if (const QByteArray dir = qgetenv("LUMBRIX_SHOT_DIR"); !dir.isEmpty())
    view.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/about-box.png"));
}

TEST_F(AboutBoxViewTest, LabelWalksWhileShownAndKeepsItsPlace) {
  auto* version = child<QLabel>("Version");
  EXPECT_FALSE(view.timer().isActive());
  view.show();
  EXPECT_TRUE(view.timer().isActive());
  EXPECT_EQ(view.timer().interval(), 100);
  QTRY_VERIFY_WITH_TIMEOUT(version->pos().y() <= 99, 3000);
  EXPECT_EQ(version->pos().x(), 18);

  view.hide();
  EXPECT_FALSE(view.timer().isActive());
  const QPoint stopped = version->pos();
  QTest::qWait(250);
  EXPECT_EQ(version->pos(), stopped);

  view.show();
  EXPECT_EQ(version->pos(), stopped);
  QTRY_VERIFY_WITH_TIMEOUT(version->pos() != stopped, 3000);
  EXPECT_LT(version->pos().y(), stopped.y());  // still rising, not started over
  view.hide();
}

TEST_F(AboutBoxViewTest, LinksGoToTheShellAndOkAccepts) {
  QTest::mouseClick(child<QLabel>("AuthorMylo"), Qt::LeftButton);
  QTest::mouseClick(child<QLabel>("AuthorSite"), Qt::LeftButton);
  ASSERT_EQ(shell.opened.size(), 2u);
  EXPECT_EQ(shell.opened[0], TAboutBox::kAuthorMail);
  EXPECT_EQ(shell.opened[1], TAboutBox::kAuthorSite);

  view.open();
  QTest::mouseClick(child<QPushButton>("OKButton"), Qt::LeftButton);
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_FALSE(view.isVisible());
  EXPECT_FALSE(view.timer().isActive());
}

}  // namespace
}  // namespace lumbrix
