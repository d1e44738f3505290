#include "publication/PageStyle.h"

#include <charconv>

#include "common/Colours.h"
#include "common/WinText.h"

namespace lumbrix {

using namespace literals;

namespace {

struct AlignWord {
  AlignButton button;
  std::string_view word;
};

// The buttons of an alignment group in the order they are read.
constexpr AlignWord kAlignWords[] = {
    {AlignButton::Left, "left"},   {AlignButton::Center, "center"},
    {AlignButton::Right, "right"}, {AlignButton::Justify, "justify"},
    {AlignButton::Default, ""},
};

// The alignment a down button gives; with no button down (or the paragraph's "По умолчанию"
// asked of a heading group, which has none) the alignment stays.
void takeAlign(std::string& align, AlignButton down, bool withDefault) {
  for (const AlignWord& a : kAlignWords) {
    if (a.button == AlignButton::Default && !withDefault) continue;
    if (a.button == down) align = std::string(a.word);
  }
}

AlignButton showAlign(const std::string& align, bool withDefault) {
  for (const AlignWord& a : kAlignWords) {
    if (a.button == AlignButton::Default && !withDefault) continue;
    if (a.word == align) return a.button;
  }
  return AlignButton::None;
}

// Stores numbers into a record until the first box that does not convert.
class NumberTaker {
 public:
  void operator()(int& field, const std::string& text) {
    if (failed_) return;
    if (const std::optional<int> n = BoxNumber(text))
      field = *n;
    else
      failed_ = true;
  }
  bool ok() const { return !failed_; }

 private:
  bool failed_ = false;
};

std::string number(int n) {
  return std::to_string(n);
}

}  // namespace

PageStyle DefaultPageStyle() {
  PageStyle s;
  constexpr int kHeadingSizes[kHeadingLevels] = {22, 18, 16, 14, 11, 8};
  for (int i = 0; i < kHeadingLevels; ++i) s.headings[i].fontSize = kHeadingSizes[i];
  s.doc.title = std::string("Новая страница"_w);
  return s;
}

std::optional<int> BoxNumber(std::string_view text) {
  std::size_t start = 0;
  if (!text.empty() && text[0] == '+') start = 1;
  if (start == text.size()) return std::nullopt;
  // from_chars takes its own minus sign; a sign after the plus is not a number.
  if (start == 1 && (text[1] == '+' || text[1] == '-')) return std::nullopt;
  int value = 0;
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

bool TakeHeading(HeadingStyle& style, const HeadingBoxes& boxes) {
  NumberTaker take;
  take(style.padTop, boxes.padTop);
  take(style.padBottom, boxes.padBottom);
  take(style.padLeft, boxes.padLeft);
  take(style.padRight, boxes.padRight);
  takeAlign(style.align, boxes.align, false);
  take(style.fontSize, boxes.fontSize);
  take(style.letterSpace, boxes.letterSpace);
  return take.ok();
}

bool TakeParagraph(ParagraphStyle& style, const ParagraphBoxes& boxes) {
  NumberTaker take;
  take(style.padTop, boxes.padTop);
  take(style.padBottom, boxes.padBottom);
  take(style.indent, boxes.indent);
  take(style.padLeft, boxes.padLeft);
  take(style.padRight, boxes.padRight);
  takeAlign(style.align, boxes.align, true);
  take(style.fontSize, boxes.fontSize);
  take(style.lineHeight, boxes.lineHeight);
  take(style.letterSpace, boxes.letterSpace);
  return take.ok();
}

bool TakeBody(BodyStyle& body, DocProperties& doc, const BodyBoxes& boxes) {
  NumberTaker take;
  take(body.marginLeft, boxes.marginLeft);
  take(body.marginRight, boxes.marginRight);
  take(body.marginTop, boxes.marginTop);
  take(body.marginBottom, boxes.marginBottom);
  take(body.fontSize, boxes.fontSize);
  body.fontFamily = boxes.fontFamily;
  body.bkColor = boxes.bkColor;
  body.color = boxes.color;
  doc.title = boxes.title;
  doc.description = boxes.description;
  doc.keywords = boxes.keywords;
  return take.ok();
}

HeadingBoxes ShowHeading(const HeadingStyle& s) {
  return {number(s.padTop),   number(s.padBottom),   number(s.padLeft),        number(s.padRight),
          number(s.fontSize), number(s.letterSpace), showAlign(s.align, false)};
}

ParagraphBoxes ShowParagraph(const ParagraphStyle& s) {
  return {number(s.padTop),     number(s.padBottom),   number(s.padLeft),
          number(s.padRight),   number(s.indent),      number(s.fontSize),
          number(s.lineHeight), number(s.letterSpace), showAlign(s.align, true)};
}

BodyBoxes ShowBody(const BodyStyle& b, const DocProperties& d) {
  return {number(b.marginLeft),
          number(b.marginRight),
          number(b.marginTop),
          number(b.marginBottom),
          b.fontFamily,
          number(b.fontSize),
          b.bkColor,
          b.color,
          d.title,
          d.description,
          d.keywords};
}

std::string ColourLabel(std::uint32_t colour) {
  return "=#" + ColorToHex(colour);
}

std::string GenerateCss(const PageStyle& style, const std::array<bool, kHeadingLevels>& levels,
                        bool insertBody, const PrintMargins& margins) {
  std::string css;
  if (insertBody) {
    const BodyStyle& b = style.body;
    css += "body {\r\nmargin-left:" + number(b.marginLeft) +
           ";\r\nmargin-right:" + number(b.marginRight) + ";\r\nmargin-top:" + number(b.marginTop) +
           ";\r\nmargin-bottom:" + number(b.marginBottom) + ";\r\nfont-family:" + b.fontFamily +
           ";\r\nfont-size:" + number(b.fontSize) + "px;\r\nbackground-color:#" +
           ColorToHex(b.bkColor) + ";\r\ncolor:#" + ColorToHex(b.color) + ";\r\n}\r\n";
  }
  css += "@page {\r\nmargin-left: " + margins.left + "cm;\r\nmargin-right: " + margins.right +
         "cm;\r\nmargin-top: " + margins.top + "cm;\r\nmargin-bottom: " + margins.bottom +
         "cm;\r\n}\r\n";

  const ParagraphStyle& p = style.paragraph;
  const std::string alignLine = p.align.empty() ? std::string() : "text-align:" + p.align + ";\r\n";
  css += "p {\r\npadding-top:" + number(p.padTop) + ";\r\npadding-bottom:" + number(p.padBottom) +
         ";\r\npadding-left:" + number(p.padLeft) + ";\r\npadding-right:" + number(p.padRight) +
         ";\r\ntext-indent:" + number(p.indent) + ";\r\n" + alignLine +
         "font-size:" + number(p.fontSize) + "px;\r\nline-height:" + number(p.lineHeight) +
         "px;\r\nletter-spacing:" + number(p.letterSpace) + "px;\r\n}\r\n";

  for (int level = 0; level < kHeadingLevels; ++level) {
    if (!levels[level]) continue;
    const HeadingStyle& h = style.headings[level];
    css += "h" + number(level + 1) + " {\r\npadding-top:" + number(h.padTop) +
           ";\r\npadding-bottom:" + number(h.padBottom) + ";\r\npadding-left:" + number(h.padLeft) +
           ";\r\npadding-right:" + number(h.padRight) + ";\r\ntext-align:" + h.align +
           ";\r\nfont-size:" + number(h.fontSize) +
           "px;\r\nletter-spacing:" + number(h.letterSpace) + "px;\r\nfont-weight:bold;\r\n}\r\n";
  }
  return css;
}

}  // namespace lumbrix
