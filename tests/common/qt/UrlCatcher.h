// Stands in for the desktop's URL handlers so that a test sees what would be opened.
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace lumbrix::testing {

class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void handle(const QUrl& url) { urls << url; }
};

}  // namespace lumbrix::testing
