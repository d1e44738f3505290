#include "document/DocTypes.h"

namespace lumbrix {

namespace {

std::string declaration(const char* publicId, const char* systemPath) {
  return std::string("<!DOCTYPE HTML PUBLIC \"") + publicId + "\"\r\n   \"http://www.w3.org" +
         systemPath + "\">";
}

}  // namespace

const std::array<std::string, 4>& DocTypes() {
  // XHTML entries keep the word "HTML" after "<!DOCTYPE", like the others.
  static const std::array<std::string, 4> table = {
      declaration("-//W3C//DTD HTML 4.01 Transitional//EN", "/TR/html4/loose.dtd"),
      declaration("-//W3C//DTD HTML 4.01//EN", "/TR/html4/strict.dtd"),
      declaration("-//W3C//DTD XHTML 1.0 Transitional//EN",
                  "/TR/xhtml1/DTD/xhtml1-transitional.dtd"),
      declaration("-//W3C//DTD XHTML 1.0 Strict//EN", "/TR/xhtml1/DTD/xhtml1-strict.dtd"),
  };
  return table;
}

const std::string& DocTypeFor(int dt) {
  return DocTypes()[dt >= 0 && dt < 4 ? dt : 0];
}

}  // namespace lumbrix
