#include "document/FileKinds.h"

#include <string_view>

#include "common/FileSystem.h"
#include "common/WinText.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

struct ExtensionRow {
  std::string_view extension;
  int kind;
};

constexpr ExtensionRow kExtensions[] = {
    {".htm", KindHtml},      {".html", KindHtml},      {".dhtml", KindHtml}, {".shtml", KindHtml},
    {".xhtml", KindHtml},    {".htt", KindHtml},       {".xhtm", KindHtml},  {".shtm", KindHtml},
    {".php", KindHtml},      {".css", KindCss},        {".xml", KindXml},    {".java", KindJava},
    {".js", KindJavaScript}, {".asp", KindJavaScript}, {".bas", KindBasic},  {".vbs", KindVBScript},
    {".c", KindCpp},         {".cpp", KindCpp},        {".h", KindCpp},      {".hpp", KindCpp},
    {".cxx", KindCpp},       {".hxx", KindCpp},        {".c++", KindCpp},    {".h++", KindCpp},
    {".pas", KindPascal},    {".bat", KindBatch},      {".ini", KindConfig}, {".wrl", KindVrml},
    {".vrml", KindVrml},     {".pl", KindPerl},        {".pm", KindPerl},    {".cgi", KindPerl},
};

// Visibility of the four control groups: format, font, colour, CSS.
struct VisibilityRow {
  bool fdb;
  unsigned kinds;  // a bit per kind; 0 for every kind
  ControlGroups groups;
};

constexpr unsigned bit(int kind) {
  return 1u << kind;
}

constexpr VisibilityRow kVisibility[] = {
    {true,
     bit(KindHtml) | bit(KindXml) | bit(KindJavaScript) | bit(KindVBScript) | bit(KindPerl),
     {true, true, true, true}},
    {true, bit(KindCss), {false, true, true, true}},
    {true, 0, {false, false, false, false}},
    {false, 0, {true, false, false, false}},
};

}  // namespace

int KindOfFileName(const std::string& name) {
  // The caption of an untitled page doubles as its name.
  const std::string file = FileNamePart(name);
  if (file == "ваша страница"_w) return KindHtml;
  const std::size_t dot = file.rfind('.');
  if (dot == std::string::npos) return KindOther;
  const std::string_view ext = std::string_view(file).substr(dot);
  for (const ExtensionRow& row : kExtensions)
    if (row.extension == ext) return row.kind;
  return KindOther;
}

ControlGroups ControlGroupsFor(int fileKind, bool fdb) {
  for (const VisibilityRow& row : kVisibility) {
    if (row.fdb != fdb) continue;
    if (row.kinds == 0 || (fileKind >= 0 && fileKind < 32 && (row.kinds & bit(fileKind))))
      return row.groups;
  }
  return {false, false, false, false};
}

}  // namespace lumbrix
