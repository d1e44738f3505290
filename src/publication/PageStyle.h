// The page style the publication master keeps: heading, paragraph, body and document records,
// the texts of the boxes that edit them, the rules by which those texts are taken into the
// records and shown again, and the style sheet made from them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumbrix {

struct HeadingStyle {
  int padTop = 30;
  int padBottom = 20;
  int padLeft = 0;
  int padRight = 0;
  std::string align = "center";
  int fontSize = 0;
  int letterSpace = 0;
  bool operator==(const HeadingStyle&) const = default;
};

struct ParagraphStyle {
  int padTop = 0;
  int padBottom = 0;
  int padLeft = 0;
  int padRight = 0;
  int indent = 10;
  std::string align = "justify";  // empty: the browser's default
  int fontSize = 14;
  int lineHeight = 16;
  int letterSpace = 0;
  bool operator==(const ParagraphStyle&) const = default;
};

// Colours in the layout 0x00BBGGRR.
struct BodyStyle {
  int marginLeft = 30;
  int marginRight = 30;
  int marginTop = 10;
  int marginBottom = 10;
  std::string fontFamily;
  int fontSize = 14;
  std::uint32_t bkColor = 0xFFFFFF;
  std::uint32_t color = 0;
  bool operator==(const BodyStyle&) const = default;
};

struct DocProperties {
  std::string title;  // "Новая страница" by default
  std::string description;
  std::string keywords;
  bool operator==(const DocProperties&) const = default;
};

inline constexpr int kHeadingLevels = 6;

struct PageStyle {
  std::array<HeadingStyle, kHeadingLevels> headings;
  ParagraphStyle paragraph;
  BodyStyle body;
  DocProperties doc;
  bool operator==(const PageStyle&) const = default;
};

// The values the master starts from each time it is shown or reset.
PageStyle DefaultPageStyle();

// The print margins are texts in centimetres, copied into the style sheet as they stand.
struct PrintMargins {
  std::string top = "2";
  std::string left = "2.5";
  std::string right = "1.5";
  std::string bottom = "2";
};

// The alignment buttons of a group; at most one is down. The paragraph group has the fifth
// button "По умолчанию", which stands for the empty alignment.
enum class AlignButton { None, Left, Center, Right, Justify, Default };

// The texts of the heading boxes and the button that is down.
struct HeadingBoxes {
  std::string padTop, padBottom, padLeft, padRight, fontSize, letterSpace;
  AlignButton align = AlignButton::None;
};

struct ParagraphBoxes {
  std::string padTop, padBottom, padLeft, padRight, indent, fontSize, lineHeight, letterSpace;
  AlignButton align = AlignButton::None;
};

// The body and document boxes, with the colours the two swatches show.
struct BodyBoxes {
  std::string marginLeft, marginRight, marginTop, marginBottom, fontFamily, fontSize;
  std::uint32_t bkColor = 0xFFFFFF;
  std::uint32_t color = 0;
  std::string title, description, keywords;
};

// A box's text as a whole number: an optional sign and decimal digits that fit 32 bits.
std::optional<int> BoxNumber(std::string_view text);

// Taking: the numbers of a record in their order until the first that does not convert; that
// one and every later number keep their old values. Texts, alignments and colours are always
// taken. Each returns false when a number failed.
bool TakeHeading(HeadingStyle& style, const HeadingBoxes& boxes);
bool TakeParagraph(ParagraphStyle& style, const ParagraphBoxes& boxes);
bool TakeBody(BodyStyle& body, DocProperties& doc, const BodyBoxes& boxes);

// Showing: the numbers in decimal, the button whose word the alignment is (none when it
// matches no button).
HeadingBoxes ShowHeading(const HeadingStyle& style);
ParagraphBoxes ShowParagraph(const ParagraphStyle& style);
BodyBoxes ShowBody(const BodyStyle& body, const DocProperties& doc);
// The label beside a swatch: "=#" and the colour's six digits.
std::string ColourLabel(std::uint32_t colour);

// The style sheet: the body block (only with `insertBody`), the print block, the paragraph block
// and a block for each checked heading level.
std::string GenerateCss(const PageStyle& style, const std::array<bool, kHeadingLevels>& levels,
                        bool insertBody, const PrintMargins& margins);

}  // namespace lumbrix
