#include <gtest/gtest.h>

#include <string>

#include "document/FileKinds.h"
#include "common/Entities.h"
#include "common/WinText.h"
#include "document/Encodings.h"
#include "support/Iconv.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

using lumbrix::testing::IconvConvert;

std::string byte(int c) {
  return std::string(1, static_cast<char>(c));
}

TEST(CodePageTables, KoiToWinHoldsTheLettersAndThreeSignsAsIconvConvertsThem) {
  int entries = 0;
  for (int i = 0; i < 256; ++i) {
    const int t = KoiToWin()[i];
    const auto utf8 = IconvConvert("UTF-8", "KOI8-R", byte(i));
    ASSERT_TRUE(utf8.has_value());
    const auto win = IconvConvert("CP1251", "KOI8-R", byte(i));
    // Letters А…Я, а…я, Ё, ё (two UTF-8 bytes starting D0/D1) and the signs © ° ·.
    const bool wanted =
        i >= 0x80 && (((*utf8)[0] == '\xd0' || (*utf8)[0] == '\xd1') || *utf8 == "\xc2\xa9" ||
                      *utf8 == "\xc2\xb0" || *utf8 == "\xc2\xb7");
    if (wanted) {
      ++entries;
      ASSERT_TRUE(win.has_value()) << i;
      EXPECT_EQ(byte(t), *win) << "KOI8-R byte " << i;
    } else {
      EXPECT_EQ(t, 0) << "KOI8-R byte " << i;
    }
  }
  EXPECT_EQ(entries, 69);
  EXPECT_EQ(KoiToWin()[0xC1], 0xE0);
  EXPECT_EQ(KoiToWin()[0xFB], 0xD8);
  EXPECT_EQ(KoiToWin()[0x94], 0);  // the black square has no Windows-1251 character
}

TEST(CodePageTables, IsoToWinHoldsEveryUpperByteButTheSoftHyphenAsIconvConvertsThem) {
  int entries = 0;
  for (int i = 0; i < 256; ++i) {
    const int t = IsoToWin()[i];
    if (i >= 0xA1 && i != 0xAD) {
      ++entries;
      const auto win = IconvConvert("CP1251", "ISO-8859-5", byte(i));
      ASSERT_TRUE(win.has_value()) << i;
      EXPECT_EQ(byte(t), *win) << "ISO-8859-5 byte " << i;
    } else {
      EXPECT_EQ(t, 0) << i;
    }
  }
  EXPECT_EQ(entries, 94);
  EXPECT_EQ(IsoToWin()[0xF0], 0xB9);  // the numero sign
}

TEST(CodePageTables, ReverseLookupGivesTheFileByteAndPassesTheRest) {
  for (int i = 0; i < 256; ++i) {
    if (const int t = KoiToWin()[i]) {
      EXPECT_EQ(FromWin(t, EncodingKoi8), i);
    }
    if (const int t = IsoToWin()[i]) {
      EXPECT_EQ(FromWin(t, EncodingIso), i);
    }
    EXPECT_EQ(FromWin(i, EncodingWin), i);
    EXPECT_EQ(ToWin(i, EncodingWin), i);
  }
  EXPECT_EQ(FromWin('A', EncodingKoi8), 'A');
  EXPECT_EQ(FromWin(0xAB, EncodingKoi8), 0xAB);  // « is not in KOI8-R: the same byte
  // A zero byte is a zero byte in every code page.
  EXPECT_EQ(FromWin(0, EncodingKoi8), 0);
  EXPECT_EQ(FromWin(0, EncodingIso), 0);
}

TEST(DecodeFileText, WinWithCrLfIsTheImageByteForByte) {
  std::string all;
  for (int c = 0; c < 256; ++c) all.push_back(static_cast<char>(c));
  all += "x\ny\rz\r\n";
  EXPECT_EQ(DecodeFileText(all, false, EncodingWin), all);
  EXPECT_EQ(EncodeFileText(all, false, EncodingWin, KindHtml), all);
}

