#include <gtest/gtest.h>

#include <functional>

#include "common/WinText.h"
#include "settings/MemoryRegistry.h"
#include "settings/OptionsForm.h"
#include "support/FakeDialogs.h"
#include "support/RecordingPorts.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using lumbrix::testing::FakeDialogs;
using lumbrix::testing::MemoryRegistry;
using lumbrix::testing::RecordingHelp;

constexpr SystemColors kSystem{0xEEEEEE, 0x111111, 0xCCCCCC};

class OptionsFormTest : public ::testing::Test {
 protected:
  OptionsFormTest() { dialog.System = kSystem; }
  // A record that differs from the defaults in every field.
  static Settings custom() {
    Settings s;
    s.UUL = true, s.PSN = true, s.HAVS = false, s.TS = 7, s.USER = "Иван"_w;
    s.NSF = false, s.NTF = false, s.NHF = false, s.NCF = true, s.FMK = 1, s.AM = true;
    s.FDB = false, s.UT = false, s.FT = false, s.DT = 3, s.USC = false;
    s.CEBColor = 0x102030, s.CETColor = 0x405060, s.TBA = 2, s.UDF = false;
    s.CEFontFace = "Arial", s.CEFontSize = 14, s.UUK = true, s.UUD = true;
    s.UK = "ключи"_w, s.UD = "описание"_w, s.UUN = false, s.DC = 2, s.PC = "Редактор"_w;
    s.DHTMLET = 1, s.UDHETWJS = false, s.UDHETWJSA = true, s.SO = true;
    return s;
  }

  FakeDialogs dialogs;
  RecordingHelp help;
  TOptionsDialog dialog{dialogs, help};
};

// Showing and confirming without touching a control gives back the same record, for the
// defaults and for a record that differs from them everywhere.
TEST_F(OptionsFormTest, ShowThenConfirmKeepsEveryField) {
  for (const Settings& original : {Settings{}, custom()}) {
    dialog.FormShow(original);
    Settings out;
    out.TS = 99, out.USER = "x", out.PC = "y";
    // Fields that Confirm leaves alone under the system colours must already match.
    out.CEBColor = original.CEBColor, out.CETColor = original.CETColor;
    dialog.CopyToSettings(out);
    EXPECT_EQ(out, original);
    EXPECT_FALSE(dialog.RestyleNeeded());
  }
}

TEST_F(OptionsFormTest, ShowPutsValuesTheListsCannotShowAsNoItemAndClampsTheSpin) {
  struct Case {
    const char* what;
    std::function<void(Settings&)> set;
    std::function<int(const TOptionsDialog&)> shown;
    int expected;
  };
  const Case cases[] = {
      {"FMK 2", [](Settings& s) { s.FMK = 2; }, [](auto& d) { return d.RadioGroupFMK; }, -1},
      {"FMK -3", [](Settings& s) { s.FMK = -3; }, [](auto& d) { return d.RadioGroupFMK; }, -1},
      {"DT 4", [](Settings& s) { s.DT = 4; }, [](auto& d) { return d.HTMLVersion; }, -1},
      {"TBA 3", [](Settings& s) { s.TBA = 3; }, [](auto& d) { return d.ToolbarAlign; }, 3},
      {"TBA 4", [](Settings& s) { s.TBA = 4; }, [](auto& d) { return d.ToolbarAlign; }, -1},
      {"DC 3", [](Settings& s) { s.DC = 3; }, [](auto& d) { return d.DocCaption; }, -1},
      {"DHTMLET 2", [](Settings& s) { s.DHTMLET = 2; }, [](auto& d) { return d.DHTMLET; }, 2},
      {"DHTMLET 3", [](Settings& s) { s.DHTMLET = 3; }, [](auto& d) { return d.DHTMLET; }, -1},
      {"TS 250", [](Settings& s) { s.TS = 250; }, [](auto& d) { return d.UpDownTS; }, 100},
      {"TS -1", [](Settings& s) { s.TS = -1; }, [](auto& d) { return d.UpDownTS; }, 0},
  };
  for (const Case& c : cases) {
    Settings s;
    c.set(s);
    dialog.FormShow(s);
    EXPECT_EQ(c.shown(dialog), c.expected) << c.what;
  }
  EXPECT_EQ(dialog.EditTS, "0");
}

