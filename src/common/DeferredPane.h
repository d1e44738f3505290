// A text pane that is built when first needed. Until then it is what a newly built pane is:
// empty, unmodified, nothing selected; questions are answered from that, and setting the empty
// text or clearing the modified flag changes nothing. Anything else builds the real pane once
// and goes to it from then on. A window uses it for a pane the user may never look at.
#pragma once

#include <functional>
#include <string>

#include "common/Platform.h"

namespace lumbrix {

class DeferredPane : public TextPane {
 public:
  // `build` makes the real pane on first need; the pane must live as long as this one.
  explicit DeferredPane(std::function<TextPane&()> build) : build_(std::move(build)) {}

  bool IsBuilt() const { return pane_ != nullptr; }
  TextPane& Built() const;

  std::string Text() const override;
  void SetText(const std::string& text) override;
  int TextLength() const override;
  std::string TextRange(int start, int length) const override;

  int SelStart() const override;
  int SelLength() const override;
  void SetSelection(int start, int length) override;
  std::string SelText() const override;
  void ReplaceSelection(const std::string& text) override;

  bool Modified() const override;
  void SetModified(bool modified) override;

  void Undo() override { Built().Undo(); }
  void Cut() override { Built().Cut(); }
  void Copy() override { Built().Copy(); }
  void Paste() override { Built().Paste(); }
  void SelectAll() override { Built().SelectAll(); }

  int Find(const std::string& what, int start, int length, bool matchCase,
           bool wholeWord) const override;

  void SetWordWrap(bool on) override { Built().SetWordWrap(on); }
  void SetTextColor(int start, int length, std::uint32_t color) override;

  void SetVisible(bool visible) override { Built().SetVisible(visible); }
  bool IsVisible() const override { return Built().IsVisible(); }
  void SetFocus() override { Built().SetFocus(); }

 private:
  std::function<TextPane&()> build_;
  mutable TextPane* pane_ = nullptr;
};

}  // namespace lumbrix
