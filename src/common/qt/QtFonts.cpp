#include "common/qt/QtFonts.h"

#include <QFontDatabase>
#include <QSet>

#include "common/qt/WinQString.h"

namespace lumbrix {

std::vector<std::string> MergeFontFamilies(const QStringList& cyrillic, const QStringList& symbol) {
  std::vector<std::string> out;
  QSet<QString> seen;
  for (const QStringList* list : {&cyrillic, &symbol}) {
    for (const QString& family : *list) {
      if (seen.contains(family)) continue;
      seen.insert(family);
      std::string win;
      if (FromQString(family, win)) out.push_back(std::move(win));
    }
  }
  return out;
}

std::vector<std::string> QtFonts::Families() {
  return MergeFontFamilies(QFontDatabase::families(QFontDatabase::Cyrillic),
                           QFontDatabase::families(QFontDatabase::Symbol));
}

}  // namespace lumbrix
