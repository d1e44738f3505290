#include <gtest/gtest.h>

#include <list>
#include <memory>

#include "app/DocumentWindows.h"
#include "app/FrameForm.h"
#include "common/MemoryPane.h"
#include "common/WinText.h"
#include "document/EditForm.h"
#include "document/Skeletons.h"
#include "settings/MemoryRegistry.h"
#include "support/FakeDialogs.h"
#include "support/RecordingPorts.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using lumbrix::testing::FakeDialogs;
using lumbrix::testing::MemoryRegistry;
using lumbrix::testing::RecordingHelp;

// Document windows on memory panes, in the order of creation.
class PaneWindows : public DocumentWindows {
 public:
  const Settings* settings = nullptr;
  Dialogs* dialogs = nullptr;

  TEditForm& CreateDocument() override {
    auto& w = windows_.emplace_back();
    w.form = std::make_unique<TEditForm>(*settings, *dialogs, w.code, w.plain);
    return *w.form;
  }
  void DestroyDocument(TEditForm&) override {}
  TEditForm* ActiveDocument() override {
    return windows_.empty() ? nullptr : windows_.back().form.get();
  }
  std::vector<TEditForm*> Documents() override {
    std::vector<TEditForm*> all;
    for (auto& w : windows_) all.push_back(w.form.get());
    return all;
  }
  bool FrameMaximized() const override { return true; }
  void SetFrameMaximized(bool) override {}
  MemoryPane& Code(std::size_t i) { return std::next(windows_.begin(), i)->code; }

 private:
  struct Window {
    MemoryPane code, plain;
    std::unique_ptr<TEditForm> form;
  };
  std::list<Window> windows_;
};

class NoDate : public ShortDate {
 public:
  std::string Today() override { return "01.01.2027"; }
};

class OptionsActionTest : public ::testing::Test {
 protected:
  OptionsActionTest() {
    windows.settings = &frame.settings;
    windows.dialogs = &dialogs;
    frame.systemColors = {0xEEEEEE, 0x111111, 0xCCCCCC};
    frame.HighlightDocument = [this](TEditForm& f) { highlighted.push_back(&f); };
  }

  // Two documents: the first modified with a selection, the second untouched.
  void openTwo() {
    frame.Execute("NewHtml");
    frame.Execute("NewFile");
    windows.Code(0).SetSelection(10, 5);
    windows.Code(0).SetModified(true);
    windows.Code(1).SetText("abc");
    windows.Code(1).SetSelection(1, 0);
    windows.Code(1).SetModified(false);
  }

  // Runs "OptionsAction" with the dialog changed by `change` and closed by "ДА" (or not).
  void runOptions(const std::function<void(TOptionsDialog&)>& change, bool confirm = true) {
    frame.RunOptionsDialog = [&](TOptionsDialog& d) {
      ++shown;
      change(d);
      return confirm;
    };
    EXPECT_TRUE(frame.Execute("OptionsAction"));
  }

  FakeDialogs dialogs;
  MemoryRegistry registry;
  RecordingHelp help;
  PaneWindows windows;
  NoDate date;
  TFrameForm frame{dialogs, registry, help, windows, date};
  std::vector<TEditForm*> highlighted;
  int shown = 0;
};

TEST_F(OptionsActionTest, ConfirmWithoutChangeSavesButDoesNotRestyle) {
  openTwo();
  runOptions([](TOptionsDialog&) {});
  EXPECT_EQ(registry.written.size(), 33u);
  EXPECT_TRUE(windows.Code(0).ColorRuns().empty());
  EXPECT_TRUE(windows.Code(1).ColorRuns().empty());
}

TEST_F(OptionsActionTest, ConfirmAppliesTheFrameChrome) {
  int chromeShown = 0;
  frame.ChromeChanged = [&] { ++chromeShown; };
  runOptions([](TOptionsDialog& d) {
    d.RadioGroupFMK = 1;
    d.CheckBoxUT = false;
    d.ToolbarAlign = 3;
    d.ProgCaption = "";
  });
  EXPECT_EQ(chromeShown, 1);
  EXPECT_EQ(frame.chrome.fileMenuKeys[0], "Ctrl+N");
  EXPECT_FALSE(frame.chrome.toolBarVisible);
  EXPECT_EQ(frame.chrome.toolBarPlacement, ToolBarPlacement::Right);
  // An empty caption is replaced after the save, so the registry keeps what was confirmed.
  EXPECT_EQ(frame.chrome.caption, "Lumbrix");
  EXPECT_EQ(std::get<std::string>(registry.values["PC"]), "");
}

