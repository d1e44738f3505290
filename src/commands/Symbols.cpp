#include "commands/Symbols.h"

namespace lumbrix {

namespace {

// Windows-1251 codes: ‘ 145, ’ 146, “ 147, ” 148, « 171, » 187, ± 177, ° 176, § 167, ‰ 137,
// ™ 153, — 151, – 150, © 169, ® 174.
constexpr SymbolCommand kSymbols[] = {
    {"N20Click", 145, 0},
    {"N21Click", 146, 0},
    {"N35Click", 145, 146},
    {"N23Click", 147, 0},
    {"N22Click", 148, 0},
    {"N33Click", 147, 148},
    {"N29Click", 171, 0},
    {"N30Click", 187, 0},
    {"N34Click", 171, 187},
    {"N24Click", 177, 0},
    {"N25Click", 176, 0},
    {"N26Click", 167, 0},
    {"N27Click", 137, 0},
    {"N28Click", 153, 0},
    {"N31Click", 151, 0},
    {"N46Click", 150, 0},
    {"N47Click", 169, 0},
    {"N48Click", 174, 0},
    // "&Две кавычки" of the Edit menu does what "но&рм. обе" does.
    {"N41Click", 171, 187},
};

}  // namespace

std::span<const SymbolCommand> SymbolCommands() {
  return kSymbols;
}

const SymbolCommand* FindSymbolCommand(std::string_view handler) {
  for (const SymbolCommand& s : kSymbols)
    if (s.handler == handler) return &s;
  return nullptr;
}

}  // namespace lumbrix
