#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <list>
#include <memory>

#include "app/DocumentWindows.h"
#include "app/FrameForm.h"
#include "common/MemoryPane.h"
#include "common/WinText.h"
#include "document/EditForm.h"
#include "document/Skeletons.h"
#include "publication/FakeColourChooser.h"
#include "publication/PubMasterForm.h"
#include "settings/MemoryRegistry.h"
#include "support/FakeDialogs.h"
#include "support/ForeignNames.h"
#include "support/RecordingPorts.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using lumbrix::testing::RecordingHelp;

using namespace lumbrix::literals;
using lumbrix::testing::FakeDialogs;
using lumbrix::testing::MemoryRegistry;
using lumbrix::testing::TempDir;

// Document windows on memory panes; the last created one is active.
class MemoryWindows : public DocumentWindows {
 public:
  explicit MemoryWindows(Dialogs& dialogs) : dialogs_(dialogs) {}
  // The windows take the frame's settings, which live in the frame.
  const Settings* settings = nullptr;

  TEditForm& CreateDocument() override {
    auto& w = windows_.emplace_back();
    w.form = std::make_unique<TEditForm>(*settings, dialogs_, w.code, w.plain);
    maximizedAtCreation.push_back(maximized);
    return *w.form;
  }
  void DestroyDocument(TEditForm& form) override {
    windows_.remove_if([&](const Window& w) { return w.form.get() == &form; });
    ++destroyed;
  }
  TEditForm* ActiveDocument() override {
    return windows_.empty() ? nullptr : windows_.back().form.get();
  }
  std::vector<TEditForm*> Documents() override {
    std::vector<TEditForm*> all;
    for (auto& w : windows_) all.push_back(w.form.get());
    return all;
  }
  bool FrameMaximized() const override { return maximized; }
  void SetFrameMaximized(bool m) override { maximized = m; }

  MemoryPane& Code(std::size_t i) { return std::next(windows_.begin(), i)->code; }
  MemoryPane& Plain(std::size_t i) { return std::next(windows_.begin(), i)->plain; }
  std::size_t Count() const { return windows_.size(); }

  bool maximized = true;
  std::vector<bool> maximizedAtCreation;
  int destroyed = 0;

 private:
  struct Window {
    MemoryPane code, plain;
    std::unique_ptr<TEditForm> form;
  };
  Dialogs& dialogs_;
  std::list<Window> windows_;
};

class FixedDate : public ShortDate {
 public:
  std::string Today() override { return "08.12.2026"; }
};

class FrameFormTest : public ::testing::Test {
 protected:
  FixedDate date;
  FakeDialogs dialogs;
  MemoryRegistry registry;
  RecordingHelp help;
  TFrameForm* frame = nullptr;
  std::unique_ptr<MemoryWindows> windows;
  std::unique_ptr<TFrameForm> owned;
  TempDir dir;

  void SetUp() override {
    windows = std::make_unique<MemoryWindows>(dialogs);
    owned = std::make_unique<TFrameForm>(dialogs, registry, help, *windows, date);
    frame = owned.get();
    windows->settings = &frame->settings;
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> c;
    for (auto* f : windows->Documents()) c.push_back(f->Caption);
    return c;
  }
};

// The program's template folder may be read-only when installed: exports go to the user's.
TEST_F(FrameFormTest, ExportsGoToTheUsersTemplateFolderWhenThereIsOne) {
  frame->TemplateFolder = "/usr/share/lumbrix/templates";
  EXPECT_EQ(frame->ExportFolder(), "/usr/share/lumbrix/templates");
  frame->UserTemplateFolder = "/home/u/.local/share/lumbrix/templates";
  EXPECT_EQ(frame->ExportFolder(), "/home/u/.local/share/lumbrix/templates");
}

TEST_F(FrameFormTest, FirstPaintLoadsSettingsAppliesThemAndOpensTheCommandLineOnce) {
  registry.keyExists = true;
  registry.values["FMK"] = 1;
  registry.values["PC"] = std::string("Мой редактор"_w);
  const std::string page = dir.Write("a.htm", "<body>\r\n</body>");
  bool chromeShown = false;
  frame->ChromeChanged = [&] { chromeShown = true; };
  EXPECT_TRUE(frame->FormPaint({page}));
  EXPECT_EQ(frame->settings.FMK, 1);
  EXPECT_EQ(frame->chrome.fileMenuKeys[0], "Ctrl+N");
  EXPECT_EQ(frame->chrome.caption, "Мой редактор"_w);
  EXPECT_TRUE(chromeShown);
  ASSERT_EQ(windows->Count(), 1u);
  // Painting again reloads nothing and reopens nothing.
  registry.values["FMK"] = 0;
  EXPECT_FALSE(frame->FormPaint({page}));
  EXPECT_EQ(frame->settings.FMK, 1);
  EXPECT_EQ(windows->Count(), 1u);
}

