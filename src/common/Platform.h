// Ports: what the logic core needs of the platform. Each is implemented by the window layer
// (and by the core where the standard library suffices) and by an in-memory fake for tests.
// Every text crossing a port is Windows-1251 with CR LF line breaks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumbrix {

// A run of characters of one colour; runs follow each other without gaps.
struct TextColorRun {
  int length;
  std::uint32_t color;  // 0x00BBGGRR
};

// One text control: the code pane or the plain-text pane. Positions are zero-based offsets in
// which CR LF counts as two characters.
class TextPane {
 public:
  virtual ~TextPane() = default;

  virtual std::string Text() const = 0;
  // Replaces the whole text; clears the undo history and leaves the modified flag as it was.
  virtual void SetText(const std::string& text) = 0;
  virtual int TextLength() const = 0;
  virtual std::string TextRange(int start, int length) const;

  virtual int SelStart() const = 0;
  virtual int SelLength() const = 0;
  virtual void SetSelection(int start, int length) = 0;
  virtual std::string SelText() const;
  // Replaces the selection as one undo step; the caret ends after the inserted text.
  virtual void ReplaceSelection(const std::string& text) = 0;

  virtual bool Modified() const = 0;
  virtual void SetModified(bool modified) = 0;

  virtual void Undo() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;
  virtual void SelectAll() { SetSelection(0, TextLength()); }

  // Forward search from `start` over `length` characters (to the end when length < 0).
  // Case-insensitive in Windows-1251 unless matchCase. Returns the position or -1.
  virtual int Find(const std::string& what, int start, int length, bool matchCase = false,
                   bool wholeWord = false) const;

  virtual void SetWordWrap(bool on) = 0;
  // Colours a range of text. Never an undo step, never marks the text modified.
  virtual void SetTextColor(int start, int length, std::uint32_t color) = 0;
  // Colours consecutive runs from `start`: the same as one SetTextColor per run.
  virtual void SetTextColors(int start, const std::vector<TextColorRun>& runs);

  virtual void SetVisible(bool visible) = 0;
  virtual bool IsVisible() const = 0;
  virtual void SetFocus() = 0;
};

enum class MsgIcon { None, Stop, Exclamation, Question, Information };
// YesNoNoFirst: "Да" and "Нет" with "Нет" the default button, for a question whose safe answer
// is no.
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, YesNoNoFirst };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// A file dialog's request. Filters are "caption|pattern;pattern", indexes start at 1
// (0: no preselection, the dialog shows the first filter).
struct FileDialogRequest {
  std::string title;
  std::vector<std::string> filters;
  int filterIndex = 0;
  std::string defaultExt;
  // The default extension that each filter gives when the user switches to it ("" for none),
  // one per filter; empty when the default extension does not follow the filter.
  std::vector<std::string> filterExts;
  std::string initialName;
  bool multiSelect = false;
  bool overwritePrompt = false;
  bool pathMustExist = false;
  bool fileMustExist = false;
};

struct FileDialogResult {
  std::vector<std::string> names;  // full paths, Windows-1251
  int filterIndex = 0;
};

struct FontChoice {
  std::string face;
  int size = 10;
  bool bold = false;
  bool italic = false;
  std::uint32_t color = 0;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual MsgAnswer MessageBox(const std::string& text, const std::string& caption, MsgIcon icon,
                               MsgButtons buttons) = 0;
  virtual std::optional<FileDialogResult> OpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<FileDialogResult> SaveFile(const FileDialogRequest& request) = 0;
  // Colours in the layout 0x00BBGGRR.
  virtual std::optional<std::uint32_t> ChooseColor(std::uint32_t initial) = 0;
  virtual std::optional<FontChoice> ChooseFont(const FontChoice& initial) = 0;
};

// Opens a file or an address with the program registered for it.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual bool Open(const std::string& target) = 0;
};

class Help {
 public:
  virtual ~Help() = default;
  virtual void ShowContents() = 0;
  virtual void ShowTopic(int context) = 0;
};

// A per-user registry key: Software\Orvane\lmbx under the current user.
// Reads report false when the value cannot be read or has the other kind.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual bool KeyExists(const std::string& key) = 0;
  virtual bool OpenKey(const std::string& key, bool canCreate) = 0;
  virtual bool ValueExists(const std::string& name) = 0;
  virtual bool ReadInteger(const std::string& name, std::int32_t& value) = 0;
  virtual bool ReadString(const std::string& name, std::string& value) = 0;
  virtual bool WriteInteger(const std::string& name, std::int32_t value) = 0;
  virtual bool WriteString(const std::string& name, const std::string& value) = 0;
  // Ends the work on the key. Returns false when what was written could not be stored.
  virtual bool CloseKey() = 0;
};

class Fonts {
 public:
  virtual ~Fonts() = default;
  // Installed font families: those with Cyrillic first, then the symbol ones.
  virtual std::vector<std::string> Families() = 0;
};

}  // namespace lumbrix
