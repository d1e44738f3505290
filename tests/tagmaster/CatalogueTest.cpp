// The catalogue of the tag master: which tag takes which attribute over the whole grid, the hints,
// the closing tags, and how each attribute's value is entered.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/WinText.h"
#include "tagmaster/Catalogue.h"

namespace lumbrix {
namespace {

using namespace literals;

// One row per tag in list order, one column per attribute 0-65: 'x' where the tag takes it.
// Among them: only img takes "border=", only body "onunload=", only input "onchange=" and
// "readonly", and base and script take no "style=".
constexpr const char* kGrid[Catalogue::kTagCount] = {
    "xxxxxxxx.x........xxx..........xxx...............xxxxxxxxxxxxxxx..",  // img
    "x...xx..xx.......xxxx.............x..............xxxxxxxxxxxxxx...",  // a
    "....xx...xxxx.....xxx............................xxxxxxxxxxxxxx...",  // font
    "....xx...x.xx.....xxx............................xxxxxxxxxxxxxx...",  // hr
    ".xx.xx...x...xxxx.xxxxxxxxxx.....................xxxxxxxxxxxxxx...",  // table
    "....xx...x...x.xx.xxxx.x......x..................xxxxxxxxxxxxxx...",  // tr
    ".xx.xx...x...x.xx.xxxx.x....xxx..................xxxxxxxxxxxxxx...",  // td
    "....xx...x...x.x..xxx.........x..................xxxxxxxxxxxxxx...",  // thead
    "....xx...x...x.x..xxx.........x..................xxxxxxxxxxxxxx...",  // tfoot
    "....xx...x...xxxx.xxxx.x....xxx..................xxxxxxxxxxxxxx...",  // th
    "....xx...x...x....xxx.........x..................xxxxxxxxxxxxxx...",  // caption
    "....xxx..x........xxx..........x.................xxxxxxxxxxxxxx...",  // bgsound
    "x...xx...x.......xxxx...............xx...........xxxxxxxxxxxxxx...",  // form
    "x...xx...x.x.x....xxx.............xx..xx........xxxxxxxxxxxxxxx..x",  // input
    "x...xx...x........xxx.............x...x.........xxxxxxxxxxxxxxx...",  // button
    "x...xx...x.x.x....xxx.............x.............xxxxxxxxxxxxxxx...",  // select
    "....xx...x........xxx..............x.............xxxxxxxxxxxxxx...",  // option
    "....xx...x....xx..xxx.............x.....xxxxxxxx.xxxxxxxxxxxxxxxx.",  // body
    "....xx..x........xxxx............................xxxxxxxxxxxxxx...",  // base
    "....xxx...........xxx............................xxxxxxxxxxxxxx...",  // script
};
// What "applet" (no catalogue entry) takes: the attributes every tag takes.
constexpr const char* kCommonRow =
    "....xx...x........xxx............................xxxxxxxxxxxxxx...";

TEST(Catalogue, EveryTagTakesExactlyItsAttributes) {
  const Catalogue c;
  for (int t = 0; t < Catalogue::kTagCount; ++t)
    for (int a = 0; a < Catalogue::kAttributeCount; ++a)
      EXPECT_EQ(c.Available(t, a), kGrid[t][a] == 'x')
          << c.TagName(t) << " " << Catalogue::Attribute(a).name;
  for (int a = 0; a < Catalogue::kAttributeCount; ++a) {
    EXPECT_EQ(c.Available(Catalogue::kApplet, a), kCommonRow[a] == 'x') << a;
    EXPECT_TRUE(c.Available(Catalogue::kNoTag, a)) << a;
  }
}

TEST(Catalogue, HintsAreTheDescriptionsSaveTheTagsOwnWords) {
  const Catalogue c;
  const int img = 0, title = 4, loop = 31;
  for (int t = Catalogue::kNoTag; t < Catalogue::kTagListCount; ++t)
    for (int a = 0; a < Catalogue::kAttributeCount; ++a) {
      if (t == img && (a == title || a == loop)) continue;
      EXPECT_EQ(c.Hint(t, a), Catalogue::Attribute(a).description) << t << " " << a;
    }
  EXPECT_EQ(c.Hint(img, title), "подсказка (лучше используйте alt)"_w);
  EXPECT_EQ(c.Hint(img, loop), "сколько раз повторить видео"_w);
  EXPECT_EQ(c.Hint(1, title), "всплывающая подсказка"_w);
  EXPECT_EQ(c.Hint(11, loop), "сколько раз повторить звук"_w);
}

TEST(Catalogue, TagsTheirDescriptionsAndClosingTags) {
  const Catalogue c;
  const char* names[] = {"img",    "a",      "font",   "hr",      "table",   "tr",     "td",
                         "thead",  "tfoot",  "th",     "caption", "bgsound", "form",   "input",
                         "button", "select", "option", "body",    "base",    "script", "applet"};
  for (int t = 0; t < Catalogue::kTagListCount; ++t) {
    EXPECT_EQ(c.TagName(t), names[t]);
    const bool open = c.TagName(t) == "img" || c.TagName(t) == "hr";
    EXPECT_EQ(c.ClosingTag(t), !open) << names[t];
    EXPECT_EQ(c.TagDescription(t).empty(), t == Catalogue::kApplet) << names[t];
  }
  EXPECT_EQ(c.TagDescription(9), "\"заглавный\" столбец таблицы"_w);
  EXPECT_EQ(c.TagDescription(19), "скрипт (сценарий)"_w);
}

TEST(Catalogue, ValueControlsListsAndPages) {
  struct Case {
    int attribute;
    const char* name;
    ValueControl control;
    AttributePage page;
    std::vector<std::string> values;
  };
  const Case cases[] = {
      {0, "name=", ValueControl::Text, AttributePage::Main, {}},
      {13,
       "align=",
       ValueControl::Suggestions,
       AttributePage::Main,
       {"left", "center", "right", "justify"}},
      {17,
       "target=",
       ValueControl::Suggestions,
       AttributePage::Main,
       {"_self", "_parent", "_top", "_blank"}},
      {20,
       "language=",
       ValueControl::PickList,
       AttributePage::Other,
       {"JavaScript", "VBScript", "TCL"}},
      {26,
       "frame=",
       ValueControl::PickList,
       AttributePage::Other,
       {"above", "below", "border", "box", "insides", "lhs", "rhs", "void", "vsides"}},
      {27,
       "rules=",
       ValueControl::PickList,
       AttributePage::Other,
       {"all", "cols", "rows", "groups", "none"}},
      {30,
       "valign=",
       ValueControl::PickList,
       AttributePage::Other,
       {"baseline", "bottom", "middle", "top"}},
      {37, "method=", ValueControl::PickList, AttributePage::Other, {"GET", "POST"}},
      {38,
       "type=",
       ValueControl::Suggestions,
       AttributePage::Other,
       {"checkbox", "file", "hidden", "image", "password", "radio", "reset", "select-multiple",
        "select-one", "submit", "text", "textarea"}},
      {39, "readonly", ValueControl::None, AttributePage::Other, {}},
      {45, "topmargin=", ValueControl::Text, AttributePage::Main, {}},
      {46, "rightmargin=", ValueControl::Text, AttributePage::Other, {}},
      {48, "disabled", ValueControl::None, AttributePage::Other, {}},
      {49, "onblur=", ValueControl::Text, AttributePage::Events, {}},
      {65, "onchange=", ValueControl::Text, AttributePage::Events, {}},
  };
  const Catalogue c;
  for (const Case& k : cases) {
    const AttributeEntry& e = Catalogue::Attribute(k.attribute);
    EXPECT_EQ(e.name, k.name);
    EXPECT_EQ(e.control, k.control) << k.name;
    EXPECT_EQ(e.page, k.page) << k.name;
    EXPECT_EQ(c.AttributeValues(k.attribute), k.values) << k.name;
  }
  // Only the listed rows offer values, and the pages hold 24, 25 and 17 rows.
  int listed = 0;
  int perPage[3] = {};
  for (int a = 0; a < Catalogue::kAttributeCount; ++a) {
    const AttributeEntry& e = Catalogue::Attribute(a);
    if (e.control == ValueControl::Suggestions || e.control == ValueControl::PickList) ++listed;
    ++perPage[static_cast<int>(e.page)];
    EXPECT_EQ(e.name.ends_with('='), e.control != ValueControl::None) << e.name;
  }
  EXPECT_EQ(listed, 9);
  EXPECT_EQ(perPage[0], 24);
  EXPECT_EQ(perPage[1], 25);
  EXPECT_EQ(perPage[2], 17);
}

TEST(Catalogue, FontNamesAreSuggestedAlphabetically) {
  const Catalogue c(
      {"Verdana", "arial", "Times New Roman", "Symbol", "Arial Black", "Courier New", "Dingbats"});
  EXPECT_EQ(Catalogue::Attribute(Catalogue::kFace).control, ValueControl::Suggestions);
  EXPECT_EQ(c.AttributeValues(Catalogue::kFace),
            (std::vector<std::string>{"arial", "Arial Black", "Courier New", "Dingbats", "Symbol",
                                      "Times New Roman", "Verdana"}));
}

}  // namespace
}  // namespace lumbrix
