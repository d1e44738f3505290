// Qt's own texts in Russian: the file, colour and font choosers, the system menus of the
// document windows, the buttons of message boxes. They come from Qt's catalogue qtbase_ru in
// Qt's translations folder.
#pragma once

#include <QTranslator>
#include <memory>

namespace lumbrix {

// Loads qtbase_ru and installs it into the application; it stays in force as long as the
// returned object lives. Null when the catalogue cannot be loaded: Qt then speaks English.
std::unique_ptr<QTranslator> InstallQtRussian();

}  // namespace lumbrix
