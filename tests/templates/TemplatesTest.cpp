#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>

#include "common/FileSystem.h"
#include "common/WinText.h"
#include "document/DocumentFixture.h"
#include "settings/Settings.h"
#include "support/RecordingPorts.h"
#include "templates/Preview.h"
#include "templates/Templates.h"
#include "templates/WebLinks.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using testing::TempDir;

std::string w(std::string_view s) {
  return std::string(s);
}

TEST(Templates, TheFirstThirtyVisibleFilesListedWithoutTheirExtension) {
  TempDir dir;
  for (int i = 0; i < 35; ++i) dir.Write("t" + std::to_string(100 + i) + ".htt", "x");
  dir.Write(".hidden.htt", "x");
  dir.Write("page.htm", "x");
  std::filesystem::create_directory(dir.File("folder.htt"));
  TCreateFileForm form;
  form.Prepare(dir.path());
  ASSERT_EQ(form.Templates.size(), 30u);
  EXPECT_EQ(form.Templates.front(), "t100.htt");
  EXPECT_EQ(form.Templates.back(), "t129.htt");
  EXPECT_EQ(form.Items.front(), "t100");

  // Nothing is created unless "Создать" chose an entry that is selected.
  EXPECT_EQ(form.Chosen(), "");
  form.Button1Click();
  EXPECT_EQ(form.Chosen(), "");
  form.ItemIndex = 2;
  EXPECT_EQ(form.Chosen(), "t102.htt");
  form.Prepare(dir.path());
  EXPECT_FALSE(form.CreateChosen);
  EXPECT_EQ(form.ItemIndex, -1);
}

// The user's own folder first, then the program's; a name listed once, from the first folder.
TEST(Templates, TheUsersFolderLeadsAndHidesTheProgramsTemplateOfTheSameName) {
  TempDir user;
  TempDir program;
  user.Write("page.htt", "mine");
  user.Write("zeta.htt", "x");
  program.Write("alpha.htt", "x");
  program.Write("page.htt", "theirs");
  TCreateFileForm form;
  form.Prepare({"", user.path(), program.path(), user.path()});
  EXPECT_EQ(form.Items, (std::vector<std::string>{"page", "zeta", "alpha"}));
  EXPECT_EQ(form.Folders, (std::vector<std::string>{user.path(), user.path(), program.path()}));
  form.ItemIndex = 0;
  form.Button1Click();
  EXPECT_EQ(TempDir::Read(form.ChosenFile()), "mine");
  form.ItemIndex = 2;
  EXPECT_EQ(form.ChosenFile(), JoinPath(program.path(), "alpha.htt"));
  form.ItemIndex = 3;
  EXPECT_EQ(form.ChosenFile(), "");
}

TEST(Templates, ThirtyInAllWhateverTheNumberOfFolders) {
  TempDir user;
  TempDir program;
  for (int i = 0; i < 20; ++i) {
    user.Write("u" + std::to_string(10 + i) + ".htt", "x");
    program.Write("p" + std::to_string(10 + i) + ".htt", "x");
  }
  TCreateFileForm form;
  form.Prepare({user.path(), program.path()});
  ASSERT_EQ(form.Items.size(), 30u);
  EXPECT_EQ(form.Items[19], "u29");
  EXPECT_EQ(form.Items[20], "p10");
  EXPECT_EQ(form.Items.back(), "p19");
}

