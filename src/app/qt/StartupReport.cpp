#include "app/qt/StartupReport.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <ctime>

#include "app/qt/FrameWindow.h"

namespace lumbrix {

namespace {

// Milliseconds since LUMBRIX_STARTUP_T0, the launcher's wall clock in nanoseconds.
QByteArray sinceLaunchMs() {
  const qint64 t0 = qEnvironmentVariable("LUMBRIX_STARTUP_T0").toLongLong();
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const qint64 ns = static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
  return QByteArray::number(t0 > 0 ? (ns - t0) / 1000000 : -1);
}

QByteArray residentKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return "0";
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0);
  return "0";
}

}  // namespace

void ReportStartupWhenIdle(FrameWindow& frame) {
  const QString path = qEnvironmentVariable("LUMBRIX_STARTUP_REPORT");
  if (path.isEmpty()) return;
  auto* poll = new QTimer(&frame);
  poll->setInterval(1);
  QObject::connect(poll, &QTimer::timeout, &frame, [poll, &frame, path] {
    if (!frame.form().FirstShowDone) return;
    poll->stop();
    // A zero-time timer fires once everything queued before it has been handled.
    QTimer::singleShot(0, &frame, [path] {
      QFile out(path);
      if (out.open(QIODevice::WriteOnly)) out.write(sinceLaunchMs() + " " + residentKiB() + "\n");
      QApplication::quit();
    });
  });
  poll->start();
}

}  // namespace lumbrix
