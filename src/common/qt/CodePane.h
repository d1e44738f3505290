// The code pane: a QsciScintilla in UTF-8 mode, without a lexer, behind the TextPane port.
// Core positions (characters, CR and LF one each) map to Scintilla byte positions through the
// line character index; the text stays in the buffer byte for byte (CR LF, lone CR, lone LF and
// zero bytes included).
#pragma once

#include <Qsci/qsciscintilla.h>

#include <QObject>
#include <QPointer>

class QKeyEvent;
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

#include "common/Platform.h"

namespace lumbrix {

class CodePane : public QObject, public TextPane {
  Q_OBJECT

 public:
  // The widget is created with `parent`; without one, the pane owns it.
  explicit CodePane(QWidget* parent = nullptr);
  ~CodePane() override;

  QsciScintilla* widget() const { return edit_; }

  std::string Text() const override;
  void SetText(const std::string& text) override;
  int TextLength() const override;
  std::string TextRange(int start, int length) const override;

  int SelStart() const override;
  int SelLength() const override;
  void SetSelection(int start, int length) override;
  void ReplaceSelection(const std::string& text) override;

  bool Modified() const override { return modified_; }
  void SetModified(bool modified) override;

  void Undo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;

  void SetWordWrap(bool on) override;
  void SetTextColor(int start, int length, std::uint32_t color) override;
  void SetTextColors(int start, const std::vector<TextColorRun>& runs) override;

  void SetVisible(bool visible) override;
  bool IsVisible() const override;
  void SetFocus() override;

  // Sets the font of the text, the coloured runs included.
  void setFont(const QFont& font);

  // Whether the document takes character references: then a character that Windows-1251 lacks,
  // typed, pasted or dropped, goes in as "&#N;"; otherwise it is left out and the user is told.
  void setTakesReferences(bool on);
  bool takesReferences() const;

  // Called for every key pressed in the widget before the widget acts on it, and for every key
  // released after. A key pressed again before its release was seen (autorepeat without
  // releases) is released first, so every press is a whole key.
  void setKeyHandlers(std::function<void(const QKeyEvent&)> down,
                      std::function<void(const QKeyEvent&)> up);

  // Core position <-> Scintilla byte position.
  long toBytes(int pos) const;
  int toChars(long bytePos) const;

 signals:
  // After every change of the text: at once for changes made through the port, on the next
  // turn of the event loop for those the user makes in the widget. QsciScintilla's own
  // textChanged() is silent while no screen reader is active (see the .cpp file).
  void textChanged();
  // The port's modified flag changed; QsciScintilla's isModified() is not that flag.
  void modificationChanged(bool modified);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  long send(unsigned msg, unsigned long wParam = 0, long lParam = 0) const;
  int charLength() const;
  int countChars(long fromByte, long toByte) const;
  void setModifiedFlag(bool modified);
  void onModified(int position, int modificationType, int length);
  // Scintilla's line character index, rebuilt when an edit may have joined or parted a CR and
  // an LF: Scintilla 3's index keeps the old count of such a line.
  void refreshIndex() const;
  void flushChange();
  void chooseModEvents();
  int styleFor(std::uint32_t color);
  void copyDefaultFont(int style) const;

  QPointer<QsciScintilla> edit_;
  bool ownsWidget_ = false;
  bool modified_ = false;
  bool settingText_ = false;
  bool changePending_ = false;
  mutable bool indexStale_ = false;
  std::unordered_map<std::uint32_t, int> styles_;
  int nextStyle_;
};

}  // namespace lumbrix
