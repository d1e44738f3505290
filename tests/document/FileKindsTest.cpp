#include <gtest/gtest.h>

#include "document/FileKinds.h"
#include "common/WinText.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

TEST(KindOfFileName, ComparesTheExtensionExactly) {
  const struct {
    const char* name;
    int kind;
  } cases[] = {
      {"index.htm", KindHtml},
      {"a.html", KindHtml},
      {"a.dhtml", KindHtml},
      {"a.shtml", KindHtml},
      {"a.xhtml", KindHtml},
      {"t.htt", KindHtml},
      {"a.xhtm", KindHtml},
      {"a.shtm", KindHtml},
      {"x.php", KindHtml},
      {"s.css", KindCss},
      {"d.xml", KindXml},
      {"A.java", KindJava},
      {"x.js", KindJavaScript},
      {"x.asp", KindJavaScript},
      {"m.bas", KindBasic},
      {"m.vbs", KindVBScript},
      {"m.c", KindCpp},
      {"m.cpp", KindCpp},
      {"unit.h", KindCpp},
      {"m.hpp", KindCpp},
      {"m.cxx", KindCpp},
      {"m.hxx", KindCpp},
      {"script.c++", KindCpp},
      {"m.h++", KindCpp},
      {"u.pas", KindPascal},
      {"go.bat", KindBatch},
      {"w.ini", KindConfig},
      {"w.wrl", KindVrml},
      {"w.vrml", KindVrml},
      {"p.pl", KindPerl},
      {"p.pm", KindPerl},
      {"x.cgi", KindPerl},
      {"INDEX.HTM", KindOther},
      {"page.HTML", KindOther},
      {"README", KindOther},
      {"a.txt", KindOther},
      {"archive.htm.bak", KindOther},
      {"/home/me/site.v2/README", KindOther},
      {"C:\\www\\index.htm", KindHtml},
      {"", KindOther},
  };
  for (const auto& c : cases) EXPECT_EQ(KindOfFileName(c.name), c.kind) << c.name;
  EXPECT_EQ(KindOfFileName(std::string("ваша страница"_w)), KindHtml);
}

TEST(ControlGroups, FollowTheKindWhenButtonsGoByFileType) {
  const ControlGroups all{true, true, true, true};
  const ControlGroups none{false, false, false, false};
  for (int kind : {KindHtml, KindXml, KindJavaScript, KindVBScript, KindPerl})
    EXPECT_EQ(ControlGroupsFor(kind, true), all) << kind;
  EXPECT_EQ(ControlGroupsFor(KindCss, true), (ControlGroups{false, true, true, true}));
  for (int kind :
       {KindJava, KindBasic, KindCpp, KindPascal, KindBatch, KindConfig, KindVrml, KindOther})
    EXPECT_EQ(ControlGroupsFor(kind, true), none) << kind;
  for (int kind = 0; kind <= KindOther; ++kind)
    EXPECT_EQ(ControlGroupsFor(kind, false), (ControlGroups{true, false, false, false})) << kind;
  EXPECT_TRUE(ControlGroupsFor(KindCss, true).applyCss());
  EXPECT_FALSE(ControlGroupsFor(KindHtml, false).applyCss());
}

}  // namespace
}  // namespace lumbrix
