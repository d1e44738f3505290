// The registry editor's text format ("REGEDIT4"), in which the settings key is kept on systems
// without a registry: a header line, then sections named by their key path in brackets, each
// followed by one value a line:
//   "TS"=dword:00000002            a number, eight hex digits, two's complement
//   "USER"="a \"quoted\" \\ name"   a string, Windows-1251, \\ and \" escaped
//   "X"=hex(2):41,00               raw bytes of the given registry type, "\" continues a line
// Lines this code does not understand, other sections and other values are kept verbatim, so a
// file edited by hand or shared with other keys loses nothing when a value is written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrix {

enum class RegValueKind {
  String,        // REG_SZ
  ExpandString,  // REG_EXPAND_SZ
  Dword,         // REG_DWORD
  Other,         // a well-formed value of any other registry type
  Malformed,     // a value line whose data cannot be understood
};

struct RegValue {
  RegValueKind kind = RegValueKind::Malformed;
  std::int32_t number = 0;  // Dword
  std::string text;         // String and ExpandString, Windows-1251
};

class RegFile {
 public:
  // Never fails: whatever is not a header, a section or a value line is kept as it is.
  static RegFile Parse(std::string_view bytes);
  // The whole file, every line ending in CR LF, starting with the header line.
  std::string Serialize() const;

  // Section and value names compare without regard to ASCII case, as the registry does.
  bool HasSection(std::string_view section) const;
  void AddSection(std::string_view section);

  // The value as the registry would hand it over; nothing when the section has no such value.
  // When a name occurs more than once the last one counts, as on import.
  std::optional<RegValue> Find(std::string_view section, std::string_view name) const;

  // Replace the value, or add it to the section (adding the section when missing). A name
  // that a line cannot hold (a line break in it) is refused.
  bool SetDword(std::string_view section, std::string_view name, std::int32_t value);
  bool SetString(std::string_view section, std::string_view name, std::string_view text);

 private:
  enum class LineKind { Header, Section, Value, Other };
  struct Entry {
    LineKind kind;
    std::string name;                // section or value name
    std::vector<std::string> lines;  // as read, without line ends
  };

  // Index of the entry that holds the value, or of nothing.
  std::optional<std::size_t> findValue(std::string_view section, std::string_view name) const;
  bool setValue(std::string_view section, std::string_view name, std::vector<std::string> lines);

  std::vector<Entry> entries_;
};

}  // namespace lumbrix
