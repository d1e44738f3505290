// Code pages and line ends: the only code that turns a file's bytes into editor text (Windows-1251
// with CR LF) and back.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lumbrix {

// The document's encoding, the index of the encoding box.
enum Encoding : int { EncodingWin = 0, EncodingKoi8 = 1, EncodingIso = 2 };

// File byte -> Windows-1251 byte for KOI8-R and ISO-8859-5; 0 where the byte passes unchanged.
const std::array<unsigned char, 256>& KoiToWin();
const std::array<unsigned char, 256>& IsoToWin();

unsigned char ToWin(unsigned char c, int encoding);
unsigned char FromWin(unsigned char b, int encoding);

// Do documents of this kind take HTML entities when written in KOI8 or ISO?
bool KindTakesEntities(int fileKind);

std::string DecodeFileText(std::string_view image, bool lineEndLF, int encoding);
std::string EncodeFileText(std::string_view text, bool lineEndLF, int encoding, int fileKind);
bool DetectLineEnds(std::string_view image, int fileKind, bool current);

}  // namespace lumbrix
