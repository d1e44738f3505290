#include <sys/stat.h>

#include <filesystem>

#include "common/WinText.h"
#include "document/DocumentFixture.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using lumbrix::testing::DocumentTest;
using lumbrix::testing::TempDir;

using EditForm = DocumentTest;

TEST_F(EditForm, StartsAsAnUntitledPageUnderTheSettings) {
  settings.AM = true;
  settings.USC = false;
  settings.CEBColor = 0x112233;
  settings.CETColor = 0x445566;
  settings.UDF = false;
  settings.CEFontFace = "Lucida Console";
  settings.CEFontSize = 12;
  TEditForm& f = Form();
  EXPECT_EQ(f.FilePath, "НовыйФайл.htm"_w);
  EXPECT_EQ(f.Caption, "НовыйФайл.htm"_w);
  EXPECT_TRUE(f.IsNew);
  EXPECT_TRUE(f.TranslateDown);
  EXPECT_FALSE(f.Modified());
  EXPECT_TRUE(f.Maximized);
  EXPECT_FALSE(f.UseSystemColors);
  EXPECT_EQ(f.CodeBackground, 0x112233u);
  EXPECT_EQ(f.CodeTextColor, 0x445566u);
  EXPECT_EQ(f.CodeFontFace, "Lucida Console");
  EXPECT_EQ(f.CodeFontSize, 12);
  EXPECT_EQ(f.Groups, (ControlGroups{true, true, true, true}));
  EXPECT_TRUE(code.WordWrap());
}

TEST_F(EditForm, LoadsAFileWholeAndSavesItBackByteForByte) {
  std::string content = "<html>\r\n\xc0\xe1";
  content.push_back('\0');
  content += "\xff lone\nlf lone\rcr\r\n";
  content.push_back('\0');
  content += "after zero\r\n";
  const std::string path = dir.Write("page.htm", content);
  TEditForm& f = Form();
  ASSERT_TRUE(f.LoadDocument(path));
  EXPECT_EQ(code.Text(), content);
  EXPECT_FALSE(f.LineEndLF);
  EXPECT_FALSE(f.IsNew);
  EXPECT_FALSE(f.TranslateDown);
  EXPECT_EQ(f.Caption, "page.htm");
  code.SetModified(true);
  ASSERT_TRUE(f.SaveDocument());
  EXPECT_EQ(TempDir::Read(path), content);
  EXPECT_FALSE(f.Modified());
}

TEST_F(EditForm, ReadsAnLfFileAsCrLfAndWritesItBackWithLf) {
  const std::string path = dir.Write("s.css", "a {}\nb {}\n");
  TEditForm& f = Form();
  ASSERT_TRUE(f.LoadDocument(path));
  EXPECT_TRUE(f.LineEndLF);
  EXPECT_EQ(f.LFCRTypeIndex, 1);
  EXPECT_EQ(f.FileKind, KindCss);
  EXPECT_EQ(f.Groups, (ControlGroups{false, true, true, true}));
  EXPECT_EQ(code.Text(), "a {}\r\nb {}\r\n");
  code.SetSelection(code.TextLength(), 0);
  code.ReplaceSelection("c {}\r\n");
  ASSERT_TRUE(f.SaveDocument());
  EXPECT_EQ(TempDir::Read(path), "a {}\nb {}\nc {}\n");
}

TEST_F(EditForm, ARefusedOrFailedReadAsksToCloseTheWindow) {
  const std::string big = dir.Write("big.htm", std::string(65536, 'x'));
  EXPECT_FALSE(Form().LoadDocument(big));
  EXPECT_EQ(code.Text(), "");
  EXPECT_EQ(dialogs.messages.back().text, "Файл слишком велик"_w);
  EXPECT_FALSE(Reopen().LoadDocument(dir.File("missing.htm")));
  EXPECT_EQ(dialogs.messages.back().text, "Ошибка чтения файла"_w);
}

