// The About box: the program's name and version on a label that walks around a small rectangle
// while the box is shown, and two links to the author.
#pragma once

#include <string>
#include <string_view>

#include "common/Platform.h"

namespace lumbrix {

class TAboutBox {
 public:
  // The addresses the two links open.
  static constexpr std::string_view kAuthorMail = "mailto:lumbrix@orvane.ru";
  static constexpr std::string_view kAuthorSite = "http://www.orvane.ru/lumbrix/";

  // Where the version label starts, within the panel.
  static constexpr int kVersionStartLeft = 18;
  static constexpr int kVersionStartTop = 101;
  static constexpr int kTimerInterval = 100;  // ms

  explicit TAboutBox(Shell& shell);

  void FormShow() { Timer1Enabled = true; }
  void FormHide() { Timer1Enabled = false; }
  // One step of the version label's walk: exactly one coordinate changes by one pixel.
  void Timer1Timer();
  void AuthorMyloClick();
  void AuthorSiteClick();

  std::string VersionCaption;  // Windows-1251
  int VersionLeft = kVersionStartLeft;
  int VersionTop = kVersionStartTop;
  bool Timer1Enabled = false;

 private:
  Shell& shell_;
};

}  // namespace lumbrix
