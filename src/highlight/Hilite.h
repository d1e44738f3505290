// The syntax highlighter: three table-driven rule sets (HTML, JavaScript, C/C++) and the pass
// that recolours the code pane in a window of 1500 characters on each side of the caret.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/Platform.h"

namespace lumbrix {

class TEditForm;
struct Settings;

inline constexpr int kHiliteMaxGroups = 10;
inline constexpr int kHiliteMaxWords = 55;
// How far a pass looks on each side of the caret.
inline constexpr int kHiliteReach = 1500;

enum HiliteMode { HiliteRegion = 0, HiliteWholeWord = 1 };

// Flag word of a style: bits 0-7 the class bits stamped on every matched character, bits 8-15
// the context mask (the group looks only at characters carrying one of them), bits 16-19 "mark
// only" (matches take the class bits but keep their colour).
inline constexpr std::uint32_t kHiliteOwnMask = 0xFF;
inline constexpr std::uint32_t kHiliteMarkOnlyMask = 0xF0000;

struct HiliteGroup {
  int WordCount = 0;
  std::vector<std::string> StartWords;
  std::vector<std::string> EndWords;
  int Mode = HiliteRegion;
};

struct HiliteStyle {
  std::uint32_t Color = 0;  // 0x00BBGGRR
  std::uint32_t Flags = 0;
};

struct HiliteRuleSet {
  int GroupCount = 0;
  std::array<HiliteGroup, kHiliteMaxGroups> Groups;
  std::array<HiliteStyle, kHiliteMaxGroups> Styles;
  bool FoldCase = false;
};

// The three rule sets, built once by the frame and kept for its life.
struct HiliteRules {
  HiliteRuleSet Cpp;
  HiliteRuleSet Html;
  HiliteRuleSet JavaScript;
};

HiliteRules InitHiliteRules();

// The 34 characters that bound a whole word.
bool IsWordDelimiter(char c);

// The colour of every character of `window` under the rule set (which folds its case first
// when the rule set says so); characters no group colours keep `defaultColor`.
std::vector<std::uint32_t> HiliteColors(std::string_view window, const HiliteRuleSet& rules,
                                        std::uint32_t defaultColor);

// Colours characters first..last (inclusive) of the editor by the rule set, one run of equal
// colour at a time. Every character of that range receives its colour, the default one
// included; the rest keep theirs.
void HiliteRange(TextPane& editor, int first, int last, const HiliteRuleSet& rules,
                 std::uint32_t defaultColor);

// The rule set a file kind is coloured by, or none.
const HiliteRuleSet* HiliteRulesForKind(const HiliteRules& rules, int fileKind);

// One pass over a document window: nothing while highlighting is off ("SO") or for kinds
// without rules; otherwise the window around the caret, default colour "CETColor".
void HighlightSyntax(TEditForm& form, const Settings& settings, const HiliteRules& rules);

// Gives a document window its highlighting pass, run by its timer.
void AttachHighlighter(TEditForm& form, const Settings& settings, const HiliteRules& rules);

}  // namespace lumbrix
