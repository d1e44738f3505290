// The highlighter on the real code pane: the colours land on the right characters (Cyrillic
// letters take two bytes in the widget), and a pass is invisible to the text, the selection,
// the scroll position, undo and the modified flag.
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QTest>
#include <string>

#include "common/WinText.h"
#include "common/qt/CodePane.h"
#include "document/EditForm.h"
#include "commands/FontCommands.h"
#include "document/qt/EditFormView.h"
#include "highlight/Hilite.h"
#include "highlight/HiliteMasks.h"
#include "settings/Settings.h"
#include "support/FakeDialogs.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using testing::Rgb;

using Sci = QsciScintillaBase;

std::uint32_t colorAt(const CodePane& pane, int pos) {
  QsciScintilla* w = pane.widget();
  const long style =
      w->SendScintilla(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(pane.toBytes(pos)));
  return static_cast<std::uint32_t>(
      w->SendScintilla(Sci::SCI_STYLEGETFORE, static_cast<unsigned long>(style)));
}

// The colours of a text's characters, as letters.
std::string maskOf(const CodePane& pane, const testing::ColorLetters& letters, std::uint32_t ink) {
  std::vector<std::uint32_t> colors;
  for (int i = 0; i < pane.TextLength(); ++i) colors.push_back(colorAt(pane, i));
  return testing::ToMask(colors, letters, ink);
}

TEST(PaneColours, RunsLandOnTheirCharactersWhateverTheirBytes) {
  const HiliteRules rules = InitHiliteRules();
  const struct {
    std::string text;
    std::string mask;
  } cases[] = {
      {std::string("<b>да</b> &amp; ё"_w), "ttt..tttt.eeeee.."},
      {std::string("ёж <i title='Ёлка'>x</i>"_w), "...tttttttttqqqqqqt.tttt"},
      {std::string("<!-- тёмный -->\r\nпо"_w), "mmmmmmmmmmmmmmm...."},
  };
  for (const auto& c : cases) {
    CodePane pane;
    pane.SetText(c.text);
    HiliteRange(pane, 0, pane.TextLength() - 1, rules.Html, Rgb(1, 2, 3));
    EXPECT_EQ(maskOf(pane, testing::kHtmlLetters, Rgb(1, 2, 3)), c.mask) << c.mask;
  }
}

struct DocumentView {
  DocumentView() : view(settings, dialogs, colours) {
    settings.SO = true;
    AttachHighlighter(view.form(), settings, rules);
  }
  Settings settings;
  testing::FakeDialogs dialogs;
  ColourDialogState colours;
  const HiliteRules rules = InitHiliteRules();
  EditFormView view;
  CodePane& pane() { return view.codePane(); }
};

TEST(PaneColours, APassLeavesTextSelectionScrollUndoAndModifiedAlone) {
  DocumentView d;
  std::string text;
  for (int i = 0; i < 200; ++i) text += "<p class=\"x\">строка &amp; line</p>\r\n"_w;
  d.pane().SetText(text);
  d.view.resize(500, 300);
  d.view.show();
  QsciScintilla* w = d.pane().widget();
  d.pane().SetSelection(2000, 0);
  QTest::keyClick(w, Qt::Key_A);  // one edit to undo
  d.pane().SetSelection(2100, 7);
  w->SendScintilla(Sci::SCI_SETFIRSTVISIBLELINE, 40UL);
  const long firstLine = w->SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
  d.pane().SetModified(false);
  const std::string before = d.pane().Text();
  d.settings.CETColor = static_cast<std::int32_t>(Rgb(1, 2, 3));
  d.view.form().SyntaxTimerTimer();
  // The window starts 1500 before the caret, at the ";" of an entity begun before it, which the
  // pass does not see.
  EXPECT_NE(colorAt(d.pane(), 599), Rgb(1, 2, 3));
  EXPECT_EQ(colorAt(d.pane(), 600), Rgb(1, 2, 3));
  EXPECT_EQ(colorAt(d.pane(), 612), Rgb(0, 50, 255));
  EXPECT_EQ(colorAt(d.pane(), 3600), Rgb(1, 2, 3));  // the last character of the window
  EXPECT_NE(colorAt(d.pane(), 3601), Rgb(1, 2, 3));
  EXPECT_EQ(d.pane().Text(), before);
  EXPECT_EQ(d.pane().SelStart(), 2100);
  EXPECT_EQ(d.pane().SelLength(), 7);
  EXPECT_EQ(w->SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE), firstLine);
  EXPECT_FALSE(d.pane().Modified());
  EXPECT_FALSE(w->SendScintilla(Sci::SCI_GETMODIFY));
  // Undo takes back the edit, not the colouring.
  d.pane().Undo();
  EXPECT_EQ(d.pane().Text(), text);
}

TEST(PaneColours, TheNextPassRecoloursWhatUndoBroughtBack) {
  DocumentView d;
  d.pane().SetText("<b>x</b>");
  QsciScintilla* w = d.pane().widget();
  d.pane().SetSelection(8, 0);
  d.view.form().SyntaxTimerTimer();
  ASSERT_EQ(colorAt(d.pane(), 4), Rgb(0, 50, 255));
  d.pane().SetSelection(3, 5);
  QTest::keyClick(w, Qt::Key_Delete);
  ASSERT_EQ(d.pane().Text(), "<b>");
  d.pane().Undo();
  QTest::qWait(1);
  ASSERT_EQ(d.pane().Text(), "<b>x</b>");
  EXPECT_TRUE(d.view.form().SyntaxTimerEnabled);
  EXPECT_NE(colorAt(d.pane(), 4), Rgb(0, 50, 255));  // back without its colour
  d.view.form().SyntaxTimerTimer();
  EXPECT_EQ(maskOf(d.pane(), testing::kHtmlLetters, 0), "ttt.tttt");
}

TEST(PaneColours, TypingIntoThePaneAndATickColourThePage) {
  DocumentView d;
  QsciScintilla* w = d.pane().widget();
  QTest::keyClicks(w, "<i>if");
  for (const QChar ch : QStringLiteral(" ёж"))
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  QTest::keyClicks(w, "</i> &lt");
  QTest::qWait(1);
  EXPECT_EQ(d.pane().Text(), "<i>if ёж</i> &lt"_w);
  EXPECT_TRUE(d.view.syntaxTimer()->isActive());
  EXPECT_FALSE(d.view.form().KeyInProgress);
  d.view.form().SyntaxTimerTimer();
  EXPECT_EQ(maskOf(d.pane(), testing::kHtmlLetters, 0), "ttt.....tttt.eee");
  EXPECT_FALSE(d.view.syntaxTimer()->isActive());
}

}  // namespace
}  // namespace lumbrix
