#include <gtest/gtest.h>

#include <filesystem>

#include "common/WinText.h"
#include "publication/FakeColourChooser.h"
#include "publication/PubMasterForm.h"
#include "support/FakeDialogs.h"
#include "support/RecordingPorts.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using testing::FakeColourChooser;
using testing::FakeDialogs;
using testing::RecordingShell;
using testing::TempDir;

class PubMasterFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Close = [this] { ++closed; };
    form.PreviewFolder = [this] { return std::optional<std::string>(dir.path() + "/"); };
    form.FormShow();
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const auto& m : dialogs.messages) t.push_back(m.text);
    return t;
  }

  FakeDialogs dialogs;
  RecordingShell shell;
  FakeColourChooser colours;
  TPubMasterForm form{dialogs, shell, colours, {"Arial", "Symbol"}};
  TempDir dir;
  int closed = 0;
};

const std::string kHeadingWarning(
    "Одно или более чисел введены неверно!\nСтиль заголовка НЕ БУДЕТ применён"_w);
const std::string kParagraphWarning(
    "Одно или более чисел введены неверно!\nСтиль абзаца НЕ БУДЕТ применён"_w);
const std::string kLineWarning(
    "Высота строки задана меньше размера шрифта.\nОна будет ПРИНУДИТЕЛЬНО приравнена к нему!"_w);
const std::string kBodyWarning(
    "Одно или более чисел введены неверно!\nСтиль тела документа НЕ БУДЕТ применён"_w);

TEST_F(PubMasterFormTest, ShowingStartsFromTheDefaultsAndFollowsWhetherADocumentIsOpen) {
  EXPECT_EQ(form.ActionIndex, TPubMasterForm::NewPage);
  EXPECT_FALSE(form.ActionEnabled);
  form.CheckListBox1Click(4);
  form.CheckListBox1ClickCheck(4, true);
  form.Paragraph.fontSize = "30";
  form.Paragraph.lineHeight = "30";
  form.TakeParagraphValues();
  form.PageMargins.top = "9";
  form.InsertBODYDocClick(false);

  form.DocumentsOpen = true;
  form.FormShow();
  EXPECT_EQ(form.ActionIndex, TPubMasterForm::InsertStyles);
  EXPECT_TRUE(form.ActionEnabled);
  EXPECT_EQ(form.SelectedLevel, -1);
  EXPECT_EQ(form.LevelListIndex, 4);
  EXPECT_EQ(form.LevelChecked, (std::array<bool, 6>{true, true, true, false, false, false}));
  EXPECT_EQ(form.Working, DefaultPageStyle());
  EXPECT_EQ(form.Paragraph.fontSize, "14");
  EXPECT_FALSE(form.HeadingBoxesEnabled);
  // What outlives a showing: the print margins and the check box.
  EXPECT_EQ(form.PageMargins.top, "9");
  EXPECT_FALSE(form.InsertBODYDoc);
  EXPECT_FALSE(form.BodyBoxesEnabled);
}

