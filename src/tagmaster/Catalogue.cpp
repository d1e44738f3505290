#include "tagmaster/Catalogue.h"

#include <algorithm>
#include <stdexcept>

#include "common/CaseMap.h"
#include "common/WinText.h"
#include "tagmaster/CatalogueTables.h"

namespace lumbrix {

using namespace literals;

namespace {

// The index of an attribute named with or without its "=".
int attributeIndex(std::string_view name) {
  for (int a = 0; a < Catalogue::kAttributeCount; ++a) {
    std::string_view n = catalogue::kAttributes[a].name;
    if (n.ends_with('=')) n.remove_suffix(1);
    if (n == name) return a;
  }
  throw std::logic_error("the catalogue names an attribute it does not have");
}

int tagIndex(std::string_view name) {
  for (int t = 0; t < Catalogue::kTagCount; ++t)
    if (catalogue::kTags[t].name == name) return t;
  throw std::logic_error("the catalogue names a tag it does not have");
}

template <typename F>
void forEachName(std::string_view names, F f) {
  while (!names.empty()) {
    const std::size_t space = names.find(' ');
    const std::string_view name = names.substr(0, space);
    if (!name.empty()) f(attributeIndex(name));
    if (space == std::string_view::npos) break;
    names.remove_prefix(space + 1);
  }
}

}  // namespace

Catalogue::Catalogue(std::vector<std::string> fontFamilies) : faces_(std::move(fontFamilies)) {
  // Every tag takes the common set; then each tag's own additions and removals.
  for (std::string_view name : catalogue::kCommonSet) common_[attributeIndex(name)] = true;
  available_.fill(common_);
  for (const catalogue::AvailabilityChange& change : catalogue::kAvailabilityChanges) {
    auto& row = available_[tagIndex(change.tag)];
    forEachName(change.adds, [&row](int a) { row[a] = true; });
    forEachName(change.removes, [&row](int a) { row[a] = false; });
  }
  for (const catalogue::DescriptionOverride& o : catalogue::kOverrides)
    overrides_[tagIndex(o.tag)][attributeIndex(o.attribute)] = o.text;
  // The suggestions are shown alphabetically, whatever order the system lists the families in.
  std::ranges::sort(faces_, [](const std::string& x, const std::string& y) {
    return std::ranges::lexicographical_compare(x, y, [](char p, char q) {
      return kWinLower[static_cast<unsigned char>(p)] < kWinLower[static_cast<unsigned char>(q)];
    });
  });
  faces_.erase(std::unique(faces_.begin(), faces_.end()), faces_.end());
}

std::string_view Catalogue::TagName(int t) const {
  if (t == kApplet) return "applet";
  return isTag(t) ? catalogue::kTags[t].name : std::string_view();
}

std::string_view Catalogue::TagDescription(int t) const {
  return isTag(t) ? catalogue::kTags[t].description : std::string_view();
}

bool Catalogue::ClosingTag(int t) const {
  return isTag(t) ? catalogue::kTags[t].closing : true;
}

const AttributeEntry& Catalogue::Attribute(int a) {
  return catalogue::kAttributes[a];
}

std::vector<std::string> Catalogue::AttributeValues(int a) const {
  if (a == kFace) return faces_;
  const std::span<const std::string_view> values = catalogue::kAttributes[a].values;
  return {values.begin(), values.end()};
}

std::string_view Catalogue::PageCaption(AttributePage page) {
  switch (page) {
    case AttributePage::Main:
      return "основные"_w;
    case AttributePage::Other:
      return "др."_w;
    default:
      return "события"_w;
  }
}

bool Catalogue::Available(int t, int a) const {
  if (a < 0 || a >= kAttributeCount) return false;
  if (t == kApplet) return common_[a];
  return isTag(t) ? available_[t][a] : true;
}

std::string_view Catalogue::Hint(int t, int a) const {
  if (isTag(t) && !overrides_[t][a].empty()) return overrides_[t][a];
  return catalogue::kAttributes[a].description;
}

}  // namespace lumbrix
