// File kinds: the language a document is written in, decided from its file name.
#pragma once

#include <string>

namespace lumbrix {

enum FileKindCode : int {
  KindHtml = 0,
  KindCss = 1,
  KindXml = 2,
  KindJava = 3,
  KindJavaScript = 4,
  KindBasic = 5,
  KindVBScript = 6,
  KindCpp = 7,
  KindPascal = 8,
  KindBatch = 9,
  KindConfig = 10,
  KindVrml = 11,
  KindPerl = 12,
  KindOther = 13,
};

// The kind of a file name by its extension, compared exactly (INDEX.HTM is of kind 13).
int KindOfFileName(const std::string& name);

// Which groups of the code page's tool controls a document shows.
struct ControlGroups {
  bool format;  // style buttons, "Теги..." and the format menu button
  bool font;    // the font group and its apply button
  bool colour;  // the colour number buttons
  bool css;     // the CSS button
  // The CSS apply button needs both the font and the CSS group.
  bool applyCss() const { return font && css; }
  bool operator==(const ControlGroups&) const = default;
};

ControlGroups ControlGroupsFor(int fileKind, bool fdb);

}  // namespace lumbrix
