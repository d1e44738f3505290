#include "app/qt/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace lumbrix {

namespace {

const QString kContents = QStringLiteral("index.html");

bool hasContents(const QString& dir) {
  return QFileInfo::exists(dir + u'/' + kContents);
}

}  // namespace

HelpViewer::HelpViewer(QString helpDir) : dir_(helpDir.isEmpty() ? FindHelpDir() : helpDir) {}

HelpViewer::~HelpViewer() = default;

QString HelpViewer::FindHelpDir() {
  const QString app = QCoreApplication::applicationDirPath();
  QStringList candidates{app + QStringLiteral("/help"),
                         app + QStringLiteral("/../share/lumbrix/help")};
#ifdef LUMBRIX_HELP_DIR
  candidates << QStringLiteral(LUMBRIX_HELP_DIR);
#endif
  for (const QString& dir : candidates) {
    if (hasContents(dir)) return QDir::cleanPath(dir);
  }
  return QDir::cleanPath(candidates.front());
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
  window_ = std::make_unique<QWidget>(nullptr, Qt::Window);
  window_->setObjectName(QStringLiteral("HelpWindow"));
  window_->setWindowTitle(QStringLiteral("Справка Lumbrix"));
  window_->resize(720, 600);

  auto* back = new QPushButton(QStringLiteral("Назад"));
  auto* forward = new QPushButton(QStringLiteral("Вперёд"));
  auto* contents = new QPushButton(QStringLiteral("Содержание"));
  browser_ = new QTextBrowser;
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
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
  auto* layout = new QVBoxLayout(window_.get());
  layout->addLayout(buttons);
  layout->addWidget(browser_);
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
