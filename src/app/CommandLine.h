// The program's command line before any window exists: "--help" and "--version" are answered on
// the terminal, "--" ends the options, and every other argument is a file to open (wild cards
// allowed) or an option of the window system, which takes its own out (-platform, -style...).
#pragma once

#include <string>
#include <vector>

namespace lumbrix {

enum class CommandLineAction { Open, Help, Version };

struct CommandLine {
  CommandLineAction action = CommandLineAction::Open;
  // The arguments before "--" that are not the program's own options: file names, and the
  // window system's options, which it takes out before the files are opened.
  std::vector<std::string> leading;
  // The arguments after "--": file names only, whatever they look like.
  std::vector<std::string> trailing;
};

// Reads the arguments (the program's name not among them). The first of "--help", "-h",
// "--version" and "-V" before "--" decides the action; any other argument that starts with "-",
// "-test" included, is left to the file rules like every other name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What "--help" and "--version" print, in UTF-8 with LF line ends.
std::string CommandLineHelp();
std::string CommandLineVersion();

}  // namespace lumbrix
