#include "document/qt/QtShortDate.h"

#include <QDate>
#include <QLocale>

#include "common/qt/WinQString.h"

namespace lumbrix {

std::string QtShortDate::Today() {
  return FromQString(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

}  // namespace lumbrix
