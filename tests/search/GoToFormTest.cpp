#include "common/WinText.h"
#include "document/DocumentFixture.h"
#include "search/GoToForm.h"

namespace lumbrix {
namespace {

using namespace literals;
using lumbrix::testing::DocumentTest;

TEST(LineStart, CountsLineFeedsAndNeedsACharacterOnTheLine) {
  const std::string_view text = "ab\r\ncd\r\n\r\nef";
  EXPECT_EQ(LineStart(text, 1), 0);
  EXPECT_EQ(LineStart(text, 2), 4);
  EXPECT_EQ(LineStart(text, 3), 8);   // an empty line is reached at its CR
  EXPECT_EQ(LineStart(text, 4), 10);  // the last line, without a line break
  EXPECT_EQ(LineStart(text, 5), std::nullopt);
  EXPECT_EQ(LineStart(text, 0), std::nullopt);
  EXPECT_EQ(LineStart(text, -3), std::nullopt);
  EXPECT_EQ(LineStart(text, TGoToForm::kMaxLine), std::nullopt);
  // The empty line after a final line break holds no character of the text.
  EXPECT_EQ(LineStart("ab\r\n", 2), std::nullopt);
  EXPECT_EQ(LineStart("", 1), std::nullopt);
  // A lone CR does not end a line.
  EXPECT_EQ(LineStart("a\rb", 2), std::nullopt);
}

using GoToLineTest = DocumentTest;

TEST_F(GoToLineTest, PutsTheCaretAtTheLineOrLeavesItWhenOutOfReach) {
  TEditForm& f = Form();
  code.SetText("one\r\ntwo\r\nthree\r\n");
  code.SetSelection(2, 5);
  GoToLine(f, 3);
  EXPECT_EQ(code.SelStart(), 10);
  EXPECT_EQ(code.SelLength(), 0);
  GoToLine(f, 1);
  EXPECT_EQ(code.SelStart(), 0);

  code.SetSelection(6, 2);
  GoToLine(f, 4);
  EXPECT_EQ(code.SelStart(), 6);
  EXPECT_EQ(code.SelLength(), 2);
  // Only the code pane moves, whatever tab is shown.
  f.ActiveTab = TEditForm::PageTab::Lumbrix;
  plain.SetText("a\r\nb");
  GoToLine(f, 2);
  EXPECT_EQ(code.SelStart(), 5);
  EXPECT_EQ(plain.SelStart(), 0);
}

// The dialog as the frame's commands drive it; `show` stands for what the user does while it is
// open, between FormShow and FormClose.
struct GoToFormTest : DocumentTest {
  TGoToForm go;
  int closes = 0;

  GoToFormTest() {
    go.Close = [this] { ++closes; };
  }

