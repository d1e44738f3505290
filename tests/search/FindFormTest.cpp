#include <gtest/gtest.h>

#include "common/WinText.h"
#include "document/DocumentFixture.h"
#include "search/FindForm.h"

namespace lumbrix {
namespace {

using namespace literals;
using lumbrix::testing::DocumentTest;

// Markers "w0" ... "w13" in every region of a page: a head with a script and a style, a table
// nested in a table (w6 stands in the outer one after the inner one has closed), the lists, an
// embed inside an applet inside an object, a table inside a script.
const std::string kPage =
    "<html><head><title>w0</title><script>w1</script><style>w2</style></head>\r\n"
    "<body>w3<table><tr><td>w4<table><td>w5</table>w6</td></tr></table>\r\n"
    "<ul><li>w7</ul><ol><li>w8</ol>\r\n"
    "<object><applet><embed>w9</embed></applet></object><object>w10</object>\r\n"
    "<script>w11 <table>w12</table></script>\r\n"
    "</body></html>w13";

std::string str(std::string_view win) {
  return std::string(win);
}

struct FindFormTest : DocumentTest {
  TFindForm find{dialogs};
  int shows = 0;
  int activations = 0;
  bool noDocument = false;

  FindFormTest() {
    find.ActiveDocument = [this]() -> TEditForm* { return noDocument ? nullptr : &Form(); };
    find.Show = [this] {
      ++shows;
      find.FormShow();
    };
    find.Activate = [this] { ++activations; };
    find.Close = [this] { find.FormClose(); };
    Form();  // the document window first: making it empties its panes
  }

