// The three rule sets as tables: one row per group, in the order the groups are applied.
#include <span>

#include "highlight/Hilite.h"

namespace lumbrix {

namespace {

constexpr std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) {
  return r | (g << 8) | (b << 16);
}

struct WordPair {
  std::string_view start;
  std::string_view end;  // unused by whole-word groups
};

struct GroupRow {
  HiliteMode mode;
  std::uint32_t color;
  std::uint32_t flags;
  std::span<const WordPair> words;
};

constexpr WordPair kCppKeywords[] = {
    {"char", ""},      {"int", ""},        {"bool", ""},   {"short", ""},   {"long", ""},
    {"signed", ""},    {"unsigned", ""},   {"float", ""},  {"double", ""},  {"return", ""},
    {"typedef", ""},   {"struct", ""},     {"union", ""},  {"enum", ""},    {"class", ""},
    {"private", ""},   {"protected", ""},  {"public", ""}, {"static", ""},  {"virtual", ""},
    {"inherited", ""}, {"if", ""},         {"else", ""},   {"for", ""},     {"while", ""},
    {"do", ""},        {"switch", ""},     {"case", ""},   {"break", ""},   {"default", ""},
    {"continue", ""},  {"far", ""},        {"near", ""},   {"void", ""},    {"template", ""},
    {"operator", ""},  {"new", ""},        {"delete", ""}, {"try", ""},     {"catch", ""},
    {"__finally", ""}, {"__fastcall", ""}, {"pascal", ""}, {"stdcall", ""}, {"extern", ""},
    {"asm", ""},       {"inline", ""},     {"true", ""},   {"false", ""},   {"NULL", ""},
    {"this", ""},      {"const", ""},
};

constexpr WordPair kScriptKeywords[] = {
    {"var", ""},      {"if", ""},     {"else", ""}, {"for", ""},      {"while", ""},
    {"do", ""},       {"switch", ""}, {"case", ""}, {"break", ""},    {"default", ""},
    {"continue", ""}, {"return", ""}, {"new", ""},  {"try", ""},      {"catch", ""},
    {"true", ""},     {"false", ""},  {"this", ""}, {"function", ""},
};

constexpr WordPair kPreprocessor[] = {{"#", "\r\n"}};
constexpr WordPair kDoubleQuote[] = {{"\"", "\""}};
constexpr WordPair kSingleQuote[] = {{"'", "'"}};
constexpr WordPair kQuotes[] = {{"\"", "\""}, {"'", "'"}};
constexpr WordPair kComments[] = {{"/*", "*/"}, {"//", "\r\n"}};
constexpr WordPair kEntity[] = {{"&", ";"}};
constexpr WordPair kTag[] = {{"<", ">"}};
constexpr WordPair kScript[] = {{"<script", "</script>"}};
constexpr WordPair kHtmlComment[] = {{"<!--", "-->"}};

constexpr GroupRow kCppRules[] = {
    {HiliteWholeWord, Rgb(0, 0, 255), 0x0, kCppKeywords},
    {HiliteRegion, Rgb(0, 155, 30), 0x0, kPreprocessor},
    {HiliteRegion, Rgb(150, 0, 200), 0x2, kDoubleQuote},
    {HiliteRegion, Rgb(150, 0, 200), 0x2, kSingleQuote},
    {HiliteRegion, Rgb(180, 180, 200), 0x4, kComments},
};

// Entities first, tags over them, quoted values only at tag characters, comments over tags; the
// script region is only marked, for the three script groups that colour inside it.
constexpr GroupRow kHtmlRules[] = {
    {HiliteRegion, Rgb(180, 50, 180), 0x0, kEntity},
    {HiliteRegion, Rgb(0, 50, 255), 0x1, kTag},
    {HiliteRegion, Rgb(130, 150, 130), 0xF0008, kScript},
    {HiliteRegion, Rgb(0, 0, 180), 0x102, kQuotes},
    {HiliteRegion, Rgb(130, 150, 130), 0x4, kHtmlComment},
    {HiliteWholeWord, Rgb(255, 20, 20), 0x800, kScriptKeywords},
    {HiliteRegion, Rgb(100, 0, 200), 0x802, kQuotes},
    {HiliteRegion, Rgb(150, 170, 200), 0x800, kComments},
};

constexpr GroupRow kJavaScriptRules[] = {
    {HiliteWholeWord, Rgb(0, 0, 255), 0x0, kScriptKeywords},
    {HiliteRegion, Rgb(0, 50, 180), 0x2, kQuotes},
    {HiliteRegion, Rgb(180, 180, 180), 0x4, kComments},
};

HiliteRuleSet buildRuleSet(std::span<const GroupRow> rows, bool foldCase) {
  HiliteRuleSet set;
  // The word arrays of every group are reserved at full capacity when the tables are built.
  for (HiliteGroup& g : set.Groups) {
    g.StartWords.reserve(kHiliteMaxWords);
    g.EndWords.reserve(kHiliteMaxWords);
  }
  set.GroupCount = static_cast<int>(rows.size());
  set.FoldCase = foldCase;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    HiliteGroup& g = set.Groups[i];
    g.Mode = rows[i].mode;
    g.WordCount = static_cast<int>(rows[i].words.size());
    for (const WordPair& w : rows[i].words) {
      g.StartWords.emplace_back(w.start);
      g.EndWords.emplace_back(w.end);
    }
    set.Styles[i] = {rows[i].color, rows[i].flags};
  }
  return set;
}

static_assert(std::size(kCppKeywords) == 52 && std::size(kScriptKeywords) == 19);
static_assert(std::size(kHtmlRules) <= kHiliteMaxGroups);

}  // namespace

HiliteRules InitHiliteRules() {
  return {buildRuleSet(kCppRules, false), buildRuleSet(kHtmlRules, true),
          buildRuleSet(kJavaScriptRules, false)};
}

bool IsWordDelimiter(char c) {
  static constexpr auto kTable = [] {
    std::array<bool, 256> t{};
    for (const char d : std::string_view(" \t\n\r.,;:-+*/%()[]{}<>^!#$&?@\"'`~=|"))
      t[static_cast<unsigned char>(d)] = true;
    return t;
  }();
  return kTable[static_cast<unsigned char>(c)];
}

}  // namespace lumbrix
