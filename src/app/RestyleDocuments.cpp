#include "app/RestyleDocuments.h"

#include "common/Platform.h"
#include "document/EditForm.h"

namespace lumbrix {

namespace {

void restyle(TEditForm& form, const Settings& settings, const SystemColors& system,
             const std::function<void(TEditForm&)>& highlight) {
  TextPane& code = form.CodeEditor();
  const bool modified = code.Modified();
  const int start = code.SelStart();
  const int length = code.SelLength();
  code.SelectAll();

  form.UseSystemColors = settings.USC;
  form.CodeBackground =
      settings.USC ? system.window : static_cast<std::uint32_t>(settings.CEBColor);
  form.CodeTextColor =
      settings.USC ? system.windowText : static_cast<std::uint32_t>(settings.CETColor);
  code.SetTextColor(code.SelStart(), code.SelLength(), form.CodeTextColor);

  if (settings.UDF) {
    form.CodeFontFace = "Courier New";
    form.CodeFontSize = 10;
  } else {
    form.CodeFontFace = settings.CEFontFace;
    form.CodeFontSize = settings.CEFontSize;
  }

  if (settings.SO && highlight) highlight(form);

  code.SetSelection(start, length);
  code.SetModified(modified);
  form.UpdateDocumentView();
}

}  // namespace

void RestyleDocuments(const std::vector<TEditForm*>& documents, const Settings& settings,
                      const SystemColors& system,
                      const std::function<void(TEditForm&)>& highlight) {
  for (TEditForm* form : documents) restyle(*form, settings, system, highlight);
}

}  // namespace lumbrix