TEST_F(OptionsFormTest, RefreshDerivesEnablingSwatchesAndSample) {
  Settings s = custom();
  dialog.FormShow(s);
  // Own colours and font.
  EXPECT_TRUE(dialog.ColorsEnabled);
  EXPECT_EQ(dialog.CEBColorShape, 0x102030u);
  EXPECT_EQ(dialog.CETColorShape, 0x405060u);
  EXPECT_TRUE(dialog.FontEnabled);
  EXPECT_EQ(dialog.CEFontFaceEdit, "Arial");
  EXPECT_EQ(dialog.CEFontSizeEdit, "14");
  EXPECT_EQ((std::tuple{dialog.FontExample.face, dialog.FontExample.size,
                        dialog.FontExample.background, dialog.FontExample.text}),
            (std::tuple{std::string("Arial"), 14, 0x102030u, 0x405060u}));
  EXPECT_TRUE(dialog.EditUKEnabled);
  EXPECT_EQ(dialog.EditUKColor, kSystem.window);
  EXPECT_FALSE(dialog.EditUSEREnabled);
  EXPECT_FALSE(dialog.CheckBoxUDHETWJSAEnabled);

  // System colours, default font, the texts switched off.
  dialog.CheckBoxUSC = true;
  dialog.CheckBoxUSCClick();
  dialog.CheckBoxUDF = true;
  dialog.CheckBoxUDFClick();
  dialog.CheckBoxUUK = false;
  dialog.CheckBoxUUKClick();
  dialog.CheckBoxUUN = true;
  dialog.CheckBoxUUNClick();
  dialog.CheckBoxUDHETWJS = true;
  dialog.CheckBoxUDHETWJSClick();
  EXPECT_FALSE(dialog.ColorsEnabled);
  EXPECT_EQ(dialog.CEBColorShape, kSystem.window);
  EXPECT_EQ(dialog.CETColorShape, kSystem.windowText);
  EXPECT_FALSE(dialog.FontEnabled);
  EXPECT_EQ(dialog.CEFontFaceEdit, "");
  EXPECT_EQ(dialog.CEFontSizeEdit, "");
  // The sample takes size 10 and keeps the face it last had.
  EXPECT_EQ((std::tuple{dialog.FontExample.face, dialog.FontExample.size,
                        dialog.FontExample.background, dialog.FontExample.text}),
            (std::tuple{std::string("Arial"), 10, kSystem.window, kSystem.windowText}));
  EXPECT_FALSE(dialog.EditUKEnabled);
  EXPECT_EQ(dialog.EditUKColor, kSystem.buttonFace);
  EXPECT_TRUE(dialog.EditUDEnabled);
  EXPECT_TRUE(dialog.EditUSEREnabled);
  EXPECT_TRUE(dialog.CheckBoxUDHETWJSAEnabled);
  // The working values survive the system colours and the default font.
  EXPECT_EQ(dialog.WorkBackground, 0x102030u);
  EXPECT_EQ(dialog.WorkFontFace, "Arial");
}

TEST_F(OptionsFormTest, ToolBarEnablingFollowsOnlyClicksOnShow) {
  Settings s;
  s.UT = false;
  dialog.FormShow(s);
  EXPECT_TRUE(dialog.CheckBoxFTEnabled);
  dialog.CheckBoxUTClick();
  EXPECT_FALSE(dialog.CheckBoxFTEnabled);
  EXPECT_FALSE(dialog.ToolbarAlignEnabled);
  dialog.FormShow(Settings{});
  EXPECT_FALSE(dialog.CheckBoxFTEnabled);
  dialog.CheckBoxUT = true;
  dialog.CheckBoxUTClick();
  EXPECT_TRUE(dialog.CheckBoxFTEnabled);
  EXPECT_TRUE(dialog.ToolbarAlignEnabled);
}

TEST_F(OptionsFormTest, ChoosersOpenOnlyWhenEnabledAndTakeWhatWasChosen) {
  Settings s = custom();
  dialog.FormShow(s);
  dialogs.colorAnswers = {0x0000FF, std::nullopt, 0x00FF00};
  dialog.CEBColorShapeMouseUp();
  dialog.CETColorShapeMouseUp();  // cancelled
  dialog.CETColorShapeMouseUp();
  EXPECT_EQ(dialogs.colorRequests, (std::vector<std::uint32_t>{0x102030, 0x405060, 0x405060}));
  EXPECT_EQ(dialog.CEBColorShape, 0x0000FFu);
  EXPECT_EQ(dialog.CETColorShape, 0x00FF00u);
  EXPECT_EQ(dialog.FontExample.background, 0x0000FFu);

  FontChoice chosen;
  chosen.face = "Times New Roman";
  chosen.size = 20;
  dialogs.fontAnswers = {chosen};
  dialog.FontSelectButtonClick();
  ASSERT_EQ(dialogs.fontRequests.size(), 1u);
  EXPECT_EQ(dialogs.fontRequests[0].face, "Arial");
  EXPECT_EQ(dialogs.fontRequests[0].size, 14);
  EXPECT_EQ(dialog.CEFontFaceEdit, "Times New Roman");
  EXPECT_EQ(dialog.CEFontSizeEdit, "20");

  dialog.CheckBoxUSC = dialog.CheckBoxUDF = true;
  dialog.Refresh();
  dialog.CEBColorShapeMouseUp();
  dialog.FontSelectButtonClick();
  EXPECT_EQ(dialogs.colorRequests.size(), 3u);
  EXPECT_EQ(dialogs.fontRequests.size(), 1u);
}