TEST_F(PubMasterFormTest, EnableRules) {
  struct Case {
    int level;
    bool checked;
    bool insertBody;
    int action;
    bool heading, body, doc;
  };
  const Case cases[] = {
      {-1, true, true, 1, false, true, true},  {0, true, true, 1, true, true, true},
      {3, false, true, 0, false, true, false}, {0, false, false, 1, false, false, false},
      {5, true, false, 2, true, false, false}, {2, true, true, 2, true, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    form.CheckListBox1Click(c.level);
    if (c.level >= 0) form.CheckListBox1ClickCheck(c.level, c.checked);
    form.InsertBODYDocClick(c.insertBody);
    form.ActionComboBoxChange(c.action);
    EXPECT_EQ(form.HeadingBoxesEnabled, c.heading);
    EXPECT_EQ(form.BodyBoxesEnabled, c.body);
    EXPECT_EQ(form.DocBoxesEnabled, c.doc);
  }
}

TEST_F(PubMasterFormTest, MovingTheLevelSelectionTakesTheLevelLeftAndShowsTheNewOne) {
  form.CheckListBox1Click(0);
  EXPECT_EQ(form.Heading.fontSize, "22");
  form.Heading.fontSize = "40";
  form.Heading.align = AlignButton::Left;
  form.CheckListBox1Click(1);
  EXPECT_EQ(form.Working.headings[0].fontSize, 40);
  EXPECT_EQ(form.Working.headings[0].align, "left");
  EXPECT_EQ(form.Heading.fontSize, "18");
  EXPECT_EQ(form.Heading.align, AlignButton::Center);
  // A bad number warns; the numbers before it are taken.
  form.Heading.padTop = "7";
  form.Heading.padBottom = "?";
  form.CheckListBox1Click(2);
  EXPECT_EQ(Texts(), std::vector<std::string>{kHeadingWarning});
  EXPECT_EQ(dialogs.messages[0].caption, "Предупреждение!!!"_w);
  EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(form.Working.headings[1].padTop, 7);
  EXPECT_EQ(form.Working.headings[1].padBottom, 20);
  EXPECT_EQ(form.SelectedLevel, 2);
  // Selecting the same level again takes nothing.
  form.Heading.padTop = "x";
  form.CheckListBox1Click(2);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(PubMasterFormTest, ParagraphWarningsRefillTheBoxes) {
  form.Paragraph.padTop = "5";
  form.Paragraph.padBottom = "x";
  form.Paragraph.indent = "7";
  EXPECT_FALSE(form.TakeParagraphValues());
  EXPECT_EQ(Texts(), std::vector<std::string>{kParagraphWarning});
  EXPECT_EQ(form.Paragraph.padBottom, "0");
  EXPECT_EQ(form.Paragraph.indent, "10");
  EXPECT_EQ(form.Paragraph.padTop, "5");

  dialogs.messages.clear();
  form.Paragraph.fontSize = "20";
  form.Paragraph.lineHeight = "16";
  EXPECT_TRUE(form.TakeParagraphValues());
  EXPECT_EQ(Texts(), std::vector<std::string>{kLineWarning});
  EXPECT_EQ(form.Working.paragraph.lineHeight, 20);
  EXPECT_EQ(form.Paragraph.lineHeight, "20");
}

TEST_F(PubMasterFormTest, ColourButtonsOfferTheCustomColoursAndRefillTheBodyBoxes) {
  form.Body.marginLeft = "99";  // typed, not taken
  colours.answers = {0x00FF8000, std::nullopt};
  form.SetBODY_bkcolorClick();
  EXPECT_EQ(colours.initials, std::vector<std::uint32_t>{0xFFFFFF});
  EXPECT_EQ(colours.offered, (std::vector<std::uint32_t>{0x000000, 0x202020, 0x404040, 0x808080,
                                                         0xA0A0A0, 0xC0C0C0, 0xE0E0E0, 0xFFFFFF}));
  EXPECT_EQ(form.Working.body.bkColor, 0x00FF8000u);
  EXPECT_EQ(form.Body.bkColor, 0x00FF8000u);
  EXPECT_EQ(ColourLabel(form.Body.bkColor), "=#0080ff");
  EXPECT_EQ(form.Body.marginLeft, "30");
  form.SetBODY_colorClick();  // cancelled
  EXPECT_EQ(colours.initials.back(), 0u);
  EXPECT_EQ(form.Working.body.color, 0u);
}

TEST_F(PubMasterFormTest, ResetRestoresTheRecordsAndKeepsTheChoices) {
  form.CheckListBox1ClickCheck(5, true);
  form.InsertBODYDocClick(false);
  form.ActionComboBoxChange(2);
  form.PageMargins.left = "7";
  form.Paragraph.indent = "33";
  form.TakeParagraphValues();
  form.ResetButtonClick();
  EXPECT_EQ(form.Working, DefaultPageStyle());
  EXPECT_EQ(form.Paragraph.indent, "10");
  EXPECT_TRUE(form.LevelChecked[5]);
  EXPECT_FALSE(form.InsertBODYDoc);
  EXPECT_EQ(form.ActionIndex, 2);
  EXPECT_EQ(form.PageMargins.left, "7");
}

TEST_F(PubMasterFormTest, GenerateTakesEverythingAndClosesWithTheChosenAction) {
  form.ActionComboBoxChange(2);
  form.Body.fontSize = "x";
  form.Paragraph.indent = "25";
  form.OKButtonClick();
  EXPECT_EQ(Texts(), std::vector<std::string>{kBodyWarning});
  EXPECT_EQ(form.ResultCode, 2);
  EXPECT_EQ(closed, 1);
  EXPECT_NE(form.GeneratedCss.find("text-indent:25;"), std::string::npos);
  EXPECT_EQ(form.GeneratedCss, form.Css());

  form.FormShow();
  form.CancelButtonClick();
  EXPECT_EQ(form.ResultCode, TPubMasterForm::Nothing);
  EXPECT_EQ(closed, 2);
}

TEST_F(PubMasterFormTest, PreviewWritesThePageInThePrivateFolderAndClosingDeletesIt) {
  form.CheckListBox1ClickCheck(0, false);
  form.CheckListBox1ClickCheck(5, true);
  form.Body.title = "Моя"_w;
  form.PreviewButtonClick();
  const std::string file = dir.path() + "/$lmbx$.htm";
  EXPECT_EQ(form.PreviewFileName, file);
  EXPECT_EQ(shell.opened, std::vector<std::string>{file});
  const std::string page = TempDir::Read(file);
  EXPECT_EQ(page, form.PreviewPage());
  EXPECT_EQ(page.rfind(std::string("<html><head>\r\n <meta http-equiv=\"Content-Type\" "
                                   "content=\"text/html; charset=windows-1251\" />\r\n "
                                   "<title>Моя</title>\r\n <style type=\"text/css\">\r\n"_w) +
                           form.Css() +
                           std::string(" </style>\r\n</head>\r\n<body>\r\n<h2>Заголовок "
                                       "2</h2><h3>Заголовок 3</h3><h6>Заголовок 6</h6><p>Первый "
                                       "абзац."_w),
                       0),
            0u);
  EXPECT_TRUE(page.ends_with("Или пока не надоест.</p></body></html>"_w));

  form.InsertBODYDocClick(false);
  EXPECT_NE(form.PreviewPage().find("<title>(пробная страница)</title>"_w), std::string::npos);

  form.FormClose();
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_EQ(form.PreviewFileName, file);
}

TEST_F(PubMasterFormTest, ExportWritesTheTemplateOrTheSheetFromTheValuesLastTaken) {
  form.ExportFolder = dir.path() + "/";
  form.Paragraph.indent = "77";  // typed, never taken
  dialogs.AnswerFile(dir.File("a.htt"), 1);
  dialogs.AnswerFile(dir.File("a.css"), 2);
  dialogs.AnswerFile(dir.File("a.txt"), 3);
  dialogs.AnswerFile(std::nullopt);
  for (int i = 0; i < 4; ++i) form.ExportButtonClick();

  const FileDialogRequest& r = dialogs.saveRequests.at(0);
  EXPECT_EQ(r.title, "Экспорт стилей"_w);
  EXPECT_EQ(r.filters, (std::vector<std::string>{std::string("Шаблон HTML|*.htt"_w), "CSS|*.css"}));
  EXPECT_EQ(r.defaultExt, "htt");
  EXPECT_EQ(r.filterExts, (std::vector<std::string>{"htt", "css"}));
  EXPECT_EQ(r.initialName, dir.path() + "/");
  EXPECT_TRUE(r.overwritePrompt && r.pathMustExist);

  const std::string css = GenerateCss(DefaultPageStyle(), form.LevelChecked, true, {});
  EXPECT_EQ(TempDir::Read(dir.File("a.css")), css);
  EXPECT_EQ(
      TempDir::Read(dir.File("a.htt")),
      std::string(
          "<html>\r\n<head>\r\n <!-- Создано в редакторе Lumbrix OV_PROG_VER -->\r\n <meta "
          "http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\" />\r\n <meta "
          "name=\"generator\" content=\"Lumbrix\" />\r\n <meta name=\"author\" "
          "content=\"Ваше имя\" />\r\n <title>Ваш заголовок</title>\r\n <style "
          "type=\"text/css\">\r\n"_w) +
          css + " </style>\r\n</head>\r\n<body>\r\n\r\n</body></html>");
  EXPECT_FALSE(std::filesystem::exists(dir.File("a.txt")));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Ошибка!"_w);
  EXPECT_EQ(dialogs.messages[0].caption, "Экспорт"_w);
  EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Stop);
}

// The user's template folder does not exist before the first export; the dialog needs it.
TEST_F(PubMasterFormTest, ExportMakesItsFolderWhenMissing) {
  form.ExportFolder = dir.File("data/lumbrix/templates");
  dialogs.AnswerFile(dir.File("data/lumbrix/templates/mine.htt"), 1);
  form.ExportButtonClick();
  EXPECT_EQ(dialogs.saveRequests.at(0).initialName, form.ExportFolder);
  EXPECT_TRUE(std::filesystem::is_directory(form.ExportFolder));
  EXPECT_NE(TempDir::Read(dir.File("data/lumbrix/templates/mine.htt")).find("OV_PROG_VER"),
            std::string::npos);
}

}  // namespace
}  // namespace lumbrix
