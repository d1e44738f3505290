// Documents through the real frame: command-line opening, re-reading and converting through the
// boxes, saving byte for byte, the close question, symbols from the menu.
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "app/qt/FrameActions.h"
#include "app/qt/FrameTestSupport.h"
#include "common/WinText.h"
#include "common/qt/CodePane.h"
#include "common/qt/PlainPane.h"
#include "document/EditForm.h"
#include "document/qt/EditFormView.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using lumbrix::testing::TempDir;

// The temporary files' paths are the system's own bytes, as the command line gives them.
std::string native(const std::string& path) {
  return path;
}

EditFormView& viewAt(FrameFixture& f, int i) {
  return *f.frame->viewOf(*f.frame->Documents().at(static_cast<std::size_t>(i)));
}

void choose(QComboBox* box, int index) {
  box->setCurrentIndex(index);
  emit box->activated(index);
}

const std::string kKoiFile = "\xf0\xd2\xc9\xd7\xc5\xd4, \xcd\xc9\xd2\n\xb3\xcc\xcb\xc1\n";
const std::string kWinCrLf = "Привет, мир\r\nЁлка\r\n"_w.data();

TEST(FrameDocuments, FilesOpenedFromTheCommandLineSaveBackByteForByte) {
  TempDir dir;
  // A CR LF file (its first LF follows a CR) keeps its lone CR and lone LF as they are.
  std::string odd = "a\r\nb\rc\nd";
  odd.push_back('\0');
  odd += "after zero \xff\x98";
  const std::string win = dir.Write("win.htm", "<html><body>\r\n" + kWinCrLf + "</body></html>");
  const std::string koi = dir.Write("koi.txt", kKoiFile);
  const std::string raw = dir.Write("odd.c", odd);
  FrameFixture f({native(win), native(koi), native(raw), "-test"});
  f.firstShow();
  ASSERT_EQ(f.frame->Documents().size(), 3u);
  EXPECT_TRUE(f.dialogs.messages.empty());
  EXPECT_EQ(viewAt(f, 0).windowTitle(), QStringLiteral("win.htm"));

  // The page has its caret at the end of the line above "</body>".
  EXPECT_EQ(viewAt(f, 0).codePane().SelStart(), 14 + static_cast<int>(kWinCrLf.size()) - 2);

  // Bytes survive the code pane, zero bytes and lone line ends included.
  for (int i : {0, 2}) {
    viewAt(f, i).form().SetModified(true);
    f.frame->mdiArea()->setActiveSubWindow(f.frame->mdiArea()->subWindowList().at(i));
    f.frame->run(QStringLiteral("Save"));
  }
  EXPECT_EQ(TempDir::Read(raw), odd);
  EXPECT_EQ(TempDir::Read(win), "<html><body>\r\n" + kWinCrLf + "</body></html>");

  // KOI8 re-reads the LF file; the line-end box shows LF.
  EditFormView& k = viewAt(f, 1);
  choose(k.encodeType(), 1);
  EXPECT_EQ(k.codePane().Text(), kWinCrLf);
  EXPECT_EQ(k.lfcrType()->currentText(), QStringLiteral("LF"));
  EXPECT_FALSE(k.form().Modified());
  EXPECT_EQ(k.codePane().widget()->text(), QStringLiteral("Привет, мир\r\nЁлка\r\n"));

  // Convert it to ISO with CR LF: the toggle down keeps the text and writes it converted.
  k.translateButton()->setChecked(true);
  choose(k.encodeType(), 2);
  EXPECT_EQ(k.codePane().Text(), kWinCrLf);
  EXPECT_FALSE(k.translateButton()->isChecked());
  choose(k.lfcrType(), 0);
  f.frame->mdiArea()->setActiveSubWindow(f.frame->mdiArea()->subWindowList().at(1));
  f.frame->run(QStringLiteral("Save"));
  EXPECT_EQ(TempDir::Read(koi), "\xbf\xe0\xd8\xd2\xd5\xe2, \xdc\xd8\xe0\r\n\xa1\xdb\xda\xd0\r\n");
}

