// Feeds arbitrary bytes to the parser of the settings file: it must never crash, reading values
// must agree with what it parsed, and writing a value must keep every other line and read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/RegFile.h"

namespace {

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Orvane\\lmbx";

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using lumbrix::RegFile;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  RegFile file = RegFile::Parse(input);
  for (std::string_view name : {"TS", "USER", "UUL", ""}) (void)file.Find(kKey, name);

  // What a save does: the file written once reads back as it was written, line for line.
  const std::string text(input.substr(0, 64));
  check(file.SetDword(kKey, "TS", static_cast<std::int32_t>(size * 2654435761u)));
  check(file.SetString(kKey, "USER", text));
  const std::string out = file.Serialize();
  const RegFile back = RegFile::Parse(out);
  check(back.Serialize() == out);
  const auto ts = back.Find(kKey, "TS");
  check(ts && ts->kind == lumbrix::RegValueKind::Dword &&
        ts->number == static_cast<std::int32_t>(size * 2654435761u));
  const auto user = back.Find(kKey, "USER");
  check(user && user->kind == lumbrix::RegValueKind::String && user->text == text);
  return 0;
}
