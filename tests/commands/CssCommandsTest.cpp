#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "commands/CssCommands.h"
#include "common/WinText.h"
#include "document/DocumentFixture.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using namespace std::literals;

class CssCommands : public testing::DocumentTest {
 protected:
  void SetUp() override { Form(); }
  // The caret line begins with four spaces; `selected` is selected in the middle of it.
  void Select(const std::string& selected) {
    code.SetText(kBefore + selected + kAfter);
    code.SetSelection(static_cast<int>(kBefore.size()), static_cast<int>(selected.size()));
  }
  const std::string kBefore = "<style>\r\n    x ";
  const std::string kAfter = " y\r\n</style>";
};

TEST_F(CssCommands, EveryItemRunsItsMechanismOnTheSelectionInOneStep) {
  int items = 0;
  for (const CssMenuEntry& e : CSSPopupMenu()) {
    if (e.kind != MenuKind::Item) continue;
    ++items;
    for (const std::string selected : {"", "a b"}) {
      SCOPED_TRACE(CssHandlerName(e) + " on \"" + selected + "\"");
      Select(selected);
      ASSERT_TRUE(RunCssCommand(Form(), CssHandlerName(e)));
      std::string inserted;
      std::size_t caret = 0;
      switch (e.insert) {
        case CssInsert::Property:
          inserted = std::string(e.caption) + ":;";
          caret = inserted.size() - 1;
          break;
        case CssInsert::Selector:
          inserted = std::string(e.selector) + " {\r\n    " + selected + "\r\n    }";
          caret = inserted.size();
          break;
        case CssInsert::PseudoClass:
          inserted = ":" + std::string(e.caption);
          caret = inserted.size();
          break;
      }
      EXPECT_EQ(code.Text(), kBefore + inserted + kAfter);
      EXPECT_EQ(code.SelStart(), static_cast<int>(kBefore.size() + caret));
      EXPECT_EQ(code.SelLength(), 0);
      EXPECT_EQ(code.UndoDepth(), 1u);
      code.Undo();
      EXPECT_EQ(code.Text(), kBefore + selected + kAfter);
    }
  }
  EXPECT_EQ(items, 59 + 20 + 5);
}

// The menu as typed apart from its table: the top-level entries, the handlers named by the
// caption without hyphens, the selectors (OL alone in capitals), the pseudo-classes.
TEST_F(CssCommands, MenuCensus) {
  std::vector<std::string_view> top;
  std::set<std::string> handlers;
  std::string selectors, pseudo;
  int depth = 0, properties = 0;
  for (const CssMenuEntry& e : CSSPopupMenu()) {
    if (depth == 0 && e.kind != MenuKind::EndSubmenu)
      top.push_back(e.kind == MenuKind::Separator ? std::string_view("-") : e.caption);
    if (e.kind == MenuKind::Submenu) ++depth;
    if (e.kind == MenuKind::EndSubmenu) {
      ASSERT_GT(depth--, 0);
    }
    if (e.kind != MenuKind::Item) continue;
    EXPECT_FALSE(e.hint.empty()) << e.caption;
    EXPECT_TRUE(handlers.insert(CssHandlerName(e)).second) << e.caption;
    if (e.insert == CssInsert::Property) ++properties;
    if (e.insert == CssInsert::Selector) selectors += std::string(e.selector) + " ";
    if (e.insert == CssInsert::PseudoClass) pseudo += std::string(e.caption) + " ";
  }
  EXPECT_EQ(depth, 0);
  EXPECT_EQ(properties, 59);
  EXPECT_EQ(top, (std::vector<std::string_view>{"фон"_w, "текст"_w, "выравнивание"_w, "отступы"_w,
                                                "-"sv, "положение"_w, "размеры"_w, "границы"_w,
                                                "-"sv, "отображение"_w, "поля"_w, "-"sv,
                                                "Элементы"_w, "Псевдоклассы"_w}));
  EXPECT_EQ(selectors,
            "body p a h1 h2 ul OL li td th col thead tbody tfoot div span dfn address em strong ");
  EXPECT_EQ(pseudo, "hover active visited first-letter first-line ");
  for (const char* h : {"backgroundcolor1Click", "zindex1Click", "BODY1Click", "firstletter1Click",
                        "borderbottomcolor1Click", "textindent1Click"})
    EXPECT_TRUE(handlers.count(h)) << h;
  EXPECT_EQ(FindCssCommand("borderstyle1Click")->hint, "стил для всех границ"_w);
  EXPECT_EQ(FindCssCommand("TFOOT1Click")->hint,
            "футер таблицы /\"антизаголовок\"/ (может отсутствовать)"_w);
}

TEST_F(CssCommands, OtherHandlersAreNotCssCommands) {
  Select("a");
  for (const char* h : {"", "Элементы1Click", "SetBold", "color", "1Click"})
    EXPECT_FALSE(RunCssCommand(Form(), h)) << h;
  EXPECT_EQ(code.UndoDepth(), 0u);
}

}  // namespace
}  // namespace lumbrix
