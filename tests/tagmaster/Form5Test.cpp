// The tag master and attribute master dialog without a window: what opening it shows, the rows
// it resets, the text it builds, and what goes into the document.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "commands/FontCommands.h"
#include "common/WinText.h"
#include "document/DocumentFixture.h"
#include "support/RecordingPorts.h"
#include "tagmaster/Form5.h"

namespace lumbrix {
namespace {

using namespace literals;
using Mode = TForm5::Mode;

class Form5Test : public testing::DocumentTest {
 protected:
  void SetUp() override { Form().SyntaxTimerEnabled = false; }

  // Opens the dialog on `selection` the way the opening command does, without inserting.
  void Show(Mode mode, const std::string& selection) {
    form.mode = mode;
    form.SelectionText = selection;
    form.FormShow();
  }
  void Tick(std::map<int, std::string> values) {
    for (const auto& [a, v] : values) {
      form.Rows[a].Checked = true;
      form.Rows[a].Value = v;
    }
  }

  testing::RecordingHelp help;
  ColourDialogState colour{0x102030};
  TForm5 form{dialogs, help, colour};
};

TEST_F(Form5Test, OpeningSetsUpTheMode) {
  struct Case {
    Mode mode;
    std::string selection;
    int tagsIndex;  // -1: the tag list and description are hidden
    bool tagsEnabled;
    std::string_view description;
  };
  const Case cases[] = {
      {Mode::TagMaster, "", 0, true, "изображение или видео"_w},
      {Mode::TagMaster, "table", 0, true, "изображение или видео"_w},
      {Mode::AttrMaster, "", -1, true, ""},
      {Mode::AttrMaster, "TABLE", 4, false, "таблица"_w},
      {Mode::AttrMaster, "Td", 6, false, "ячейка таблицы"_w},
      {Mode::AttrMaster, "applet", 20, false, ""},
      {Mode::AttrMaster, " table", -1, true, ""},
      {Mode::AttrMaster, "table ", -1, true, ""},
      {Mode::AttrMaster, "<table>", -1, true, ""},
      {Mode::AttrMaster, "tab", -1, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selection);
    form.TagsIndex = 7;
    form.Accepted = true;
    Show(c.mode, c.selection);
    const bool tag = c.mode == Mode::TagMaster;
    EXPECT_FALSE(form.Accepted);
    EXPECT_EQ(form.Caption, tag ? "Мастер тегов"_w : "мастер атрибутов"_w);
    EXPECT_EQ(form.HelpContext, tag ? 20 : 30);
    EXPECT_EQ(form.Image1Visible, tag);
    EXPECT_EQ(form.Image2Visible, !tag);
    if (!tag) {
      EXPECT_EQ(form.FindTagIndex(), c.tagsIndex);
    }
    EXPECT_EQ(form.TagsVisible, c.tagsIndex >= 0);
    EXPECT_EQ(form.TagDescVisible, c.tagsIndex >= 0);
    if (c.tagsIndex >= 0) {
      EXPECT_EQ(form.TagsIndex, c.tagsIndex);
    }
    EXPECT_EQ(form.TagsEnabled, c.tagsEnabled);
    EXPECT_EQ(form.TagDescText, c.description);
    EXPECT_EQ(form.ActivePage, 0);
  }
}

TEST_F(Form5Test, ResettingTheRowsFollowsTheChosenTag) {
  Show(Mode::TagMaster, "");
  Tick({{1, "100"}, {20, "VBScript"}, {26, "box"}, {27, "rows"}, {30, "top"}, {39, ""}});
  form.Esche = "x=1";
  form.ActivePage = 2;
  form.TagsChange(4);  // table
  const Catalogue& c = form.catalogue();
  for (int a = 0; a < Catalogue::kAttributeCount; ++a) {
    SCOPED_TRACE(a);
    const TForm5::AttributeRow& row = form.Rows[a];
    EXPECT_EQ(row.Enabled, c.Available(4, a));
    EXPECT_FALSE(row.Checked);
    EXPECT_EQ(row.Hint, c.Hint(4, a));
    EXPECT_EQ(row.FieldVisible, c.Available(4, a) && a != 39 && a != 48);
  }
  EXPECT_EQ(form.Rows[1].Value, "");
  EXPECT_EQ(form.Rows[20].Value, "JavaScript");
  EXPECT_EQ(form.Rows[26].Value, "box");
  EXPECT_EQ(form.Rows[27].Value, "rows");
  EXPECT_EQ(form.Rows[30].Value, "");
  EXPECT_EQ(form.Esche, "");
  EXPECT_EQ(form.ActivePage, 0);
  EXPECT_EQ(form.TagDescText, "таблица"_w);

  form.TagsChange(0);  // img: its own words for "title="
  EXPECT_EQ(form.Rows[4].Hint, "подсказка (лучше используйте alt)"_w);
  EXPECT_TRUE(form.Rows[3].Enabled);

  // No known tag: every row, every field, the generic words.
  Show(Mode::AttrMaster, "<img>");
  for (int a = 0; a < Catalogue::kAttributeCount; ++a) {
    EXPECT_TRUE(form.Rows[a].Enabled) << a;
    EXPECT_EQ(form.Rows[a].FieldVisible, a != 39 && a != 48) << a;
    EXPECT_EQ(form.Rows[a].Hint, Catalogue::Attribute(a).description) << a;
  }
}

TEST_F(Form5Test, BuildTagTextExamples) {
  struct Case {
    Mode mode;
    std::string openedOn;  // the selection when the dialog opened
    int tag;               // chosen in the tag master
    std::map<int, std::string> ticked;
    std::string esche;
    std::string selection;
    std::string built;
  };
  const Case cases[] = {
      {Mode::TagMaster, "", 1, {{8, "x.htm"}}, "", "Hello", "<a href=\"x.htm\">Hello</a>"},
      {Mode::TagMaster, "", 1, {}, "", "Hello", "<a>Hello</a>"},
      {Mode::TagMaster,
       "",
       0,
       {{6, "p.gif"}, {7, ""}},
       "",
       "sel",
       "<img src=\"p.gif\" alt=\"\">sel"},
      {Mode::TagMaster, "", 3, {}, "", "", "<hr>"},
      {Mode::TagMaster,
       "",
       13,
       {{38, "text"}, {39, ""}, {48, ""}},
       "",
       "",
       "<input type=\"text\" readonly disabled></input>"},
      {Mode::TagMaster, "", 18, {}, "", "", "<base></base>"},
      {Mode::TagMaster, "", 16, {{35, "1"}}, "", "one", "<option value=\"1\">one</option>"},
      {Mode::TagMaster,
       "",
       11,
       {{31, "-1"}, {6, "a.mid"}},
       "",
       "",
       "<bgsound src=\"a.mid\" loop=\"-1\"></bgsound>"},
      {Mode::TagMaster,
       "",
       20,
       {{4, "t"}},
       "code=\"A\"",
       "",
       "<applet title=\"t\" code=\"A\"></applet>"},
      {Mode::TagMaster,
       "",
       4,
       {{65, "f()"}, {0, "n"}, {26, "box"}},
       " x ",
       "",
       "<table name=\"n\" frame=\"box\" onchange=\"f()\"  x ></table>"},
      {Mode::TagMaster, "", 2, {{12, "a\"b"}}, "", "", "<font color=\"a\"b\"></font>"},
      {Mode::AttrMaster, "TABLE", 0, {{1, "100"}}, "", "TABLE", "TABLE width=\"100\""},
      {Mode::AttrMaster, "TABLE", 0, {}, "", "TABLE", "TABLE"},
      {Mode::AttrMaster, "", 0, {{1, "100"}, {48, ""}}, "", "", " width=\"100\" disabled"},
      {Mode::AttrMaster, "", 0, {}, "", "", ""},
      {Mode::AttrMaster, "<p>", 0, {}, "id=q", "<p>", " id=q"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.built);
    Show(c.mode, c.openedOn);
    if (c.mode == Mode::TagMaster) form.TagsChange(c.tag);
    Tick(c.ticked);
    form.Esche = c.esche;
    EXPECT_EQ(form.BuildTagText(c.selection), c.built);
  }
}

TEST_F(Form5Test, PreviewShowsTheTagWithoutSelection) {
  Show(Mode::TagMaster, "Hello");
  form.TagsChange(1);
  Tick({{8, "x.htm"}});
  form.PageControl1Change(1);
  EXPECT_EQ(form.PreviewText, "");
  form.PageControl1Change(TForm5::kPreviewPage);
  EXPECT_EQ(form.ActivePage, TForm5::kPreviewPage);
  EXPECT_EQ(form.PreviewText, "<a href=\"x.htm\"></a>");
}

// What the opening commands put into the code pane "ab SEL cd", SEL selected.
TEST_F(Form5Test, BothMastersInsertAccordingToTheSelection) {
  struct Case {
    Mode mode;
    std::string selected;
    int tag;                            // tag master only
    std::map<int, std::string> ticked;  // after opening
    std::string text;                   // the pane afterwards, the caret before " cd"
  };
  const Case cases[] = {
      {Mode::TagMaster, "Hello", 1, {{8, "x.htm"}}, "ab <a href=\"x.htm\">Hello</a> cd"},
      {Mode::TagMaster, "", 0, {{6, "i.png"}}, "ab <img src=\"i.png\"> cd"},
      {Mode::TagMaster, "td", 6, {}, "ab <td>td</td> cd"},
      {Mode::AttrMaster, "TABLE", -1, {{1, "9"}}, "ab TABLE width=\"9\" cd"},
      {Mode::AttrMaster, "TABLE", -1, {}, "ab TABLE cd"},
      {Mode::AttrMaster, "<table>", -1, {{3, "0"}}, "ab <table> border=\"0\" cd"},
      {Mode::AttrMaster, "", -1, {{39, ""}}, "ab  readonly cd"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    code.SetText("ab " + c.selected + " cd");
    code.SetSelection(3, static_cast<int>(c.selected.size()));
    const bool inserted = form.Execute(Form(), c.mode, [&] {
      form.FormShow();
      if (c.tag >= 0) form.TagsChange(c.tag);
      Tick(c.ticked);
      form.SpeedButtonOKClick();
    });
    EXPECT_TRUE(inserted);
    EXPECT_EQ(code.Text(), c.text);
    EXPECT_EQ(code.SelStart(), static_cast<int>(c.text.size()) - 3);
    EXPECT_EQ(code.SelLength(), 0);
    EXPECT_EQ(code.UndoDepth(), 1u);
    EXPECT_TRUE(Form().SyntaxTimerEnabled);
    Form().SyntaxTimerEnabled = false;
  }
}

TEST_F(Form5Test, CancelLeavesTheDocumentAlone) {
  for (Mode mode : {Mode::TagMaster, Mode::AttrMaster}) {
    code.SetText("ab TABLE cd");
    code.SetSelection(3, 5);
    const bool inserted = form.Execute(Form(), mode, [&] {
      form.FormShow();
      Tick({{1, "100"}});
      form.SpeedButtonCancelClick();
    });
    EXPECT_FALSE(inserted);
    EXPECT_EQ(code.Text(), "ab TABLE cd");
    EXPECT_EQ(code.SelStart(), 3);
    EXPECT_EQ(code.SelLength(), 5);
    EXPECT_EQ(code.UndoDepth(), 0u);
  }
}

TEST_F(Form5Test, ColourButtonsFillTheFieldAndTickOnlyAnEnabledBox) {
  Show(Mode::TagMaster, "");
  form.TagsChange(2);  // font: "color=" yes, "bgcolor=" no
  dialogs.colorAnswers = {0x0080FF, 0x00FF00, std::nullopt};
  form.ColourButtonClick(12);
  EXPECT_EQ(form.Rows[12].Value, "#ff8000");
  EXPECT_TRUE(form.Rows[12].Checked);
  form.ColourButtonClick(15);
  EXPECT_EQ(form.Rows[15].Value, "#00ff00");
  EXPECT_FALSE(form.Rows[15].Checked);
  form.ColourButtonClick(12);  // cancelled
  EXPECT_EQ(form.Rows[12].Value, "#ff8000");
  // The dialog opens with the colour last chosen, here or elsewhere in the program.
  EXPECT_EQ(dialogs.colorRequests, (std::vector<std::uint32_t>{0x102030, 0x0080FF, 0x00FF00}));
  EXPECT_EQ(colour.Color, 0x00FF00u);
  EXPECT_EQ(form.BuildTagText("T"), "<font color=\"#ff8000\">T</font>");

  // Every colour button fills its own row.
  for (const TForm5::ColourButton& b : TForm5::kColourButtons) {
    dialogs.colorAnswers = {0x000001};
    form.ColourButtonClick(b.attribute);
    EXPECT_EQ(form.Rows[b.attribute].Value, "#010000") << b.name;
    EXPECT_TRUE(b.name.ends_with(std::to_string(b.attribute))) << b.name;
  }
}

TEST_F(Form5Test, HelpOpensTheTopicOfTheMode) {
  Show(Mode::TagMaster, "");
  form.ButtonHelpClick();
  Show(Mode::AttrMaster, "a");
  form.ButtonHelpClick();
  EXPECT_EQ(help.topics, (std::vector<int>{20, 30}));
}

}  // namespace
}  // namespace lumbrix