TEST_F(FrameFormTest, CommandLineSkipsTheTestSwitchAndReportsMissingFiles) {
  frame->OpenCommandLine({"-test", "/test", "-TEST"});
  EXPECT_EQ(windows->Count(), 0u);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Файла\n-TEST\nНЕТ В ПРИРОДЕ!"_w);
  EXPECT_EQ(dialogs.messages[0].caption, "Ошибка открытия файла"_w);
  EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Exclamation);
}

TEST_F(FrameFormTest, CommandLineWildcardsOpenEveryMatchInItsOwnWindow) {
  dir.Write("b.htm", "<p>b</p>\r\n</body>");
  dir.Write("a.htm", "<p>a</p>\r\n</body>");
  dir.Write("c.css", "p {}");
  std::filesystem::create_directory(dir.File("d.htm"));
  frame->OpenCommandLine({dir.path() + "/*.htm", dir.path() + "/c.css"});
  EXPECT_EQ(Captions(), (std::vector<std::string>{"a.htm", "b.htm", "c.css"}));
  // The folder is reported and skipped.
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "Файл\n"_w.data() + dir.File("d.htm") + "\nНЕДОСТУПЕН!"_w.data());
  EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Information);
  // An HTML page gets the caret at the end of the line above "</body>"; others the focus only.
  EXPECT_EQ(windows->Code(0).SelStart(), 8);
  EXPECT_EQ(windows->Code(2).SelStart(), 0);
  EXPECT_GT(windows->Code(2).FocusCount(), 0);
  // The command line does not maximise the frame.
  EXPECT_EQ(windows->maximizedAtCreation, (std::vector<bool>{true, true, true}));
}

TEST_F(FrameFormTest, TheCommandLineOpensFilesByTheirOwnBytesAndSavesThemThere) {
  using testing::kForeignName;
  using testing::kForeignPrefix;
  const std::string file = dir.Write(kForeignName.native, "<body>\r\n</body>");
  frame->OpenCommandLine({file, dir.path() + "/*.htm", dir.path() + "/" + kForeignPrefix.native});
  ASSERT_EQ(windows->Count(), 2u);
  EXPECT_EQ(Captions(), (std::vector<std::string>{kForeignName.shown, kForeignName.shown}));
  EXPECT_EQ(windows->Code(0).Text(), "<body>\r\n</body>");
  // Only the name that matches nothing is reported, shown as well as the code page allows.
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "Файла\n"_w.data() + dir.path() + "/" + kForeignPrefix.shown +
                "\nНЕТ В ПРИРОДЕ!"_w.data());
  windows->Code(1).SetText("saved");  // the active window: the last one opened
  frame->Execute("Save");
  EXPECT_EQ(TempDir::Read(file), "saved");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(FrameFormTest, ABareNameIsLookedUpInTheCurrentFolder) {
  dir.Write("here.css", "x");
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  frame->OpenCommandLine({"here.css"});
  std::filesystem::current_path(old);
  ASSERT_EQ(windows->Count(), 1u);
#ifdef _WIN32
  const char* separator = "\\";
#else
  const char* separator = "/";
#endif
  EXPECT_EQ(windows->Documents()[0]->FilePath,
            std::filesystem::canonical(dir.path()).string() + separator + "here.css");
}

TEST_F(FrameFormTest, TheAttributeFilterFollowsTheSettings) {
  FileAttributes a;
  EXPECT_FALSE(frame->OpenRefused(a));
  a.readOnly = true;
  EXPECT_TRUE(frame->OpenRefused(a));  // always
  a = {};
  a.compressed = true;
  EXPECT_FALSE(frame->OpenRefused(a));
  frame->settings.NCF = true;
  EXPECT_TRUE(frame->OpenRefused(a));
  a = {};
  a.hidden = true;
  EXPECT_TRUE(frame->OpenRefused(a));
  frame->settings.NHF = false;
  EXPECT_FALSE(frame->OpenRefused(a));

  // A hidden file on the command line is refused with the ban line.
  frame->settings.NHF = true;
  const std::string hidden = dir.Write(".hidden.htm", "x");
  frame->OpenCommandLine({hidden});
  EXPECT_EQ(windows->Count(), 0u);
  EXPECT_EQ(dialogs.messages.back().text,
            "Файл\n"_w.data() + hidden + "\nНЕДОСТУПЕН!\nЗАПРЕТ на изменение"_w.data());
}

