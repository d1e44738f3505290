// The web links of the menu "&Интернет". Each opens its address through the shell; the address
// is the item's hint. The program's own pages (help on HTML and Java, the trainer, the home page,
// support, forum, chat, site promotion) ship with it and open in its help window.
#pragma once

#include <string_view>

namespace lumbrix {

// The help topic of one of the program's own pages, or 0 for an item that opens its address.
int OwnPageTopic(std::string_view handler);

}  // namespace lumbrix