  // A fresh dialog on a fresh text, looking for `what` in the region.
  void look(const std::string& text, const std::string& what, int where = kWhereWholeFile,
            bool exceptScripts = false) {
    code.SetText(text);
    find.FormClose();
    find.What = what;
    find.WhereIndex = where;
    find.ExceptScripts = exceptScripts;
  }
  // The texts of the messages shown since the last call.
  std::string messages() {
    std::string all;
    for (const auto& m : dialogs.messages) all += (all.empty() ? "" : "|") + m.text;
    dialogs.messages.clear();
    return all;
  }
  // The number after the selected "w".
  std::string marker() const {
    const std::string text = code.Text();
    const std::size_t from = code.SelStart() + 1;
    std::size_t end = from;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    return text.substr(from, end - from);
  }
  // The first button (or, from the caret, the second only), then the second until a message:
  // where each selected occurrence began, or the marker number after a selected "w".
  std::string series(bool secondOnly = false, bool markers = false) {
    std::string out;
    secondOnly ? find.FindBelowButtonClick() : find.FindButtonClick();
    for (int step = 0; dialogs.messages.empty() && step < 40; ++step) {
      out += (out.empty() ? "" : " ") + (markers ? marker() : std::to_string(code.SelStart()));
      find.FindBelowButtonClick();
    }
    return out;
  }
};

TEST_F(FindFormTest, EachRegionFindsItsMarkersInTurn) {
  const struct {
    int where;
    bool exceptScripts;
    const char* markers;
  } rows[] = {
      {0, false, "0 1 2 3 4 5 6 7 8 9 10 11 12 13"},
      {2, false, "0 1 2 3 4 5 6 7 8 9 10 11 12"},
      {3, false, "0 1 2"},
      {4, false, "3 4 5 6 7 8 9 10 11 12"},
      {5, false, "1 11 12"},
      {6, false, "2"},
      {7, false, "4 5 12"},  // not w6, after the nested table's end
      {8, false, "7"},
      {9, false, "8"},
      {10, false, "9"},  // inside all three at once
      {0, true, "0 2 3 4 5 6 7 8 9 10 13"},
      {7, true, "4 5"},
  };
  for (const auto& row : rows) {
    look(kPage, "w", row.where, row.exceptScripts);
    EXPECT_EQ(series(false, true), row.markers)
        << "Where " << row.where << " " << row.exceptScripts;
    EXPECT_EQ(messages(), str("Больше нет таких строк\nв документе"_w));
    EXPECT_EQ(code.SelLength(), 1);
  }
  // No "</body>": no body. An opening too near the end to hold more starts nothing.
  for (const char* text : {"<body>w", "w<table"}) {
    look(text, "w", std::string(text).find("body") ? 7 : 4);
    EXPECT_EQ(series(), "") << text;
    EXPECT_EQ(messages(), str("Строка не найдена\nв документе"_w));
  }
}

TEST_F(FindFormTest, TagsWholeWordsAndCaseOfBothAlphabets) {
  const std::string tags = "<table> table <TABLE x> </table> <tablex> x<table>";
  // Words: 0 Слово, 6 словом, 13 СЛОВО_, 20 слово1, 27 (слово), 35 ёжик, 40 ЁЖИК, 45 подслово.
  const std::string words("Слово словом СЛОВО_ слово1 (слово) ёжик ЁЖИК подслово"_w);
  const struct {
    const std::string& text;
    std::string_view what;
    bool tagsOnly, matchCase, whole;
    const char* found;  // where the selections begin
  } rows[] = {
      {tags, "table", true, false, false, "1 15 34 44"},  // not after "</" nor without "<"
      {tags, "table", true, true, false, "1 34 44"},
      {tags, "table", true, false, true, "1 15 44"},
      {words, "слово"_w, false, false, false, "0 6 13 20 28 48"},
      {words, "слово"_w, false, true, false, "6 20 28 48"},
      {words, "слово"_w, false, false, true, "0 28"},
      {words, "СЛОВО"_w, false, true, true, ""},
      {words, "ёжик"_w, false, false, false, "35 40"},
      {words, "ЁЖИК"_w, false, true, true, "40"},
  };
  for (const auto& row : rows) {
    look(row.text, std::string(row.what));
    find.TagsOnly = row.tagsOnly;
    find.MatchCase = row.matchCase;
    find.WholeWordsOnly = row.whole;
    EXPECT_EQ(series(), row.found) << row.what << row.tagsOnly << row.matchCase << row.whole;
    EXPECT_EQ(code.SelLength(), *row.found ? static_cast<int>(row.what.size()) : 0);
    messages();
  }
}

TEST_F(FindFormTest, FindNextFollowsTheCaretTheSelectionAndTheOneAlreadySelected) {
  look("a1 a2 a3 a4 a5", "a", kWhereSelection);
  code.SetSelection(3, 8);  // "a2 a3 a4": the series ends there, however the selection moves
  EXPECT_EQ(series(), "3 6 9");
  EXPECT_EQ(messages(), str("Больше нет таких строк\nв выделенном фрагменте"_w));
  EXPECT_EQ(code.SelStart(), 9);

  // Without "Найти": the current selection from its start, its first occurrence included.
  look("a1 a2 a3 a4 a5", "a", kWhereSelection);
  code.SetSelection(6, 5);
  EXPECT_EQ(series(true), "6 9");
  EXPECT_EQ(messages(), str("Больше нет таких строк\nв выделенном фрагменте"_w));
  look("a1 a2", "a", kWhereSelection);
  code.SetSelection(4, 0);
  find.FindButtonClick();
  EXPECT_EQ(messages(), str("Строка не найдена\nв выделенном фрагменте"_w));

  // From the caret; once something was found, an occurrence right at the caret is skipped.
  look("ab ab ab", "ab");
  code.SetSelection(3, 0);
  EXPECT_EQ(series(true), "3 6");
  messages();
  code.SetSelection(0, 0);
  find.FindBelowButtonClick();
  EXPECT_EQ(code.SelStart(), 3);

  // With tags only the selected one is known by where its name begins, after the "<": a caret
  // put right before the next tag finds that tag.
  look("<b><b>x<b>", "b");
  find.TagsOnly = true;
  EXPECT_EQ(series(), "1 4 8");
  messages();
  code.SetSelection(3, 0);
  find.FindBelowButtonClick();
  EXPECT_EQ(code.SelStart(), 4);
}

TEST_F(FindFormTest, SixMessagesWithTheirCaptionsAndIconsLeaveTheSelection) {
  const std::string empty = str("Не буду искать пустую строку"_w);
  const std::string where = str("\"В скриптах кроме скриптов\" - это где?"_w);
  const std::string_view done = "Поиск завершён"_w;
  const struct {
    std::string what;
    int where;
    bool exceptScripts, next;
    std::string text;
    std::string_view caption;
    MsgIcon icon;
  } rows[] = {
      // Both checks fail: both messages, in this order.
      {"", 5, true, false, empty + "|" + where, "Не понял"_w, MsgIcon::Stop},
      {"", 0, false, true, empty, "Ошибка"_w, MsgIcon::Stop},
      {"x", 5, true, true, where, "Не понял"_w, MsgIcon::Stop},
      {"z", 1, false, false, str("Строка не найдена\nв выделенном фрагменте"_w), done,
       MsgIcon::Exclamation},
      {"z", 1, false, true, str("Больше нет таких строк\nв выделенном фрагменте"_w), done,
       MsgIcon::Exclamation},
      {"z", 0, false, false, str("Строка не найдена\nв документе"_w), done, MsgIcon::Exclamation},
      {"z", 0, false, true, str("Больше нет таких строк\nв документе"_w), done,
       MsgIcon::Exclamation},
  };
  for (const auto& row : rows) {
    look("<script>x</script> y", row.what, row.where, row.exceptScripts);
    code.SetSelection(1, 2);
    row.next ? find.FindBelowButtonClick() : find.FindButtonClick();
    const lumbrix::testing::RecordedMessage last = dialogs.messages.back();
    EXPECT_EQ(messages(), row.text);
    EXPECT_EQ(last.caption, row.caption);
    EXPECT_EQ(last.icon, row.icon);
    EXPECT_EQ(last.buttons, MsgButtons::Ok);
    EXPECT_EQ(code.SelStart(), 1);
    EXPECT_EQ(code.SelLength(), 2);
  }
  // With no document window the buttons do nothing at all.
  noDocument = true;
  find.FindButtonClick();
  find.FindBelowButtonClick();
  EXPECT_EQ(messages(), "");
}

TEST_F(FindFormTest, ModesEmphasisAndWhatClosingForgetsAndHidingKeeps) {
  look("one two one", "");
  find.FindExecute();
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(find.Caption + find.FindButtonCaption + find.FindBelowButtonCaption,
            str("НайтиНайтиНайти далее"_w));
  EXPECT_FALSE(find.ReplaceShown);
  EXPECT_EQ(find.FocusRequest, TFindForm::Control::What);
  EXPECT_EQ(find.Emphasis, TFindForm::Button::FindButton);
  find.FindExecute();  // open already: only brought forward
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(activations, 1);

  find.What = "one";
  find.MatchCase = find.WholeWordsOnly = find.ExceptScripts = true;
  find.FindButtonClick();
  EXPECT_EQ(find.Emphasis, TFindForm::Button::FindBelowButton);
  EXPECT_EQ(find.FocusRequest, TFindForm::Control::FindBelowButton);
  find.FocusRequest = TFindForm::Control::None;
  find.FindBelowButtonClick();
  EXPECT_EQ(code.SelStart(), 8);
  EXPECT_EQ(find.FocusRequest, TFindForm::Control::None);  // the focus stays

  // The replace command turns the open dialog into the replace dialog: Enter steps through the
  // occurrences, replacing them all takes its own button ("BCE" in Latin letters).
  find.ReplaceExecute();
  EXPECT_EQ(find.Caption + find.FindButtonCaption + find.FindBelowButtonCaption,
            str("ЗаменитьЗаменить "_w) + "BCE" + str("Заменить след."_w));
  EXPECT_TRUE(find.ReplaceShown);
  EXPECT_EQ(find.Emphasis, TFindForm::Button::FindBelowButton);
  EXPECT_EQ(activations, 2);

  // Hidden with its document or by Esc in a code pane: everything stays.
  find.FormHide();
  find.FindExecute();
  EXPECT_EQ(shows, 2);
  EXPECT_FALSE(find.ReplaceShown);
  EXPECT_EQ(find.What, "one");
  EXPECT_TRUE(find.MatchCase && find.WholeWordsOnly && find.ExceptScripts && find.FoundOnce);

  // Esc with a modifier does nothing; Esc alone closes, and the search is forgotten.
  find.FormKeyUp(true, true, false, false);
  find.FormKeyUp(true, false, true, false);
  find.FormKeyUp(true, false, false, true);
  find.FormKeyUp(false, false, false, false);
  EXPECT_TRUE(find.Visible);
  find.ReplaceWith = "x";
  find.WhereIndex = 3;
  find.FormKeyUp(true, false, false, false);
  EXPECT_FALSE(find.Visible);
  EXPECT_EQ(find.What + find.ReplaceWith, "");
  EXPECT_EQ(find.WhereIndex, kWhereWholeFile);
  EXPECT_FALSE(find.MatchCase || find.WholeWordsOnly || find.TagsOnly || find.ExceptScripts);
  EXPECT_FALSE(find.FoundOnce || find.InSelection);
  EXPECT_EQ(find.Emphasis, TFindForm::Button::FindButton);
}

TEST_F(FindFormTest, ReplaceNextReplacesOnlyASelectedOccurrenceOfTheRegionThenFindsTheNext) {
  look(kPage, "w", 7);
  find.ReplaceExecute();
  find.ReplaceWith = "ZZ";
  EXPECT_EQ(series(true, true), "4 5 12");  // each step replaced the one before
  EXPECT_EQ(messages(), str("Больше нет таких строк\nв документе"_w));
  std::string expected = kPage;
  for (const char* marker : {">w4<", ">w5<", ">w12<"})
    expected.replace(expected.find(marker) + 1, 1, "ZZ");
  EXPECT_EQ(code.Text(), expected);
  EXPECT_EQ(code.UndoDepth(), 3u);  // one step each
  for (int i = 0; i < 3; ++i) code.Undo();
  EXPECT_EQ(code.Text(), kPage);

  // w1 stands in a script: selected by hand, it is left alone and the next one is selected.
  look(kPage, "w", kWhereWholeFile, true);
  find.ReplaceWith = "Q";
  code.SetSelection(static_cast<int>(kPage.find("w1")), 1);
  find.FindBelowButtonClick();
  EXPECT_EQ(code.Text(), kPage);
  EXPECT_EQ(code.SelStart(), static_cast<int>(kPage.find("w2")));

  // The replacement is not searched again; an occurrence right after it is not skipped.
  look("abab", "ab");
  find.ReplaceWith = "xab";
  code.SetSelection(0, 2);
  find.FindBelowButtonClick();
  EXPECT_EQ(code.Text(), "xabab");
  EXPECT_EQ(code.SelStart(), 3);
}

TEST_F(FindFormTest, ReplaceAllIsOneUndoStepAndAgreesWithReplacingOneByOne) {
  const struct {
    int where;
    bool exceptScripts;
    int count;
  } rows[] = {{0, false, 14}, {3, false, 3}, {5, false, 3}, {7, false, 3},
              {10, false, 1}, {0, true, 11}, {7, true, 2}};
  for (const auto& row : rows) {
    look(kPage, "w", row.where, row.exceptScripts);
    find.ReplaceExecute();
    find.ReplaceWith = "<b>ww</b>";
    series(true);
    const std::string oneByOne = code.Text();
    messages();
    code.SetText(kPage);
    find.FindButtonClick();
    EXPECT_EQ(code.Text(), oneByOne) << "Where " << row.where;
    EXPECT_EQ(dialogs.messages.back().caption, str("Поиск завершён"_w));
    EXPECT_EQ(dialogs.messages.back().icon, MsgIcon::Information);
    EXPECT_EQ(messages(), str("Заменено: "_w) + std::to_string(row.count));
    EXPECT_EQ(code.UndoDepth(), 1u);
    code.Undo();
    EXPECT_EQ(code.Text(), kPage);
  }
  const struct {
    std::string text, what;
    bool tagsOnly;
    int selStart, selLength;
    std::string result, message;
  } cases[] = {
      {"a a a a a", "a", false, 2, 5, "a bb bb bb a", str("Заменено: 3"_w)},
      {"<b>x</b> b <B>y</B>", "b", true, 0, 0, "<bb>x</b> b <bb>y</B>", str("Заменено: 2"_w)},
      {"<b>x</b>", "i", false, 0, 0, "<b>x</b>", str("Строка не найдена\nв документе"_w)},
  };
  for (const auto& c : cases) {
    look(c.text, c.what, c.selLength ? kWhereSelection : kWhereWholeFile);
    find.ReplaceExecute();
    find.TagsOnly = c.tagsOnly;
    find.ReplaceWith = "bb";
    code.SetSelection(c.selStart, c.selLength);
    find.FindButtonClick();
    EXPECT_EQ(code.Text(), c.result);
    EXPECT_EQ(messages(), c.message);
  }
}

}  // namespace
}  // namespace lumbrix
