#include <gtest/gtest.h>

#include <string>

#include "common/CaseMap.h"
#include "common/CodePage.h"
#include "common/WinText.h"
#include "support/Iconv.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

std::string iconvConvert(const char* to, const char* from, const std::string& in) {
  return lumbrix::testing::IconvConvert(to, from, in).value_or(std::string());
}

TEST(CodePage, Windows1251TableAgreesWithIconvForEveryAssignedByte) {
  for (int c = 0; c < 256; ++c) {
    if (c == 0x98) continue;  // unassigned in Windows-1251
    const std::string utf8 = iconvConvert("UTF-8", "CP1251", std::string(1, static_cast<char>(c)));
    ASSERT_FALSE(utf8.empty()) << c;
    EXPECT_EQ(WinToUtf8(std::string(1, static_cast<char>(c))), utf8) << "byte " << c;
  }
}

TEST(CodePage, EveryByteRoundTripsThroughUnicode) {
  std::string all;
  for (int c = 0; c < 256; ++c) all.push_back(static_cast<char>(c));
  std::string back;
  EXPECT_TRUE(Utf8ToWin(WinToUtf8(all), back));
  EXPECT_EQ(back, all);
  EXPECT_EQ(WinToUnicode(0x98), 0x0098);
}

TEST(CodePage, Utf8ToWinRefusesWhatTheCodePageLacks) {
  std::string out;
  EXPECT_FALSE(Utf8ToWin("\xe2\x82\xbd", out));  // rouble sign
  EXPECT_EQ(out, "?");
  EXPECT_FALSE(Utf8ToWin("ab\xd0", out));  // cut in the middle of a character
  EXPECT_FALSE(Utf8ToWin("\xff", out));
  EXPECT_TRUE(Utf8ToWin("\xd0\x81", out));  // Ё
  EXPECT_EQ(out, "\xa8");
  // No UTF-8 either: overlong forms (of "A", "/" and Ё), a surrogate, beyond U+10FFFF. Read as
  // characters, the overlong forms would make other bytes give the same text.
  for (const char* invalid : {"\xc1\x81", "\xe0\x80\xaf", "\xe0\x84\x81", "\xed\xa0\x80",
                              "\xf4\x90\x80\x80", "\xf0\x80\x81\x81"}) {
    EXPECT_FALSE(Utf8ToWin(invalid, out)) << invalid;
    EXPECT_EQ(out.find_first_not_of('?'), std::string::npos) << invalid;
  }
}

TEST(CodePage, InputTheCodePageLacksBecomesReferencesOrIsLeftOut) {
  struct Case {
    const char* utf8;
    bool references;
    const char* expected;
    int references_;
    int refused;
  };
  const Case cases[] = {
      // Greek, CJK and a character beyond the BMP: one reference each, of the code point.
      {"\xce\xa9\xce\xbb\xe6\x97\xa5x", true, "&#937;&#955;&#26085;x", 3, 0},
      {"\xf0\x9f\x98\x80", true, "&#128512;", 1, 0},
      {"\xce\xa9\xce\xbb\xe6\x97\xa5x", false, "x", 0, 3},
      // Cyrillic, the code page's punctuation and ASCII pass unchanged.
      {"\xd0\x81\xd0\xb6 \xe2\x80\x94 <&#1;>\r\n", true, "\xd0\x81\xd0\xb6 \xe2\x80\x94 <&#1;>\r\n",
       0, 0},
      // Bytes that are no UTF-8 never become references.
      {"\x61\xff\x62\xd0", true, "ab", 0, 2},
      {"a\xc1\x81\xed\xa0\x80" "b", true, "ab", 0, 5},
  };
  for (const Case& c : cases) {
    const FittedText fit = FitToWin1251(c.utf8, c.references);
    EXPECT_EQ(fit.utf8, c.expected) << c.utf8;
    EXPECT_EQ(fit.references, c.references_) << c.utf8;
    EXPECT_EQ(fit.refused, c.refused) << c.utf8;
    EXPECT_EQ(fit.changed, c.references_ + c.refused > 0) << c.utf8;
    std::string win;
    EXPECT_TRUE(Utf8ToWin(fit.utf8, win)) << "whatever is inserted converts without loss";
  }
}

TEST(WinText, LiteralsAreWindows1251AtCompileTime) {
  constexpr std::string_view text = "Файл слишком велик"_w;
  static_assert(text.size() == 18);
  EXPECT_EQ(text, "\xd4\xe0\xe9\xeb \xf1\xeb\xe8\xf8\xea\xee\xec \xe2\xe5\xeb\xe8\xea");
  EXPECT_EQ("ёЁ№«»—"_w, "\xb8\xa8\xb9\xab\xbb\x97");
  EXPECT_EQ("plain"_w, "plain");
}

TEST(CaseMap, FollowsTheCodePageInBothDirections) {
  EXPECT_EQ(WinUpperCase("абвгдеёжзийклмнопрстуфхцчшщъыьэюя"_w),
            "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_w);
  EXPECT_EQ(WinLowerCase("ЎІЇЄҐЂЃЉЊЌЋЏЈЅ"_w), "ўіїєґђѓљњќћџјѕ"_w);
  EXPECT_EQ(WinUpperCase("abc xyz №«"_w), "ABC XYZ №«"_w);
  // Case pairs map onto each other, and there are exactly as many as the code page has letters
  // in both cases: 26 Latin, 32 Russian plus Ё, and 14 other Cyrillic pairs.
  int pairs = 0;
  for (int c = 0; c < 256; ++c) {
    if (kWinUpper[c] == c) continue;
    ++pairs;
    EXPECT_EQ(kWinLower[kWinUpper[c]], c) << c;
  }
  EXPECT_EQ(pairs, 26 + 33 + 14);
}

TEST(FindText, SearchesCaseInsensitivelyWithinTheRange) {
  const std::string text = "<HTML><Title>Заголовок</TITLE>"_w.data();
  EXPECT_EQ(FindText(text, "<title", 0, -1, false, false), 6);
  EXPECT_EQ(FindText(text, "<title", 0, -1, true, false), -1);
  EXPECT_EQ(FindText(text, "заголовок"_w.data(), 0, -1, false, false), 13);
  EXPECT_EQ(FindText(text, "<title", 7, -1, false, false), -1);
  EXPECT_EQ(FindText(text, "<title", 0, 11, false, false), -1);  // range ends inside the match
  EXPECT_EQ(FindText("ab abc", "ab", 1, -1, false, true), -1);
  EXPECT_EQ(FindText("xab ab", "ab", 0, -1, false, true), 4);
}

}  // namespace
}  // namespace lumbrix
