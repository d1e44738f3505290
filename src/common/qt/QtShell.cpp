#include "common/qt/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>

#include "common/qt/WinQString.h"

namespace lumbrix {

QUrl ShellUrl(const std::string& target) {
  const QString t = ToQString(target);
  // A drive letter such as "C:" would pass for a scheme, so only known schemes count.
  static const char16_t* const kSchemes[] = {u"mailto:", u"http://", u"https://", u"ftp://",
                                             u"file:"};
  for (const char16_t* scheme : kSchemes) {
    if (t.startsWith(QString::fromUtf16(scheme), Qt::CaseInsensitive))
      return QUrl(t, QUrl::TolerantMode);
  }
  return QUrl::fromLocalFile(QFileInfo(t).absoluteFilePath());
}

bool QtShell::Open(const std::string& target) {
  if (target.empty()) return false;
  return QDesktopServices::openUrl(ShellUrl(target));
}

}  // namespace lumbrix
