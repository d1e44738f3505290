#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "commands/TagCommands.h"
#include "common/WinText.h"
#include "document/DocumentFixture.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

class TagCommands : public testing::DocumentTest {
 protected:
  // The window exists before the panes get their texts (creating it shows the file's text).
  void SetUp() override { Form(); }
  bool Run(std::string_view handler) { return RunDocumentCommand(Form(), settings, handler); }
  // A page with the caret line indented by four spaces and "xyz" selected on it.
  void IndentedSelection() {
    Reopen();
    code.SetText(kBefore + "xyz" + kAfter);
    code.SetSelection(static_cast<int>(kBefore.size()), 3);
  }
  const std::string kBefore = "<body>\r\n    abc ";
  const std::string kAfter = " def\r\n</body>";
};

// The indented form of a fixed text, worked out apart from the engine: every CR LF gets the
// four spaces of the caret line.
std::string indented(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '\n') out += "    ";
  }
  return out;
}

std::vector<TagMenuEntry> items() {
  std::vector<TagMenuEntry> all;
  for (const auto menu : {TagsPopupMenu(), BrPopupMenu()})
    for (const TagMenuEntry& e : menu)
      if (e.kind == MenuKind::Item) all.push_back(e);
  return all;
}

TEST_F(TagCommands, EveryMenuItemPutsItsTextsAroundTheSelectionInOneStep) {
  settings.USER = "user";
  for (const TagMenuEntry& e : items()) {
    if (e.insert == TagInsert::Title) continue;
    IndentedSelection();
    const std::string open = e.indent & IndentOpen ? indented(e.open) : std::string(e.open);
    const std::string close = e.indent & IndentClose ? indented(e.close) : std::string(e.close);
    std::string inserted;
    switch (e.insert) {
      case TagInsert::Prefix:
        EXPECT_TRUE(e.close.empty()) << e.handler;
        inserted = open + "xyz";
        break;
      case TagInsert::Suffix:
        EXPECT_TRUE(e.open.empty()) << e.handler;
        inserted = "xyz" + close;
        break;
      case TagInsert::Replace:
        EXPECT_TRUE(e.close.empty()) << e.handler;
        inserted = open;
        break;
      default:  // wraps, and the meta tags whose settings are not in use
        inserted = open + "xyz" + close;
        break;
    }
    ASSERT_TRUE(Run(e.handler)) << e.handler;
    EXPECT_EQ(code.Text(), kBefore + inserted + kAfter) << e.handler;
    EXPECT_EQ(code.SelStart(), static_cast<int>(kBefore.size() + inserted.size())) << e.handler;
    EXPECT_EQ(code.SelLength(), 0) << e.handler;
    EXPECT_EQ(code.UndoDepth(), 1u) << e.handler;
    EXPECT_TRUE(Form().Modified()) << e.handler;
    EXPECT_TRUE(Form().SyntaxTimerEnabled) << e.handler;
  }
}

TEST_F(TagCommands, FixedTextsFollowTheCaretLineButTheSelectionStaysAsItIs) {
  code.SetText("    x");
  code.SetSelection(4, 1);
  Run("N65Click");
  EXPECT_EQ(code.Text(), "    <tr>\r\n    x\r\n    </tr>");

  Reopen();
  code.SetText("  a\r\nb\r\n");
  code.SetSelection(2, 6);  // runs over two lines
  Run("div1Click");
  EXPECT_EQ(code.Text(), "  <div>\r\n  a\r\nb\r\n\r\n  </div>");

  Reopen();
  code.SetText("    x");
  code.SetSelection(4, 1);
  Run("N176Click");
  EXPECT_EQ(code.Text(), "    <col>\r\nx");

  Reopen();
  code.SetText("  x");
  code.SetSelection(2, 1);
  Run("N87Click");
  EXPECT_EQ(code.Text(), "  x<br />\r\n  ");
}

TEST_F(TagCommands, NothingSelectedOrReplaceRows) {
  code.SetText("ab");
  code.SetSelection(1, 0);
  Run("N42Click");
  EXPECT_EQ(code.Text(), "a<a href=\"\"></a>b");
  EXPECT_EQ(code.SelStart(), 16);

  Reopen();
  code.SetText("word");
  code.SetSelection(0, 4);
  Run("N54Click");
  EXPECT_EQ(code.Text(), "<input type=\"text\" name=\"\" />");
}

TEST_F(TagCommands, MetaTagsTakeTheUserSettings) {
  Run("N106Click");
  EXPECT_EQ(code.Text(), "<meta name=\"author\" lang=\"ru\" content=\"\" />");

  settings.USER = "Иван"_w;
  Reopen();
  Run("N106Click");
  EXPECT_EQ(code.Text(), std::string("<meta name=\"author\" lang=\"ru\" content=\"") +
                             std::string("Иван"_w) + "\" />");

  Reopen();  // a selection replaces the user name
  code.SetText("me");
  code.SetSelection(0, 2);
  Run("N106Click");
  EXPECT_EQ(code.Text(), "<meta name=\"author\" lang=\"ru\" content=\"me\" />");

  settings.UUK = true;
  settings.UK = "html,css";
  Reopen();
  code.SetText("js");
  code.SetSelection(0, 2);
  Run("N49Click");
  EXPECT_EQ(code.Text(), "<meta name=\"keywords\" lang=\"ru\" content=\"html,cssjs\" />");

  settings.UD = "about";  // not in use while UUD is off
  Reopen();
  Run("N50Click");
  EXPECT_EQ(code.Text(), "<meta name=\"description\" lang=\"ru\" content=\"\" />");
  settings.UUD = true;
  Reopen();
  Run("N50Click");
  EXPECT_EQ(code.Text(), "<meta name=\"description\" lang=\"ru\" content=\"about\" />");
}

