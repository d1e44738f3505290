#include "document/SaveDialog.h"

#include <array>
#include <string_view>

#include "common/WinText.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

struct SaveFilter {
  std::string_view filter;
  std::string_view defaultExt;  // appended to a name typed without one; "" for none
};

constexpr SaveFilter kSaveFilters[] = {
    {"Документ HTML (htm, html, dhtml, shtml, xhtml)|*.htm;*.html;*.dhtml;*.shtml;*.xhtml;*.shtm;*.xhtm"_w,
     "htm"},
    {"Шаблон HTML (htt)|*.htt"_w, "htt"},
    {"Cascaded Style Sheets (css)|*.css"_w, "css"},
    {"JavaScript, ECMAScript, ASP (js, asa)|*.js;*.asp;*.asa"_w, "js"},
    {"Java|*.java"_w, ""},
    {"XML (xml, dtd)|*.xml;*.dtd"_w, "xml"},
    {"Несжатый VRML (wrl, vrml)|*.wrl;*.vrml"_w, "wrl"},
    {"PHP (php)|*.php"_w, "php"},
    {"PERL (pl, pm)|*.pl;*.pm;*.cgi"_w, "pl"},
    {"Текстовый документ (txt, ans, acs)|*.txt;*.ans;*.acs"_w, "txt"},
    {"Пакетные|*.bat;*.cmd"_w, "bat"},
    {"Конфигурации|*.ini;*.inf;config.sy*;*.cnf"_w, "ini"},
    {"Изврат (nfo, dos, rus, koi)|*.nfo;*.dos;*.rus;*.koi;*.1st"_w, "nfo"},
    {"Всё подряд|*.*"_w, ""},
};

// Filter by file kind 0 … 13; Basic, VBScript, C/C++ and Pascal have none of their own.
constexpr std::array<int, 14> kFilterOfKind = {1, 3, 6, 5, 4, 0, 0, 0, 0, 11, 12, 7, 9, 10};

}  // namespace

int SaveFilterForKind(int fileKind) {
  if (fileKind < 0 || fileKind >= static_cast<int>(kFilterOfKind.size())) return 0;
  return kFilterOfKind[fileKind];
}

FileDialogRequest SaveDialogRequest(int fileKind, const std::string& filePath) {
  FileDialogRequest r;
  r.title = std::string("Запись файла"_w);
  for (const SaveFilter& f : kSaveFilters) {
    r.filters.emplace_back(f.filter);
    r.filterExts.emplace_back(f.defaultExt);
  }
  r.filterIndex = SaveFilterForKind(fileKind);
  r.defaultExt = "htm";
  r.initialName = filePath;
  r.overwritePrompt = true;
  r.pathMustExist = true;
  return r;
}

}  // namespace lumbrix
