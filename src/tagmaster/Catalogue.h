// The catalogue of the tag master and the attribute master: 20 HTML tags and 66 attributes, which
// attributes each tag takes, how each attribute is explained, and which tags are closed. It is
// built once, when the dialog is made, and never changes afterwards.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrix {

// How an attribute's value is entered: typed, typed with suggestions, picked from a list only,
// or not at all (the flag attributes are written as the bare word).
enum class ValueControl { Text, Suggestions, PickList, None };

// The dialog page that holds an attribute's row.
enum class AttributePage { Main, Other, Events };

struct TagEntry {
  std::string_view name;
  std::string_view description;  // Windows-1251
  bool closing;                  // the built tag is followed by the selection and "</name>"
};

struct AttributeEntry {
  std::string_view name;         // as shown on its check box and written: "width=", "readonly"
  std::string_view description;  // Windows-1251; the check box's hint
  ValueControl control;
  AttributePage page;
  std::span<const std::string_view> values = {};  // suggestions or pick list; "face=" has its own
};

class Catalogue {
 public:
  static constexpr int kTagCount = 20;
  static constexpr int kAttributeCount = 66;
  // The tables are laid out for 70 attributes; the slots past the last stay empty.
  static constexpr int kAttributeSlots = 70;
  // The tag list of the dialog ends with "applet", which has no entry of its own: it is shown
  // without a description, closed, and takes the attributes every tag takes.
  static constexpr int kApplet = kTagCount;
  static constexpr int kTagListCount = kTagCount + 1;
  // "No known tag": the attribute master with a selection that is no tag name.
  static constexpr int kNoTag = -1;
  // The attributes with a colour button.
  static constexpr std::array<int, 9> kColourAttributes = {12, 15, 16, 21, 23, 40, 41, 42, 43};
  static constexpr int kLanguage = 20;
  static constexpr int kFrame = 26;
  static constexpr int kRules = 27;
  static constexpr int kFace = 10;

  // `fontFamilies`: the installed families, Cyrillic ones then symbol ones, the suggestions of
  // "face=" once sorted.
  explicit Catalogue(std::vector<std::string> fontFamilies = {});

  // Tag t of the dialog's list (0 … kTagListCount - 1, "applet" last).
  std::string_view TagName(int t) const;
  std::string_view TagDescription(int t) const;
  bool ClosingTag(int t) const;

  static const AttributeEntry& Attribute(int a);
  // The values a row offers: the entry's list, or the sorted font names for "face=".
  std::vector<std::string> AttributeValues(int a) const;
  static std::string_view PageCaption(AttributePage page);

  // Whether tag t takes attribute a; with kNoTag every attribute counts as available.
  bool Available(int t, int a) const;
  // Tag t's own words for attribute a where it has them, else the attribute's description.
  std::string_view Hint(int t, int a) const;

 private:
  static bool isTag(int t) { return t >= 0 && t < kTagCount; }

  std::array<std::array<bool, kAttributeSlots>, kTagCount> available_{};
  std::array<bool, kAttributeSlots> common_{};  // what every tag takes, "applet"'s row
  std::array<std::array<std::string_view, kAttributeSlots>, kTagCount> overrides_{};
  std::vector<std::string> faces_;
};

}  // namespace lumbrix
