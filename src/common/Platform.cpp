#include "common/Platform.h"

#include <algorithm>

#include "common/CaseMap.h"

namespace lumbrix {

std::string TextPane::TextRange(int start, int length) const {
  const std::string text = Text();
  const int n = static_cast<int>(text.size());
  start = std::clamp(start, 0, n);
  length = std::clamp(length, 0, n - start);
  return text.substr(start, length);
}

void TextPane::SetTextColors(int start, const std::vector<TextColorRun>& runs) {
  for (const TextColorRun& run : runs) {
    SetTextColor(start, run.length, run.color);
    start += run.length;
  }
}

std::string TextPane::SelText() const {
  return TextRange(SelStart(), SelLength());
}

int TextPane::Find(const std::string& what, int start, int length, bool matchCase,
                   bool wholeWord) const {
  return FindText(Text(), what, start, length, matchCase, wholeWord);
}

}  // namespace lumbrix