TEST(FrameDocuments, CommandLineWildcardsAndRefusedFiles) {
  TempDir dir;
  dir.Write("a.css", "a {}");
  dir.Write("b.css", "b {}");
  dir.Write(".hidden.css", "h {}");
  dir.Write("big.css", std::string(70000, ' '));
  FrameFixture f({native(dir.path() + "/*.css"), native(dir.path() + "/missing.css")});
  f.firstShow();
  QStringList titles;
  for (QMdiSubWindow* w : f.frame->mdiArea()->subWindowList(QMdiArea::CreationOrder))
    titles << w->windowTitle();
  EXPECT_EQ(titles, (QStringList{QStringLiteral("a.css"), QStringLiteral("b.css")}));
  ASSERT_EQ(f.dialogs.messages.size(), 3u);
  EXPECT_EQ(f.dialogs.messages[0].text.find("ЗАПРЕТ на изменение"_w) != std::string::npos, true);
  EXPECT_EQ(f.dialogs.messages[1].text, "Файл слишком велик"_w);
  EXPECT_EQ(f.dialogs.messages[2].text,
            "Файла\n"_w.data() + dir.path() + "/missing.css" + "\nНЕТ В ПРИРОДЕ!"_w.data());
}

TEST(FrameDocuments, ClosingAskAndAnswers) {
  TempDir dir;
  const std::string path = dir.Write("p.htm", "x");
  FrameFixture f({native(path)});
  f.firstShow();
  EditFormView& v = viewAt(f, 0);
  v.codePane().SetSelection(1, 0);
  v.codePane().ReplaceSelection("y");
  ASSERT_TRUE(v.form().Modified());
  QMdiSubWindow* w = f.frame->mdiArea()->subWindowList().at(0);

  f.dialogs.answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(w->close());
  EXPECT_EQ(f.dialogs.messages.back().text, "Записать "_w.data() + path + "?");
  EXPECT_EQ(f.frame->Documents().size(), 1u);

  // The frame stays open when a document says Cancel.
  f.dialogs.answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(f.frame->close());

  f.dialogs.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(w->close());
  EXPECT_EQ(TempDir::Read(path), "xy");

  // No closes without writing.
  const std::string other = dir.Write("q.htm", "keep");
  f.frame->form().OpenCommandLine({other});
  EditFormView& q = *f.frame->viewOf(*f.frame->Documents().back());
  q.codePane().SetSelection(0, 0);
  q.codePane().ReplaceSelection("z");
  f.dialogs.answers = {MsgAnswer::No};
  EXPECT_TRUE(f.frame->mdiArea()->subWindowList().back()->close());
  EXPECT_EQ(TempDir::Read(other), "keep");
  QTest::qWait(1);
  EXPECT_TRUE(f.frame->Documents().empty());
}

TEST(FrameDocuments, LettersWindows1251LacksReachAPageAsReferencesAndAreRefusedElsewhere) {
  TempDir dir;
  const std::string page = dir.Write("p.htm", "");
  const std::string script = dir.Write("s.c", "");
  FrameFixture f({native(page), native(script)});
  f.firstShow();
  f.frame->activateWindow();
  const QString letters = QStringLiteral("Ωλ日x");
  auto typeInto = [&](QWidget* w) {
    w->setFocus();
    for (const QChar ch : letters)
      QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  };
  auto activate = [&](int i) {
    f.frame->mdiArea()->setActiveSubWindow(f.frame->mdiArea()->subWindowList().at(i));
  };
  activate(0);
  typeInto(viewAt(f, 0).codePane().widget());
  EXPECT_TRUE(f.frame->statusBar()->currentMessage().isEmpty());
  QTest::keyClick(viewAt(f, 0).codePane().widget(), Qt::Key_F2);
  EXPECT_EQ(TempDir::Read(page), "&#937;&#955;&#26085;x");

  // A C file takes no references; the plain-text pane never does.
  activate(1);
  typeInto(viewAt(f, 1).codePane().widget());
  EXPECT_EQ(f.frame->statusBar()->currentMessage(),
            QStringLiteral("Символ отсутствует в кодировке Windows-1251 и не вставлен"));
  QTest::keyClick(viewAt(f, 1).codePane().widget(), Qt::Key_F2);
  EXPECT_EQ(TempDir::Read(script), "x");
  f.frame->statusBar()->clearMessage();
  activate(0);
  viewAt(f, 0).tabs()->setCurrentIndex(0);
  typeInto(viewAt(f, 0).plainPane().widget());
  EXPECT_EQ(viewAt(f, 0).plainPane().Text(), "x");
  EXPECT_FALSE(f.frame->statusBar()->currentMessage().isEmpty());
}

