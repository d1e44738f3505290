// The deferred pane answers as an empty new pane until something needs the real one, then builds
// it exactly once and forwards everything to it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/DeferredPane.h"
#include "common/MemoryPane.h"

namespace lumbrix {
namespace {

struct Deferred {
  MemoryPane real;
  int builds = 0;
  DeferredPane pane{[this]() -> TextPane& {
    ++builds;
    return real;
  }};
};

TEST(DeferredPane, UnbuiltItAnswersAsAnEmptyNewPaneWithoutBuilding) {
  Deferred d;
  const MemoryPane fresh;
  d.pane.SetText("");
  d.pane.SetModified(false);
  EXPECT_EQ(d.pane.Text(), fresh.Text());
  EXPECT_EQ(d.pane.TextLength(), fresh.TextLength());
  EXPECT_EQ(d.pane.TextRange(0, 5), fresh.TextRange(0, 5));
  EXPECT_EQ(d.pane.SelStart(), fresh.SelStart());
  EXPECT_EQ(d.pane.SelLength(), fresh.SelLength());
  EXPECT_EQ(d.pane.SelText(), fresh.SelText());
  EXPECT_EQ(d.pane.Modified(), fresh.Modified());
  EXPECT_FALSE(d.pane.IsBuilt());
  EXPECT_EQ(d.builds, 0);
}

TEST(DeferredPane, AnythingElseBuildsOnceAndReachesTheRealPane) {
  struct Case {
    const char* what;
    std::function<void(DeferredPane&)> act;
    std::function<bool(const MemoryPane&)> reached;
  };
  const std::vector<Case> cases = {
      {"text", [](DeferredPane& p) { p.SetText("abc"); },
       [](const MemoryPane& m) { return m.Text() == "abc"; }},
      {"modified", [](DeferredPane& p) { p.SetModified(true); },
       [](const MemoryPane& m) { return m.Modified(); }},
      {"typing", [](DeferredPane& p) { p.ReplaceSelection("x"); },
       [](const MemoryPane& m) { return m.Text() == "x"; }},
      {"selection", [](DeferredPane& p) { p.SetSelection(0, 0); },
       [](const MemoryPane& m) { return m.SelStart() == 0; }},
      {"word wrap", [](DeferredPane& p) { p.SetWordWrap(true); },
       [](const MemoryPane& m) { return m.WordWrap(); }},
      {"find", [](DeferredPane& p) { (void)p.Find("a", 0, -1, false, false); },
       [](const MemoryPane&) { return true; }},
      {"focus", [](DeferredPane& p) { p.SetFocus(); }, [](const MemoryPane&) { return true; }},
  };
  for (const Case& c : cases) {
    Deferred d;
    c.act(d.pane);
    EXPECT_TRUE(d.pane.IsBuilt()) << c.what;
    EXPECT_EQ(d.builds, 1) << c.what;
    EXPECT_TRUE(c.reached(d.real)) << c.what;
    // From then on every call goes to the same pane, questions included.
    d.pane.ReplaceSelection("z");
    EXPECT_EQ(d.pane.Text(), d.real.Text()) << c.what;
    EXPECT_EQ(d.pane.SelStart(), d.real.SelStart()) << c.what;
    EXPECT_EQ(d.pane.Modified(), d.real.Modified()) << c.what;
    EXPECT_EQ(d.builds, 1) << c.what;
  }
}

TEST(DeferredPane, SettingTheEmptyTextOrClearingTheFlagOfABuiltPaneStillReachesIt) {
  Deferred d;
  d.pane.SetText("abc");
  d.pane.SetModified(true);
  d.pane.SetText("");
  d.pane.SetModified(false);
  EXPECT_EQ(d.real.Text(), "");
  EXPECT_FALSE(d.real.Modified());
}

}  // namespace
}  // namespace lumbrix
