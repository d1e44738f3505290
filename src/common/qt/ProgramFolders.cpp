#include "common/qt/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace lumbrix {

QString FindProgramFolder(const QString& name, const QString& sourceFolder,
                          const std::function<bool(const QString&)>& holds) {
  const QString app = QCoreApplication::applicationDirPath();
  QStringList candidates{app + u'/' + name, app + QStringLiteral("/../share/lumbrix/") + name};
  if (!sourceFolder.isEmpty()) candidates << sourceFolder;
  for (const QString& dir : candidates)
    if (holds(dir)) return QDir::cleanPath(dir);
  return QDir::cleanPath(candidates.front());
}

}  // namespace lumbrix
