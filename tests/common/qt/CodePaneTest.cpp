#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "common/MemoryPane.h"
#include "common/WinText.h"
#include "common/qt/CodePane.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using Sci = QsciScintillaBase;

std::string allBytes() {
  std::string all;
  for (int c = 0; c < 256; ++c) all.push_back(static_cast<char>(c));
  return all + "\r\nx\ry\nz\r\n\r\r\n\n" + std::string(3, '\0') + "end";
}

TEST(CodePane, EveryByteAndEveryLineEndLoadsAndReadsBackExactly) {
  CodePane pane;
  const std::string text = allBytes();
  pane.SetText(text);
  EXPECT_EQ(pane.Text(), text);
  EXPECT_EQ(pane.TextLength(), static_cast<int>(text.size()));
  for (int start : {0, 10, 127, 200, 255, 256, 257, 260}) {
    EXPECT_EQ(pane.TextRange(start, 9), text.substr(start, 9)) << start;
  }
}

TEST(CodePane, PositionsMapToScintillaBytesAndBackAtEveryPlace) {
  CodePane pane;
  const std::string text =
      std::string("<p>Привет</p>\r\nёж\rЯ\n\r\nabc Ђ…™"_w) + std::string("\r\n");
  pane.SetText(text);
  const std::string utf8 = WinToUtf8(text);
  for (int pos = 0; pos <= static_cast<int>(text.size()); ++pos) {
    const long expected = static_cast<long>(WinToUtf8(text.substr(0, pos)).size());
    EXPECT_EQ(pane.toBytes(pos), expected) << pos;
    EXPECT_EQ(pane.toChars(expected), pos) << pos;
  }
  EXPECT_EQ(pane.toBytes(100000), static_cast<long>(utf8.size()));
}

// Edits that join a lone CR and an LF into one line end, or part them, and the undo of such an
// edit: lengths and positions stay those of the text, with letters of two UTF-8 bytes around.
TEST(CodePane, PositionsStayRightWhenAnEditJoinsOrPartsCrAndLf) {
  struct Case {
    const char* what;
    std::string text;
    int start, length;
    std::string insert;
    std::string result;
  };
  const std::string zh = std::string("ж"_w), ya = std::string("я"_w);
  const Case cases[] = {
      {"LF typed after a lone CR", zh + "\r", 2, 0, "\n", zh + "\r\n"},
      {"CR typed before a lone LF", "\n" + ya, 0, 0, "\r", "\r\n" + ya},
      {"what stood between CR and LF deleted", zh + "\r" + ya + "\n" + ya, 2, 1, "",
       zh + "\r\n" + ya},
      {"CR LF parted by a letter", zh + "\r\n" + ya, 2, 0, zh, zh + "\r" + zh + "\n" + ya},
      {"the LF of CR LF deleted", zh + "\r\n" + ya, 2, 1, "", zh + "\r" + ya},
      {"CR and LF each with a line", ya + "\r", 2, 0, ya + "\n", ya + "\r" + ya + "\n"},
  };
  auto expectConsistent = [](CodePane& pane, const std::string& text, const std::string& what) {
    const int n = static_cast<int>(text.size());
    EXPECT_EQ(pane.Text(), text) << what;
    EXPECT_EQ(pane.TextLength(), n) << what;
    EXPECT_EQ(pane.TextRange(0, n), text) << what;
    for (int pos = 0; pos <= n; ++pos) {
      pane.SetSelection(pos, n - pos);
      EXPECT_EQ(pane.SelStart(), pos) << what << " at " << pos;
      EXPECT_EQ(pane.SelText(), text.substr(pos)) << what << " at " << pos;
    }
  };
  for (const Case& c : cases) {
    CodePane pane;
    pane.SetText(c.text);
    pane.SetSelection(c.start, c.length);
    pane.ReplaceSelection(c.insert);
    expectConsistent(pane, c.result, c.what);
    pane.Undo();
    expectConsistent(pane, c.text, std::string(c.what) + ", undone");
  }
}

TEST(CodePane, SetTextKeepsTheModifiedFlagAndClearsUndo) {
  CodePane pane;
  pane.SetText("abc");
  EXPECT_FALSE(pane.Modified());
  pane.SetModified(true);
  pane.SetText("def");
  EXPECT_TRUE(pane.Modified());
  pane.Undo();
  EXPECT_EQ(pane.Text(), "def");
  pane.SetModified(false);
  pane.SetText("ghi");
  EXPECT_FALSE(pane.Modified());
}

