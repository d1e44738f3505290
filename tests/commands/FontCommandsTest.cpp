#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "commands/FontCommands.h"
#include "common/Platform.h"
#include "common/WinText.h"
#include "document/DocumentFixture.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

class FontCommands : public testing::DocumentTest {
 protected:
  void SetUp() override {
    Form();
    code.SetText(kBefore + "XYZ" + kAfter);
    code.SetSelection(static_cast<int>(kBefore.size()), 3);
    plain.SetText("plain text");
    plain.SetSelection(6, 4);
    Form().Font = FontPanel{};
    Form().SyntaxTimerEnabled = false;
    focusBefore = code.FocusCount();
  }
  void SetBoxes(int mask) {
    FontPanel& p = Form().Font;
    p.FontName = "Arial";
    p.FontSize = "3";
    p.FontColor = 0x0080FF;  // red FF, green 80, blue 00
    p.CheckBox1 = mask & 1;
    p.CheckBox2 = mask & 2;
    p.CheckBox3 = mask & 4;
  }
  // The code pane holds before + inserted + after, the caret after `caretAfter` characters
  // of the insertion, the change one undo step, the boxes all checked and the focus back.
  void ExpectInserted(const std::string& inserted, std::size_t caretAfter) {
    EXPECT_EQ(code.Text(), kBefore + inserted + kAfter);
    EXPECT_EQ(code.SelStart(), static_cast<int>(kBefore.size() + caretAfter));
    EXPECT_EQ(code.SelLength(), 0);
    EXPECT_EQ(code.UndoDepth(), 1u);
    EXPECT_TRUE(Form().Font.CheckBox1 && Form().Font.CheckBox2 && Form().Font.CheckBox3);
    EXPECT_EQ(code.FocusCount(), focusBefore + 1);
    EXPECT_TRUE(Form().SyntaxTimerEnabled);
    code.Undo();
    EXPECT_EQ(code.Text(), kBefore + "XYZ" + kAfter);
  }
  int focusBefore = 0;
  const std::string kBefore = "<p>\r\n    ab ";
  const std::string kAfter = " cd\r\n</p>";
};

// Index: bit 1 face, bit 2 size, bit 4 colour.
const char* const kFontTags[8] = {
    "<font>",
    "<font face=\"Arial\">",
    "<font size=\"3\">",
    "<font face=\"Arial\" size=\"3\">",
    "<font color=\"#ff8000\">",
    "<font face=\"Arial\" color=\"#ff8000\">",
    "<font size=\"3\" color=\"#ff8000\">",
    "<font face=\"Arial\" size=\"3\" color=\"#ff8000\">",
};
const char* const kCss[8] = {
    "",
    "font-family:Arial;",
    " font-size:3;",
    "font-family:Arial; font-size:3;",
    " color:#ff8000;",
    "font-family:Arial; color:#ff8000;",
    " font-size:3; color:#ff8000;",
    "font-family:Arial; font-size:3; color:#ff8000;",
};

TEST_F(FontCommands, FontElementCarriesTheCheckedAttributesAroundTheSelection) {
  for (int mask = 0; mask < 8; ++mask) {
    SCOPED_TRACE(mask);
    SetUp();
    SetBoxes(mask);
    ApplyFontClick(Form());
    const std::string inserted = kFontTags[mask] + std::string("XYZ</font>");
    ExpectInserted(inserted, inserted.size());
  }
}

TEST_F(FontCommands, CssDeclarationsGoInFrontOfTheSelectionWhichStays) {
  for (int mask = 0; mask < 8; ++mask) {
    SCOPED_TRACE(mask);
    SetUp();
    SetBoxes(mask);
    ApplyCssClick(Form());
    const std::string inserted = kCss[mask] + std::string("XYZ");
    ExpectInserted(inserted, inserted.size());
  }
}

