#include "app/AboutBox.h"

#include "common/Version.h"
#include "common/WinText.h"

namespace lumbrix {

using namespace lumbrix::literals;

TAboutBox::TAboutBox(Shell& shell)
    : VersionCaption(std::string("Версия "_w) + std::string(kProgramVersion)), shell_(shell) {}

// The walk runs clockwise around x 19..126, y 94..105: the left edge goes up, the top edge
// right, the right edge down, the bottom edge left. From the start at 18,101 the left-edge rule
// lifts the label to the top edge first.
void TAboutBox::Timer1Timer() {
  int& x = VersionLeft;
  int& y = VersionTop;
  if (x < 20) {
    if (y > 94)
      --y;
    else
      ++x;
  } else if (x > 125) {
    if (y < 105)
      ++y;
    else
      --x;
  } else {
    if (y <= 94)
      ++x;
    else
      --x;
  }
}

void TAboutBox::AuthorMyloClick() {
  shell_.Open(std::string(kAuthorMail));
}

void TAboutBox::AuthorSiteClick() {
  shell_.Open(std::string(kAuthorSite));
}

}  // namespace lumbrix