TEST_F(TagCommands, TitleCommandSelectsAnExistingTitleOrInsertsOne) {
  const std::string page = "<HTML><HEAD><TITLE lang=ru>Page</TITLE></HEAD>";
  code.SetText(page);
  code.SetSelection(0, 0);
  EXPECT_EQ(TitleCommand(Form()), TitleOutcome::SelectedTitle);
  EXPECT_EQ(code.SelText(), "Page");
  EXPECT_EQ(code.Text(), page);
  EXPECT_FALSE(Form().Modified());
  EXPECT_FALSE(Form().SyntaxTimerEnabled);

  const std::string scripted = "<script>var t = '<title>';</script>\r\n<body>";
  Reopen();
  code.SetText(scripted);
  code.SetSelection(static_cast<int>(scripted.size()), 0);
  EXPECT_EQ(TitleCommand(Form()), TitleOutcome::NoTitle);
  EXPECT_EQ(code.Text(), scripted + "<title></title>");
  EXPECT_EQ(code.SelStart(), static_cast<int>(scripted.size()) + 7);
  EXPECT_TRUE(Form().Modified());

  Reopen();  // a title in a script, then a real one
  code.SetText("<script>'<title>x</title>'</script><title>Real</title>");
  EXPECT_TRUE(Run("N47Click"));
  EXPECT_EQ(code.SelText(), "Real");

  Reopen();
  code.SetText("<title>Unclosed name");
  code.SetSelection(7, 8);
  EXPECT_EQ(TitleCommand(Form()), TitleOutcome::OpenTitle);
  EXPECT_EQ(code.Text(), "<title><title>Unclosed</title> name");
  EXPECT_EQ(code.SelStart(), 22);
  EXPECT_EQ(code.UndoDepth(), 1u);
}

TEST_F(TagCommands, StyleCommandsWrapTheActivePaneWithoutIndentation) {
  code.SetText("  a\r\nb");
  code.SetSelection(2, 4);
  Run("SetBold");
  EXPECT_EQ(code.Text(), "  <b>a\r\nb</b>");
  EXPECT_TRUE(Form().Modified());
  code.SetSelection(2, 0);
  Run("SetBold");  // nests, never removes
  EXPECT_EQ(code.Text(), "  <b></b><b>a\r\nb</b>");

  Reopen().ActiveTab = TEditForm::PageTab::Lumbrix;
  plain.SetText("text");
  for (const StyleCommand& s : StyleCommands()) {
    plain.SetSelection(0, plain.TextLength());
    ASSERT_TRUE(Run(s.handler));
  }
  EXPECT_EQ(plain.Text(), "<sup><sub><big><u><s><i><b>text</b></i></s></u></big></sub></sup>");
  EXPECT_EQ(code.Text(), "");
  EXPECT_FALSE(Form().Modified());
}

TEST_F(TagCommands, SpecialCharactersGoIntoTheActivePane) {
  code.SetText("x");
  code.SetSelection(1, 0);
  Run("s19");
  EXPECT_EQ(code.Text(), "x\xb1");
  EXPECT_TRUE(Form().Modified());

  Reopen().ActiveTab = TEditForm::PageTab::Lumbrix;
  plain.SetText("q");
  plain.SetSelection(0, 1);
  Run("s18");
  EXPECT_EQ(plain.Text(), "\xabq\xbb");
  plain.SetSelection(3, 0);
  Run("s12");
  EXPECT_EQ(plain.Text(), "\xabq\xbb\x91\x92");
  EXPECT_EQ(plain.SelStart(), 5);
  EXPECT_FALSE(Form().Modified());
}

TEST_F(TagCommands, EveryTableEntryIsRunnableAndTheMenusAreWellFormed) {
  std::set<std::string_view> handlers;
  const auto check = [&](auto menu) {
    int depth = 0;
    for (const auto& e : menu) {
      if (e.kind == MenuKind::Submenu) ++depth;
      if (e.kind == MenuKind::EndSubmenu) {
        ASSERT_GT(depth--, 0);
      }
      if (e.kind != MenuKind::Item) continue;
      EXPECT_FALSE(e.caption.empty()) << e.handler;
      handlers.insert(e.handler);
    }
    EXPECT_EQ(depth, 0);
  };
  check(TagsPopupMenu());
  check(BrPopupMenu());
  EXPECT_EQ(handlers.size(), items().size()) << "a handler named twice";
  check(CodePopupMenu());
  check(LumbrixPopupMenu());
  for (const ButtonEntry& b : DocumentButtons())
    if (!b.handler.empty()) handlers.insert(b.handler);
  for (const std::string_view h : handlers) {
    Reopen();
    const bool elsewhere = h == "InsLumbrix" || h == "CommentSel";
    EXPECT_EQ(Run(h), !elsewhere) << h;
  }
  for (const DocumentSymbol& s : DocumentSymbols())
    EXPECT_NE(FindDocumentSymbol(s.handler), nullptr) << s.handler;
  EXPECT_FALSE(Run("NoSuchCommand"));
}

}  // namespace
}  // namespace lumbrix