TEST_F(FontCommands, UntouchedPanelWritesAnEmptyFaceTheSizePxAndBlack) {
  for (const bool css : {false, true}) {
    SetUp();
    const std::string inserted = css ? "font-family:; font-size:px; color:#000000;XYZ"
                                     : "<font face=\"\" size=\"px\" color=\"#000000\">XYZ</font>";
    css ? ApplyCssClick(Form()) : ApplyFontClick(Form());
    ExpectInserted(inserted, inserted.size());
  }
}

TEST_F(FontCommands, HiddenCodePaneIsNotGivenTheFocus) {
  code.SetVisible(false);
  ApplyFontClick(Form());
  ApplyCssClick(Form());
  EXPECT_EQ(code.FocusCount(), focusBefore);
}

TEST_F(FontCommands, ColourNumberReplacesTheActivePanesSelection) {
  const struct {
    bool hash;  // "Цвет --> #номер" rather than "Цвет --> номер"
    bool plainPane;
    std::optional<std::uint32_t> answer;
    std::string code, plain;
  } cases[] = {
      {true, false, 0x0000FF, kBefore + "#ff0000" + kAfter, "plain text"},
      {false, false, 0x0000FF, kBefore + "ff0000" + kAfter, "plain text"},
      {false, false, 0x000000, kBefore + "000000" + kAfter, "plain text"},
      {true, true, 0xFF8000, kBefore + "XYZ" + kAfter, "plain #0080ff"},
      {true, false, std::nullopt, kBefore + "XYZ" + kAfter, "plain text"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code + " / " + c.plain);
    SetUp();
    Form().ActiveTab = c.plainPane ? TEditForm::PageTab::Lumbrix : TEditForm::PageTab::Code;
    dialogs.colorAnswers = {c.answer};
    ColourDialogState dialog{0x123456};
    const bool done = c.hash ? SpeedButton9Click(Form(), dialogs, dialog)
                             : SpeedButton10Click(Form(), dialogs, dialog);
    EXPECT_EQ(done, c.answer.has_value());
    EXPECT_EQ(Form().HashPrefix, c.hash);
    EXPECT_EQ(code.Text(), c.code);
    EXPECT_EQ(plain.Text(), c.plain);
    EXPECT_EQ(code.UndoDepth() + plain.UndoDepth(), c.answer ? 1u : 0u);
    // The dialog opens with the colour last chosen and keeps a confirmed one.
    EXPECT_EQ(dialogs.colorRequests.back(), 0x123456u);
    EXPECT_EQ(dialog.Color, c.answer.value_or(0x123456));
  }
}

TEST_F(FontCommands, SwatchTakesAConfirmedColourOnly) {
  ColourDialogState dialog{0x00FF00};
  dialogs.colorAnswers = {0x0000FF, std::nullopt};
  EXPECT_TRUE(FontColorMouseUp(Form(), dialogs, dialog));
  EXPECT_EQ(Form().Font.FontColor, 0x0000FFu);
  EXPECT_FALSE(FontColorMouseUp(Form(), dialogs, dialog));
  EXPECT_EQ(Form().Font.FontColor, 0x0000FFu);
  EXPECT_EQ(dialogs.colorRequests, (std::vector<std::uint32_t>{0x00FF00, 0x0000FF}));
  EXPECT_EQ(code.UndoDepth(), 0u);
}

// The face box lists the port's families sorted without regard to case, Latin names before
// Cyrillic ones as the code page orders them.
TEST(FontNameItems, SortedWithoutRegardToCase) {
  struct ListedFonts : Fonts {
    std::vector<std::string> Families() override {
      return {"Times", "arial", std::string("Шрифт"_w), "Symbol", std::string("Ариал"_w),
              "Arial Black"};
    }
  } fonts;
  EXPECT_EQ(FontNameItems(fonts),
            (std::vector<std::string>{"arial", "Arial Black", "Symbol", "Times",
                                      std::string("Ариал"_w), std::string("Шрифт"_w)}));
}

}  // namespace
}  // namespace lumbrix