TEST_F(OptionsActionTest, OwnColoursAndFontRestyleEveryDocumentKeepingSelectionAndMark) {
  openTwo();
  runOptions([](TOptionsDialog& d) {
    d.CheckBoxUSC = false;
    d.CheckBoxUDF = false;
    d.WorkBackground = 0x000080;
    d.WorkText = 0x00FFFF;
    d.WorkFontFace = "Arial";
    d.WorkFontSize = 16;
    d.Refresh();
  });
  for (std::size_t i = 0; i < 2; ++i) {
    TEditForm& f = *windows.Documents()[i];
    MemoryPane& code = windows.Code(i);
    EXPECT_FALSE(f.UseSystemColors);
    EXPECT_EQ(f.CodeBackground, 0x000080u);
    EXPECT_EQ(f.CodeTextColor, 0x00FFFFu);
    EXPECT_EQ(f.CodeFontFace, "Arial");
    EXPECT_EQ(f.CodeFontSize, 16);
    ASSERT_EQ(code.ColorRuns().size(), 1u) << i;
    EXPECT_EQ(code.ColorRuns()[0].start, 0);
    EXPECT_EQ(code.ColorRuns()[0].length, code.TextLength());
    EXPECT_EQ(code.ColorRuns()[0].color, 0x00FFFFu);
  }
  EXPECT_EQ((std::pair{windows.Code(0).SelStart(), windows.Code(0).SelLength()}),
            (std::pair{10, 5}));
  EXPECT_TRUE(windows.Code(0).Modified());
  EXPECT_EQ((std::pair{windows.Code(1).SelStart(), windows.Code(1).SelLength()}),
            (std::pair{1, 0}));
  EXPECT_FALSE(windows.Code(1).Modified());
  EXPECT_TRUE(highlighted.empty());
}

TEST_F(OptionsActionTest, HighlightingOnColoursEveryDocumentInOrderAndOffGoesPlain) {
  openTwo();
  runOptions([](TOptionsDialog& d) { d.CheckBoxSO = true; });
  ASSERT_EQ(highlighted.size(), 2u);
  EXPECT_EQ(highlighted[0], windows.Documents()[0]);
  EXPECT_EQ(highlighted[1], windows.Documents()[1]);

  highlighted.clear();
  runOptions([](TOptionsDialog& d) { d.CheckBoxSO = false; });
  EXPECT_TRUE(highlighted.empty());
  // Plain: the system text colour over the whole text, the default font.
  const auto& runs = windows.Code(1).ColorRuns();
  ASSERT_FALSE(runs.empty());
  EXPECT_EQ(runs.back().color, 0x111111u);
  EXPECT_EQ(runs.back().length, 3);
  EXPECT_TRUE(windows.Documents()[1]->UseSystemColors);
  EXPECT_EQ(windows.Documents()[1]->CodeFontFace, "Courier New");
  EXPECT_EQ(windows.Documents()[1]->CodeFontSize, 10);
}

TEST_F(OptionsActionTest, CaptionModeAloneWaitsForTheNextViewUpdate) {
  openTwo();
  windows.Documents()[0]->FilePath = "C:\\site\\index.htm";
  windows.Documents()[0]->UpdateDocumentView();
  const std::string before = windows.Documents()[0]->Caption;
  runOptions([](TOptionsDialog& d) { d.DocCaption = 2; });
  EXPECT_EQ(frame.settings.DC, 2);
  EXPECT_EQ(windows.Documents()[0]->Caption, before);
  // A re-style does update the captions.
  runOptions([](TOptionsDialog& d) { d.CheckBoxSO = true; });
  EXPECT_EQ(windows.Documents()[0]->Caption, "C:\\site\\index.htm");
}

}  // namespace
}  // namespace lumbrix
