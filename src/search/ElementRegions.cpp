#include "search/ElementRegions.h"

#include "common/CaseMap.h"
#include "common/WinText.h"

namespace lumbrix {

using namespace literals;

namespace {

// Every place of a pattern that begins with "<", found from one "<" to the next: a page has far
// fewer of them than characters.
std::vector<int> occurrences(std::string_view text, std::string_view pattern, int limit) {
  std::vector<int> at;
  const int length = static_cast<int>(pattern.size());
  for (std::size_t lt = text.find('<');
       lt != std::string_view::npos && static_cast<int>(lt) < limit; lt = text.find('<', lt + 1)) {
    const int p = static_cast<int>(lt);
    if (FindText(text, pattern, p, length, false, false) == p) at.push_back(p);
  }
  return at;
}

const std::array<WhereItem, kWhereCount> kWhere = {{
    {"весь файл"_w, {}},
    {"выделенный текст"_w, {}},
    {"HTML", {"html"}},
    {"заголовок (HEAD)"_w, {"head"}},
    {"тело док. (BODY)"_w, {"body"}},
    {"скрипты"_w, {"script"}},
    {"определений стилей"_w, {"style"}},
    {"таблицы"_w, {"table"}},
    {"марк. списки"_w, {"ul"}},
    {"нумеров. списки"_w, {"ol"}},
    {"акт. объекты"_w, {"object", "applet", "embed"}},
}};

}  // namespace

ElementSpans::ElementSpans(std::string_view text, std::string_view name) {
  const std::string opening = "<" + std::string(name);
  const std::string closing = "</" + std::string(name) + ">";
  const int n = static_cast<int>(text.size());
  // An opening needs at least one character after it to start an element.
  openings_ = occurrences(text, opening, n - static_cast<int>(opening.size()));
  closings_ = occurrences(text, closing, n);
}

bool ElementSpans::Contains(int pos) {
  if (pos < lastPos_) nextOpening_ = nextClosing_ = 0;
  lastPos_ = pos;
  while (nextOpening_ < openings_.size() && openings_[nextOpening_] < pos) ++nextOpening_;
  if (nextOpening_ == 0) return false;
  const int opening = openings_[nextOpening_ - 1];
  while (nextClosing_ < closings_.size() && closings_[nextClosing_] < opening) ++nextClosing_;
  return nextClosing_ < closings_.size() && closings_[nextClosing_] >= pos;
}

const std::array<WhereItem, kWhereCount>& WhereItems() {
  return kWhere;
}

RegionFilter::RegionFilter(std::string_view text, int whereIndex, bool exceptScripts)
    : text_(text),
      item_(whereIndex >= 0 && whereIndex < kWhereCount ? &kWhere[whereIndex] : nullptr),
      exceptScripts_(exceptScripts) {}

ElementSpans& RegionFilter::spans(std::size_t slot, std::string_view name) {
  if (!spans_[slot]) spans_[slot].emplace(text_, name);
  return *spans_[slot];
}

bool RegionFilter::Accepts(int pos) {
  if (item_) {
    for (std::size_t i = 0; i < item_->elements.size(); ++i) {
      const std::string_view name = item_->elements[i];
      if (!name.empty() && !spans(i, name).Contains(pos)) return false;
    }
  }
  return !exceptScripts_ || !spans(3, "script").Contains(pos);
}

}  // namespace lumbrix