TEST_F(FrameFormTest, OpenTakesEveryChosenFileAndClosesWindowsOfUnreadableOnes) {
  const std::string good = dir.Write("g.htm", "<body></body>");
  const std::string big = dir.Write("big.htm", std::string(70000, 'x'));
  const std::string hidden = dir.Write(".h.htm", "x");
  dialogs.fileAnswers.push_back(FileDialogResult{{big, hidden, good}, 1});
  windows->maximized = false;
  frame->Execute("OpenFile");
  ASSERT_EQ(dialogs.openRequests.size(), 1u);
  const FileDialogRequest& r = dialogs.openRequests[0];
  EXPECT_TRUE(r.multiSelect);
  ASSERT_EQ(r.filters.size(), 12u);
  EXPECT_EQ(r.filters[3], "Java[Script], ECMAScript, ASP (java, js, asa)|*.java;*.js;*.asp;*.asa");
  EXPECT_EQ(r.filters[11], "Всё подряд|*.*"_w);
  EXPECT_EQ(Captions(), std::vector<std::string>{"g.htm"});
  EXPECT_EQ(windows->destroyed, 1);  // the window of the file that was too large
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text, "Файл слишком велик"_w);
  EXPECT_EQ(dialogs.messages[1].text, "Файл НЕДОСТУПЕН!\nЗАПРЕТ на изменение"_w);
  EXPECT_EQ(dialogs.messages[1].caption, hidden);
  // Windows made from the menu are made in a maximised frame, which is then restored.
  EXPECT_EQ(windows->maximizedAtCreation, (std::vector<bool>{true, true}));
  EXPECT_FALSE(windows->maximized);
}

TEST_F(FrameFormTest, DocumentCommandsNeedADocumentAndActOnTheActivePane) {
  for (const char* c :
       {"Save", "SaveAs", "EditUndo", "EditCut", "EditPaste", "N24Click", "N34Click"})
    EXPECT_TRUE(frame->Execute(c)) << c;
  EXPECT_EQ(frame->EditForm, nullptr);
  EXPECT_FALSE(frame->Execute("TagMaster"));  // not the frame form's

  frame->OpenCommandLine({dir.Write("p.htm", "word")});
  TEditForm& form = *windows->Documents()[0];
  MemoryPane& code = windows->Code(0);
  code.SetSelection(0, 4);
  frame->Execute("N34Click");
  EXPECT_EQ(code.Text(), "\xabword\xbb");
  EXPECT_EQ(frame->EditForm, &form);
  frame->Execute("N25Click");
  EXPECT_EQ(code.Text(), "\xabword\xbb\xb0");
  frame->Execute("EditUndo");
  EXPECT_EQ(code.Text(), "\xabword\xbb");

  // The plain-text pane when its tab is shown; it never marks the document modified.
  form.ActiveTab = TEditForm::PageTab::Lumbrix;
  code.SetModified(false);
  frame->Execute("N28Click");
  EXPECT_EQ(windows->Plain(0).Text(), "\x99");
  EXPECT_FALSE(form.Modified());
  frame->Execute("EditSelectAll");
  EXPECT_EQ(windows->Plain(0).SelLength(), 1);
}

TEST_F(FrameFormTest, PastingIntoAPageWhoseCaptionIsItsTitleRetitlesIt) {
  frame->settings.DC = 1;
  frame->OpenCommandLine({dir.Write("t.htm", "")});
  MemoryPane::Clipboard() = "<title>Новое</title>"_w.data();
  frame->Execute("EditPaste");
  EXPECT_EQ(windows->Documents()[0]->Caption, "Новое"_w);
}

TEST_F(FrameFormTest, ClosingTheFrameAsksEveryDocumentAndCancelKeepsIt) {
  frame->OpenCommandLine({dir.Write("1.htm", "a"), dir.Write("2.htm", "b")});
  windows->Code(0).SetModified(true);
  windows->Code(1).SetModified(true);
  dialogs.answers = {MsgAnswer::No, MsgAnswer::Cancel};
  EXPECT_FALSE(frame->FormCloseQuery());
  EXPECT_EQ(dialogs.messages.size(), 2u);
  dialogs.answers = {MsgAnswer::No, MsgAnswer::No};
  EXPECT_TRUE(frame->FormCloseQuery());
}

