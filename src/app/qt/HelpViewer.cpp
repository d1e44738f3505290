#include "app/qt/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "common/qt/ProgramFolders.h"

namespace lumbrix {

namespace {

const QString kContents = QStringLiteral("index.html");
constexpr QSize kWindowSize(560, 720);
// Below this height a window along the screen's edge would be no use.
constexpr int kLeastHeight = 240;

bool hasContents(const QString& dir) {
  return QFileInfo::exists(dir + u'/' + kContents);
}

}  // namespace

HelpViewer::HelpViewer(QString helpDir) : dir_(helpDir.isEmpty() ? FindHelpDir() : helpDir) {}

HelpViewer::~HelpViewer() = default;

QString HelpViewer::FindHelpDir() {
#ifdef LUMBRIX_HELP_DIR
  const QString source = QStringLiteral(LUMBRIX_HELP_DIR);
#else
  const QString source;
#endif
  return FindProgramFolder(QStringLiteral("help"), source, hasContents);
}

QString HelpViewer::pageOf(int context) const {
  const QString topic = dir_ + QStringLiteral("/topic-%1.html").arg(context);
  return QFileInfo::exists(topic) ? topic : dir_ + u'/' + kContents;
}

void HelpViewer::ShowContents() {
  show(dir_ + u'/' + kContents);
}

void HelpViewer::ShowTopic(int context) {
  show(pageOf(context));
}

void HelpViewer::ensureWindow() {
  if (window_) return;
  // A main window of its own, so that screen readers present it as a window.
  auto* window = new QMainWindow;
  window_.reset(window);
  window_->setObjectName(QStringLiteral("HelpWindow"));
  window_->setWindowTitle(QStringLiteral("Справка Lumbrix"));
  window_->setAccessibleName(window_->windowTitle());
  window_->resize(kWindowSize);
  // Esc closes help, as it closes the program's other windows.
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), window_.get());
  QObject::connect(close, &QShortcut::activated, window_.get(), &QWidget::close);

  auto* back = new QPushButton(QStringLiteral("Назад"));
  auto* forward = new QPushButton(QStringLiteral("Вперёд"));
  auto* contents = new QPushButton(QStringLiteral("Содержание"));
  browser_ = new QTextBrowser;
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setAccessibleName(QStringLiteral("Текст справки"));
  // Web addresses in the pages belong in the browser, the pages themselves in this window.
  browser_->setOpenExternalLinks(true);
  back->setEnabled(false);
  forward->setEnabled(false);
  QObject::connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  QObject::connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  QObject::connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  QObject::connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  QObject::connect(contents, &QPushButton::clicked, browser_, [this] { ShowContents(); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addWidget(contents);
  buttons->addStretch();
  auto* page = new QWidget;
  window->setCentralWidget(page);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(buttons);
  layout->addWidget(browser_);
  place();
}

QRect HelpViewer::Placement(const QRect& owner, int clientTop, const QRect& screen, QSize wanted) {
  wanted = wanted.boundedTo(screen.size());
  if (screen.right() - owner.right() >= wanted.width()) {
    const int top = std::max(owner.top(), screen.top());
    return {owner.right() + 1, top, wanted.width(),
            std::min(wanted.height(), screen.bottom() - top + 1)};
  }
  const int top =
      std::clamp(clientTop, screen.top(), std::max(screen.top(), screen.bottom() - kLeastHeight));
  return {screen.right() - wanted.width() + 1, top, wanted.width(),
          std::min(wanted.height(), screen.bottom() - top + 1)};
}

void HelpViewer::place() {
  if (!owner_) return;
  QWidget* below = owner_;
  if (auto* main = qobject_cast<QMainWindow*>(owner_.data()); main && main->centralWidget())
    below = main->centralWidget();
  const QScreen* screen = owner_->screen() ? owner_->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  window_->setGeometry(Placement(owner_->frameGeometry(), below->mapToGlobal(QPoint(0, 0)).y(),
                                 screen->availableGeometry(), kWindowSize));
}

void HelpViewer::show(const QString& page) {
  ensureWindow();
  if (QFileInfo::exists(page)) {
    browser_->setSource(QUrl::fromLocalFile(page));
  } else {
    browser_->setPlainText(QStringLiteral("Файлы справки не найдены.\nОжидались в папке ") +
                           QDir::toNativeSeparators(dir_));
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace lumbrix
