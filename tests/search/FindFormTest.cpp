#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "common/WinText.h"
#include "document/DocumentFixture.h"
#include "search/FindForm.h"

namespace lumbrix {
namespace {

using namespace literals;
using lumbrix::testing::DocumentTest;

// Markers "w0" ... "w13" in every region of a page: the head with a script and a style, a
// table nested in a table (w6 stands in the outer table after the inner one has closed), the
// lists, an embed inside an applet inside an object, and a table inside a script.
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
  }

  void look(const std::string& what, int where = kWhereWholeFile, bool exceptScripts = false) {
    find.What = what;
    find.WhereIndex = where;
    find.ExceptScripts = exceptScripts;
  }
  std::string lastMessage() const {
    return dialogs.messages.empty() ? "" : dialogs.messages.back().text;
  }

  // The marker number after the selected "w".
  std::string selectedMarker() const {
    const std::string text = code.Text();
    std::string number;
    for (int i = code.SelStart() + 1;
         i < static_cast<int>(text.size()) && std::isdigit(static_cast<unsigned char>(text[i]));
         ++i)
      number += text[i];
    return number;
  }
  // "Найти" (or, from the caret, the second button only), then the second button until a
  // message: the markers selected in turn.
  std::string series(bool secondButtonOnly = false) {
    std::string found;
    const std::size_t before = dialogs.messages.size();
    secondButtonOnly ? find.FindBelowButtonClick() : find.FindButtonClick();
    for (int step = 0; dialogs.messages.size() == before && step < 30; ++step) {
      found += (found.empty() ? "" : " ") + selectedMarker();
      find.FindBelowButtonClick();
    }
    return found;
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
      {7, false, "4 5 12"},
      {8, false, "7"},
      {9, false, "8"},
      {10, false, "9"},
      {0, true, "0 2 3 4 5 6 7 8 9 10 13"},
      {4, true, "3 4 5 6 7 8 9 10"},
      {7, true, "4 5"},
  };
  Form();
  for (const auto& row : rows) {
    code.SetText(kPage);
    find.FormClose();
    look("w", row.where, row.exceptScripts);
    dialogs.messages.clear();
    EXPECT_EQ(series(), row.markers) << "Where " << row.where << " except " << row.exceptScripts;
    EXPECT_EQ(lastMessage(), str("Больше нет таких строк\nв документе"_w));
    EXPECT_EQ(code.SelLength(), 1);
  }
}

TEST_F(FindFormTest, ABodyWithoutItsEndAndAnOpeningAtTheVeryEndHoldNothing) {
  Form();
  code.SetText("<body>w and w<table");
  look("w", 4);
  find.FindButtonClick();
  EXPECT_EQ(lastMessage(), str("Строка не найдена\nв документе"_w));
  code.SetText("w<table");
  look("w", 7);
  find.FindButtonClick();
  EXPECT_EQ(lastMessage(), str("Строка не найдена\nв документе"_w));
}

TEST_F(FindFormTest, TagsOnlyFindsTheNameRightAfterTheAngleBracket) {
  Form();
  const std::string text = "<table> table <TABLE x> </table> <tablex> x<table>";
  const struct {
    bool matchCase;
    bool whole;
    std::vector<std::size_t> at;  // where the tag's "<" stands
  } rows[] = {
      {false, false, {0, 14, 33, 43}},
      {true, false, {0, 33, 43}},
      {false, true, {0, 14, 43}},
  };
  for (const auto& row : rows) {
    code.SetText(text);
    find.FormClose();
    look("table");
    find.TagsOnly = true;
    find.MatchCase = row.matchCase;
    find.WholeWordsOnly = row.whole;
    std::vector<std::size_t> at;
    find.FindButtonClick();
    for (int i = 0; i < 10 && dialogs.messages.empty(); ++i) {
      ASSERT_EQ(code.SelLength(), 5);
      at.push_back(code.SelStart() - 1);
      find.FindBelowButtonClick();
    }
    EXPECT_EQ(at, row.at) << row.matchCase << row.whole;
    EXPECT_EQ(text.substr(row.at.front(), 1), "<");
    dialogs.messages.clear();
  }
}

