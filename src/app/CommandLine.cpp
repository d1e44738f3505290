#include "app/CommandLine.h"

#include "common/CodePage.h"
#include "common/Version.h"
#include "common/WinText.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

constexpr std::string_view kEndOfOptions = "--";

bool isHelp(const std::string& a) {
  return a == "--help" || a == "-h";
}

bool isVersion(const std::string& a) {
  return a == "--version" || a == "-V";
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool options = true;
  for (const std::string& a : arguments) {
    if (!options) {
      line.trailing.push_back(a);
    } else if (a == kEndOfOptions) {
      options = false;
    } else if (isHelp(a) || isVersion(a)) {
      if (line.action == CommandLineAction::Open)
        line.action = isHelp(a) ? CommandLineAction::Help : CommandLineAction::Version;
    } else {
      line.leading.push_back(a);
    }
  }
  return line;
}

std::string CommandLineHelp() {
  return WinToUtf8(
      "Использование: lumbrix [ПАРАМЕТР]... [--] [ФАЙЛ]...\n"
      "Редактор веб-страниц, которые пишут вручную.\n"
      "\n"
      "Каждый ФАЙЛ открывается в своём окне; шаблоны * и ? открывают все подходящие файлы.\n"
      "\n"
      "  -h, --help     показать эту справку и выйти\n"
      "  -V, --version  показать версию и выйти\n"
      "  --             дальше только имена файлов, даже начинающиеся с \"-\"\n"
      "\n"
      "Параметры окон Qt (-platform, -style, -reverse...) принимаются до \"--\".\n"
      "Настройки: $XDG_CONFIG_HOME/Orvane/lmbx.reg (обычно ~/.config/Orvane/lmbx.reg).\n"
      "Свои шаблоны: $XDG_DATA_HOME/lumbrix/templates (обычно ~/.local/share/lumbrix/templates).\n"
      "Подробнее: man lumbrix.\n"_w);
}

std::string CommandLineVersion() {
  return "Lumbrix " + std::string(kProgramVersion) + "\n";
}

}  // namespace lumbrix
