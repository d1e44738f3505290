// The plain-text pane: a QPlainTextEdit behind the TextPane port. The widget keeps paragraphs;
// the port sees CR LF between them, so a core position counts each paragraph break as two
// characters where the widget's cursor counts one. Text typed, pasted or dropped into it holds
// only what Windows-1251 has: other characters are left out and the user is told.
#pragma once

#include <QObject>
#include <QPlainTextEdit>
#include <QPointer>
#include <cstdint>
#include <string>

#include "common/Platform.h"

namespace lumbrix {

class PlainPane : public QObject, public TextPane {
  Q_OBJECT

 public:
  // The widget is created with `parent`; without one, the pane owns it.
  explicit PlainPane(QWidget* parent = nullptr);
  ~PlainPane() override;

  QPlainTextEdit* widget() const { return edit_; }

  std::string Text() const override;
  // CR LF, lone CR and lone LF all become paragraph breaks, which read back as CR LF.
  void SetText(const std::string& text) override;
  int TextLength() const override;

  int SelStart() const override;
  int SelLength() const override;
  void SetSelection(int start, int length) override;
  void ReplaceSelection(const std::string& text) override;

  bool Modified() const override;
  void SetModified(bool modified) override;

  void Undo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;

  void SetWordWrap(bool on) override;
  // Shown through the widget's extra selections: presentation only, so neither an undo step
  // nor a change of the modified flag.
  void SetTextColor(int start, int length, std::uint32_t color) override;

  void SetVisible(bool visible) override;
  bool IsVisible() const override;
  void SetFocus() override;

  // Core position <-> QTextCursor position. A core position between CR and LF maps to the end
  // of the paragraph.
  int toCursor(int pos) const;
  int toCore(int cursorPos) const;

 private:
  QPointer<QPlainTextEdit> edit_;
  bool ownsWidget_ = false;
};

}  // namespace lumbrix