TEST_F(FrameFormTest, HelpContents) {
  frame->Execute("N49Click");
  EXPECT_EQ(help.contents, 1);
}

}  // namespace
}  // namespace lumbrix

namespace lumbrix {
namespace {

TEST_F(FrameFormTest, NewDocumentsAreMadeInAMaximisedFrameFromTheirSkeletons) {
  windows->maximized = false;
  frame->settings.PSN = true;
  EXPECT_TRUE(frame->Execute("NewHtml"));
  EXPECT_TRUE(frame->Execute("NewJS"));
  EXPECT_TRUE(frame->Execute("NewVRML"));
  EXPECT_TRUE(frame->Execute("NewFile"));
  EXPECT_EQ(windows->maximizedAtCreation, (std::vector<bool>{true, true, true, true}));
  EXPECT_FALSE(windows->maximized);
  auto docs = windows->Documents();
  ASSERT_EQ(docs.size(), 4u);
  EXPECT_EQ(docs[0]->FileKind, KindHtml);
  EXPECT_NE(windows->Code(0).Text().find("<body>"), std::string::npos);
  EXPECT_EQ(docs[1]->FileKind, KindJavaScript);
  EXPECT_NE(windows->Code(1).Text().find("08.12.2026"), std::string::npos);
  EXPECT_EQ(docs[2]->FileKind, KindVrml);
  EXPECT_TRUE(docs[3]->IsNew);
  for (TEditForm* d : docs) EXPECT_TRUE(d->Modified());  // PSN
  EXPECT_EQ(frame->EditForm, docs[3]);
}

TEST_F(FrameFormTest, BlockAndCommentCommandsActOnTheActiveDocument) {
  frame->OpenCommandLine({dir.Write("a.txt", "one\r\ntwo")});
  MemoryPane& code = windows->Code(0);
  code.SetSelection(0, 0);
  frame->Execute("IndentBlock");
  EXPECT_EQ(code.Text(), "  one\r\ntwo");
  code.SetSelection(0, code.TextLength());
  frame->Execute("ToUpperCase");
  EXPECT_EQ(code.Text(), "  ONE\r\nTWO");
  // Other files have no comment syntax: the user is told.
  frame->Execute("N63Click");
  ASSERT_FALSE(dialogs.messages.empty());
  EXPECT_EQ(code.Text(), "  ONE\r\nTWO");
}

// The publication master's window for the frame: the form is made on first use, and showing it
// runs what the user does in it.
class ScriptedPubMaster : public PubMasterWindow {
 public:
  explicit ScriptedPubMaster(Dialogs& dialogs) : dialogs_(dialogs) {}
  TPubMasterForm& Master() override {
    if (!form) form = std::make_unique<TPubMasterForm>(dialogs_, shell_, colours_,
                                                       std::vector<std::string>{});
    return *form;
  }
  void ShowModal() override {
    form->FormShow();
    shownWithDocuments.push_back(form->DocumentsOpen);
    user(*form);
  }
  std::function<void(TPubMasterForm&)> user;
  std::unique_ptr<TPubMasterForm> form;
  std::vector<bool> shownWithDocuments;

 private:
  Dialogs& dialogs_;
  testing::RecordingShell shell_;
  testing::FakeColourChooser colours_;
};

TEST_F(FrameFormTest, ThePublicationMasterMakesAPageOrStylesTheActiveDocument) {
  ScriptedPubMaster master(dialogs);
  master.user = [](TPubMasterForm& f) { f.OKButtonClick(); };
  frame->PublicationMaster(master);
  ASSERT_EQ(windows->Count(), 1u);
  EXPECT_NE(windows->Code(0).Text().find(" <title>Новая страница</title>"_w), std::string::npos);
  TPubMasterForm* made = master.form.get();

  // With a document open the styles go into it; the same master is shown again.
  windows->Code(0).SetText("<head></head>");
  frame->PublicationMaster(master);
  EXPECT_EQ(master.form.get(), made);
  EXPECT_EQ(master.shownWithDocuments, (std::vector<bool>{false, true}));
  EXPECT_EQ(windows->Count(), 1u);
  EXPECT_EQ(windows->Code(0).Text().rfind("<head>\r\n<style type=\"text/css\">\r\nbody {", 0), 0u);

  // Closed without generating: nothing changes.
  const std::string before = windows->Code(0).Text();
  master.user = [](TPubMasterForm& f) { f.CancelButtonClick(); };
  frame->PublicationMaster(master);
  EXPECT_EQ(windows->Code(0).Text(), before);
  EXPECT_EQ(windows->Count(), 1u);
}

}  // namespace
}  // namespace lumbrix
