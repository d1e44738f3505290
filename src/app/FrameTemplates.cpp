// The frame's commands that reach outside a document: files from templates, the browser
// preview and the web links.
#include "app/DocumentWindows.h"
#include "app/FrameForm.h"
#include "app/MenuTable.h"
#include "common/Platform.h"
#include "document/EditForm.h"
#include "templates/Preview.h"
#include "templates/Templates.h"
#include "templates/WebLinks.h"

namespace lumbrix {

namespace {

// The hint of a web link item is its address.
const MenuEntry* webLinkItem(std::string_view handler) {
  if (!handler.starts_with("Web")) return nullptr;
  for (const MenuEntry& e : MainMenu())
    if (e.kind == MenuKind::Item && e.handler == handler) return &e;
  return nullptr;
}

}  // namespace

bool IsWebLink(std::string_view handler) {
  return webLinkItem(handler) != nullptr;
}

void TFrameForm::CreateFile() {
  TCreateFileForm dialog;
  dialog.Prepare({UserTemplateFolder, TemplateFolder});
  if (ShowCreateFileForm) ShowCreateFileForm(dialog);
  const std::string chosen = dialog.ChosenFile();
  if (chosen.empty()) return;
  // The template is read by its full name: the current folder is never changed.
  NewDocument([&](TEditForm& form) { CreateFromTemplate(form, chosen, settings, dialogs_); });
}

void TFrameForm::PreviewInBrow() {
  TEditForm* form = windows_.ActiveDocument();
  if (!form || !shell_.target) return;
  EditForm = form;
  lumbrix::PreviewInBrow(*form, dialogs_, shell_);
}

bool TFrameForm::OpenWebLink(std::string_view handler) {
  const MenuEntry* item = webLinkItem(handler);
  if (!item) return false;
  if (const int topic = OwnPageTopic(handler))
    help_.ShowTopic(topic);
  else
    shell_.Open(std::string(item->hint));
  return true;
}

}  // namespace lumbrix
