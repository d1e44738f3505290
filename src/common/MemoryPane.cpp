#include "common/MemoryPane.h"

#include <algorithm>

#include "common/CaseMap.h"

namespace lumbrix {

std::string& MemoryPane::Clipboard() {
  static std::string clipboard;
  return clipboard;
}

void MemoryPane::SetText(const std::string& text) {
  text_ = text;
  selStart_ = 0;
  selLength_ = 0;
  undo_.clear();
  colors_.clear();
}

std::string MemoryPane::TextRange(int start, int length) const {
  const int n = TextLength();
  start = std::clamp(start, 0, n);
  length = std::clamp(length, 0, n - start);
  return text_.substr(start, length);
}

void MemoryPane::SetSelection(int start, int length) {
  const int n = TextLength();
  selStart_ = std::clamp(start, 0, n);
  selLength_ = std::clamp(length, 0, n - selStart_);
}

void MemoryPane::pushUndo() {
  undo_.push_back({text_, selStart_, selLength_});
}

void MemoryPane::ReplaceSelection(const std::string& text) {
  pushUndo();
  text_.replace(selStart_, selLength_, text);
  selStart_ += static_cast<int>(text.size());
  selLength_ = 0;
  modified_ = true;
}

void MemoryPane::Undo() {
  if (undo_.empty()) return;
  const Snapshot s = undo_.back();
  undo_.pop_back();
  text_ = s.text;
  selStart_ = s.selStart;
  selLength_ = s.selLength;
  modified_ = true;
}

void MemoryPane::Cut() {
  if (selLength_ == 0) return;
  Copy();
  ReplaceSelection("");
}

void MemoryPane::Copy() {
  if (selLength_ > 0) Clipboard() = SelText();
}

void MemoryPane::Paste() {
  ReplaceSelection(Clipboard());
}

int MemoryPane::Find(const std::string& what, int start, int length, bool matchCase,
                     bool wholeWord) const {
  return FindText(text_, what, start, length, matchCase, wholeWord);
}

void MemoryPane::SetTextColor(int start, int length, std::uint32_t color) {
  colors_.push_back({start, length, color});
}

}  // namespace lumbrix
