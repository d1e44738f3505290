// The folders of files the program ships with (help pages, templates): beside the program,
// where it is installed, or, for a build that is not installed, the source tree's.
#pragma once

#include <QString>
#include <functional>

namespace lumbrix {

// The first of "<program>/<name>", "<program>/../share/lumbrix/<name>" and `sourceFolder` (when
// not empty) that `holds` accepts; the first of them when none does.
QString FindProgramFolder(const QString& name, const QString& sourceFolder,
                          const std::function<bool(const QString&)>& holds);

}  // namespace lumbrix