#ifndef _WIN32
// Sets environment variables for one test and puts back what was there.
class Environment {
 public:
  void Set(const char* name, const char* value) {
    if (!saved_.contains(name)) {
      const char* old = std::getenv(name);
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~Environment() {
    for (const auto& [name, value] : saved_) Set(name.c_str(), value ? value->c_str() : nullptr);
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

TEST(Templates, TheUsersFolderFollowsTheDataHome) {
  struct Case {
    const char* dataHome;
    const char* home;
    const char* folder;
  };
  const Case cases[] = {
      {"/data", "/home/u", "/data/lumbrix/templates"},
      {"/data/", "/home/u", "/data/lumbrix/templates"},
      {nullptr, "/home/u", "/home/u/.local/share/lumbrix/templates"},
      {"", "/home/u", "/home/u/.local/share/lumbrix/templates"},
      {"relative/data", "/home/u", "/home/u/.local/share/lumbrix/templates"},
  };
  for (const Case& c : cases) {
    Environment env;
    env.Set("XDG_DATA_HOME", c.dataHome);
    env.Set("HOME", c.home);
    const std::optional<std::string> folder = DefaultUserTemplateFolder();
    EXPECT_EQ(folder.value_or("(none)"), c.folder ? c.folder : "(none)")
        << (c.dataHome ? c.dataHome : "(unset)");
  }
  // The system's UTF-8 name becomes the program's Windows-1251 path.
  Environment env;
  env.Set("XDG_DATA_HOME", "/дом");
  EXPECT_EQ(DefaultUserTemplateFolder(), std::string("/дом/lumbrix/templates"_w));
}
#endif

TEST(Templates, PlaceholdersFirstOccurrenceOnlyAsWholeWords) {
  struct Case {
    std::string user;
    bool uun;
    std::string text, expected;
  };
  const std::string author = w("<meta content=\"Ваше имя\">"_w);
  const Case cases[] = {
      {w("Иван"_w), true, author + author,
       w("<meta content=\"Иван\">"_w) + author},
      {w("Иван"_w), false, author, author},
      {"", true, author, author},
      // Any case for the author, this case only for the version.
      {"A", true, w("CONTENT=\"ВАШЕ ИМЯ\""_w), "content=\"A\""},
      {"", true, "v OV_PROG_VER ov_prog_ver OV_PROG_VER", "v 0.8.1 ov_prog_ver OV_PROG_VER"},
      {"", true, "xOV_PROG_VER OV_PROG_VER_2", "xOV_PROG_VER OV_PROG_VER_2"},
      {"A", true, w("xcontent=\"Ваше имя\""_w), w("xcontent=\"Ваше имя\""_w)},
  };
  for (const Case& c : cases) {
    Settings s;
    s.USER = c.user;
    s.UUN = c.uun;
    EXPECT_EQ(FillPlaceholders(c.text, s), c.expected) << c.text;
  }
}

class TemplateDocument : public testing::DocumentTest {};

TEST_F(TemplateDocument, LoadsFilledInWithTheCaretBeforeTheBodyEnd) {
  settings.USER = w("Иван"_w);
  settings.PSN = true;
  const std::string file =
      dir.Write("page.htt", w("<meta content=\"Ваше имя\">\nOV_PROG_VER\n<body>\n</body>\n"_w));
  ASSERT_TRUE(CreateFromTemplate(Form(), file, settings, dialogs));
  const std::string text = w("<meta content=\"Иван\">\r\n0.8.1\r\n<body>\r\n</body>\r\n"_w);
  EXPECT_EQ(code.Text(), text);
  EXPECT_EQ(Form().FileImage, text);
  EXPECT_TRUE(Form().Modified());
  EXPECT_EQ(code.SelStart(), static_cast<int>(text.find("\r\n</body>")));
  EXPECT_TRUE(Form().IsNew);

  EXPECT_FALSE(CreateFromTemplate(Form(), dir.File("gone.htt"), settings, dialogs));
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

// What the preview says, saves and opens for each kind of document.
TEST_F(TemplateDocument, PreviewByKind) {
  struct Case {
    const char* file;
    std::vector<MsgAnswer> answers;
    std::vector<std::string> captions;
    bool opened;
  };
  const Case cases[] = {
      {"a.htm", {}, {}, true},
      {"a.wrl", {}, {}, true},
      {"a.css", {}, {w("Не надо ля-ля"_w)}, false},
      {"a.bat", {}, {w("ЗАПУСК ЗАПРЕЩЕН"_w), w("Не надо ля-ля"_w)}, false},
      {"a.js", {MsgAnswer::No}, {w("ПРЕДУПРЕЖДЕНИЕ"_w), w("Не надо ля-ля"_w)}, false},
      {"a.js", {MsgAnswer::Yes}, {w("ПРЕДУПРЕЖДЕНИЕ"_w)}, true},
  };
  for (const Case& c : cases) {
    const std::string path = dir.Write(c.file, "old");
    TEditForm& form = Reopen();
    ASSERT_TRUE(form.LoadDocument(path));
    dialogs.messages.clear();
    dialogs.answers = {c.answers.begin(), c.answers.end()};
    code.SetText("new");  // an unchanged document is written as well
    form.SetModified(false);
    testing::RecordingShell shell;
    EXPECT_EQ(PreviewInBrow(form, dialogs, shell), c.opened) << c.file;
    std::vector<std::string> captions;
    for (const auto& m : dialogs.messages) captions.push_back(m.caption);
    EXPECT_EQ(captions, c.captions) << c.file;
    EXPECT_EQ(TempDir::Read(path), c.opened ? "new" : "old") << c.file;
#ifdef _WIN32
    const std::string address = "file:///" + path;  // a drive path: file:///C:\...
#else
    const std::string address = "file://" + path;
#endif
    const std::string target = std::string(c.file).ends_with(".js") ? path : address;
    EXPECT_EQ(shell.opened, c.opened ? std::vector<std::string>{target}
                                     : std::vector<std::string>{})
        << c.file;
  }
}

// A page never saved asks for a name; cancelled, nothing is opened.
TEST_F(TemplateDocument, PreviewOfAnUnsavedPageWhoseNameWasNotGivenOpensNothing) {
  testing::RecordingShell shell;
  EXPECT_FALSE(PreviewInBrow(Form(), dialogs, shell));
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_EQ(PreviewTarget(0, "C:\\a.htm"), "file:///C:\\a.htm");
}

TEST(WebLinks, OwnPagesHaveTopicsOthersNone) {
  EXPECT_EQ(OwnPageTopic("WebHelpHtmlJava"), 5001);
  EXPECT_EQ(OwnPageTopic("WebPromotion"), 5007);
  EXPECT_EQ(OwnPageTopic("WebW3C"), 0);
}

}  // namespace
}  // namespace lumbrix
