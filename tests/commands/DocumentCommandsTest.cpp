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

}  // namespace
}  // namespace lumbrix
