// Today's date in the short date format of the user's locale, for the headers of new scripts.
#pragma once

#include "document/Skeletons.h"

namespace lumbrix {

class QtShortDate : public ShortDate {
 public:
  std::string Today() override;
};

}  // namespace lumbrix
