#include "publication/PubMasterResult.h"

#include "commands/InsertionEngine.h"
#include "common/Platform.h"
#include "common/Version.h"
#include "common/WinText.h"
#include "document/DocTypes.h"
#include "document/EditForm.h"
#include "document/Navigation.h"
#include "publication/PubMasterForm.h"
#include "settings/Settings.h"

namespace lumbrix {

using namespace literals;

std::string NewPageText(const Settings& settings, const std::string& css, bool insertBody,
                        const DocProperties& doc) {
  std::string page = DocTypeFor(settings.DT);
  page +=
      "\r\n<html>\r\n<head>\r\n <meta http-equiv=\"Content-Type\" content=\"text/html; "
      "charset=windows-1251\" />\r\n";
  if (settings.UUN) {
    const std::string author = settings.USER.empty() ? std::string("Ваше имя"_w) : settings.USER;
    page += " <meta name=\"author\" content=\"" + author + "\" />\r\n";
  }
  page +=
      " <meta name=\"generator\" content=\"Lumbrix " + std::string(kProgramVersion) + "\" />\r\n";
  if (insertBody) {
    page += " <meta name=\"description\" content=\"" + doc.description + "\" />\r\n";
    page += " <meta name=\"keywords\" content=\"" + doc.keywords + "\" />\r\n";
  }
  page += " <title>" + (insertBody ? doc.title : std::string("Ваше название"_w)) +
          "</title>\r\n <style type=\"text/css\">\r\n";
  page += css;
  page += " </style>\r\n</head>\r\n<body>\r\n\r\n</body>\r\n</html>";
  return page;
}

void InsertStyleElement(TEditForm& document, const std::string& css) {
  TextPane& code = document.CodeEditor();
  JumpBeforeTag(document, "</head>");
  code.SetSelection(code.SelStart(), 0);
  const std::string element = "\r\n<style type=\"text/css\">\r\n" + css + "</style>";
  ReplacePaneSelection(document, code, IndentSnippet(code, element));
}

void InsertCssAtCaret(TEditForm& document, const std::string& css) {
  TextPane& code = document.CodeEditor();
  ReplacePaneSelection(document, code, IndentSnippet(code, css));
}

void FillNewPage(TEditForm& document, const Settings& settings, const std::string& page) {
  TextPane& code = document.CodeEditor();
  code.SetText(page);
  JumpBeforeTag(document, "</body>");
  document.FileImage = code.Text();
  document.SetModified(settings.PSN);
  document.UpdateDocumentView();
  document.ClassifyDocument();
}

void ActOnPubMasterResult(
    const TPubMasterForm& master, TEditForm* current, const Settings& settings,
    const std::function<void(const std::function<void(TEditForm&)>&)>& newDocument) {
  switch (master.ResultCode) {
    case TPubMasterForm::InsertStyles:
      if (current) InsertStyleElement(*current, master.GeneratedCss);
      break;
    case TPubMasterForm::NewPage: {
      const std::string page =
          NewPageText(settings, master.GeneratedCss, master.InsertBODYDoc, master.Working.doc);
      newDocument([&](TEditForm& document) { FillNewPage(document, settings, page); });
      break;
    }
    case TPubMasterForm::InsertCss:
      if (current) InsertCssAtCaret(*current, master.GeneratedCss);
      break;
    default:
      break;
  }
}

}  // namespace lumbrix
