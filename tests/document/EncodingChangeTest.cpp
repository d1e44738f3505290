#include "common/WinText.h"
#include "document/DocumentFixture.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using lumbrix::testing::DocumentTest;
using lumbrix::testing::TempDir;

using EncodingChange = DocumentTest;

const std::string kWinText = "Привет, мир\r\nЁлка\r\n"_w.data();
// The same text in KOI8-R with LF line ends.
const std::string kKoiFile = "\xf0\xd2\xc9\xd7\xc5\xd4, \xcd\xc9\xd2\n\xb3\xcc\xcb\xc1\n";

TEST_F(EncodingChange, PickingKoiReadsALoadedFileAgain) {
  TEditForm& f = Form();
  ASSERT_TRUE(f.LoadDocument(dir.Write("koi.htm", kKoiFile)));
  EXPECT_EQ(f.Encoding, 0);  // read as WIN until the user says otherwise
  EXPECT_TRUE(f.LineEndLF);
  f.EncodeTypeIndex = 1;
  f.EncodeTypeChange();
  EXPECT_EQ(code.Text(), kWinText);
  EXPECT_FALSE(f.Modified());
  EXPECT_EQ(f.Encoding, 1);
  EXPECT_EQ(f.LFCRTypeIndex, 1);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_GT(code.FocusCount(), 0);
  ASSERT_TRUE(f.SaveDocument());
  EXPECT_EQ(TempDir::Read(f.FilePath), kKoiFile);
  // CR+LF picked before saving wins.
  f.LFCRTypeIndex = 0;
  f.LFCRTypeChange();
  EXPECT_TRUE(f.Modified());
  ASSERT_TRUE(f.SaveDocument());
  EXPECT_EQ(TempDir::Read(f.FilePath),
            "\xf0\xd2\xc9\xd7\xc5\xd4, \xcd\xc9\xd2\r\n\xb3\xcc\xcb\xc1\r\n");
}

TEST_F(EncodingChange, WinToIsoAndBackRestoresTheLoadedText) {
  TEditForm& f = Form();
  ASSERT_TRUE(f.LoadDocument(dir.Write("p.htm", kWinText)));
  f.EncodeTypeIndex = 2;
  f.EncodeTypeChange();
  EXPECT_NE(code.Text(), kWinText);
  f.EncodeTypeIndex = 0;
  f.EncodeTypeChange();
  EXPECT_EQ(code.Text(), kWinText);
  EXPECT_EQ(f.LFCRTypeIndex, 0);
  EXPECT_FALSE(f.Modified());
}

TEST_F(EncodingChange, EditedTextAsksWhatToDo) {
  TEditForm& f = Form();
  ASSERT_TRUE(f.LoadDocument(dir.Write("koi.htm", kKoiFile)));
  code.SetSelection(0, 0);
  code.ReplaceSelection("\xd2");  // an edit: the KOI8-R letter "р" as WIN shows "Т"

  // Cancel: the box returns to WIN and nothing changes.
  const std::string edited = code.Text();
  dialogs.answers = {MsgAnswer::Cancel};
  f.EncodeTypeIndex = 1;
  f.EncodeTypeChange();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Хотите вернуть изначальное\nсодержимое файла?"_w);
  EXPECT_EQ(dialogs.messages[0].caption, "Текст в файле был изменён"_w);
  EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Question);
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(f.EncodeTypeIndex, 0);
  EXPECT_EQ(f.Encoding, 0);
  EXPECT_EQ(code.Text(), edited);
  EXPECT_TRUE(f.Modified());

  // No: the edits survive and are read again in KOI8.
  dialogs.answers = {MsgAnswer::No};
  f.EncodeTypeIndex = 1;
  f.EncodeTypeChange();
  EXPECT_EQ(code.Text(), "р"_w.data() + kWinText);
  EXPECT_TRUE(f.Modified());

  // Yes: back to the file as read from disk.
  code.SetSelection(0, 0);
  code.ReplaceSelection("x");
  dialogs.answers = {MsgAnswer::Yes};
  f.EncodeTypeIndex = 2;
  f.EncodeTypeChange();
  f.EncodeTypeIndex = 1;
  dialogs.answers = {MsgAnswer::Yes};
  f.EncodeTypeChange();
  EXPECT_EQ(code.Text(), "р"_w.data() + kWinText);
}

TEST_F(EncodingChange, ConvertToggleKeepsTheTextForSavingInTheNewEncoding) {
  TEditForm& f = Form();  // a new document: the toggle is down
  code.SetText(kWinText);
  f.EncodeTypeIndex = 1;
  f.EncodeTypeChange();
  EXPECT_EQ(code.Text(), kWinText);
  EXPECT_FALSE(f.Modified());  // a new document keeps its mark
  EXPECT_FALSE(f.TranslateDown);
  EXPECT_TRUE(f.LineEndLF);
  dialogs.AnswerFile(dir.File("out.htm"));
  ASSERT_TRUE(f.SaveDocument());
  EXPECT_EQ(TempDir::Read(dir.File("out.htm")), kKoiFile);

  // For a loaded document the conversion marks it modified.
  TEditForm& g = Reopen();
  ASSERT_TRUE(g.LoadDocument(dir.Write("w.htm", kWinText)));
  g.TranslateDown = true;
  g.EncodeTypeIndex = 1;
  g.EncodeTypeChange();
  EXPECT_EQ(code.Text(), kWinText);
  EXPECT_TRUE(g.Modified());
}

TEST_F(EncodingChange, ANewDocumentWithTheToggleUpReadsItsEmptyImage) {
  TEditForm& f = Form();
  f.FileKind = KindJavaScript;
  code.SetText("var a;");
  f.TranslateDown = false;
  f.EncodeTypeIndex = 1;
  f.EncodeTypeChange();
  EXPECT_EQ(code.Text(), "");
}

TEST_F(EncodingChange, LineEndChangeMarksOnlyFileBackedDocuments) {
  TEditForm& f = Form();
  f.LFCRTypeIndex = 1;
  f.LFCRTypeChange();
  EXPECT_FALSE(f.Modified());
  ASSERT_TRUE(f.LoadDocument(dir.Write("a.htm", "x")));
  f.LFCRTypeChange();
  EXPECT_TRUE(f.Modified());
}

}  // namespace
}  // namespace lumbrix
