#include "common/Entities.h"

#include <array>

namespace lumbrix {

namespace {

struct EntityRow {
  unsigned char code;
  const char* entity;
};

// The complete table. Everything else, the Cyrillic letters, typographic quotes, dashes, per
// mille and trade mark included, is written as itself.
constexpr EntityRow kEntityRows[] = {
    {136, "&#128;"},   {164, "&curren;"}, {166, "&brvbar;"}, {167, "&sect;"},   {169, "&copy;"},
    {171, "&laquo;"},  {172, "&not;"},    {173, "&shy;"},    {174, "&reg;"},    {176, "&deg;"},
    {177, "&plusmn;"}, {181, "&micro;"},  {182, "&para;"},   {183, "&middot;"}, {187, "&raquo;"},
};

constexpr std::array<const char*, 256> kEntities = [] {
  std::array<const char*, 256> t{};
  for (const EntityRow& row : kEntityRows) t[row.code] = row.entity;
  return t;
}();

}  // namespace

std::string_view EntityOf(unsigned char c) {
  const char* e = kEntities[c];
  return e ? std::string_view(e) : std::string_view();
}

EntityLookup CharToEntity(char c) {
  const std::string_view e = EntityOf(static_cast<unsigned char>(c));
  if (e.empty()) return {std::string(1, c), false};
  return {std::string(e), true};
}

}  // namespace lumbrix
