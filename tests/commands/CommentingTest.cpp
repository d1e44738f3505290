#include "commands/Commenting.h"
#include "common/WinText.h"
#include "document/DocumentFixture.h"

namespace lumbrix {
namespace {

using namespace literals;
using lumbrix::testing::DocumentTest;

struct KindCase {
  int kind;
  const char* commented;  // "ab\r\ncd\r\nef" with "b\r\ncd\r\ne" selected
  friend void PrintTo(const KindCase& c, std::ostream* os) { *os << "kind " << c.kind; }
};

class CommentingByKind : public DocumentTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(CommentingByKind, BlockAroundTheSelectionOrPrefixOnEveryTouchedLine) {
  TEditForm& f = Form();
  f.FileKind = GetParam().kind;
  code.SetText("ab\r\ncd\r\nef");
  code.SetSelection(1, 8);
  CommentSel(f, dialogs);
  EXPECT_EQ(code.Text(), GetParam().commented);
  EXPECT_EQ(code.UndoDepth(), 1u);
  EXPECT_TRUE(dialogs.messages.empty());
}

std::string KindName(const ::testing::TestParamInfo<KindCase>& info) {
  static constexpr const char* kNames[] = {"Html",    "Css",   "Xml",   "Java",   "JavaScript",
                                           "Basic",   "VBScript", "Cpp", "Pascal", "Batch",
                                           "Config",  "Vrml",  "Perl",  "Other"};
  return kNames[info.param.kind];
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CommentingByKind,
                         ::testing::Values(KindCase{KindHtml, "a<!--b\r\ncd\r\ne-->f"},
                                           KindCase{KindCss, "a/*b\r\ncd\r\ne*/f"},
                                           KindCase{KindXml, "a<!--b\r\ncd\r\ne-->f"},
                                           KindCase{KindJava, "a/*b\r\ncd\r\ne*/f"},
                                           KindCase{KindJavaScript, "a/*b\r\ncd\r\ne*/f"},
                                           KindCase{KindBasic, "REM ab\r\nREM cd\r\nREM ef"},
                                           KindCase{KindVBScript, "REM ab\r\nREM cd\r\nREM ef"},
                                           KindCase{KindCpp, "a/*b\r\ncd\r\ne*/f"},
                                           KindCase{KindPascal, "a{b\r\ncd\r\ne}f"},
                                           KindCase{KindBatch, "REM ab\r\nREM cd\r\nREM ef"},
                                           KindCase{KindConfig, "; ab\r\n; cd\r\n; ef"},
                                           KindCase{KindVrml, "# ab\r\n# cd\r\n# ef"},
                                           KindCase{KindPerl, "# ab\r\n# cd\r\n# ef"}),
                         KindName);

using Commenting = DocumentTest;

TEST_F(Commenting, HtmlTakesTheSyntaxOfTheStyleOrScriptAtTheSelectionStart) {
  TEditForm& f = Form();
  const std::string page = "<style>p{}</style><script>x=1</script><p>t</p>";
  code.SetText(page);
  code.SetSelection(7, 3);
  CommentSel(f, dialogs);
  EXPECT_EQ(code.Text(), "<style>/*p{}*/</style><script>x=1</script><p>t</p>");

  code.SetText(page);
  code.SetSelection(26, 3);
  CommentSel(f, dialogs);
  EXPECT_EQ(code.Text(), "<style>p{}</style><script>/*x=1*/</script><p>t</p>");

  code.SetText(page);
  code.SetSelection(41, 1);
  CommentSel(f, dialogs);
  EXPECT_EQ(code.Text(), "<style>p{}</style><script>x=1</script><p><!--t--></p>");

  // With nothing selected the delimiters go side by side at the caret.
  code.SetText(page);
  code.SetSelection(0, 0);
  CommentSel(f, dialogs);
  EXPECT_EQ(code.Text(), "<!---->" + page);
}

TEST_F(Commenting, XmlIsNotRefinedByStyleElements) {
  TEditForm& f = Form();
  f.FileKind = KindXml;
  code.SetText("<style>p</style>");
  code.SetSelection(7, 1);
  CommentSel(f, dialogs);
  EXPECT_EQ(code.Text(), "<style><!--p--></style>");
}

TEST_F(Commenting, OtherFilesAreRefusedAndLeftAlone) {
  for (int kind : {static_cast<int>(KindOther), 14, -1}) {
    TEditForm& f = Reopen();
    f.FileKind = kind;
    code.SetText("plain text");
    code.SetSelection(0, 5);
    dialogs.messages.clear();
    CommentSel(f, dialogs);
    EXPECT_EQ(code.Text(), "plain text");
    EXPECT_EQ(code.UndoDepth(), 0u);
    ASSERT_EQ(dialogs.messages.size(), 1u) << kind;
    const auto& m = dialogs.messages[0];
    EXPECT_EQ(m.text, std::string("Для этого типа файлов не удалось найти правила вставки "
                                  "комментариев"_w));
    EXPECT_EQ(m.caption, std::string("Закомментировать нельзя:-("_w));
    EXPECT_EQ(m.icon, MsgIcon::None);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
  }
}

}  // namespace
}  // namespace lumbrix
