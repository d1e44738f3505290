#include "common/DeferredPane.h"

namespace lumbrix {

TextPane& DeferredPane::Built() const {
  if (!pane_) pane_ = &build_();
  return *pane_;
}

std::string DeferredPane::Text() const {
  return pane_ ? pane_->Text() : std::string();
}

void DeferredPane::SetText(const std::string& text) {
  if (pane_ || !text.empty()) Built().SetText(text);
}

int DeferredPane::TextLength() const {
  return pane_ ? pane_->TextLength() : 0;
}

std::string DeferredPane::TextRange(int start, int length) const {
  return pane_ ? pane_->TextRange(start, length) : std::string();
}

int DeferredPane::SelStart() const {
  return pane_ ? pane_->SelStart() : 0;
}

int DeferredPane::SelLength() const {
  return pane_ ? pane_->SelLength() : 0;
}

void DeferredPane::SetSelection(int start, int length) {
  Built().SetSelection(start, length);
}

std::string DeferredPane::SelText() const {
  return pane_ ? pane_->SelText() : std::string();
}

void DeferredPane::ReplaceSelection(const std::string& text) {
  Built().ReplaceSelection(text);
}

bool DeferredPane::Modified() const {
  return pane_ && pane_->Modified();
}

void DeferredPane::SetModified(bool modified) {
  if (pane_ || modified) Built().SetModified(modified);
}

int DeferredPane::Find(const std::string& what, int start, int length, bool matchCase,
                       bool wholeWord) const {
  return Built().Find(what, start, length, matchCase, wholeWord);
}

void DeferredPane::SetTextColor(int start, int length, std::uint32_t color) {
  Built().SetTextColor(start, length, color);
}

}  // namespace lumbrix