TEST_F(FindFormTest, WholeWordsAndCaseFoldCyrillicAsLatin) {
  Form();
  // Words by number: 0 Слово, 1 словом, 2 СЛОВО_, 3 слово1, 4 (слово), 5 ёжик, 6 ЁЖИК,
  // 7 подслово, 8 слово.
  const std::string text("Слово словом СЛОВО_ слово1 (слово) ёжик ЁЖИК подслово слово"_w);
  const struct {
    std::string_view what;
    bool matchCase;
    bool whole;
    const char* words;
  } rows[] = {
      {"слово"_w, false, false, "0 1 2 3 4 7 8"},
      {"слово"_w, true, false, "1 3 4 7 8"},
      {"слово"_w, false, true, "0 4 8"},
      {"СЛОВО"_w, true, true, ""},
      {"ёжик"_w, false, false, "5 6"},
      {"ЁЖИК"_w, true, true, "6"},
  };
  for (const auto& row : rows) {
    code.SetText(text);
    find.FormClose();
    look(std::string(row.what));
    find.MatchCase = row.matchCase;
    find.WholeWordsOnly = row.whole;
    std::string words;
    dialogs.messages.clear();
    find.FindButtonClick();
    for (int i = 0; i < 12 && dialogs.messages.empty(); ++i) {
      const std::string before = text.substr(0, code.SelStart());
      words += (words.empty() ? "" : " ") +
               std::to_string(std::count(before.begin(), before.end(), ' '));
      find.FindBelowButtonClick();
    }
    EXPECT_EQ(words, row.words) << row.what;
  }
}

TEST_F(FindFormTest, ASeriesInTheSelectionEndsWhereTheSelectionEnded) {
  Form();
  const std::string text = "a1 a2 a3 a4 a5";
  code.SetText(text);
  code.SetSelection(3, 8);  // "a2 a3 a4"
  look("a", kWhereSelection);
  EXPECT_EQ(series(), "2 3 4");
  EXPECT_EQ(lastMessage(), str("Больше нет таких строк\nв выделенном фрагменте"_w));
  // The failed search leaves the last occurrence selected.
  EXPECT_EQ(code.SelStart(), 9);
  EXPECT_EQ(code.SelLength(), 1);

  // "Найти далее" without "Найти" searches the current selection, from its start.
  find.FormClose();
  look("a", kWhereSelection);
  code.SetSelection(6, 5);  // "a3 a4"
  find.FindBelowButtonClick();
  EXPECT_EQ(selectedMarker(), "3");
  find.FindBelowButtonClick();
  EXPECT_EQ(selectedMarker(), "4");
  dialogs.messages.clear();
  find.FindBelowButtonClick();
  EXPECT_EQ(lastMessage(), str("Больше нет таких строк\nв выделенном фрагменте"_w));

  // An empty selection holds nothing.
  find.FormClose();
  look("a", kWhereSelection);
  code.SetSelection(4, 0);
  find.FindButtonClick();
  EXPECT_EQ(lastMessage(), str("Строка не найдена\nв выделенном фрагменте"_w));
  EXPECT_EQ(code.SelStart(), 4);
}

