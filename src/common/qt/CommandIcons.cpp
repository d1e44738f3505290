#include "common/qt/CommandIcons.h"

#include <map>
#include <string>

namespace lumbrix {

namespace {

// Frame tool bar and menus first, then the buttons below a document's code pane.
constexpr CommandIconRow kIcons[] = {
    {"NewFile", "document-new", "document-new"},
    {"NewHtml", "", "html-new"},
    {"CreateFile", "", "template"},
    {"PublicationMaster", "", "publication"},
    {"OpenFile", "document-open", "document-open"},
    {"Save", "document-save", "document-save"},
    {"SaveAs", "document-save-as", "document-save-as"},
    {"Quit", "application-exit", "application-exit"},
    {"EditUndo", "edit-undo", "edit-undo"},
    {"EditCut", "edit-cut", "edit-cut"},
    {"EditCopy", "edit-copy", "edit-copy"},
    {"EditPaste", "edit-paste", "edit-paste"},
    {"EditSelectAll", "edit-select-all", "edit-select-all"},
    {"GoTo", "go-jump", "go-jump"},
    {"Find", "edit-find", "edit-find"},
    {"Replace", "edit-find-replace", "edit-find-replace"},
    {"IndentBlock", "format-indent-more", "format-indent-more"},
    {"UnindentBlock", "format-indent-less", "format-indent-less"},
    {"N34Click", "", "quotes"},  // the tool button "Две кавычки"
    {"N41Click", "", "quotes"},  // the Edit menu's "&Две кавычки", the same command
    {"InsSGMLQuotes", "", "sgml-quotes"},
    {"ToUpperCase", "", "case-upper"},
    {"ToLowerCase", "", "case-lower"},
    {"TagMaster", "", "tag-master"},
    {"AttrMaster", "", "attr-master"},
    {"OptionsAction", "preferences-system", "options"},
    {"PreviewInBrow", "", "preview"},
    {"N49Click", "help-contents", "help-contents"},
    {"N11Click", "help-about", "help-about"},

    {"SetBold", "format-text-bold", "format-text-bold"},
    {"SetItalic", "format-text-italic", "format-text-italic"},
    {"SetStrikeout", "format-text-strikethrough", "format-text-strikethrough"},
    {"SetUnderln", "format-text-underline", "format-text-underline"},
    {"SetBig", "", "text-bigger"},
    {"SetSub", "", "text-subscript"},
    {"SetSup", "", "text-superscript"},
    {"TagsPopupMenu", "", "tags"},
    {"BrPopupMenu", "", "paragraph"},
    {"InsLumbrix", "", "lumbrix-convert"},
    {"ApplyFontClick", "", "font-apply"},
    {"ApplyCssClick", "", "css-apply"},
    {"SpeedButton9Click", "", "colour-hash"},
    {"SpeedButton10Click", "", "colour-number"},
};

QString latin1(std::string_view s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

std::span<const CommandIconRow> CommandIconTable() {
  return kIcons;
}

QString CommandDrawingPath(std::string_view drawing) {
  return QStringLiteral(":/lumbrix/icons/") + latin1(drawing) + QStringLiteral(".svg");
}

QIcon CommandIcon(std::string_view handler) {
  // Every document window asks for the same few dozen icons: made once and shared, each is
  // looked up in the theme and its drawing read and drawn once, not again for every window.
  static std::map<std::string, QIcon, std::less<>> found;
  if (const auto known = found.find(handler); known != found.end()) return known->second;
  QIcon icon;
  for (const CommandIconRow& row : kIcons) {
    if (row.handler != handler) continue;
    QIcon drawn(CommandDrawingPath(row.drawing));
    icon = row.themeName.empty() ? drawn : QIcon::fromTheme(latin1(row.themeName), drawn);
    break;
  }
  found.emplace(std::string(handler), icon);
  return icon;
}

QString ProgramIconPath() {
  return QStringLiteral(":/lumbrix/lumbrix.svg");
}

QIcon ProgramIcon() {
  return QIcon(ProgramIconPath());
}

}  // namespace lumbrix