TEST(CodePane, ReplaceSelectionIsOneUndoStepAndSignalsAtOnce) {
  CodePane pane;
  QSignalSpy changes(&pane, &CodePane::textChanged);
  QSignalSpy modified(&pane, &CodePane::modificationChanged);
  pane.SetText("one two three");
  changes.clear();
  pane.SetSelection(4, 3);
  pane.ReplaceSelection(std::string("<b>два\r\nдва</b>"_w));
  EXPECT_EQ(pane.Text(), "one <b>два\r\nдва</b> three"_w);
  EXPECT_EQ(pane.SelStart(), 4 + 15);
  EXPECT_EQ(pane.SelLength(), 0);
  EXPECT_TRUE(pane.Modified());
  EXPECT_EQ(changes.count(), 1);
  ASSERT_EQ(modified.count(), 1);
  pane.Undo();
  EXPECT_EQ(pane.Text(), "one two three");
  EXPECT_TRUE(pane.Modified()) << "undo never clears the flag";
}

TEST(CodePane, ColouringAddsNoUndoStepAndLeavesTheFlag) {
  CodePane pane;
  pane.SetText(std::string("<b>жирный</b>"_w));
  pane.SetTextColor(0, 3, 0x0000FF);
  pane.SetTextColor(3, 6, 0x00FF00);
  pane.SetTextColor(9, 4, 0x0000FF);
  EXPECT_FALSE(pane.Modified());
  EXPECT_FALSE(pane.widget()->isUndoAvailable());
  QsciScintilla* w = pane.widget();
  const long style = w->SendScintilla(Sci::SCI_GETSTYLEAT, pane.toBytes(4));
  EXPECT_GE(style, 40);
  EXPECT_EQ(w->SendScintilla(Sci::SCI_STYLEGETFORE, static_cast<unsigned long>(style)), 0x00FF00);
  EXPECT_EQ(w->SendScintilla(Sci::SCI_GETSTYLEAT, pane.toBytes(0)),
            w->SendScintilla(Sci::SCI_GETSTYLEAT, pane.toBytes(10)));
}

TEST(CodePane, TypedKeysMarkModifiedAndReadBackInWindows1251) {
  CodePane pane;
  QSignalSpy changes(&pane, &CodePane::textChanged);
  pane.SetText("ab\r\ncd");
  pane.SetSelection(2, 0);
  changes.clear();
  QsciScintilla* w = pane.widget();
  QTest::keyClick(w, Qt::Key_X);
  for (const QChar ch : QStringLiteral("Жё"))
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  QTest::keyClick(w, Qt::Key_Return);
  EXPECT_TRUE(pane.Modified());
  EXPECT_EQ(pane.Text(), "abxЖё\r\n\r\ncd"_w);
  EXPECT_EQ(pane.SelStart(), 7);
  EXPECT_EQ(pane.TextLength(), 11);
  QCoreApplication::processEvents();
  EXPECT_EQ(changes.count(), 1) << "one notification per turn of the event loop";
  QTest::keyClick(w, Qt::Key_Backspace);
  EXPECT_EQ(pane.Text(), "abxЖё\r\ncd"_w) << "Backspace takes CR LF as one";
}

TEST(CodePane, HomeGoesToTheLineStartNotToTheFirstNonBlank) {
  CodePane pane;
  pane.SetText("x\r\n    indented");
  pane.SetSelection(12, 0);
  QTest::keyClick(pane.widget(), Qt::Key_Home);
  EXPECT_EQ(pane.SelStart(), 3);
}

TEST(CodePane, FindIsCaseInsensitiveInWindows1251) {
  CodePane pane;
  pane.SetText(std::string("<P>Ёлка\r\nЁЛКА ёлка</p>"_w));
  EXPECT_EQ(pane.Find(std::string("ёлка"_w), 0, -1), 3);
  EXPECT_EQ(pane.Find(std::string("ёлка"_w), 4, -1), 9);
  EXPECT_EQ(pane.Find(std::string("ёлка"_w), 4, -1, true), 14);
  EXPECT_EQ(pane.Find("</P>", 0, -1), 18);
}

