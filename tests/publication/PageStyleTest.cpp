#include <gtest/gtest.h>

#include "common/WinText.h"
#include "publication/PageStyle.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

constexpr std::array<bool, kHeadingLevels> kFirstThree{true, true, true, false, false, false};

TEST(PageStyleTest, DefaultsOfEveryRecord) {
  const PageStyle s = DefaultPageStyle();
  const int sizes[kHeadingLevels] = {22, 18, 16, 14, 11, 8};
  for (int i = 0; i < kHeadingLevels; ++i) {
    SCOPED_TRACE(i);
    const HeadingStyle& h = s.headings[i];
    EXPECT_EQ(h.padTop, 30);
    EXPECT_EQ(h.padBottom, 20);
    EXPECT_EQ(h.padLeft, 0);
    EXPECT_EQ(h.padRight, 0);
    EXPECT_EQ(h.align, "center");
    EXPECT_EQ(h.fontSize, sizes[i]);
    EXPECT_EQ(h.letterSpace, 0);
  }
  const ParagraphStyle& p = s.paragraph;
  EXPECT_EQ(std::vector<int>({p.padTop, p.padBottom, p.padLeft, p.padRight, p.indent, p.fontSize,
                              p.lineHeight, p.letterSpace}),
            std::vector<int>({0, 0, 0, 0, 10, 14, 16, 0}));
  EXPECT_EQ(p.align, "justify");
  const BodyStyle& b = s.body;
  EXPECT_EQ(
      std::vector<int>({b.marginLeft, b.marginRight, b.marginTop, b.marginBottom, b.fontSize}),
      std::vector<int>({30, 30, 10, 10, 14}));
  EXPECT_EQ(b.fontFamily, "");
  EXPECT_EQ(b.bkColor, 0xFFFFFFu);
  EXPECT_EQ(b.color, 0u);
  EXPECT_EQ(s.doc.title, "Новая страница"_w);
  EXPECT_EQ(s.doc.description, "");
  EXPECT_EQ(s.doc.keywords, "");
}

