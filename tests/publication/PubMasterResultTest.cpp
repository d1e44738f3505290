#include <gtest/gtest.h>

#include <memory>

#include "common/MemoryPane.h"
#include "common/WinText.h"
#include "document/DocTypes.h"
#include "document/DocumentFixture.h"
#include "publication/FakeColourChooser.h"
#include "publication/PubMasterForm.h"
#include "publication/PubMasterResult.h"
#include "support/RecordingPorts.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using testing::FakeColourChooser;
using testing::RecordingShell;

class PubMasterResultTest : public testing::DocumentTest {
 protected:
  // Acts on the result with the fixture's document as the current one (or none); a new page
  // goes into a second window.
  void Act(int result, bool withDocument = true) {
    master.ResultCode = result;
    master.GeneratedCss = "a {\r\ncolor:red;\r\n}\r\n";
    ActOnPubMasterResult(master, withDocument ? &Form() : nullptr, settings,
                         [this](const std::function<void(TEditForm&)>& fill) {
                           newForm =
                               std::make_unique<TEditForm>(settings, dialogs, newCode, newPlain);
                           fill(*newForm);
                         });
  }

  RecordingShell shell;
  FakeColourChooser colours;
  TPubMasterForm master{dialogs, shell, colours, {}};
  MemoryPane newCode, newPlain;
  std::unique_ptr<TEditForm> newForm;
};

TEST_F(PubMasterResultTest, StylesGoBeforeTheHeadEndIndentedLikeItsLine) {
  Form();
  code.SetText("<html>\r\n  <head>\r\n  <title>x</title>\r\n  </head>\r\n<body>");
  code.SetSelection(40, 3);
  Act(TPubMasterForm::InsertStyles);
  EXPECT_EQ(code.Text(),
            "<html>\r\n  <head>\r\n  <title>x</title>\r\n  \r\n  <style type=\"text/css\">\r\n"
            "  a {\r\n  color:red;\r\n  }\r\n  </style></head>\r\n<body>");
  EXPECT_TRUE(Form().Modified());
}

TEST_F(PubMasterResultTest, WithoutAHeadEndTheStylesGoAtTheCaret) {
  Form();
  code.SetText("<p>one</p>");
  code.SetSelection(3, 3);
  Act(TPubMasterForm::InsertStyles);
  EXPECT_EQ(code.Text(),
            "<p>\r\n<style type=\"text/css\">\r\na {\r\ncolor:red;\r\n}\r\n</style>one</p>");
}

TEST_F(PubMasterResultTest, CssAtTheCaretReplacesTheSelection) {
  Form();
  code.SetText("  x SEL y");
  code.SetSelection(4, 3);
  Act(TPubMasterForm::InsertCss);
  EXPECT_EQ(code.Text(), "  x a {\r\n  color:red;\r\n  }\r\n   y");
}

TEST_F(PubMasterResultTest, NothingHappensOnCancelOrWithoutADocument) {
  Form();
  code.SetText("<head></head>");
  for (int result : {int(TPubMasterForm::Nothing), 7}) {
    Act(result);
    EXPECT_EQ(code.Text(), "<head></head>");
  }
  for (int result : {int(TPubMasterForm::InsertStyles), int(TPubMasterForm::InsertCss)}) {
    Act(result, false);
    EXPECT_EQ(code.Text(), "<head></head>");
  }
  EXPECT_EQ(newForm, nullptr);
}

TEST_F(PubMasterResultTest, ANewPageIsMadeWithTheCaretBeforeTheBodyEnd) {
  settings.DT = 1;
  settings.UUN = true;
  settings.USER = "Иван"_w;
  settings.PSN = true;
  master.Working.doc = {std::string("Заглавие"_w), std::string("о чём"_w), "k1, k2"};
  Act(TPubMasterForm::NewPage, false);
  ASSERT_NE(newForm, nullptr);
  const std::string expected =
      DocTypeFor(1) +
      std::string(
          "\r\n<html>\r\n<head>\r\n <meta http-equiv=\"Content-Type\" content=\"text/html; "
          "charset=windows-1251\" />\r\n <meta name=\"author\" content=\"Иван\" />\r\n <meta "
          "name=\"generator\" content=\"Lumbrix 0.8.1\" />\r\n <meta name=\"description\" "
          "content=\"о чём\" />\r\n <meta name=\"keywords\" content=\"k1, k2\" />\r\n "
          "<title>Заглавие</title>\r\n <style type=\"text/css\">\r\na {\r\ncolor:red;\r\n}\r\n "
          "</style>\r\n</head>\r\n<body>\r\n\r\n</body>\r\n</html>"_w);
  EXPECT_EQ(newCode.Text(), expected);
  EXPECT_EQ(newForm->FileImage, expected);
  EXPECT_TRUE(newForm->Modified());
  EXPECT_EQ(newCode.SelStart(), static_cast<int>(expected.find("\r\n</body>")));
}

TEST_F(PubMasterResultTest, NewPageTextVariations) {
  DocProperties doc{"T", "", ""};
  // Without "указать": a stand-in title, no description or keywords.
  std::string page = NewPageText(settings, "", false, doc);
  EXPECT_NE(page.find(" <title>Ваше название</title>"_w), std::string::npos);
  EXPECT_EQ(page.find("description"), std::string::npos);
  EXPECT_EQ(page.find("keywords"), std::string::npos);
  // Empty texts still give their lines; an empty user name gives the stand-in author.
  settings.UUN = true;
  settings.USER.clear();
  page = NewPageText(settings, "", true, doc);
  EXPECT_NE(page.find(" <meta name=\"description\" content=\"\" />\r\n <meta name=\"keywords\" "
                      "content=\"\" />\r\n <title>T</title>"),
            std::string::npos);
  EXPECT_NE(page.find("content=\"Ваше имя\""_w), std::string::npos);
  settings.UUN = false;
  EXPECT_EQ(NewPageText(settings, "", true, doc).find("author"), std::string::npos);
}

}  // namespace
}  // namespace lumbrix
