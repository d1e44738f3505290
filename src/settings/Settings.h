// The user's preferences: one record that the frame owns for the whole run. Each field is named
// by its value name in the registry key, and the field table below gives the order in which the
// values are read and written.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace lumbrix {

struct Settings {
  bool UUL = false;
  bool PSN = false;
  bool HAVS = true;
  std::int32_t TS = 2;
  std::string USER;
  bool NSF = true;
  bool NTF = true;
  bool NHF = true;
  bool NCF = false;
  std::int32_t FMK = 0;
  bool AM = false;
  bool FDB = true;
  bool UT = true;
  bool FT = true;
  std::int32_t DT = 0;
  bool USC = true;
  std::int32_t CEBColor = 0xFFFFFF;  // white, 0x00BBGGRR
  std::int32_t CETColor = 0;
  std::int32_t TBA = 0;
  bool UDF = true;
  std::string CEFontFace = "Courier New";
  std::int32_t CEFontSize = 10;
  bool UUK = false;
  bool UUD = false;
  std::string UK;
  std::string UD;
  bool UUN = true;
  std::int32_t DC = 0;
  std::string PC = "Lumbrix";
  std::int32_t DHTMLET = 0;
  bool UDHETWJS = true;
  bool UDHETWJSA = false;
  bool SO = false;

  bool operator==(const Settings&) const = default;
};

// How a value is kept in the registry: a flag and a number are both DWORDs (a flag written as
// 0 or 1), a text is a string.
enum class SettingKind { Flag, Number, Text };

struct SettingField {
  using Member = std::variant<bool Settings::*, std::int32_t Settings::*, std::string Settings::*>;

  std::string_view name;
  Member member;

  constexpr SettingKind Kind() const { return static_cast<SettingKind>(member.index()); }
};

// Every persisted field once, in the order of reading and writing.
extern const std::array<SettingField, 33> kSettingFields;

}  // namespace lumbrix
