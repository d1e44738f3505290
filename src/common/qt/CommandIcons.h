// The pictures of the commands. One table names, for each handler a button or menu item runs,
// the icon of the desktop's icon theme and the program's own drawing that stands in for it where
// the theme has none (a bare system has no theme at all). The drawings are compiled into the
// program from resources/icons.
#pragma once

#include <QIcon>
#include <QString>
#include <span>
#include <string_view>

namespace lumbrix {

struct CommandIconRow {
  std::string_view handler;    // the handler the control runs, or the menu a button opens
  std::string_view themeName;  // icon theme name; "" where no theme has a fitting picture
  std::string_view drawing;    // file name of the program's own drawing, without ".svg"
};

std::span<const CommandIconRow> CommandIconTable();

// The resource path of a drawing of the table.
QString CommandDrawingPath(std::string_view drawing);

// The picture of a handler; a null icon when the table has no row for it.
QIcon CommandIcon(std::string_view handler);

// The program's own icon (a page with angle brackets), and its resource path.
QIcon ProgramIcon();
QString ProgramIconPath();

}  // namespace lumbrix
