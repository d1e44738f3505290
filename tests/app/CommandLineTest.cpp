#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"

namespace lumbrix {
namespace {

using Args = std::vector<std::string>;

struct Case {
  const char* what;
  Args arguments;
  CommandLineAction action;
  Args leading;
  Args trailing;
};

TEST(CommandLine, OptionsFilesAndTheEndOfOptions) {
  using enum CommandLineAction;
  const Case cases[] = {
      {"nothing opens nothing", {}, Open, {}, {}},
      {"files in order", {"a.htm", "b*.css"}, Open, {"a.htm", "b*.css"}, {}},
      {"help", {"--help"}, Help, {}, {}},
      {"short help", {"-h"}, Help, {}, {}},
      {"version", {"--version"}, Version, {}, {}},
      {"short version", {"-V"}, Version, {}, {}},
      {"the first option decides", {"--version", "--help"}, Version, {}, {}},
      {"an option among files", {"a.htm", "--help"}, Help, {"a.htm"}, {}},
      {"after -- an option is a file", {"--", "--help"}, Open, {}, {"--help"}},
      {"only the first -- ends the options", {"a", "--", "--", "-V"}, Open, {"a"}, {"--", "-V"}},
      {"unknown options are left as names", {"-x", "-test", "--helpme"}, Open,
       {"-x", "-test", "--helpme"}, {}},
      {"the window system's options stay before --", {"-platform", "offscreen", "--", "-style"},
       Open, {"-platform", "offscreen"}, {"-style"}},
      {"options match exactly", {"--HELP", "-v", "-help"}, Open, {"--HELP", "-v", "-help"}, {}},
      {"a lone dash is a name", {"-"}, Open, {"-"}, {}},
  };
  for (const Case& c : cases) {
    const CommandLine line = ParseCommandLine(c.arguments);
    EXPECT_EQ(line.action, c.action) << c.what;
    EXPECT_EQ(line.leading, c.leading) << c.what;
    EXPECT_EQ(line.trailing, c.trailing) << c.what;
  }
}

TEST(CommandLine, HelpNamesEveryOptionInUtf8AndTheVersionIsTheProgramsOwn) {
  const std::string help = CommandLineHelp();
  for (const char* option : {"--help", "--version", "-h", "-V", " -- ", "Orvane/lmbx.reg",
                             "lumbrix/templates", "Использование: lumbrix"})
    EXPECT_NE(help.find(option), std::string::npos) << option;
  EXPECT_EQ(help.find('\r'), std::string::npos);
  EXPECT_EQ(CommandLineVersion(), "Lumbrix " LUMBRIX_PROJECT_VERSION "\n");
}

}  // namespace
}  // namespace lumbrix
