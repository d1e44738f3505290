#include "document/Skeletons.h"

#include "common/Platform.h"
#include "common/Version.h"
#include "common/WinText.h"
#include "document/DocTypes.h"
#include "document/EditForm.h"
#include "document/Encodings.h"
#include "document/Navigation.h"
#include "settings/Settings.h"

namespace lumbrix {

using namespace literals;

namespace {

std::string charsetOf(int encoding) {
  switch (encoding) {
    case EncodingWin:
      return "windows-1251";
    case EncodingKoi8:
      return "koi8-r";
    case EncodingIso:
      return "iso_8859-5";
    default:
      return "us-ascii";
  }
}

// The headers of scripts name the user only when the user's name is to be used; unlike the
// HTML skeleton they have no stand-in name.
std::string scriptAuthor(const Settings& settings) {
  return settings.UUN ? settings.USER : std::string();
}

void takeDefaultEncoding(TEditForm& form, const Settings& settings) {
  form.Encoding = settings.DHTMLET;
  form.LineEndLF = settings.DHTMLET != 0;
}

void nameNewDocument(TEditForm& form, int kind, std::string_view name) {
  form.FileKind = kind;
  form.FilePath = form.DefaultName = std::string(name);
}

void showScript(TEditForm& form, const Settings& settings, const std::string& text) {
  TextPane& code = form.CodeEditor();
  code.SetText(text);
  form.SetModified(settings.PSN);
  form.UpdateDocumentView();
  form.ClassifyDocument();
  code.SetSelection(code.TextLength(), 0);
  code.SetFocus();
}

}  // namespace

std::string HtmlSkeleton(const Settings& settings) {
  const std::string author = settings.USER.empty() ? std::string("Ваше имя"_w) : settings.USER;
  std::string page = DocTypeFor(settings.DT);
  page +=
      "\r\n<html>\r\n<head>\r\n <meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
      charsetOf(settings.DHTMLET) + "\" />\r\n";
  if (settings.UUN) page += " <meta name=\"author\" content=\"" + author + "\" />\r\n";
  page +=
      " <meta name=\"generator\" content=\"Lumbrix " + std::string(kProgramVersion) + "\" />\r\n";
  if (settings.UUK) page += " <meta name=\"keywords\" content=\"" + settings.UK + "\" />\r\n";
  if (settings.UUD) page += " <meta name=\"description\" content=\"" + settings.UD + "\" />\r\n";
  page += std::string(" <title>Ваше название</title>\r\n"_w);
  page +=
      " <style type=\"text/css\">\r\n \r\n </style>\r\n</head>\r\n<body>\r\n\r\n</body>\r\n</html>";
  return page;
}

void NewFile(TEditForm& form, const Settings& settings) {
  form.SetModified(settings.PSN);
  form.CodeEditor().SetFocus();
}

void NewHtml(TEditForm& form, const Settings& settings) {
  TextPane& code = form.CodeEditor();
  code.SetText(HtmlSkeleton(settings));
  JumpBeforeTag(form, "</body>");
  form.FileImage = code.Text();
  form.SetModified(settings.PSN);
  takeDefaultEncoding(form, settings);
  form.UpdateDocumentView();
  form.ClassifyDocument();
}

void NewJS(TEditForm& form, const Settings& settings, ShortDate& date) {
  nameNewDocument(form, KindJavaScript, "НовыйФайл.js"_w);
  if (settings.UDHETWJS) takeDefaultEncoding(form, settings);
  showScript(form, settings,
             "// Module     : \r\n// Created    : " + date.Today() + "\r\n// Author     : " +
                 scriptAuthor(settings) + "\r\n// Description: \r\n// Used in    : \r\n\r\n");
}

void NewVRML(TEditForm& form, const Settings& settings, ShortDate& date) {
  nameNewDocument(form, KindVrml, "НовыйФайл.wrl"_w);
  const std::string info = settings.UUN ? "   info \"" + settings.USER + "\"\r\n" : std::string();
  showScript(form, settings,
             "#VRML V2.0 utf8\r\n# Module     : \r\n# Created    : " + date.Today() +
                 "\r\n# Author     : " + scriptAuthor(settings) +
                 "\r\n# Description: \r\n\r\nWorldInfo {\r\n   title \"New VRML world\"\r\n" +
                 info + "}\r\n\r\n");
}

}  // namespace lumbrix
