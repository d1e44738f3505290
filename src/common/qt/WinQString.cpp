#include "common/qt/WinQString.h"

#include <array>

#include "common/CodePage.h"

namespace lumbrix {

namespace {

// Unicode characters below U+2200 back to their Windows-1251 bytes (-1: none).
const std::array<short, 0x2200>& reverse() {
  static const auto table = [] {
    std::array<short, 0x2200> t{};
    t.fill(-1);
    for (int c = 0; c < 256; ++c)
      t[WinToUnicode(static_cast<unsigned char>(c))] = static_cast<short>(c);
    return t;
  }();
  return table;
}

}  // namespace

QString ToQString(std::string_view win) {
  QString out(static_cast<qsizetype>(win.size()), Qt::Uninitialized);
  QChar* o = out.data();
  for (unsigned char c : win) *o++ = QChar(WinToUnicode(c));
  return out;
}

bool FromQString(const QString& text, std::string& win) {
  const auto& t = reverse();
  win.resize(static_cast<std::size_t>(text.size()));
  bool ok = true;
  std::size_t i = 0;
  for (const QChar ch : text) {
    const char16_t u = ch.unicode();
    const short w = u < t.size() ? t[u] : -1;
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
