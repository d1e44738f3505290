#include "common/WinText.h"
#include "document/DocTypes.h"
#include "document/DocumentFixture.h"
#include "document/Encodings.h"
#include "document/Skeletons.h"

namespace lumbrix {
namespace {

using namespace literals;
using lumbrix::testing::DocumentTest;

class FixedDate : public ShortDate {
 public:
  std::string Today() override { return "31.12.2024"; }
};

class Skeletons : public DocumentTest {
 protected:
  FixedDate date;
};

std::string W(std::string_view s) {
  return std::string(s);
}

TEST_F(Skeletons, DefaultHtmlPageLineByLineWithTheCaretOnTheEmptyBodyLine) {
  TEditForm& f = Form();
  NewHtml(f, settings);
  const std::string expected =
      W(R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN")"
        "\r\n"
        R"(   "http://www.w3.org/TR/html4/loose.dtd">)"
        "\r\n<html>\r\n<head>\r\n"
        R"( <meta http-equiv="Content-Type" content="text/html; charset=windows-1251" />)"
        "\r\n"
        R"( <meta name="author" content="Ваше имя" />)"
        "\r\n"
        R"( <meta name="generator" content="Lumbrix 0.8.1" />)"
        "\r\n <title>Ваше название</title>\r\n"
        R"( <style type="text/css">)"
        "\r\n \r\n </style>\r\n</head>\r\n<body>\r\n\r\n</body>\r\n</html>"_w);
  EXPECT_EQ(code.Text(), expected);
  const int emptyLine = static_cast<int>(expected.find("<body>\r\n")) + 8;
  EXPECT_EQ(code.SelStart(), emptyLine);
  EXPECT_EQ(code.SelLength(), 0);
  EXPECT_EQ(f.FileImage, expected);
  EXPECT_FALSE(code.Modified());
  EXPECT_TRUE(f.IsNew);
  EXPECT_EQ(f.FileKind, KindHtml);
  EXPECT_EQ(f.FilePath, W("НовыйФайл.htm"_w));
  EXPECT_EQ(f.Encoding, EncodingWin);
  EXPECT_FALSE(f.LineEndLF);
  EXPECT_GT(code.FocusCount(), 0);
}

TEST_F(Skeletons, HtmlFollowsTheSettings) {
  settings.DT = 3;
  settings.DHTMLET = 1;
  settings.USER = W("Пётр"_w);
  settings.UUK = true;
  settings.UK = "a, b";
  settings.UUD = true;
  settings.UD = W("Опись"_w);
  settings.PSN = true;
  TEditForm& f = Form();
  NewHtml(f, settings);
  const std::string text = code.Text();
  EXPECT_EQ(text.rfind(DocTypeFor(3) + "\r\n<html>", 0), 0u);
  EXPECT_NE(text.find("charset=koi8-r\""), std::string::npos);
  const std::string metas =
      W(" <meta name=\"author\" content=\"Пётр\" />\r\n"
        " <meta name=\"generator\" content=\"Lumbrix 0.8.1\" />\r\n"
        " <meta name=\"keywords\" content=\"a, b\" />\r\n"
        " <meta name=\"description\" content=\"Опись\" />\r\n <title>"_w);
  EXPECT_NE(text.find(metas), std::string::npos);
  EXPECT_TRUE(code.Modified());
  EXPECT_EQ(f.Encoding, EncodingKoi8);
  EXPECT_TRUE(f.LineEndLF);
  EXPECT_EQ(f.EncodeTypeIndex, EncodingKoi8);
  EXPECT_EQ(f.LFCRTypeIndex, 1);
  EXPECT_EQ(f.FileImage, text);  // the editor form, with CR LF, not the KOI8 bytes
  EXPECT_EQ(code.TextRange(code.SelStart(), 9), "\r\n</body>");
}

TEST_F(Skeletons, HtmlCharsetAndDoctypeForEveryValue) {
  const char* charsets[] = {"windows-1251", "koi8-r", "iso_8859-5", "us-ascii"};
  for (int v = 0; v < 4; ++v) {
    Settings s;
    s.DT = v;
    s.DHTMLET = v;
    const std::string page = HtmlSkeleton(s);
    EXPECT_EQ(page.rfind(DocTypeFor(v), 0), 0u) << v;
    EXPECT_NE(page.find(std::string("charset=") + charsets[v] + "\""), std::string::npos) << v;
  }
  Settings off;
  off.UUN = false;
  off.USER = "Ann";
  EXPECT_EQ(HtmlSkeleton(off).find("name=\"author\""), std::string::npos);
  EXPECT_EQ(HtmlSkeleton(off).find("keywords"), std::string::npos);
  EXPECT_EQ(HtmlSkeleton(off).find("description"), std::string::npos);
}

TEST_F(Skeletons, JavaScriptHeaderWithTheDateAndTheEncodingOnlyWhenAsked) {
  settings.USER = "Ann";
  settings.DHTMLET = 1;
  TEditForm& f = Form();
  NewJS(f, settings, date);
  const std::string text =
      "// Module     : \r\n// Created    : 31.12.2024\r\n// Author     : Ann\r\n"
      "// Description: \r\n// Used in    : \r\n\r\n";
  EXPECT_EQ(code.Text(), text);
  EXPECT_EQ(code.SelStart(), static_cast<int>(text.size()));
  EXPECT_EQ(f.FileKind, KindJavaScript);
  EXPECT_EQ(f.FilePath, W("НовыйФайл.js"_w));
  EXPECT_EQ(f.DefaultName, W("НовыйФайл.js"_w));
  EXPECT_TRUE(f.IsNew);
  EXPECT_TRUE(f.FileImage.empty());
  EXPECT_EQ(f.Encoding, EncodingKoi8);
  EXPECT_TRUE(f.LineEndLF);
  EXPECT_FALSE(code.Modified());

  settings.UDHETWJS = false;
  settings.UUN = false;
  settings.PSN = true;
  TEditForm& g = Reopen();
  NewJS(g, settings, date);
  EXPECT_NE(code.Text().find("// Author     : \r\n"), std::string::npos);
  EXPECT_EQ(g.Encoding, EncodingWin);
  EXPECT_FALSE(g.LineEndLF);
  EXPECT_TRUE(code.Modified());
}

TEST_F(Skeletons, VrmlWorldNamesTheUserOnlyWhenAskedAndStaysWin) {
  settings.DHTMLET = 2;
  TEditForm& f = Form();
  NewVRML(f, settings, date);
  EXPECT_EQ(code.Text(),
            "#VRML V2.0 utf8\r\n# Module     : \r\n# Created    : 31.12.2024\r\n# Author     : "
            "\r\n# Description: \r\n\r\nWorldInfo {\r\n   title \"New VRML world\"\r\n"
            "   info \"\"\r\n}\r\n\r\n");
  EXPECT_EQ(code.SelStart(), code.TextLength());
  EXPECT_EQ(f.FileKind, KindVrml);
  EXPECT_EQ(f.FilePath, W("НовыйФайл.wrl"_w));
  EXPECT_EQ(f.Encoding, EncodingWin);
  EXPECT_FALSE(f.LineEndLF);

  settings.UUN = false;
  settings.USER = "Bob";
  NewVRML(Reopen(), settings, date);
  EXPECT_EQ(code.Text().find("info"), std::string::npos);
  EXPECT_EQ(code.Text().find("Bob"), std::string::npos);
}

TEST_F(Skeletons, EmptyDocumentTakesTheModifiedMarkFromTheSettings) {
  settings.PSN = true;
  TEditForm& f = Form();
  NewFile(f, settings);
  EXPECT_TRUE(code.Modified());
  EXPECT_TRUE(code.Text().empty());
  EXPECT_EQ(f.FilePath, W("НовыйФайл.htm"_w));
  EXPECT_GT(code.FocusCount(), 0);
}

}  // namespace
}  // namespace lumbrix
