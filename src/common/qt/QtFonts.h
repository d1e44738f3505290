// The Fonts port over Qt's font database.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

#include "common/Platform.h"

namespace lumbrix {

// The Cyrillic families, then the symbol families not listed yet, in Windows-1251. A name the
// code page cannot hold is left out: it could not be written into a page or the settings.
std::vector<std::string> MergeFontFamilies(const QStringList& cyrillic, const QStringList& symbol);

class QtFonts : public Fonts {
 public:
  std::vector<std::string> Families() override;
};

}  // namespace lumbrix
