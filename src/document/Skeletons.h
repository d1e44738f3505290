// New documents: an empty one, an HTML page skeleton, a JavaScript file and a VRML world with a
// comment header. Each fills a document window that the frame has just created.
#pragma once

#include <string>

namespace lumbrix {

class TEditForm;
struct Settings;

// Today's date in the user's short date format, Windows-1251: the platform's locale decides it.
class ShortDate {
 public:
  virtual ~ShortDate() = default;
  virtual std::string Today() = 0;
};

void NewFile(TEditForm& form, const Settings& settings);
void NewHtml(TEditForm& form, const Settings& settings);
void NewJS(TEditForm& form, const Settings& settings, ShortDate& date);
void NewVRML(TEditForm& form, const Settings& settings, ShortDate& date);

// The text of the HTML skeleton under the given settings.
std::string HtmlSkeleton(const Settings& settings);

}  // namespace lumbrix
