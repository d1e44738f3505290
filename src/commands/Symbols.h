// The characters of the symbol menu ("С&имволы"), shared by the frame's menu and the document
// window's special-character commands.
#pragma once

#include <span>
#include <string_view>

namespace lumbrix {

// The characters of the symbol menu: one character, or a pair that wraps the selection.
struct SymbolCommand {
  std::string_view handler;
  unsigned char open;
  unsigned char close;  // 0: a single character
};

std::span<const SymbolCommand> SymbolCommands();
const SymbolCommand* FindSymbolCommand(std::string_view handler);

}  // namespace lumbrix