TEST_F(EditForm, SavingANewDocumentAsksForANameWithTheKindsFilter) {
  TEditForm& f = Form();
  code.SetText("<p>");
  code.SetModified(true);
  dialogs.AnswerFile(std::nullopt);
  EXPECT_FALSE(f.SaveDocument());
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  const FileDialogRequest& r = dialogs.saveRequests[0];
  EXPECT_EQ(r.title, "Запись файла"_w);
  EXPECT_EQ(r.filterIndex, 1);
  EXPECT_EQ(r.initialName, "НовыйФайл.htm"_w);
  EXPECT_EQ(r.defaultExt, "htm");
  ASSERT_EQ(r.filters.size(), 14u);
  EXPECT_EQ(r.filters[13], "Всё подряд|*.*"_w);
  EXPECT_EQ(r.filterExts[3], "js");
  EXPECT_EQ(r.filterExts[4], "");
  EXPECT_TRUE(r.overwritePrompt);
  EXPECT_TRUE(f.IsNew);
  EXPECT_TRUE(f.Modified());  // cancelled: nothing changes

  f.FileKind = KindJavaScript;
  f.SaveDocument();
  EXPECT_EQ(dialogs.saveRequests[1].filterIndex, 4);
  f.FileKind = KindVrml;
  f.SaveDocument();
  EXPECT_EQ(dialogs.saveRequests[2].filterIndex, 7);
  f.FileKind = KindCpp;
  f.SaveDocument();
  EXPECT_EQ(dialogs.saveRequests[3].filterIndex, 0);
}

TEST_F(EditForm, SaveAsRenamesAndReclassifiesTheDocument) {
  TEditForm& f = Form();
  code.SetText("body {}");
  const std::string path = dir.File("style.css");
  dialogs.AnswerFile(path);
  ASSERT_TRUE(f.SaveDocumentAs());
  EXPECT_EQ(f.FilePath, path);
  EXPECT_FALSE(f.IsNew);
  EXPECT_EQ(f.FileKind, KindCss);
  EXPECT_EQ(f.Caption, "style.css");
  EXPECT_EQ(f.FileImage, "body {}");
  EXPECT_EQ(TempDir::Read(path), "body {}");
  EXPECT_EQ(f.Groups, (ControlGroups{false, true, true, true}));
  // Later saves write to the same file without asking.
  code.SetText("body {color: red}");
  ASSERT_TRUE(f.SaveDocument());
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(f.FileKind, KindCss);
}

TEST_F(EditForm, JavaScriptSavedAsTakesTheDefaultEncodingWhenTheUserAgrees) {
  settings.DHTMLET = 1;
  TEditForm& f = Form();
  code.SetText("var x;\r\n");
  dialogs.AnswerFile(dir.File("a.js"));
  dialogs.answers.push_back(MsgAnswer::Yes);
  ASSERT_TRUE(f.SaveDocumentAs());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].caption, "Сохранение файла JavaScript"_w);
  EXPECT_EQ(dialogs.messages[0].text,
            "Кодировка файла отличается\nот принятой по умолчанию\nИзменить кодировку на "
            "принятую\nпо умолчанию?"_w);
  EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Question);
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(f.Encoding, 1);
  EXPECT_TRUE(f.LineEndLF);
  EXPECT_EQ(TempDir::Read(dir.File("a.js")), "var x;\n");

  // No keeps the encoding; with "always" nobody is asked.
  TEditForm& g = Reopen();
  dialogs.AnswerFile(dir.File("b.js"));
  dialogs.answers.push_back(MsgAnswer::No);
  ASSERT_TRUE(g.SaveDocumentAs());
  EXPECT_EQ(g.Encoding, 0);
  settings.UDHETWJSA = true;
  TEditForm& h = Reopen();
  dialogs.AnswerFile(dir.File("c.js"));
  ASSERT_TRUE(h.SaveDocumentAs());
  EXPECT_EQ(h.Encoding, 1);
  EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(EditForm, AFailedSaveKeepsTheModifiedMarkAndTheFileImage) {
  const std::string path = dir.Write("p.htm", "disk");
  TEditForm& f = Form();
  ASSERT_TRUE(f.LoadDocument(path));
  code.SetText(std::string(70000, 'x'));
  code.SetModified(true);
  EXPECT_FALSE(f.SaveDocument());
  EXPECT_TRUE(f.Modified());
  EXPECT_EQ(f.FileImage, "disk");
  EXPECT_EQ(TempDir::Read(path), "disk");
  EXPECT_EQ(dialogs.messages.back().text, "Не удалось записать\nТекст слишком велик"_w);
}

TEST_F(EditForm, AFileNoOneMayWriteIsNeitherSavedNorSavedAsOnto) {
  const std::string path = dir.Write("p.htm", "disk");
  TEditForm& f = Form();
  ASSERT_TRUE(f.LoadDocument(path));
  ::chmod(path.c_str(), 0444);
  code.SetText("edited");
  code.SetModified(true);
  EXPECT_FALSE(f.SaveDocument());
  EXPECT_TRUE(f.Modified());
  EXPECT_EQ(f.FileImage, "disk");
  // Another document saved as onto the same file.
  TEditForm& g = Reopen();
  code.SetText("other");
  code.SetModified(true);
  dialogs.AnswerFile(path);
  EXPECT_FALSE(g.SaveDocumentAs());
  EXPECT_TRUE(g.Modified());
  EXPECT_EQ(TempDir::Read(path), "disk");
  ASSERT_EQ(dialogs.messages.size(), 2u);
  for (const auto& m : dialogs.messages) {
    EXPECT_EQ(m.text, "Ошибка записи файла"_w);
    EXPECT_EQ(m.caption, path);
    EXPECT_EQ(m.icon, MsgIcon::Stop);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
  }
}

