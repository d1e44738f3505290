// Commenting out the code pane's selection in the comment syntax of the document's file kind.
#pragma once

#include <optional>
#include <string_view>

namespace lumbrix {

class Dialogs;
class TEditForm;

// How a file kind writes a comment: a block around the selection, or a prefix in front of every
// selected line (`close` empty).
struct CommentSyntax {
  std::string_view open;
  std::string_view close;
  bool IsLinePrefix() const { return close.empty(); }
};

// The syntax of a file kind; none for kind 13 (other) and any unknown kind.
std::optional<CommentSyntax> CommentSyntaxOf(int fileKind);

// The kind whose syntax a comment at `pos` takes: inside an HTML page a style element writes
// CSS comments and a script element script comments.
int CommentKindAt(const TEditForm& form, int pos);

// "Закомментировать": comments out the code pane's selection, or tells the user that this kind
// of file has no comments.
void CommentSel(TEditForm& form, Dialogs& dialogs);

}  // namespace lumbrix
