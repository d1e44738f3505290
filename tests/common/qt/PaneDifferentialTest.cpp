// The same port calls on the in-memory pane and on a window pane must leave the same text,
// selection and modified flag.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "common/MemoryPane.h"
#include "common/WinText.h"
#include "common/qt/CodePane.h"
#include "common/qt/PlainPane.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

struct Lcg {
  unsigned state = 12345;
  int next(int bound) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) % static_cast<unsigned>(bound));
  }
};

void expectSame(const MemoryPane& expected, const TextPane& actual, int step) {
  ASSERT_EQ(actual.Text(), expected.Text()) << "step " << step;
  EXPECT_EQ(actual.TextLength(), expected.TextLength()) << "step " << step;
  EXPECT_EQ(actual.SelStart(), expected.SelStart()) << "step " << step;
  EXPECT_EQ(actual.SelLength(), expected.SelLength()) << "step " << step;
  EXPECT_EQ(actual.SelText(), expected.SelText()) << "step " << step;
  EXPECT_EQ(actual.Modified(), expected.Modified()) << "step " << step;
}

// Selections never split CR LF: the plain pane cannot hold a position between them, and no
// command of the editor makes one.
int notInsideCrLf(const std::string& text, int pos) {
  return pos > 0 && pos < static_cast<int>(text.size()) && text[pos - 1] == '\r' &&
                 text[pos] == '\n'
             ? pos + 1
             : pos;
}

void runSequence(TextPane& pane, bool loneLineEnds) {
  MemoryPane memory;
  Lcg rng;
  const std::string pieces[] = {
      std::string("<p>Ёлка и ёж</p>"_w), "\r\n", "", "x", std::string("\xFF\x98\xC0\t", 4),
      loneLineEnds ? "a\rb\nc" : "a"};
  const std::string start = std::string("<html>\r\n<body>Привет, мир!</body>\r\n</html>"_w);
  memory.SetText(start);
  pane.SetText(start);
  expectSame(memory, pane, -1);
  for (int step = 0; step < 300; ++step) {
    const int n = memory.TextLength();
    switch (rng.next(6)) {
      case 0:
      case 1: {
        const int s = notInsideCrLf(memory.Text(), rng.next(n + 1));
        const int e = notInsideCrLf(memory.Text(), s + rng.next(n - s + 1));
        memory.SetSelection(s, e - s);
        pane.SetSelection(s, e - s);
        break;
      }
      case 2:
      case 3: {
        const std::string& piece = pieces[rng.next(6)];
        // Replacing nothing by nothing is no change a widget can record.
        if (piece.empty() && memory.SelLength() == 0) break;
        memory.ReplaceSelection(piece);
        pane.ReplaceSelection(piece);
        break;
      }
      case 4:
        memory.Undo();
        pane.Undo();
        // Where the selection lands after undo is the widget's choice; the text is not.
        ASSERT_EQ(pane.Text(), memory.Text()) << "step " << step;
        pane.SetSelection(memory.SelStart(), memory.SelLength());
        break;
      case 5: {
        const bool flag = rng.next(2) == 0;
        memory.SetModified(flag);
        pane.SetModified(flag);
        break;
      }
    }
    expectSame(memory, pane, step);
    if (::testing::Test::HasFatalFailure()) return;
    const int s = rng.next(memory.TextLength() + 1);
    EXPECT_EQ(pane.TextRange(s, 7), memory.TextRange(s, 7)) << "step " << step;
    EXPECT_EQ(pane.Find(std::string("ёЖ"_w), s, -1),
              memory.Find(std::string("ёЖ"_w), s, -1, false, false));
  }
}

TEST(CodePane, BehavesLikeTheMemoryPaneThroughThePort) {
  CodePane pane;
  runSequence(pane, true);
}

TEST(PlainPane, BehavesLikeTheMemoryPaneThroughThePort) {
  PlainPane pane;
  runSequence(pane, false);
}

}  // namespace
}  // namespace lumbrix
