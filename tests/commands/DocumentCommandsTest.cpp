#include <gtest/gtest.h>

#include "commands/DocumentCommands.h"
#include "commands/FontCommands.h"
#include "common/MemoryPane.h"
#include "document/EditForm.h"
#include "settings/Settings.h"
#include "support/FakeDialogs.h"

namespace lumbrix {
namespace {

struct Dispatch {
  Settings settings;
  testing::FakeDialogs dialogs;
  ColourDialogState colours;
  MemoryPane code, plain;
  TEditForm form{settings, dialogs, code, plain};
  bool run(std::string_view handler) {
    return RunEditFormCommand(form, settings, dialogs, colours, handler);
  }
};

// Every kind of command the document window's buttons and menus name reaches its code.
TEST(EditFormCommands, EveryKindOfHandlerRunsOnTheCodePane) {
  struct Case {
    const char* handler;
    const char* text;  // all selected before the command
    const char* expected;
  };
  const Case cases[] = {
      {"CommentSel", "<p>", "<!--<p>-->"},
      {"SetBold", "x", "<b>x</b>"},
      {"ApplyFontClick", "x", "<font face=\"\" size=\"px\" color=\"#000000\">x</font>"},
      {"ApplyCssClick", "x", "font-family:; font-size:px; color:#000000;x"},
      {"zindex1Click", "x", "z-index:;"},
      {"InsLumbrix", "x", "a&lt;b</p>\r\n"},
  };
  for (const Case& c : cases) {
    Dispatch d;
    d.plain.SetText("a<b");
    d.code.SetText(c.text);
    d.code.SetSelection(0, d.code.TextLength());
    EXPECT_TRUE(d.run(c.handler)) << c.handler;
    EXPECT_EQ(d.code.Text(), c.expected) << c.handler;
  }
  Dispatch d;
  EXPECT_FALSE(d.run("NoSuchCommand"));
}

// The colour buttons and the swatch share the frame's one dialog: each opens it with the colour
// chosen last, wherever that was.
TEST(EditFormCommands, ColourCommandsShareOneDialog) {
  Dispatch d;
  d.dialogs.colorAnswers = {0x0000FF, 0x8000, 0xFF0000};
  EXPECT_TRUE(d.run("SpeedButton9Click"));
  EXPECT_TRUE(d.run("SpeedButton10Click"));
  EXPECT_TRUE(d.run("FontColorMouseUp"));
  EXPECT_EQ(d.code.Text(), "#ff0000008000");
  EXPECT_EQ(d.form.Font.FontColor, 0xFF0000u);
  EXPECT_EQ(d.dialogs.colorRequests, (std::vector<std::uint32_t>{0, 0x0000FF, 0x8000}));
  // A cancelled dialog changes nothing.
  EXPECT_TRUE(d.run("SpeedButton9Click"));
  EXPECT_EQ(d.code.Text(), "#ff0000008000");
}

}  // namespace
}  // namespace lumbrix
