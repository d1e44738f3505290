// Where a match may lie: the regions of the find dialog's `Where` list, tested as the document
// window's `InsideElement` tests them, but over one reading of the text. The starts "<" + name
// and the ends "</" + name + ">" are listed once; a position is then looked up in the lists,
// and positions asked in rising order cost nothing beyond a step along them, so a pass over
// every match of a page stays linear.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrix {

// The elements of one tag name in one text.
class ElementSpans {
 public:
  ElementSpans(std::string_view text, std::string_view name);

  // Whether pos lies inside an element of the name: after the nearest "<" + name before it (not
  // one in the last characters of the text, too few to hold more than the opening), and not
  // after the first "</" + name + ">" from that opening on. Nesting is not tracked.
  bool Contains(int pos);

 private:
  std::vector<int> openings_;
  std::vector<int> closings_;
  // Where the last look-up stopped, so that rising positions walk the lists only once.
  std::size_t nextOpening_ = 0;
  std::size_t nextClosing_ = 0;
  int lastPos_ = -1;
};

// A row of `Where`: the item's caption and the elements a match must lie in, all at once.
struct WhereItem {
  std::string_view caption;  // Windows-1251
  std::array<std::string_view, 3> elements;
};

inline constexpr int kWhereWholeFile = 0;
inline constexpr int kWhereSelection = 1;
inline constexpr int kWhereScripts = 5;
inline constexpr int kWhereCount = 11;

const std::array<WhereItem, kWhereCount>& WhereItems();

// The region test of one search: the chosen item's elements, and no script when scripts are
// excluded. Element lists are made on first need.
class RegionFilter {
 public:
  RegionFilter(std::string_view text, int whereIndex, bool exceptScripts);

  // Whether a match at pos (the "<" included when only tags are sought) lies in the region.
  bool Accepts(int pos);

 private:
  ElementSpans& spans(std::size_t slot, std::string_view name);

  std::string_view text_;
  const WhereItem* item_;
  bool exceptScripts_;
  std::array<std::optional<ElementSpans>, 4> spans_;  // the item's three, then "script"
};

}  // namespace lumbrix