TEST_F(OptionsFormTest, ConfirmStoresWhatTheDialogRules) {
  Settings s = custom();
  dialog.FormShow(s);
  dialogs.colorAnswers = {0x0000FF};
  dialog.CEBColorShapeMouseUp();
  FontChoice chosen;
  chosen.face = "Verdana";
  chosen.size = 12;
  dialogs.fontAnswers = {chosen};
  dialog.FontSelectButtonClick();
  // Then both switched back to the system's look.
  dialog.CheckBoxUSC = dialog.CheckBoxUDF = true;
  dialog.RadioGroupFMK = -1;
  dialog.UpDownTSChange(100);
  dialog.CopyToSettings(s);
  // Colours chosen under the system colours are dropped; the font is kept.
  EXPECT_EQ(s.CEBColor, 0x102030);
  EXPECT_EQ(s.CETColor, 0x405060);
  EXPECT_EQ(s.CEFontFace, "Verdana");
  EXPECT_EQ(s.CEFontSize, 12);
  EXPECT_TRUE(s.USC);
  EXPECT_TRUE(s.UDF);
  EXPECT_EQ(s.FMK, -1);
  EXPECT_EQ(s.TS, 100);
}

TEST_F(OptionsFormTest, RestyleFollowsTheSnapshot) {
  struct Case {
    const char* what;
    Settings shown;
    std::function<void(TOptionsDialog&)> change;
    bool restyle;
  };
  const Settings own = custom();
  const auto chooseBackground = [this](TOptionsDialog& d) {
    dialogs.colorAnswers = {0x123456};
    d.CEBColorShapeMouseUp();
  };
  const Case cases[] = {
      {"nothing changed", own, [](TOptionsDialog&) {}, false},
      {"DC alone", own, [](TOptionsDialog& d) { d.DocCaption = 0; }, false},
      {"tab size, user, caption", own,
       [](TOptionsDialog& d) {
         d.UpDownTSChange(4);
         d.EditUSER = "Пётр"_w;
         d.ProgCaption = "P";
       },
       false},
      {"system colours on", own, [](TOptionsDialog& d) { d.CheckBoxUSC = true; }, true},
      {"default font on", own, [](TOptionsDialog& d) { d.CheckBoxUDF = true; }, true},
      {"highlighting off", own, [](TOptionsDialog& d) { d.CheckBoxSO = false; }, true},
      {"highlighting on", Settings{}, [](TOptionsDialog& d) { d.CheckBoxSO = true; }, true},
      {"background", own, chooseBackground, true},
      {"background, system colours", Settings{},
       [&](TOptionsDialog& d) {
         d.CheckBoxUSC = false;
         d.Refresh();
         chooseBackground(d);
         d.CheckBoxUSC = true;
         d.Refresh();
       },
       false},
      {"font size", own, [](TOptionsDialog& d) { d.WorkFontSize = 9; }, true},
      {"font face, default font", Settings{}, [](TOptionsDialog& d) { d.WorkFontFace = "Arial"; },
       false},
  };
  for (const Case& c : cases) {
    dialog.FormShow(c.shown);
    c.change(dialog);
    dialog.Refresh();
    EXPECT_EQ(dialog.RestyleNeeded(), c.restyle) << c.what;
  }
}

TEST_F(OptionsFormTest, ConfirmSavesAtOnceAndKeepsTheRecordWhenTheSaveFails) {
  MemoryRegistry registry;
  Settings s;
  dialog.FormShow(s);
  dialog.EditUSER = "Автор"_w;
  dialog.CheckBoxSO = true;
  EXPECT_TRUE(dialog.OKButtonClick(s, registry));
  EXPECT_EQ(registry.written.size(), 33u);
  EXPECT_EQ(std::get<std::string>(registry.values["USER"]), std::string("Автор"_w));
  EXPECT_EQ(std::get<std::int32_t>(registry.values["SO"]), 1);
  EXPECT_TRUE(dialogs.messages.empty());

  MemoryRegistry broken;
  broken.failWriteOf = "TS";
  dialog.FormShow(s);
  dialog.UpDownTSChange(8);
  EXPECT_FALSE(dialog.OKButtonClick(s, broken));
  EXPECT_EQ(s.TS, 8);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].caption, std::string("Ошибка при записи в реестр"_w));
}

}  // namespace
}  // namespace lumbrix
