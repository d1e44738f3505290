#include "settings/RegFile.h"

#include <algorithm>

namespace lumbrix {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";

// Registry types of the "hex(N):" form that the settings care about.
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

constexpr char kDigits[] = "0123456789abcdef";

// Lines of raw bytes are wrapped as the registry editor wraps them.
constexpr std::size_t kHexLineWidth = 76;

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return lowerAscii(x) == lowerAscii(y);
         });
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && sameName(s.substr(0, prefix.size()), prefix);
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = lowerAscii(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// 1 to 8 hexadecimal digits and nothing else.
std::optional<std::uint32_t> parseHex32(std::string_view s) {
  if (s.empty() || s.size() > 8) return std::nullopt;
  std::uint32_t v = 0;
  for (char c : s) {
    const int d = hexDigit(c);
    if (d < 0) return std::nullopt;
    v = v << 4 | static_cast<std::uint32_t>(d);
  }
  return v;
}

// A quoted text with \\ and \" escapes, starting at s[pos] == '"'. On success `pos` is just past
// the closing quote.
std::optional<std::string> parseQuoted(std::string_view s, std::size_t& pos) {
  if (pos >= s.size() || s[pos] != '"') return std::nullopt;
  std::string out;
  for (std::size_t i = pos + 1; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"') {
      pos = i + 1;
      return out;
    }
    if (c == '\\') {
      if (++i == s.size() || (s[i] != '\\' && s[i] != '"')) return std::nullopt;
      out += s[i];
    } else {
      out += c;
    }
  }
  return std::nullopt;
}

std::string quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
  return out;
}

// The name of a value line ("name" or @ for the default value) and where its "=" part begins.
std::optional<std::string> valueName(std::string_view line, std::size_t& after) {
  std::size_t pos = line.find_first_not_of(" \t");
  if (pos == std::string_view::npos) return std::nullopt;
  if (line[pos] == '@') {
    after = pos + 1;
    return std::string();
  }
  auto name = parseQuoted(line, pos);
  if (name) after = pos;
  return name;
}

// A line of a value's raw bytes after the first holds only digits, commas and the final "\".
bool isHexContinuation(std::string_view line) {
  line = trim(line);
  return !line.empty() && std::all_of(line.begin(), line.end(), [](char c) {
    return hexDigit(c) >= 0 || c == ',' || c == '\\' || isBlank(c);
  });
}

bool continues(std::string_view line) {
  line = trim(line);
  return !line.empty() && line.back() == '\\';
}

std::optional<std::string> parseBytes(std::string_view list) {
  std::string bytes;
  list = trim(list);
  if (list.empty()) return bytes;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view token = trim(list.substr(0, comma));
    if (token.size() > 2) return std::nullopt;
    const auto b = parseHex32(token);
    if (!b) return std::nullopt;
    bytes += static_cast<char>(*b);
    if (comma == std::string_view::npos) return bytes;
    list.remove_prefix(comma + 1);
  }
}

RegValue fromBytes(std::uint32_t type, const std::string& bytes) {
  RegValue v;
  if (type == kRegSz || type == kRegExpandSz) {
    v.kind = type == kRegSz ? RegValueKind::String : RegValueKind::ExpandString;
    v.text = bytes;
    if (!v.text.empty() && v.text.back() == '\0') v.text.pop_back();  // the terminator
  } else if (type == kRegDword && bytes.size() == 4) {
    v.kind = RegValueKind::Dword;
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = u << 8 | static_cast<unsigned char>(bytes[i]);
    v.number = static_cast<std::int32_t>(u);
  } else if (type == kRegDword) {
    v.kind = RegValueKind::Malformed;
  } else {
    v.kind = RegValueKind::Other;
  }
  return v;
}

// The data after "=", with continuation lines joined.
RegValue parseData(std::string_view data) {
  RegValue v;
  data = trim(data);
  if (!data.empty() && data.front() == '"') {
    std::size_t pos = 0;
    auto text = parseQuoted(data, pos);
    if (text && pos == data.size()) {
      v.kind = RegValueKind::String;
      v.text = std::move(*text);
    }
    return v;
  }
  if (startsWithNoCase(data, "dword:")) {
    if (auto n = parseHex32(data.substr(6))) {
      v.kind = RegValueKind::Dword;
      v.number = static_cast<std::int32_t>(*n);
    }
    return v;
  }
  if (!startsWithNoCase(data, "hex")) return v;
  data.remove_prefix(3);
  std::uint32_t type = kRegBinary;
  if (!data.empty() && data.front() == '(') {
    const std::size_t close = data.find(')');
    if (close == std::string_view::npos) return v;
    const auto t = parseHex32(data.substr(1, close - 1));
    if (!t) return v;
    type = *t;
    data.remove_prefix(close + 1);
  }
  if (data.empty() || data.front() != ':') return v;
  const auto bytes = parseBytes(data.substr(1));
  return bytes ? fromBytes(type, *bytes) : v;
}

