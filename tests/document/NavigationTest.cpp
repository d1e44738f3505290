#include "common/WinText.h"
#include "document/DocTypes.h"
#include "document/DocumentFixture.h"
#include "document/Navigation.h"

namespace lumbrix {
namespace {

using lumbrix::testing::DocumentTest;

using Navigation = DocumentTest;

TEST_F(Navigation, JumpBeforeTagLandsAtTheEndOfTheLineAboveOrRightBeforeTheTag) {
  TEditForm& f = Form();
  code.SetText("<body>\r\n<p>x</p>\r\n</body>");
  JumpBeforeTag(f, "</body>");
  EXPECT_EQ(code.SelStart(), 16);
  EXPECT_EQ(code.SelLength(), 0);
  code.SetText("<body><p>x</p></BODY>");
  JumpBeforeTag(f, "</body>");
  EXPECT_EQ(code.SelStart(), 14);
  EXPECT_GT(code.FocusCount(), 1);
}

TEST_F(Navigation, JumpBeforeTagSkipsScriptsAndStaysWithoutTheTag) {
  TEditForm& f = Form();
  code.SetText("<script>s='</head>';</script>\r\n</head>");
  JumpBeforeTag(f, "</head>");
  EXPECT_EQ(code.SelStart(), 29);
  code.SetSelection(3, 2);
  JumpBeforeTag(f, "</style>");
  EXPECT_EQ(code.SelStart(), 3);
  EXPECT_EQ(code.SelLength(), 2);
}

TEST(DocTypes, FourDeclarationsInTwoLines) {
  EXPECT_EQ(DocTypeFor(0),
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"\r\n"
            "   \"http://www.w3.org/TR/html4/loose.dtd\">");
  EXPECT_EQ(DocTypeFor(3),
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"\r\n"
            "   \"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">");
  EXPECT_EQ(DocTypeFor(7), DocTypeFor(0));
}

}  // namespace
}  // namespace lumbrix
