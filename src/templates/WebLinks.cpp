#include "templates/WebLinks.h"

namespace lumbrix {

namespace {

struct OwnPage {
  std::string_view handler;
  int topic;
};

constexpr OwnPage kOwnPages[] = {
    {"WebHelpHtmlJava", 5001}, {"WebTrainer", 5002}, {"WebHome", 5003},      {"WebSupport", 5004},
    {"WebForum", 5005},        {"WebChat", 5006},    {"WebPromotion", 5007},
};

}  // namespace

int OwnPageTopic(std::string_view handler) {
  for (const OwnPage& p : kOwnPages)
    if (p.handler == handler) return p.topic;
  return 0;
}

}  // namespace lumbrix