TEST_F(FindFormTest, FindNextSkipsOnlyTheOccurrenceAtTheCaretOnceSomethingWasFound) {
  Form();
  code.SetText("ab ab ab");
  look("ab");
  code.SetSelection(3, 0);
  // Nothing found yet: the occurrence at the caret counts.
  find.FindBelowButtonClick();
  EXPECT_EQ(code.SelStart(), 3);
  find.FindBelowButtonClick();
  EXPECT_EQ(code.SelStart(), 6);
  code.SetSelection(0, 0);
  find.FindBelowButtonClick();
  EXPECT_EQ(code.SelStart(), 3);

  // With tags only, the caret stands after the "<" of the selected tag: the next tag is found,
  // also one that begins right where the last one ends.
  find.FormClose();
  code.SetText("<b><b>x<b>");
  look("b");
  find.TagsOnly = true;
  find.FindButtonClick();
  EXPECT_EQ(code.SelStart(), 1);
  find.FindBelowButtonClick();
  EXPECT_EQ(code.SelStart(), 4);
  find.FindBelowButtonClick();
  EXPECT_EQ(code.SelStart(), 8);
  // The selected occurrence is known by where its name begins, after the "<": a caret put
  // right before a tag finds that tag.
  code.SetSelection(3, 0);
  find.FindBelowButtonClick();
  EXPECT_EQ(code.SelStart(), 4);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FindFormTest, SixMessagesWithTheirCaptionsAndIconsLeaveTheSelection) {
  Form();
  code.SetText("<script>x</script> y");
  code.SetSelection(1, 2);
  const auto expectOnly = [&](std::vector<std::pair<std::string, std::string>> expected,
                              MsgIcon icon) {
    ASSERT_EQ(dialogs.messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(dialogs.messages[i].text, expected[i].first);
      EXPECT_EQ(dialogs.messages[i].caption, expected[i].second);
      EXPECT_EQ(dialogs.messages[i].icon, icon);
      EXPECT_EQ(dialogs.messages[i].buttons, MsgButtons::Ok);
    }
    EXPECT_EQ(code.SelStart(), 1);
    EXPECT_EQ(code.SelLength(), 2);
    dialogs.messages.clear();
  };
  const std::pair<std::string, std::string> empty{str("Не буду искать пустую строку"_w),
                                                  str("Ошибка"_w)};
  const std::pair<std::string, std::string> where{str("\"В скриптах кроме скриптов\" - это где?"_w),
                                                  str("Не понял"_w)};
  for (const bool next : {false, true}) {
    const auto click = [&] { next ? find.FindBelowButtonClick() : find.FindButtonClick(); };
    look("", 5, true);
    click();
    expectOnly({empty, where}, MsgIcon::Stop);
    look("", 5, false);
    click();
    expectOnly({empty}, MsgIcon::Stop);
    look("x", 5, true);
    click();
    expectOnly({where}, MsgIcon::Stop);
  }
  const std::string done = str("Поиск завершён"_w);
  look("z", kWhereSelection);
  find.FindButtonClick();
  expectOnly({{str("Строка не найдена\nв выделенном фрагменте"_w), done}}, MsgIcon::Exclamation);
  find.FindBelowButtonClick();
  expectOnly({{str("Больше нет таких строк\nв выделенном фрагменте"_w), done}},
             MsgIcon::Exclamation);
  look("z");
  find.FindButtonClick();
  expectOnly({{str("Строка не найдена\nв документе"_w), done}}, MsgIcon::Exclamation);
  find.FindBelowButtonClick();
  expectOnly({{str("Больше нет таких строк\nв документе"_w), done}}, MsgIcon::Exclamation);

  // With no document window both buttons do nothing at all.
  noDocument = true;
  look("", 5, true);
  find.FindButtonClick();
  find.FindBelowButtonClick();
  expectOnly({}, MsgIcon::None);
}

