#include "common/qt/WinQString.h"

#include "common/CodePage.h"

namespace lumbrix {

QString ToQString(std::string_view win) {
  QString out(static_cast<qsizetype>(win.size()), Qt::Uninitialized);
  QChar* o = out.data();
  for (unsigned char c : win) *o++ = QChar(WinToUnicode(c));
  return out;
}

bool FromQString(const QString& text, std::string& win) {
  win.resize(static_cast<std::size_t>(text.size()));
  bool ok = true;
  std::size_t i = 0;
  for (const QChar ch : text) {
    const char16_t u = ch.unicode();
    const int w = WinByteOf(u);
    if (w < 0) ok = false;
    win[i++] = static_cast<char>(w < 0 ? '?' : w);
  }
  return ok;
}

std::string FromQString(const QString& text) {
  std::string win;
  FromQString(text, win);
  return win;
}

}  // namespace lumbrix
