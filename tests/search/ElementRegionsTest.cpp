#include <gtest/gtest.h>

#include <random>

#include "document/DocumentFixture.h"
#include "search/ElementRegions.h"

namespace lumbrix {
namespace {

using lumbrix::testing::DocumentTest;

using ElementSpansTest = DocumentTest;

// The look-up over the lists answers exactly as the document window's own test does, at every
// position, for texts with nesting, unclosed and upper-case elements, names that begin longer
// names, and openings at the very end of the text.
TEST_F(ElementSpansTest, AnswersAsInsideElementAtEveryPosition) {
  std::vector<std::string> texts = {
      "",
      "<table>a<table>b</table>c</table>d",
      "x<TABLE>y</Table>z<table",
      "<tablex>q</table>",
      "a</table>b<table>c",
      "<table>",
      "<table> ",
      "<script>if (a<b) x='</script>';</script>after",
      "<ul><li>1<ul><li>2</ul>3</ul>4",
  };
  // Texts made of the pieces these elements are built from, in every order a seeded draw gives.
  const char* pieces[] = {"<table",  ">", "</table>", "<TABLE>", "x",
                          "</table", "<", "table",    "\r\n"};
  std::mt19937 draw(7);
  for (int t = 0; t < 200; ++t) {
    std::string text;
    const int count = static_cast<int>(draw() % 12);
    for (int i = 0; i < count; ++i) text += pieces[draw() % std::size(pieces)];
    texts.push_back(text);
  }
  TEditForm& form = Form();
  for (const std::string& text : texts) {
    code.SetText(text);
    for (const char* name : {"table", "script", "ul"}) {
      ElementSpans rising(text, name);
      for (int pos = 0; pos <= static_cast<int>(text.size()) + 1; ++pos)
        ASSERT_EQ(rising.Contains(pos), form.InsideElement(name, pos))
            << '"' << text << "\" " << name << " at " << pos;
      // Asked backwards, the look-up starts over and still agrees.
      ElementSpans falling(text, name);
      for (int pos = static_cast<int>(text.size()); pos >= 0; --pos)
        ASSERT_EQ(falling.Contains(pos), form.InsideElement(name, pos))
            << '"' << text << "\" " << name << " at " << pos << " asked backwards";
    }
  }
}

}  // namespace
}  // namespace lumbrix