TEST_F(FindFormTest, EmphasisFocusAndWhatClosingAndHidingKeep) {
  Form();
  code.SetText("one two one");
  EXPECT_EQ(find.Emphasis, TFindForm::Button::FindButton);
  find.FindExecute();
  EXPECT_EQ(shows, 1);
  EXPECT_TRUE(find.Visible);
  EXPECT_EQ(find.Caption, str("Найти"_w));
  EXPECT_EQ(find.FindButtonCaption, str("Найти"_w));
  EXPECT_EQ(find.FindBelowButtonCaption, str("Найти далее"_w));
  EXPECT_FALSE(find.ReplaceShown);
  EXPECT_EQ(find.FocusRequest, TFindForm::Control::What);
  // Open already: the command only brings it forward.
  find.FindExecute();
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(activations, 1);

  look("one", kWhereWholeFile, true);
  find.MatchCase = find.WholeWordsOnly = true;
  find.ReplaceWith = "x";
  find.FindButtonClick();
  EXPECT_EQ(find.Emphasis, TFindForm::Button::FindBelowButton);
  EXPECT_EQ(find.FocusRequest, TFindForm::Control::FindBelowButton);
  find.FocusRequest = TFindForm::Control::None;
  find.FindBelowButtonClick();
  EXPECT_EQ(code.SelStart(), 8);
  EXPECT_EQ(find.FocusRequest, TFindForm::Control::None);

  // Hidden with its document or by Esc in a code pane: everything stays.
  find.FormHide();
  EXPECT_FALSE(find.Visible);
  find.FindExecute();
  EXPECT_EQ(shows, 2);
  EXPECT_EQ(find.What, "one");
  EXPECT_TRUE(find.MatchCase && find.WholeWordsOnly && find.ExceptScripts);
  EXPECT_TRUE(find.FoundOnce);
  EXPECT_EQ(find.Emphasis, TFindForm::Button::FindBelowButton);

  // Esc with a modifier does nothing; Esc alone closes and forgets the search.
  find.FormKeyUp(true, true, false, false);
  find.FormKeyUp(true, false, true, false);
  find.FormKeyUp(true, false, false, true);
  find.FormKeyUp(false, false, false, false);
  EXPECT_TRUE(find.Visible);
  find.FormKeyUp(true, false, false, false);
  EXPECT_FALSE(find.Visible);
  EXPECT_EQ(find.What, "");
  EXPECT_EQ(find.ReplaceWith, "");
  EXPECT_EQ(find.WhereIndex, kWhereWholeFile);
  EXPECT_FALSE(find.MatchCase || find.WholeWordsOnly || find.TagsOnly || find.ExceptScripts);
  EXPECT_FALSE(find.FoundOnce || find.InSelection);
  EXPECT_EQ(find.Emphasis, TFindForm::Button::FindButton);
}

TEST_F(FindFormTest, TheReplaceCommandShowsTheSameDialogInItsReplaceMode) {
  find.ReplaceExecute();
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(find.Caption, str("Заменить"_w));
  EXPECT_EQ(find.FindButtonCaption, "Заменить BCE"_w);
  EXPECT_EQ(find.FindButtonCaption.substr(9), "BCE");  // Latin letters
  EXPECT_EQ(find.FindBelowButtonCaption, str("Заменить след."_w));
  EXPECT_TRUE(find.ReplaceShown);
  // Enter steps through the occurrences; replacing them all takes its own button.
  EXPECT_EQ(find.Emphasis, TFindForm::Button::FindBelowButton);
  find.ReplaceExecute();
  EXPECT_EQ(activations, 1);
  // The find command turns the open dialog back into the find dialog.
  find.What = "kept";
  find.FindExecute();
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(activations, 2);
  EXPECT_EQ(find.Caption, str("Найти"_w));
  EXPECT_FALSE(find.ReplaceShown);
  EXPECT_EQ(find.What, "kept");
}

TEST_F(FindFormTest, ReplaceNextReplacesTheSelectedOccurrenceAndFindsTheNextInTheRegion) {
  Form();
  code.SetText(kPage);
  find.ReplaceExecute();
  look("w", 7);
  find.ReplaceWith = "ZZ";
  EXPECT_EQ(series(true), "4 5 12");  // each step replaced the one before
  EXPECT_EQ(lastMessage(), str("Больше нет таких строк\nв документе"_w));
  std::string expected = kPage;
  for (const char* marker : {">w4<", ">w5<", ">w12<"})
    expected.replace(expected.find(marker) + 1, 1, "ZZ");
  EXPECT_EQ(code.Text(), expected);
  EXPECT_TRUE(code.Modified());
  // One undo step each.
  EXPECT_EQ(code.UndoDepth(), 3u);
  for (int i = 0; i < 3; ++i) code.Undo();
  EXPECT_EQ(code.Text(), kPage);
}

