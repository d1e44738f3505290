#include "commands/Commenting.h"

#include <array>
#include <string>

#include "common/Platform.h"
#include "common/WinText.h"
#include "document/BlockCommands.h"
#include "document/EditForm.h"

namespace lumbrix {

using namespace literals;

namespace {

constexpr CommentSyntax kMarkup{"<!--", "-->"};
constexpr CommentSyntax kCStyle{"/*", "*/"};
constexpr CommentSyntax kRem{"REM ", ""};
constexpr CommentSyntax kHash{"# ", ""};

// Indexed by file kind, 0 (HTML) to 12 (Perl and CGI).
constexpr std::array<CommentSyntax, 13> kCommentSyntaxes = {
    kMarkup,                  // HTML
    kCStyle,                  // CSS
    kMarkup,                  // XML
    kCStyle,                  // Java
    kCStyle,                  // JavaScript
    kRem,                     // Basic
    kRem,                     // VBScript
    kCStyle,                  // C/C++
    CommentSyntax{"{", "}"},  // Pascal
    kRem,                     // batch
    CommentSyntax{"; ", ""},  // configuration
    kHash,                    // VRML
    kHash,                    // Perl and CGI
};

}  // namespace

std::optional<CommentSyntax> CommentSyntaxOf(int fileKind) {
  if (fileKind < 0 || fileKind >= static_cast<int>(kCommentSyntaxes.size())) return std::nullopt;
  return kCommentSyntaxes[fileKind];
}

int CommentKindAt(const TEditForm& form, int pos) {
  if (form.FileKind != KindHtml) return form.FileKind;
  if (form.InsideElement("script", pos)) return KindJavaScript;
  if (form.InsideElement("style", pos)) return KindCss;
  return KindHtml;
}

void CommentSel(TEditForm& form, Dialogs& dialogs) {
  TextPane& code = form.CodeEditor();
  const std::optional<CommentSyntax> syntax = CommentSyntaxOf(CommentKindAt(form, code.SelStart()));
  if (!syntax) {
    dialogs.MessageBox(
        std::string("Для этого типа файлов не удалось найти правила вставки комментариев"_w),
        std::string("Закомментировать нельзя:-("_w), MsgIcon::None, MsgButtons::Ok);
    return;
  }
  if (syntax->IsLinePrefix()) {
    PrefixSelectedLines(form, syntax->open);
  } else {
    code.ReplaceSelection(std::string(syntax->open) + code.SelText() + std::string(syntax->close));
  }
}

}  // namespace lumbrix
