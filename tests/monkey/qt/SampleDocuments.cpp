#include "monkey/qt/SampleDocuments.h"

#include <fstream>

#include "common/WinText.h"
#include "document/Encodings.h"
#include "document/FileKinds.h"

namespace lumbrix::monkey {

using namespace lumbrix::literals;

namespace {

struct Sample {
  const char* name;  // UTF-8, as the file system holds it
  std::string_view text;  // Windows-1251 with CR LF
  int encoding;
  bool lineEndLF;
  int kind;
};

// A page with a head, a style block, a table and a script, for the navigation, block and tag
// commands to find their places in.
constexpr std::string_view kPage =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n<head>\r\n"
    "<title>Проба пера</title>\r\n<style type=\"text/css\">\r\n  p { color: #102030; }\r\n"
    "</style>\r\n</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n<h1>Заголовок</h1>\r\n"
    "<p>Съешь же ещё этих мягких французских булок, да выпей чаю.</p>\r\n"
    "<table>\r\n  <tr><td>один</td><td>два</td></tr>\r\n</table>\r\n"
    "<script>\r\n  var s = \"строка\";\r\n</script>\r\n</body>\r\n</html>\r\n"_w;

constexpr std::string_view kStyle =
    "body {\r\n  font-family: Arial;\r\n  background: #EEEEEE;\r\n}\r\n"
    "/* заголовки */\r\nh1, h2 { color: red; text-align: center; }\r\n"_w;

constexpr std::string_view kScript =
    "// проверка формы\r\nfunction check(form) {\r\n  if (form.name.value == \"\") {\r\n"
    "    alert(\"Введите имя\");\r\n    return false;\r\n  }\r\n  return true;\r\n}\r\n"_w;

constexpr std::string_view kPlain =
    "Обычный текст.\r\nВторая строка\r\n\r\nАбзац после пустой строки — с тире и «ёлочками».\r\n"_w;

constexpr std::string_view kWorld =
    "#VRML V2.0 utf8\r\nShape {\r\n  geometry Box { size 1 2 3 }\r\n}\r\n"_w;

const Sample kSamples[] = {
    {"index.html", kPage, EncodingWin, false, KindHtml},
    {"koi.htm", kPage, EncodingKoi8, true, KindHtml},
    {"стр-iso.html", kPage, EncodingIso, true, KindHtml},
    {"style.css", kStyle, EncodingWin, true, KindCss},
    {"script.js", kScript, EncodingWin, false, KindJavaScript},
    {"notes.txt", kPlain, EncodingWin, false, KindOther},
    {"world.wrl", kWorld, EncodingWin, false, KindVrml},
};

}  // namespace

std::vector<std::string> WriteSampleDocuments(const std::string& folder) {
  std::vector<std::string> paths;
  for (const Sample& s : kSamples) {
    std::string bytes = EncodeFileText(s.text, s.lineEndLF, s.encoding, s.kind);
    // The plain text also has a lone CR and a lone LF, as files joined from several systems do.
    if (s.kind == KindOther) bytes += "CR only\rLF only\nend";
    const std::string native = folder + "/" + s.name;
    std::ofstream(native, std::ios::binary) << bytes;
    paths.push_back(native);
  }
  return paths;
}

}  // namespace lumbrix::monkey