TEST_F(FindFormTest, ReplaceNextLeavesASelectionOutsideTheRegionAlone) {
  Form();
  code.SetText(kPage);
  find.ReplaceExecute();
  look("w", kWhereWholeFile, true);
  find.ReplaceWith = "Q";
  // w1 stands in a script: selected by hand it is not replaced, the next one is selected.
  code.SetSelection(static_cast<int>(kPage.find("w1")), 1);
  find.FindBelowButtonClick();
  EXPECT_EQ(code.Text(), kPage);
  EXPECT_EQ(selectedMarker(), "2");
  find.FindBelowButtonClick();
  EXPECT_EQ(code.Text().find("w2"), std::string::npos);
  EXPECT_EQ(selectedMarker(), "3");

  // Replacing with a text that holds the sought one does not find it again in the replacement,
  // and an occurrence right after the replaced one is not skipped.
  find.FormClose();
  code.SetText("abab");
  find.ReplaceExecute();
  look("ab");
  find.ReplaceWith = "xab";
  code.SetSelection(0, 2);
  find.FindBelowButtonClick();
  EXPECT_EQ(code.Text(), "xabab");
  EXPECT_EQ(code.SelStart(), 3);
}

TEST_F(FindFormTest, ReplaceAllIsOneUndoStepPerRegionAndAgreesWithReplacingOneByOne) {
  Form();
  const struct {
    int where;
    bool exceptScripts;
    int count;
  } rows[] = {{0, false, 14}, {3, false, 3}, {5, false, 3}, {7, false, 3},
              {10, false, 1}, {0, true, 11}, {7, true, 2}};
  for (const auto& row : rows) {
    // One by one, through "Заменить след." from the top.
    code.SetText(kPage);
    find.FormClose();
    find.ReplaceExecute();
    look("w", row.where, row.exceptScripts);
    find.ReplaceWith = "<b>ww</b>";
    for (int i = 0; i < 40 && dialogs.messages.empty(); ++i) find.FindBelowButtonClick();
    const std::string oneByOne = code.Text();
    dialogs.messages.clear();

    code.SetText(kPage);
    find.FindButtonClick();
    EXPECT_EQ(code.Text(), oneByOne) << "Where " << row.where;
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, str("Заменено: "_w) + std::to_string(row.count));
    EXPECT_EQ(dialogs.messages[0].caption, str("Поиск завершён"_w));
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Information);
    dialogs.messages.clear();
    EXPECT_EQ(code.UndoDepth(), 1u);
    code.Undo();
    EXPECT_EQ(code.Text(), kPage);
  }
}

TEST_F(FindFormTest, ReplaceAllInTheSelectionInTagsAndWhenNothingIsThere) {
  Form();
  find.ReplaceExecute();
  code.SetText("a a a a a");
  code.SetSelection(2, 5);
  look("a", kWhereSelection);
  find.ReplaceWith = "bb";
  find.FindButtonClick();
  EXPECT_EQ(code.Text(), "a bb bb bb a");
  EXPECT_EQ(lastMessage(), "Заменено: 3"_w);

  code.SetText("<b>x</b> b <B>y</B>");
  look("b");
  find.TagsOnly = true;
  find.ReplaceWith = "strong";
  find.FindButtonClick();
  EXPECT_EQ(code.Text(), "<strong>x</b> b <strong>y</B>");
  EXPECT_EQ(lastMessage(), "Заменено: 2"_w);

  code.SetText("<b>x</b>");
  look("i");
  find.FindButtonClick();
  EXPECT_EQ(code.Text(), "<b>x</b>");
  EXPECT_EQ(code.UndoDepth(), 0u);
  EXPECT_EQ(lastMessage(), str("Строка не найдена\nв документе"_w));
}

}  // namespace
}  // namespace lumbrix