TEST(PageStyleTest, BoxNumbers) {
  struct Case {
    const char* text;
    std::optional<int> value;
  };
  const Case cases[] = {
      {"5", 5},           {"-3", -3},
      {"+7", 7},          {"0", 0},
      {"007", 7},         {"", {}},
      {"x", {}},          {"1.5", {}},
      {"5x", {}},         {"-", {}},
      {"+", {}},          {"++1", {}},
      {"+-1", {}},        {"2147483647", 2147483647},
      {"2147483648", {}}, {"-2147483648", -2147483647 - 1},
  };
  for (const Case& c : cases) EXPECT_EQ(BoxNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(PageStyleTest, TheFirstBadParagraphNumberStopsTheRestButNotTheAlignment) {
  ParagraphStyle p;
  ParagraphBoxes boxes = ShowParagraph(p);
  boxes.padTop = "5";
  boxes.padBottom = "x";
  boxes.indent = "7";
  boxes.fontSize = "20";
  boxes.align = AlignButton::Default;
  EXPECT_FALSE(TakeParagraph(p, boxes));
  EXPECT_EQ(p.padTop, 5);
  EXPECT_EQ(p.padBottom, 0);
  EXPECT_EQ(p.indent, 10);
  EXPECT_EQ(p.fontSize, 14);
  EXPECT_EQ(p.align, "");
}

TEST(PageStyleTest, ParagraphNumbersAreTakenInTheirOrder) {
  // The order is padding top, bottom, indent, left, right, then font size, line height, letter
  // spacing: a bad left padding keeps the indent typed before it.
  ParagraphStyle p;
  ParagraphBoxes boxes{"1", "2", "bad", "4", "5", "6", "7", "8", AlignButton::Center};
  EXPECT_FALSE(TakeParagraph(p, boxes));
  EXPECT_EQ(p.padTop, 1);
  EXPECT_EQ(p.padBottom, 2);
  EXPECT_EQ(p.indent, 5);
  EXPECT_EQ(p.padLeft, 0);
  EXPECT_EQ(p.padRight, 0);
  EXPECT_EQ(p.align, "center");
  boxes.padLeft = "3";
  EXPECT_TRUE(TakeParagraph(p, boxes));
  EXPECT_EQ(std::vector<int>({p.padTop, p.padBottom, p.padLeft, p.padRight, p.indent, p.fontSize,
                              p.lineHeight, p.letterSpace}),
            std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(PageStyleTest, HeadingTakingStopsAtTheFirstBadNumberAndKeepsAlignmentWithNoButtonDown) {
  HeadingStyle h = DefaultPageStyle().headings[0];
  HeadingBoxes boxes{"1", "2", "3", "", "40", "5", AlignButton::None};
  EXPECT_FALSE(TakeHeading(h, boxes));
  EXPECT_EQ(h.padLeft, 3);
  EXPECT_EQ(h.padRight, 0);
  EXPECT_EQ(h.fontSize, 22);
  EXPECT_EQ(h.align, "center");
  boxes.padRight = "-4";
  boxes.align = AlignButton::Justify;
  EXPECT_TRUE(TakeHeading(h, boxes));
  EXPECT_EQ(h.padRight, -4);
  EXPECT_EQ(h.fontSize, 40);
  EXPECT_EQ(h.letterSpace, 5);
  EXPECT_EQ(h.align, "justify");
}

TEST(PageStyleTest, BodyTextsAndColoursAreTakenEvenWhenANumberFails) {
  BodyStyle b;
  DocProperties d;
  BodyBoxes boxes = ShowBody(b, d);
  boxes.marginRight = "?";
  boxes.marginTop = "1";
  boxes.fontFamily = "Arial";
  boxes.bkColor = 0x123456;
  boxes.color = 0x654321;
  boxes.title = "T";
  boxes.description = "D";
  boxes.keywords = "K";
  EXPECT_FALSE(TakeBody(b, d, boxes));
  EXPECT_EQ(b.marginTop, 10);
  EXPECT_EQ(b.fontFamily, "Arial");
  EXPECT_EQ(b.bkColor, 0x123456u);
  EXPECT_EQ(b.color, 0x654321u);
  EXPECT_EQ(d, (DocProperties{"T", "D", "K"}));
}

TEST(PageStyleTest, ShowingPutsDownTheButtonOfTheAlignment) {
  struct Case {
    std::string align;
    AlignButton heading, paragraph;
  };
  const Case cases[] = {
      {"left", AlignButton::Left, AlignButton::Left},
      {"center", AlignButton::Center, AlignButton::Center},
      {"right", AlignButton::Right, AlignButton::Right},
      {"justify", AlignButton::Justify, AlignButton::Justify},
      {"", AlignButton::None, AlignButton::Default},
      {"middle", AlignButton::None, AlignButton::None},
  };
  for (const Case& c : cases) {
    HeadingStyle h;
    h.align = c.align;
    ParagraphStyle p;
    p.align = c.align;
    EXPECT_EQ(ShowHeading(h).align, c.heading) << c.align;
    EXPECT_EQ(ShowParagraph(p).align, c.paragraph) << c.align;
  }
  const BodyBoxes body = ShowBody(BodyStyle{1, 2, 3, -4, "Times", 12, 0x00FF8000, 0x0000FF}, {});
  EXPECT_EQ(body.marginBottom, "-4");
  EXPECT_EQ(body.fontSize, "12");
  EXPECT_EQ(ColourLabel(body.bkColor), "=#0080ff");
  EXPECT_EQ(ColourLabel(body.color), "=#ff0000");
}

TEST(PageStyleTest, CssWithAllDefaults) {
  const std::string expected =
      "body {\r\nmargin-left:30;\r\nmargin-right:30;\r\nmargin-top:10;\r\nmargin-bottom:10;\r\n"
      "font-family:;\r\nfont-size:14px;\r\nbackground-color:#ffffff;\r\ncolor:#000000;\r\n}\r\n"
      "@page {\r\nmargin-left: 2.5cm;\r\nmargin-right: 1.5cm;\r\nmargin-top: 2cm;\r\n"
      "margin-bottom: 2cm;\r\n}\r\n"
      "p {\r\npadding-top:0;\r\npadding-bottom:0;\r\npadding-left:0;\r\npadding-right:0;\r\n"
      "text-indent:10;\r\ntext-align:justify;\r\nfont-size:14px;\r\nline-height:16px;\r\n"
      "letter-spacing:0px;\r\n}\r\n"
      "h1 {\r\npadding-top:30;\r\npadding-bottom:20;\r\npadding-left:0;\r\npadding-right:0;\r\n"
      "text-align:center;\r\nfont-size:22px;\r\nletter-spacing:0px;\r\nfont-weight:bold;\r\n}\r\n"
      "h2 {\r\npadding-top:30;\r\npadding-bottom:20;\r\npadding-left:0;\r\npadding-right:0;\r\n"
      "text-align:center;\r\nfont-size:18px;\r\nletter-spacing:0px;\r\nfont-weight:bold;\r\n}\r\n"
      "h3 {\r\npadding-top:30;\r\npadding-bottom:20;\r\npadding-left:0;\r\npadding-right:0;\r\n"
      "text-align:center;\r\nfont-size:16px;\r\nletter-spacing:0px;\r\nfont-weight:bold;\r\n}\r\n";
  EXPECT_EQ(GenerateCss(DefaultPageStyle(), kFirstThree, true, PrintMargins{}), expected);
}

TEST(PageStyleTest, CssVariations) {
  PageStyle s = DefaultPageStyle();
  const std::array<bool, kHeadingLevels> none{};
  // Without the body block the sheet starts with the print block; no level gives no heading.
  std::string css = GenerateCss(s, none, false, PrintMargins{});
  EXPECT_EQ(css.rfind("@page {\r\n", 0), 0u);
  EXPECT_TRUE(css.ends_with("letter-spacing:0px;\r\n}\r\n"));
  EXPECT_EQ(css.find("h1"), std::string::npos);

  // The default alignment leaves out the alignment line; print margins go in unchecked.
  s.paragraph.align = "";
  PrintMargins m;
  m.left = "abc";
  css = GenerateCss(s, none, false, m);
  EXPECT_NE(css.find("text-indent:10;\r\nfont-size:14px;"), std::string::npos);
  EXPECT_NE(css.find("margin-left: abccm;"), std::string::npos);

  // Only the checked levels, in ascending order, with their own values.
  s.headings[5] = {1, 2, 3, 4, "right", 9, -1};
  s.body.fontFamily = "Verdana";
  s.body.color = 0x00FF8000;
  css = GenerateCss(s, {false, false, false, false, true, true}, true, PrintMargins{});
  EXPECT_NE(css.find("font-family:Verdana;\r\n"), std::string::npos);
  EXPECT_NE(css.find("color:#0080ff;\r\n}\r\n@page"), std::string::npos);
  const std::size_t h5 = css.find("h5 {");
  ASSERT_NE(h5, std::string::npos);
  EXPECT_EQ(css.substr(css.find("h6 {")),
            "h6 {\r\npadding-top:1;\r\npadding-bottom:2;\r\npadding-left:3;\r\npadding-right:4;\r\n"
            "text-align:right;\r\nfont-size:9px;\r\nletter-spacing:-1px;\r\nfont-weight:bold;\r\n}"
            "\r\n");
  EXPECT_LT(h5, css.find("h6 {"));
  EXPECT_EQ(css.find("h4"), std::string::npos);
}

}  // namespace
}  // namespace lumbrix