TEST_F(EditForm, CloseQueryFollowsTheAnswerAndNeverDropsUnsavedText) {
  TEditForm& f = Form();
  EXPECT_TRUE(f.FormCloseQuery());  // clean: nothing asked
  EXPECT_TRUE(dialogs.messages.empty());

  code.SetModified(true);
  dialogs.answers = {MsgAnswer::Cancel, MsgAnswer::No};
  EXPECT_FALSE(f.FormCloseQuery());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Записать НовыйФайл.htm?"_w);
  EXPECT_EQ(dialogs.messages[0].caption, "Закрытие"_w);
  EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::None);
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_TRUE(f.FormCloseQuery());

  // Yes with a cancelled save dialog keeps the window and its text.
  dialogs.answers = {MsgAnswer::Yes};
  dialogs.AnswerFile(std::nullopt);
  EXPECT_FALSE(f.FormCloseQuery());
  // Yes with a failing write keeps it too; with a good one it closes.
  dialogs.answers = {MsgAnswer::Yes};
  dialogs.AnswerFile(dir.File("no/such/folder.htm"));
  EXPECT_FALSE(f.FormCloseQuery());
  EXPECT_TRUE(f.Modified());
  f.FilePath = dir.File("ok.htm");
  dialogs.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(f.FormCloseQuery());
  EXPECT_TRUE(std::filesystem::exists(dir.File("ok.htm")));
}

TEST_F(EditForm, CaptionFollowsTheCaptionSetting) {
  const std::string path =
      dir.Write("t.htm", "<script>x='<title>No</title>'</script><TITLE>Да</Title>"_w.data());
  settings.DC = 0;
  Form().LoadDocument(path);
  EXPECT_EQ(Form().Caption, "t.htm");
  settings.DC = 1;
  Form().UpdateDocumentView();
  EXPECT_EQ(Form().Caption, "Да"_w);
  settings.DC = 2;
  Form().UpdateDocumentView();
  EXPECT_EQ(Form().Caption, path);
  settings.DC = 7;
  Form().FilePath = "elsewhere.htm";
  Form().UpdateDocumentView();
  EXPECT_EQ(Form().Caption, path);  // unchanged
  // Only pages show their title.
  settings.DC = 1;
  Form().LoadDocument(dir.Write("t.js", "<title>x</title>"));
  EXPECT_EQ(Form().Caption, "t.js");
}

TEST_F(EditForm, PageTitleSkipsTitlesInsideScripts) {
  TEditForm& f = Form();
  code.SetText("<script><title>in script</title></script>");
  EXPECT_EQ(f.PageTitle(), "");
  code.SetText("<title>unclosed");
  EXPECT_EQ(f.PageTitle(), "");
  code.SetText("<head><TITLE lang=ru>Главная</TITLE>"_w.data());
  EXPECT_EQ(f.PageTitle(), "Главная"_w);
}

TEST_F(EditForm, InsideElementNeedsAnOpeningBeforeAndAClosingAfter) {
  TEditForm& f = Form();
  code.SetText("ab<script>var x;</script>cd<SCRIPT>open");
  EXPECT_FALSE(f.InsideElement("script", 2));  // at the "<"
  EXPECT_TRUE(f.InsideElement("script", 3));
  EXPECT_TRUE(f.InsideElement("script", 12));
  EXPECT_TRUE(f.InsideElement("script", 16));   // at the "<" of the closing text
  EXPECT_FALSE(f.InsideElement("script", 26));  // after it
  EXPECT_FALSE(f.InsideElement("script", 33));  // an opening without closing text
  EXPECT_FALSE(f.InsideElement("style", 5));
}

TEST_F(EditForm, ResizeRuleNeedsMoreThan550By100) {
  EXPECT_FALSE(TEditForm::FormCanResize(550, 300));
  EXPECT_FALSE(TEditForm::FormCanResize(600, 100));
  EXPECT_TRUE(TEditForm::FormCanResize(551, 101));
}

}  // namespace
}  // namespace lumbrix
