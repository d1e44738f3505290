// The in-memory text pane that tests and headless code use in place of a window's control.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/Platform.h"

namespace lumbrix {

class MemoryPane : public TextPane {
 public:
  struct ColorRun {
    int start;
    int length;
    std::uint32_t color;
  };

  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override;
  int TextLength() const override { return static_cast<int>(text_.size()); }
  std::string TextRange(int start, int length) const override;

  int SelStart() const override { return selStart_; }
  int SelLength() const override { return selLength_; }
  void SetSelection(int start, int length) override;
  void ReplaceSelection(const std::string& text) override;

  bool Modified() const override { return modified_; }
  void SetModified(bool modified) override { modified_ = modified; }

  void Undo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;

  int Find(const std::string& what, int start, int length, bool matchCase,
           bool wholeWord) const override;

  void SetWordWrap(bool on) override { wordWrap_ = on; }
  void SetTextColor(int start, int length, std::uint32_t color) override;
  void SetVisible(bool visible) override { visible_ = visible; }
  bool IsVisible() const override { return visible_; }
  void SetFocus() override { ++focusCount_; }

  // What tests look at.
  bool WordWrap() const { return wordWrap_; }
  int FocusCount() const { return focusCount_; }
  const std::vector<ColorRun>& ColorRuns() const { return colors_; }
  std::size_t UndoDepth() const { return undo_.size(); }
  static std::string& Clipboard();

 private:
  struct Snapshot {
    std::string text;
    int selStart;
    int selLength;
  };
  void pushUndo();

  std::string text_;
  int selStart_ = 0;
  int selLength_ = 0;
  bool modified_ = false;
  bool wordWrap_ = false;
  bool visible_ = true;
  int focusCount_ = 0;
  std::vector<Snapshot> undo_;
  std::vector<ColorRun> colors_;
};

}  // namespace lumbrix