TEST(DecodeFileText, EveryLfBecomesCrLfAndLoneCrStays) {
  EXPECT_EQ(DecodeFileText("a\nb\r\nc\rd\r", true, EncodingWin), "a\r\nb\r\nc\rd\r");
  EXPECT_EQ(DecodeFileText("\n\n", true, EncodingWin), "\r\n\r\n");
  EXPECT_EQ(DecodeFileText("\r\r\n", true, EncodingWin), "\r\r\n");
  EXPECT_EQ(DecodeFileText(std::string("a\0b\n", 4), true, EncodingWin),
            std::string("a\0b\r\n", 5));
}

TEST(EncodeFileText, LineBreaksBecomeTheFilesLineEnds) {
  EXPECT_EQ(EncodeFileText("a\r\nb\nc\rd\r", true, EncodingWin, KindHtml), "a\nb\nc\rd\r");
  EXPECT_EQ(EncodeFileText("a\r\nb\nc", false, EncodingKoi8, KindOther), "a\r\nb\r\nc");
}

TEST(DecodeFileText, RussianTextInKoiAndIsoReadsAsIconvReadsIt) {
  const std::string utf8 = "Съешь же ещё этих мягких французских булок, да выпей чаю. ЁЖИК\n";
  const std::string win = *IconvConvert("CP1251", "UTF-8", utf8);
  const std::string koi = *IconvConvert("KOI8-R", "UTF-8", utf8);
  const std::string iso = *IconvConvert("ISO-8859-5", "UTF-8", utf8);
  std::string winCrLf = win.substr(0, win.size() - 1) + "\r\n";
  EXPECT_EQ(DecodeFileText(koi, true, EncodingKoi8), winCrLf);
  EXPECT_EQ(DecodeFileText(iso, true, EncodingIso), winCrLf);
  EXPECT_EQ(EncodeFileText(winCrLf, true, EncodingKoi8, KindHtml), koi);
  EXPECT_EQ(EncodeFileText(winCrLf, true, EncodingIso, KindCpp), iso);
}

TEST(EncodeFileText, PagesInKoiGetEntitiesForWhatTheCodePageLacks) {
  const std::string text = "«Мир» © 5°"_w.data();
  const std::string koiMir = *IconvConvert("KOI8-R", "UTF-8", "Мир");
  EXPECT_EQ(EncodeFileText(text, true, EncodingKoi8, KindHtml),
            "&laquo;" + koiMir + "&raquo; &copy; 5&deg;");
  // A C file never takes entities: the guillemets stay their Windows-1251 bytes.
  EXPECT_EQ(EncodeFileText(text, true, EncodingKoi8, KindCpp), "\xab" + koiMir + "\xbb \xbf 5\x9c");
}

TEST(EncodeFileText, CharactersNeitherInTheCodePageNorTabledBecomeCharacterReferences) {
  // Є, em dash and typographic quotes do not exist in KOI8-R: their Windows-1251 bytes would
  // show as other characters there.
  const std::string text = "Є—“x”"_w.data();
  EXPECT_EQ(EncodeFileText(text, true, EncodingKoi8, KindHtml), "&#1028;&#8212;&#8220;x&#8221;");
  EXPECT_EQ(EncodeFileText(text, true, EncodingKoi8, KindPerl), "&#1028;&#8212;&#8220;x&#8221;");
  // Other kinds keep the byte.
  EXPECT_EQ(EncodeFileText(text, true, EncodingKoi8, KindJava), "\xaa\x97\x93x\x94");
  // ISO-8859-5 has Є, the no-break space and the numero sign, but not the dash.
  EXPECT_EQ(EncodeFileText("Є\u00a0—№"_w.data(), false, EncodingIso, KindCss),
            "\xa4\xa0&#8212;\xf0");
  // Every reference names the character that the text holds.
  for (int c = 0x80; c < 256; ++c) {
    const std::string out = EncodeFileText(byte(c), true, EncodingKoi8, KindXml);
    if (out.starts_with("&#") && EntityOf(static_cast<unsigned char>(c)).empty()) {
      const std::string utf8 = *IconvConvert("UTF-8", "UTF-32LE", [&] {
        const unsigned n = std::stoul(out.substr(2));
        return std::string{static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF), 0, 0};
      }());
      if (c != 0x98) {
        EXPECT_EQ(utf8, *IconvConvert("UTF-8", "CP1251", byte(c))) << c;
      }
    } else if (!out.starts_with("&")) {
      // A byte is written only where KOI8-R holds the same character.
      EXPECT_EQ(*IconvConvert("UTF-8", "KOI8-R", out), *IconvConvert("UTF-8", "CP1251", byte(c)))
          << c;
    }
  }
}

