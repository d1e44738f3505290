// The tables the catalogue is built from. Attributes are named here without their "=", as the
// availability of each tag is usually told.
#pragma once

#include <string_view>

#include "tagmaster/Catalogue.h"

namespace lumbrix::catalogue {

// A tag's attributes beyond the common set, and those of the common set it does not take, as
// names separated by spaces.
struct AvailabilityChange {
  std::string_view tag;
  std::string_view adds;
  std::string_view removes = {};
};

// A tag that explains an attribute in its own words.
struct DescriptionOverride {
  std::string_view tag;
  std::string_view attribute;
  std::string_view text;  // Windows-1251
};

extern const TagEntry kTags[Catalogue::kTagCount];
extern const AttributeEntry kAttributes[Catalogue::kAttributeCount];
// What every tag takes.
extern const std::string_view kCommonSet[20];
extern const AvailabilityChange kAvailabilityChanges[Catalogue::kTagCount];
extern const DescriptionOverride kOverrides[2];

}  // namespace lumbrix::catalogue
