#include <gtest/gtest.h>

#include "commands/DocumentCommands.h"
#include "common/MemoryPane.h"
#include "document/EditForm.h"
#include "settings/Settings.h"
#include "support/FakeDialogs.h"

namespace lumbrix {
namespace {

TEST(EditFormCommands, CommentingAndTagCommandsRunAndTheConversionWaits) {
  Settings settings;
  testing::FakeDialogs dialogs;
  MemoryPane code, plain;
  TEditForm form(settings, dialogs, code, plain);
  code.SetText("<p>");
  code.SetSelection(0, 3);
  EXPECT_TRUE(RunEditFormCommand(form, settings, dialogs, "CommentSel"));
  EXPECT_EQ(code.Text(), "<!--<p>-->");
  EXPECT_FALSE(EditFormCommandAvailable("InsLumbrix"));
  EXPECT_FALSE(RunEditFormCommand(form, settings, dialogs, "InsLumbrix"));
  EXPECT_FALSE(RunEditFormCommand(form, settings, dialogs, "NoSuchCommand"));
}

TEST(EditFormCommands, FontPanelButtonsAndCssItemsRun) {
  Settings settings;
  testing::FakeDialogs dialogs;
  MemoryPane code, plain;
  TEditForm form(settings, dialogs, code, plain);
  code.SetText("x");
  code.SetSelection(0, 1);
  form.Font.CheckBox1 = form.Font.CheckBox3 = false;
  EXPECT_TRUE(RunEditFormCommand(form, settings, dialogs, "ApplyFontClick"));
  EXPECT_EQ(code.Text(), "<font size=\"px\">x</font>");
  code.SetSelection(0, 0);
  EXPECT_TRUE(RunEditFormCommand(form, settings, dialogs, "ApplyCssClick"));
  EXPECT_TRUE(RunEditFormCommand(form, settings, dialogs, "zindex1Click"));
  EXPECT_EQ(code.Text(),
            "font-family:; font-size:px; color:#000000;z-index:;<font size=\"px\">x</font>");
}

}  // namespace
}  // namespace lumbrix
