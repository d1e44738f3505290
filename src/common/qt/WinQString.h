// The edge between the program's Windows-1251 text and Qt's Unicode strings: one table, each of
// the 256 bytes one character, so that every byte survives the trip through a widget.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace lumbrix {

QString ToQString(std::string_view win);

// Unicode back to Windows-1251. Characters the code page lacks become '?'; the strict form
// reports them (false) so that, for example, a file name is refused rather than changed.
std::string FromQString(const QString& text);
bool FromQString(const QString& text, std::string& win);

}  // namespace lumbrix
