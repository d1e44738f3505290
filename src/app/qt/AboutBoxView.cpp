#include "app/qt/AboutBoxView.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "app/AboutBox.h"
#include "common/qt/CommandIcons.h"
#include "common/qt/WinQString.h"

namespace lumbrix {

namespace {

constexpr QColor kBackground(102, 0, 215);
constexpr QColor kTitleColor(221, 228, 255);
constexpr QColor kPanelColor(160, 176, 200);
constexpr QColor kVersionColor(2, 96, 119);

void setColors(QWidget* w, const QColor* background, const QColor& text) {
  QPalette p = w->palette();
  if (background) {
    p.setColor(QPalette::Window, *background);
    w->setAutoFillBackground(true);
  }
  p.setColor(QPalette::WindowText, text);
  w->setPalette(p);
}

QFont makeFont(const QString& family, int pixels, bool bold, bool underline = false) {
  QFont f(family);
  if (pixels > 0) f.setPixelSize(pixels);
  f.setBold(bold);
  f.setUnderline(underline);
  return f;
}

QLabel* linkLabel(const QString& text, const QColor& color, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setFont(makeFont(QStringLiteral("MS Sans Serif"), 13, false, true));
  setColors(label, nullptr, color);
  label->setCursor(Qt::PointingHandCursor);
  label->adjustSize();
  return label;
}

}  // namespace

QPixmap AboutBoxView::DrawPicture() {
  QPixmap pixmap(150, 80);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 150, 80);
  sky.setColorAt(0, QColor(60, 0, 150));
  sky.setColorAt(1, QColor(120, 170, 255));
  p.fillRect(pixmap.rect(), sky);
  // The program's icon on the left, its name beside it.
  ProgramIcon().paint(&p, QRect(4, 8, 64, 64));
  p.setFont(makeFont(QStringLiteral("Arial"), 21, true));
  const QRect name(68, 18, 82, 44);
  p.setPen(QColor(20, 0, 60, 160));
  p.drawText(name.translated(1, 1), Qt::AlignCenter, QStringLiteral("Lumbrix"));
  p.setPen(Qt::white);
  p.drawText(name, Qt::AlignCenter, QStringLiteral("Lumbrix"));
  return pixmap;
}

AboutBoxView::AboutBoxView(TAboutBox& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), form_(form) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("About"));
  setAccessibleDescription(QStringLiteral("О программе"));
  setFixedSize(430, 326);
  setColors(this, &kBackground, Qt::black);

  auto* title = new QLabel(QStringLiteral("О программе"), this);
  title->setObjectName(QStringLiteral("Label2"));
  title->setFont(makeFont(QStringLiteral("MS Sans Serif"), 16, true));
  setColors(title, nullptr, kTitleColor);
  title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  title->setGeometry(0, 1, width(), 20);

  panel_ = new QFrame(this);
  panel_->setObjectName(QStringLiteral("Panel1"));
  panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel_->setLineWidth(2);
  panel_->setGeometry(60, 21, 310, 254);
  setColors(panel_, &kPanelColor, Qt::black);

  auto* image = new QLabel(panel_);
  image->setObjectName(QStringLiteral("Image1"));
  image->setPixmap(DrawPicture());
  image->setAccessibleName(QStringLiteral("Lumbrix"));
  image->setGeometry(80, 8, 150, 80);

  version_ = new QLabel(ToQString(form_.VersionCaption), panel_);
  version_->setObjectName(QStringLiteral("Version"));
  version_->setFont(makeFont(QStringLiteral("Tahoma"), 13, true));
  setColors(version_, nullptr, kVersionColor);
  version_->adjustSize();

  auto* author = new QLabel(QStringLiteral("Автор: студия Orvane"), panel_);
  author->setObjectName(QStringLiteral("AuthorLine"));
  author->setFont(makeFont(QStringLiteral("Arial"), 15, true));
  author->setAlignment(Qt::AlignHCenter);
  author->setGeometry(8, 126, 294, 20);

  auto* comment = new QLabel(QStringLiteral("Lumbrix — бесплатная программа. Распространяется по "
                                            "лицензии GPL версии 3 или более поздней."),
                             panel_);
  comment->setObjectName(QStringLiteral("Comment"));
  comment->setWordWrap(true);
  comment->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  comment->setFont(makeFont(QStringLiteral("MS Sans Serif"), 13, false));
  comment->setGeometry(16, 150, 278, 52);

  authorMylo_ = linkLabel(QStringLiteral("lumbrix@orvane.ru"), Qt::blue, panel_);
  authorMylo_->setObjectName(QStringLiteral("AuthorMylo"));
  authorMylo_->setToolTip(QStringLiteral("Пишите письма"));
  authorMylo_->move((310 - authorMylo_->width()) / 2, 205);
  authorSite_ = linkLabel(QStringLiteral("www.orvane.ru/lumbrix"), Qt::red, panel_);
  authorSite_->setObjectName(QStringLiteral("AuthorSite"));
  authorSite_->move((310 - authorSite_->width()) / 2, 227);
  authorMylo_->installEventFilter(this);
  authorSite_->installEventFilter(this);

  auto* ok = new QPushButton(QStringLiteral("Lumbrix! И всё ОК"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  ok->setGeometry(140, 288, 150, 27);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  timer_.setObjectName(QStringLiteral("Timer1"));
  timer_.setInterval(TAboutBox::kTimerInterval);
  connect(&timer_, &QTimer::timeout, this, [this] {
    form_.Timer1Timer();
    showState();
  });
  showState();
}

void AboutBoxView::showState() {
  version_->move(form_.VersionLeft, form_.VersionTop);
  if (form_.Timer1Enabled && !timer_.isActive())
    timer_.start();
  else if (!form_.Timer1Enabled && timer_.isActive())
    timer_.stop();
}

void AboutBoxView::showEvent(QShowEvent* event) {
  if (const QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
  form_.FormShow();
  showState();
  QDialog::showEvent(event);
}

void AboutBoxView::hideEvent(QHideEvent* event) {
  form_.FormHide();
  showState();
  QDialog::hideEvent(event);
}

bool AboutBoxView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == authorMylo_) form_.AuthorMyloClick();
    if (watched == authorSite_) form_.AuthorSiteClick();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace lumbrix
