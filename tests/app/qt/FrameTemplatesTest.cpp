// Files from templates, the preview and the web links through the real frame.
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "app/qt/FrameTestSupport.h"
#include "common/WinText.h"
#include "common/qt/CodePane.h"
#include "document/EditForm.h"
#include "support/TempDir.h"
#include "templates/qt/CreateFileView.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using lumbrix::testing::TempDir;

// The dialog lists the user's templates, then the program's; a double click on one makes the new
// document.
TEST(FrameTemplates, ADocumentFromTheTemplateChosenInTheDialog) {
  TempDir dir;
  TempDir user;
  dir.Write("b.htt", "<p>OV_PROG_VER</p>\r\n<body>\r\n</body>");
  dir.Write("a.htt", "x");
  user.Write("c.htt", "mine");
  FrameFixture f;
  f.firstShow();
  f.frame->form().TemplateFolder = dir.path();
  f.frame->form().UserTemplateFolder = user.path();
  QStringList shown;
  QTimer::singleShot(0, [&] {
    auto* view = f.frame->findChild<CreateFileView*>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Создание из шаблона"));
    for (int i = 0; i < view->list()->count(); ++i) shown << view->list()->item(i)->text();
    view->list()->setCurrentRow(2);
    emit view->list()->itemDoubleClicked(view->list()->item(2));
  });
  f.frame->run(QStringLiteral("CreateFile"));
  EXPECT_EQ(shown, (QStringList{QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b")}));
  ASSERT_EQ(f.frame->Documents().size(), 1u);
  TEditForm& doc = *f.frame->Documents().front();
  EXPECT_EQ(doc.CodeEditor().Text(), "<p>0.8.1</p>\r\n<body>\r\n</body>");
  EXPECT_TRUE(doc.IsNew);

  // "Отмена" makes nothing.
  QTimer::singleShot(0, [&] {
    auto* view = f.frame->findChild<CreateFileView*>();
    view->list()->setCurrentRow(0);
    view->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
  });
  f.frame->run(QStringLiteral("CreateFile"));
  EXPECT_EQ(f.frame->Documents().size(), 1u);
}

TEST(FrameTemplates, PreviewAndWebLinksGoToTheShellOrTheHelp) {
  TempDir dir;
  const std::string page = dir.Write("a.htm", "<p>");
  FrameFixture f;
  f.firstShow();
  f.frame->form().OpenCommandLine({page});
  f.frame->run(QStringLiteral("PreviewInBrow"));
  f.frame->run(QStringLiteral("WebW3C"));
  f.frame->run(QStringLiteral("WebHelpHtmlJava"));
  EXPECT_EQ(f.shell.opened, (std::vector<std::string>{"file://" + page, "https://www.w3.org/"}));
  EXPECT_EQ(f.help.topics, std::vector<int>{5001});
}

}  // namespace
}  // namespace lumbrix