  bool run(bool lineMode, const std::function<void()>& user) {
    return go.Execute(Form(), lineMode, [&] {
      go.FormShow();
      user();
      go.FormClose();
    });
  }
  void choose(int item) {
    go.WhereIndex = item;
    go.WhereChange();
  }
};

TEST_F(GoToFormTest, ShowsTheLandmarksFirstAndKeepsTheChoiceAndNumberBetweenOpenings) {
  EXPECT_EQ(TGoToForm::kTargets[0].item, "в конец документа"_w);
  EXPECT_EQ(TGoToForm::kTargets[4].item, "к Строке номер :"_w);

  run(false, [&] {
    EXPECT_EQ(go.WhereIndex, 0);
    EXPECT_TRUE(go.WhereEnabled);
    EXPECT_FALSE(go.LineNumEnabled);
    EXPECT_EQ(go.LineNumEditColor, TGoToForm::Background::ButtonFace);
    choose(2);
    go.CancelButtonClick();
  });
  EXPECT_EQ(closes, 1);

  run(false, [&] {
    EXPECT_EQ(go.WhereIndex, 2);
    choose(4);
    EXPECT_TRUE(go.LineNumEnabled);
    EXPECT_EQ(go.LineNumEditColor, TGoToForm::Background::Window);
    go.LineNumEditChange("42");
    go.CancelButtonClick();
  });
  run(false, [&] {
    EXPECT_EQ(go.WhereIndex, 4);
    EXPECT_TRUE(go.LineNumEnabled);
    EXPECT_EQ(go.LineNum, 42);
    EXPECT_EQ(go.LineNumEditText, "42");
    go.CancelButtonClick();
  });
}

TEST_F(GoToFormTest, LineModeFixesTheLineChoiceOnlyUntilTheDialogCloses) {
  run(false, [&] { choose(1); });
  run(true, [&] {
    EXPECT_EQ(go.WhereIndex, 4);
    EXPECT_FALSE(go.WhereEnabled);
    EXPECT_TRUE(go.LineNumEnabled);
  });
  EXPECT_FALSE(go.LineMode);
  // `GoTo` after the line-number command: `Where` free again, still on the line choice.
  run(false, [&] {
    EXPECT_TRUE(go.WhereEnabled);
    EXPECT_EQ(go.WhereIndex, 4);
  });
}

TEST_F(GoToFormTest, ConfirmingJumpsToEachLandmarkAndCancellingMovesNothing) {
  Form();
  const std::string page =
      "<html><head><title>T</title>\r\n<style>p{}</style>\r\n"
      "<script>document.write('</body>');</script>\r\n</head>\r\n<body>x\r\n</body></html>";
  code.SetText(page);
  const struct {
    int item;
    int caret;
  } jumps[] = {
      {0, static_cast<int>(page.rfind("x\r\n</body>")) + 1},  // end of the line above
      {1, static_cast<int>(page.rfind("</head>")) - 2},
      {2, static_cast<int>(page.find("</title>"))},
      {3, static_cast<int>(page.find("</style>"))},
  };
  for (const auto& jump : jumps) {
    code.SetSelection(1, 1);
    EXPECT_TRUE(run(false, [&] {
      choose(jump.item);
      go.OKButtonClick();
    }));
    EXPECT_EQ(code.SelStart(), jump.caret) << jump.item;
    EXPECT_EQ(code.SelLength(), 0);
  }

  code.SetSelection(1, 1);
  const int focus = code.FocusCount();
  EXPECT_FALSE(run(false, [&] {
    choose(0);
    go.CancelButtonClick();
  }));
  EXPECT_EQ(code.SelStart(), 1);
  EXPECT_EQ(code.SelLength(), 1);
  EXPECT_EQ(code.FocusCount(), focus);
  // Closing the window any other way is no confirmation either.
  EXPECT_FALSE(run(false, [] {}));
  EXPECT_EQ(code.SelStart(), 1);
}

TEST_F(GoToFormTest, ConfirmingTheLineChoiceGoesToTheLine) {
  Form();
  code.SetText("a\r\nb\r\nc");
  EXPECT_TRUE(run(true, [&] {
    go.LineNumEditChange("3");
    go.OKButtonClick();
  }));
  EXPECT_EQ(code.SelStart(), 6);
  EXPECT_TRUE(run(false, [&] {
    go.LineNumStep(-1);
    go.OKButtonClick();
  }));
  EXPECT_EQ(code.SelStart(), 3);
}

TEST_F(GoToFormTest, TheLineNumberStaysInRangeWhateverIsTypedOrStepped) {
  go.LineNumStep(-1);
  EXPECT_EQ(go.LineNum, 1);
  go.LineNumEditChange("9999");
  go.LineNumStep(+1);
  go.LineNumStep(+1);
  EXPECT_EQ(go.LineNum, 10000);
  EXPECT_EQ(go.LineNumEditText, "10000");

  go.LineNumEditChange("25");
  for (const char* typed : {"", "0", "10001", "99999999999", "-5", "1e3", " 7", "7x"}) {
    go.LineNumEditChange(typed);
    EXPECT_EQ(go.LineNum, 25) << typed;
    EXPECT_EQ(go.LineNumEditText, typed);
  }
  // Leaving the field, or closing the dialog, shows the number the dialog would use.
  go.LineNumEditExit();
  EXPECT_EQ(go.LineNumEditText, "25");
  go.LineNumEditChange("007");
  EXPECT_EQ(go.LineNum, 7);
  go.LineNumEditChange("");
  go.FormClose();
  EXPECT_EQ(go.LineNumEditText, "7");
}

}  // namespace
}  // namespace lumbrix