TEST(Conversions, TheNumeroSignRoundTripsThroughIsoForEveryKind) {
  const std::string iso = *IconvConvert("ISO-8859-5", "UTF-8", "№ 5, стр. 7\n");
  const std::string win = *IconvConvert("CP1251", "UTF-8", "№ 5, стр. 7\r\n");
  EXPECT_EQ(DecodeFileText(iso, true, EncodingIso), win);
  // Typed into the editor, it is written as the ISO numero sign, with entities or without.
  for (int kind : {KindHtml, KindCss, KindCpp, KindJava, KindOther})
    EXPECT_EQ(EncodeFileText(win, true, EncodingIso, kind), iso) << kind;
}

TEST(DetectLineEnds, FollowsTheFirstLineFeed) {
  EXPECT_FALSE(DetectLineEnds("a\r\nb\nc", KindHtml, true));
  EXPECT_TRUE(DetectLineEnds("a\nb\r\n", KindHtml, false));
  EXPECT_TRUE(DetectLineEnds("\nb", KindHtml, false));
  EXPECT_TRUE(DetectLineEnds("no breaks", KindHtml, true));
  EXPECT_FALSE(DetectLineEnds("only\rcr", KindHtml, false));
  EXPECT_TRUE(DetectLineEnds("a\r\nb", KindPerl, false));  // Perl and CGI scripts are LF
}

}  // namespace
}  // namespace lumbrix

namespace lumbrix {
namespace {

// The byte-at-a-time reading of the conversions, against which the block-wise ones are checked
// on random texts full of line breaks at every position of a block.
std::string referenceDecode(const std::string& image, bool lf, int e) {
  if (e == 0 && !lf) return image;
  std::string out;
  bool cr = false;
  for (const char ch : image) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (cr && c != '\n') out.push_back('\r');
    cr = false;
    if (c == '\n') {
      out += "\r\n";
    } else if (c == '\r') {
      cr = true;
    } else {
      out.push_back(static_cast<char>(ToWin(c, e)));
    }
  }
  if (cr) out.push_back('\r');
  return out;
}

std::string referenceEncode(const std::string& text, bool lf, int e, int kind) {
  if (e == 0 && !lf) return text;
  const bool entities = e != 0 && KindTakesEntities(kind);
  std::string out;
  bool cr = false;
  for (const char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (cr && c != '\n') out.push_back('\r');
    cr = false;
    if (c == '\n') {
      out += lf ? "\n" : "\r\n";
    } else if (c == '\r') {
      cr = true;
    } else if (entities && !EntityOf(c).empty()) {
      out += EntityOf(c);
    } else {
      // Character references are checked elsewhere: compare only where a byte is written.
      const std::string one = EncodeFileText(std::string(1, ch), lf, e, kind);
      out += one.size() > 1 ? one : std::string(1, static_cast<char>(FromWin(c, e)));
    }
  }
  if (cr) out.push_back('\r');
  return out;
}

TEST(Conversions, BlockWiseAgreesWithByteWiseOnRandomTexts) {
  std::uint32_t seed = 12345;
  auto next = [&] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  const char pool[] = {'\r', '\n', 'a', ' ', '\xe0', '\xab', '\xb9', '\xc1', '\x97', '\0', '<'};
  for (int round = 0; round < 400; ++round) {
    std::string s(next() % 70, ' ');
    for (char& c : s)
      c = (next() % 3 == 0) ? static_cast<char>(next() & 0xFF) : pool[next() % sizeof pool];
    for (int e = 0; e < 3; ++e) {
      for (bool lf : {false, true}) {
        ASSERT_EQ(DecodeFileText(s, lf, e), referenceDecode(s, lf, e)) << round;
        for (int kind : {KindHtml, KindCpp})
          ASSERT_EQ(EncodeFileText(s, lf, e, kind), referenceEncode(s, lf, e, kind)) << round;
      }
    }
  }
}

}  // namespace
}  // namespace lumbrix
