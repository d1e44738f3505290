// Keyboard assistance in the code pane. The pane applies every key first; what key-down works
// out, key-up applies to the pane's result: Enter keeps the indentation, Tab becomes spaces,
// Backspace in the leading spaces goes back to an earlier line's indentation, Home lands after
// the leading spaces, Shift+Enter inserts a break tag, Esc closes the window (or the find
// dialog). Indentation is spaces only; tabs are never produced and never counted.
#pragma once

#include <string_view>

namespace lumbrix {

class TEditForm;
class TextPane;
struct Settings;

// Virtual-key codes of the keys the assistance acts on.
enum AssistKey : int {
  kVkBack = 8,
  kVkTab = 9,
  kVkReturn = 13,
  kVkEscape = 27,
  kVkHome = 36,
};

// Modifier bits of a key event.
enum KeyShift : unsigned {
  kShiftHeld = 1,
  kAltHeld = 2,
  kCtrlHeld = 4,
};

void CodeEditorKeyDown(TEditForm& form, const Settings& settings, int key, unsigned shift);
void CodeEditorKeyUp(TEditForm& form, const Settings& settings, int key, unsigned shift);

// Does a character other than a space stand between the start of pos's line and pos?
bool LineHasTextBefore(std::string_view text, int pos);
bool LineHasTextBefore(const TextPane& code, int pos);

// How many characters Backspace at pos removes in all: back to the indentation of the nearest
// line above indented less than the caret (looking at most 2000 characters back).
int UnindentAmount(std::string_view text, int pos);
int UnindentAmount(const TextPane& code, int pos);

// The first position at or after pos whose character is not a space (the text length if none).
int SkipSpaces(std::string_view text, int pos);
int SkipSpaces(const TextPane& code, int pos);

}  // namespace lumbrix