// A double click's word selection with the button still held, an edit made meanwhile, and then
// the mouse moves on with the button held: the anchor Scintilla remembered for the word must not
// come back in bytes the edit has moved, inside a letter, where the next key would split it.
TEST(CodePane, AnEditEndsASelectionTheMouseIsStillMaking) {
  struct Case {
    const char* what;
    std::function<void(CodePane&)> between;
  };
  // Two bytes put before the text by a command of the program, or straight into the widget.
  auto insertByCommand = [](CodePane& pane) {
    pane.SetSelection(0, 0);
    pane.ReplaceSelection("ab");
  };
  auto insertBehindThePane = [](CodePane& pane) {
    pane.widget()->SendScintilla(Sci::SCI_INSERTTEXT, 0UL, "ab");
  };
  const Case cases[] = {
      {"a command's edit", insertByCommand},
      {"a key typed", [](CodePane& pane) {
         QTest::keyClick(pane.widget(), Qt::Key_Home);
         QTest::keyClicks(pane.widget(), "ab");
       }},
      {"focus lost, then an edit",
       [&](CodePane& pane) {
         QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
         QApplication::sendEvent(pane.widget(), &out);
         insertBehindThePane(pane);
       }},
  };
  for (const Case& c : cases) {
    CodePane pane;
    QsciScintilla* w = pane.widget();
    w->resize(600, 200);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    w->setFocus();
    pane.SetText(std::string("шш шшшш шш"_w));
    QWidget* view = w->viewport();
    auto pointAt = [&](long byte) {
      return QPoint(static_cast<int>(w->SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, byte)) + 1,
                    static_cast<int>(w->SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, byte)) + 4);
    };
    const QPoint word = pointAt(7);
    QTest::mousePress(view, Qt::LeftButton, {}, word);
    QTest::mouseRelease(view, Qt::LeftButton, {}, word);
    QMouseEvent twice(QEvent::MouseButtonDblClick, word, view->mapToGlobal(word), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &twice);
    ASSERT_EQ(pane.SelText(), std::string("шшшш"_w)) << c.what;

    c.between(pane);
    const QPoint end = pointAt(w->SendScintilla(Sci::SCI_GETLENGTH));
    QMouseEvent drag(QEvent::MouseMove, end, view->mapToGlobal(end), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view, &drag);

    const auto* bytes = reinterpret_cast<const unsigned char*>(
        w->SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
    for (const unsigned msg : {Sci::SCI_GETANCHOR, Sci::SCI_GETCURRENTPOS}) {
      const long at = w->SendScintilla(msg);
      EXPECT_FALSE(at < w->SendScintilla(Sci::SCI_GETLENGTH) && (bytes[at] & 0xC0) == 0x80)
          << c.what << ": " << (msg == Sci::SCI_GETANCHOR ? "anchor" : "caret") << " at byte "
          << at;
    }
    QTest::keyClicks(w, "x");
    EXPECT_EQ(pane.Text().find('?'), std::string::npos) << c.what;
    EXPECT_EQ(WinToUtf8(pane.Text()).size(), static_cast<std::size_t>(w->SendScintilla(Sci::SCI_GETLENGTH)))
        << c.what << ": the text holds broken UTF-8";
  }
}

TEST(CodePane, ShiftPressedDuringADragLetsTheDragGoOn) {
  CodePane pane;
  QsciScintilla* w = pane.widget();
  w->resize(600, 200);
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
  pane.SetText(std::string("шш шшшш шш"_w));
  QWidget* view = w->viewport();
  auto pointAt = [&](long byte) {
    return QPoint(static_cast<int>(w->SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, byte)),
                  static_cast<int>(w->SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, byte)) + 4);
  };
  QTest::mousePress(view, Qt::LeftButton, {}, pointAt(0));
  QTest::keyPress(w, Qt::Key_Shift);
  const QPoint end = pointAt(w->SendScintilla(Sci::SCI_GETLENGTH)) + QPoint(2, 0);
  QMouseEvent drag(QEvent::MouseMove, end, view->mapToGlobal(end), Qt::NoButton, Qt::LeftButton,
                   Qt::ShiftModifier);
  QApplication::sendEvent(view, &drag);
  QTest::keyRelease(w, Qt::Key_Shift);
  QTest::mouseRelease(view, Qt::LeftButton, {}, end);
  EXPECT_EQ(pane.SelText(), std::string("шш шшшш шш"_w));
}

}  // namespace
}  // namespace lumbrix