TEST(FrameDocuments, SymbolsFromTheMenuGoToTheActivePane) {
  TempDir dir;
  FrameFixture f({native(dir.Write("s.txt", "word"))});
  f.firstShow();
  EditFormView& v = viewAt(f, 0);
  v.codePane().SetSelection(0, 4);
  f.frame->actions().action(QStringLiteral("N33Click"))->trigger();
  EXPECT_EQ(v.codePane().Text(), "\x93word\x94");
  f.frame->actions().action(QStringLiteral("N31Click"))->trigger();
  EXPECT_EQ(v.codePane().widget()->text(), QStringLiteral("“word”—"));
}

}  // namespace
}  // namespace lumbrix

namespace lumbrix {
namespace {

TEST(FrameHelp, F1ShowsTheTopicOfTheFocusedPlaceAndShiftF1TheAboutBox) {
  TempDir dir;
  FrameFixture f({native(dir.Write("h.htm", "x"))});
  f.firstShow();
  int abouts = 0;
  f.frame->showAbout = [&] { ++abouts; };
  f.frame->activateWindow();
  QWidget* code = viewAt(f, 0).codePane().widget();
  code->setFocus();
  QTest::keyClick(code, Qt::Key_F1);
  QTest::keyClick(f.frame.get(), Qt::Key_F1);
  ASSERT_EQ(f.help.topics.size(), 2u);
  EXPECT_EQ(f.help.topics[0], 2);  // the code tab
  QTest::keyClick(code, Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_EQ(abouts, 1);
  EXPECT_EQ(f.help.topics.size(), 2u);
  f.frame->actions().action(QStringLiteral("N49Click"))->trigger();
  EXPECT_EQ(f.help.contents, 1);

  // Inside the document window's menus: their own topics.
  QTest::keyClick(viewAt(f, 0).tagsPopupMenu(), Qt::Key_F1);
  QTest::keyClick(viewAt(f, 0).codePopupMenu(), Qt::Key_F1);
  EXPECT_EQ(f.help.topics, (std::vector<int>{2, 2, 2002, 2000}));
}

TEST(FrameHelp, F1InAnOpenMenuShowsThatMenusTopic) {
  TempDir dir;
  FrameFixture f({native(dir.Write("h.htm", "x"))});
  f.firstShow();
  f.frame->activateWindow();
  EditFormView& v = viewAt(f, 0);
  v.codePane().widget()->setFocus();
  std::vector<std::pair<QMenu*, int>> menus;
  for (QAction* top : f.frame->menuBar()->actions()) menus.emplace_back(top->menu(), 0);
  for (int i = 0; i < 7; ++i) menus[static_cast<std::size_t>(i)].second = 1000 + i;
  menus.emplace_back(f.frame->actions().internetMenu(), 1006);
  menus.emplace_back(v.codePopupMenu(), 2000);
  menus.emplace_back(v.lumbrixPopupMenu(), 2000);
  menus.emplace_back(v.tagsPopupMenu(), 2002);
  menus.emplace_back(v.tagsPopupMenu()->actions().front()->menu(), 2002);
  menus.emplace_back(v.brPopupMenu(), 2003);
  for (auto [menu, topic] : menus) {
    ASSERT_NE(menu, nullptr) << topic;
    f.help.topics.clear();
    // The key comes as the keyboard sends it: to the window, which hands it to the open menu.
    menu->popup(f.frame->mapToGlobal(QPoint(20, 20)));
    QTest::keyClick(f.frame->windowHandle(), Qt::Key_F1);
    menu->hide();
    EXPECT_EQ(f.help.topics, std::vector<int>{topic}) << menu->title().toStdString();
  }
}

}  // namespace
}  // namespace lumbrix

namespace lumbrix {
namespace {

TEST(FrameDocuments, AnEditArmsTheHighlightingTimerOnceAndItsTickStopsIt) {
  TempDir dir;
  FrameFixture f({native(dir.Write("t.htm", "<p>"))});
  f.firstShow();
  EditFormView& v = viewAt(f, 0);
  v.form().SyntaxTimerTimer();
  ASSERT_FALSE(v.syntaxTimer()->isActive());
  QTest::keyClick(v.codePane().widget(), Qt::Key_A);
  QTest::qWait(5);
  EXPECT_TRUE(v.syntaxTimer()->isActive());
  EXPECT_EQ(v.syntaxTimer()->interval(), 2000);
  EXPECT_TRUE(v.form().Modified());
  v.form().KeyInProgress = true;
  v.form().SyntaxTimerTimer();
  EXPECT_TRUE(v.syntaxTimer()->isActive());  // a key is being handled: the timer stays on
  v.form().KeyInProgress = false;
  v.form().SyntaxTimerTimer();
  EXPECT_FALSE(v.syntaxTimer()->isActive());
}

}  // namespace
}  // namespace lumbrix
