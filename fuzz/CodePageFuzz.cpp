// The conversions at the edges, between the program's Windows-1251 and UTF-8 (the window
// layer's text, file names on POSIX systems): every Windows-1251 text goes to UTF-8 and back
// unchanged; UTF-8 that converts without complaint is exactly the UTF-8 of the text it gave, so
// no two names can become one; and text fitted for a document always converts without loss.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/CodePage.h"
#include "FuzzCheck.h"

using namespace lumbrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const bool references = in.ConsumeBool();
  const std::string bytes = in.ConsumeRemainingBytesAsString();

  // The bytes as Windows-1251 text.
  std::string win;
  check(Utf8ToWin(WinToUtf8(bytes), win) && win == bytes);

  // The bytes as UTF-8.
  const bool ok = Utf8ToWin(bytes, win);
  if (ok) check(WinToUtf8(win) == bytes);
  const FittedText fit = FitToWin1251(bytes, references);
  check(Utf8ToWin(fit.utf8, win));
  check(fit.changed == !ok && fit.changed == (fit.references + fit.refused > 0));
  if (!fit.changed) check(fit.utf8 == bytes);
  if (!references) check(fit.references == 0);
  return 0;
}
