// Windows-1251 characters written as HTML entities when a page is saved in a code page that
// lacks them, and by the plain-text converter.
#pragma once

#include <string>
#include <string_view>

namespace lumbrix {

// The entity text of a Windows-1251 character, or empty when the character is written as itself.
std::string_view EntityOf(unsigned char c);

struct EntityLookup {
  std::string text;  // the entity, or the character itself
  bool replaced;
};

EntityLookup CharToEntity(char c);

}  // namespace lumbrix