RegValue parseEntry(const std::vector<std::string>& lines) {
  std::size_t after = 0;
  if (!valueName(lines.front(), after)) return {};
  std::string_view first = std::string_view(lines.front()).substr(after);
  first = trim(first);
  if (first.empty() || first.front() != '=') return {};
  std::string data(first.substr(1));
  // Every line but the last ends in "\"; the joined data holds neither it nor the indents.
  for (std::size_t i = 1; i < lines.size(); ++i) {
    data.erase(data.find_last_not_of(" \t"));
    data += trim(lines[i]);
  }
  return parseData(data);
}

// A string as the bytes of a registry string: "name"=hex(1):41,42,00
std::vector<std::string> stringAsBytes(std::string_view nameQuoted, std::string_view text) {
  std::vector<std::string> lines{std::string(nameQuoted) + "=hex(1):"};
  const std::string bytes = std::string(text) + '\0';
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::string& line = lines.back();
    const auto b = static_cast<unsigned char>(bytes[i]);
    line += kDigits[b >> 4];
    line += kDigits[b & 0xF];
    if (i + 1 == bytes.size()) break;
    line += ',';
    if (line.size() >= kHexLineWidth) {
      line += '\\';
      lines.push_back("  ");
    }
  }
  return lines;
}

bool holdsLineBreak(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

RegFile RegFile::Parse(std::string_view bytes) {
  RegFile file;
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    std::string_view line = bytes.substr(0, lf);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const std::string_view t = trim(line);
    std::size_t after = 0;
    if (i == 0 && t == kHeader) {
      file.entries_.push_back({LineKind::Header, {}, {std::string(line)}});
    } else if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
      file.entries_.push_back(
          {LineKind::Section, std::string(t.substr(1, t.size() - 2)), {std::string(line)}});
    } else if (auto name = valueName(line, after)) {
      Entry e{LineKind::Value, std::move(*name), {std::string(line)}};
      const std::string_view rest = trim(line.substr(after));
      const bool hex =
          !rest.empty() && rest.front() == '=' && startsWithNoCase(trim(rest.substr(1)), "hex");
      while (hex && continues(e.lines.back()) && i + 1 < lines.size() &&
             isHexContinuation(lines[i + 1]))
        e.lines.emplace_back(lines[++i]);
      file.entries_.push_back(std::move(e));
    } else {
      file.entries_.push_back({LineKind::Other, {}, {std::string(line)}});
    }
  }
  return file;
}

std::string RegFile::Serialize() const {
  std::string out;
  if (entries_.empty() || entries_.front().kind != LineKind::Header)
    out.append(kHeader).append("\r\n\r\n");
  for (const Entry& e : entries_)
    for (const std::string& line : e.lines) out.append(line).append("\r\n");
  return out;
}

bool RegFile::HasSection(std::string_view section) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return e.kind == LineKind::Section && sameName(e.name, section);
  });
}

void RegFile::AddSection(std::string_view section) {
  if (HasSection(section)) return;
  if (entries_.empty()) entries_.push_back({LineKind::Header, {}, {std::string(kHeader)}});
  if (!trim(entries_.back().lines.back()).empty()) entries_.push_back({LineKind::Other, {}, {""}});
  entries_.push_back({LineKind::Section, std::string(section), {"[" + std::string(section) + "]"}});
}

std::optional<std::size_t> RegFile::findValue(std::string_view section,
                                              std::string_view name) const {
  std::optional<std::size_t> found;
  bool inSection = false;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Entry& e = entries_[i];
    if (e.kind == LineKind::Section) inSection = sameName(e.name, section);
    if (inSection && e.kind == LineKind::Value && sameName(e.name, name)) found = i;
  }
  return found;
}

std::optional<RegValue> RegFile::Find(std::string_view section, std::string_view name) const {
  const auto i = findValue(section, name);
  if (!i) return std::nullopt;
  return parseEntry(entries_[*i].lines);
}

bool RegFile::setValue(std::string_view section, std::string_view name,
                       std::vector<std::string> lines) {
  if (holdsLineBreak(name) || holdsLineBreak(section)) return false;
  if (const auto i = findValue(section, name)) {
    entries_[*i].lines = std::move(lines);
    return true;
  }
  AddSection(section);
  // After the last line with content in the first section of that name.
  std::size_t at = 0;
  bool inSection = false;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Entry& e = entries_[i];
    if (e.kind == LineKind::Section) {
      if (inSection) break;
      inSection = sameName(e.name, section);
      if (inSection) at = i + 1;
    } else if (inSection && !trim(e.lines.front()).empty()) {
      at = i + 1;
    }
  }
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at),
                  Entry{LineKind::Value, std::string(name), std::move(lines)});
  return true;
}

bool RegFile::SetDword(std::string_view section, std::string_view name, std::int32_t value) {
  std::string line = quote(name) + "=dword:";
  const auto u = static_cast<std::uint32_t>(value);
  for (int shift = 28; shift >= 0; shift -= 4) line += kDigits[(u >> shift) & 0xF];
  return setValue(section, name, {std::move(line)});
}

bool RegFile::SetString(std::string_view section, std::string_view name, std::string_view text) {
  // A line break cannot stand inside a quoted string: such a text goes as the bytes of a string
  // with its terminating zero, which reads back as the same string.
  if (holdsLineBreak(text)) return setValue(section, name, stringAsBytes(quote(name), text));
  return setValue(section, name, {quote(name) + "=" + quote(text)});
}

}  // namespace lumbrix
