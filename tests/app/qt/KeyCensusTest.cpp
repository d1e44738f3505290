// Every key of the menus, pressed with the focus in each pane of a document, under both File
// menu key sets: the item's command runs once, and the key does nothing else. What the key did
// is compared with what the item does when it is chosen.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <optional>

#include "app/FrameSettings.h"
#include "app/MenuTable.h"
#include "app/qt/FrameActions.h"
#include "app/qt/FrameTestSupport.h"
#include "commands/TagCommands.h"
#include "common/qt/CodePane.h"
#include "common/qt/PlainPane.h"
#include "common/qt/WinQString.h"
#include "document/EditForm.h"
#include "document/qt/EditFormView.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using lumbrix::testing::TempDir;

struct KeyRow {
  std::string_view handler;
  std::string_view key;
  bool runs = true;       // false: a key the set in force does not give the item
  bool document = false;  // an item of the document window's menus
};

// The rows for a File menu key set: its own keys, and the other set's keys, which must not run.
std::vector<KeyRow> keyRows(int fmk) {
  std::vector<KeyRow> rows;
  auto fileItem = [](std::string_view handler) {
    for (const FileMenuItem& item : kFileMenuItems)
      if (item.action == handler) return true;
    return false;
  };
  for (const MenuEntry& e : MainMenu()) {
    if (e.kind != MenuKind::Item || fileItem(e.handler)) continue;
    for (std::string_view key : {e.key, e.secondKey})
      if (!key.empty()) rows.push_back({e.handler, key});
  }
  for (const FileMenuItem& item : kFileMenuItems) {
    rows.push_back({item.action, fmk == 0 ? item.classic : item.standard});
    rows.push_back({item.action, fmk == 0 ? item.standard : item.classic, false});
  }
  for (auto menu : {CodePopupMenu(), LumbrixPopupMenu()})
    for (const MenuEntry& e : menu)
      if (e.kind == MenuKind::Item && !e.key.empty())
        rows.push_back({e.handler, e.key, true, true});
  return rows;
}

// What a document and the frame look like after a command.
struct Outcome {
  std::string code, plain;
  int selStart = 0, selLength = 0;
  std::size_t documents = 0;
  QString clipboard;
  int dialogs = 0, abouts = 0;
  std::size_t messages = 0;  // questions and reports through the frame's message boxes
  bool frameShown = true;
  bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
  return out << "code \"" << o.code << "\" plain \"" << o.plain << "\" sel " << o.selStart << "+"
             << o.selLength << " documents " << o.documents << " clipboard \""
             << o.clipboard.toStdString() << "\" dialogs " << o.dialogs << " abouts " << o.abouts
             << " messages " << o.messages << " shown " << o.frameShown;
}

// Presses a key as this platform's keyboard sends it: with Ctrl, a letter comes as its control
// character (QTest would send the letter, which Ctrl+Alt, being AltGr elsewhere, may type).
void press(QWidget* w, QKeyCombination k) {
  if ((k.keyboardModifiers() & Qt::ControlModifier) && k.key() >= Qt::Key_A && k.key() <= Qt::Key_Z)
    QTest::sendKeyEvent(QTest::Click, w, k.key(), QChar(char16_t(k.key() - Qt::Key_A + 1)),
                        k.keyboardModifiers());
  else
    QTest::keyClick(w, k.key(), k.keyboardModifiers());
}

class Census {
 public:
  explicit Census(int fmk) {
    path_ = dir_.Write("k.htm", "<p>\r\n  one two\r\nthree</p>");
    f_.registry.keyExists = true;
    f_.registry.values["FMK"] = fmk;
    f_.frame = std::make_unique<FrameWindow>(f_.dialogs, f_.registry, f_.help,
                                             std::vector<std::string>{path_});
    f_.firstShow();
    f_.frame->showAbout = [this] { ++abouts_; };
    // Dialogs that commands open are closed at once, and counted.
    QObject::connect(&closer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ++dialogs_;
        if (auto* d = qobject_cast<QDialog*>(modal))
          d->reject();
        else
          modal->close();
      }
    });
    closer_.start(5);
  }

  EditFormView& view() { return *f_.frame->viewOf(*f_.frame->Documents().front()); }

  // The first document, its text and selection as at the start, the focus in the chosen pane.
  QWidget* reset(bool codePane) {
    while (f_.frame->Documents().size() > 1)
      f_.frame->DestroyDocument(*f_.frame->Documents().back());
    f_.frame->mdiArea()->setActiveSubWindow(f_.frame->mdiArea()->subWindowList().front());
    EditFormView& v = view();
    v.tabs()->setCurrentIndex(codePane ? 1 : 0);
    for (TextPane* pane :
         {static_cast<TextPane*>(&v.codePane()), static_cast<TextPane*>(&v.plainPane())}) {
      pane->SetText("<p>\r\n  one two\r\nthree</p>");
      pane->SetSelection(11, 3);
      pane->ReplaceSelection("TWO");  // something to undo
      pane->SetSelection(9, 5);
    }
    v.form().SetModified(true);  // so that Quit asks, and is answered Cancel
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    QWidget* w = codePane ? static_cast<QWidget*>(v.codePane().widget()) : v.plainPane().widget();
    f_.frame->activateWindow();
    w->setFocus();
    QTest::qWait(1);
    dialogs_ = abouts_ = 0;
    messagesBefore_ = f_.dialogs.messages.size();
    return w;
  }

  Outcome outcome(bool codePane) {
    QTest::qWait(1);
    EditFormView& v = view();
    TextPane& active = codePane ? static_cast<TextPane&>(v.codePane()) : v.plainPane();
    return {v.codePane().Text(),
            v.plainPane().Text(),
            active.SelStart(),
            active.SelLength(),
            f_.frame->Documents().size(),
            QApplication::clipboard()->text(),
            dialogs_,
            abouts_,
            f_.dialogs.messages.size() - messagesBefore_,
            f_.frame->isVisible()};
  }

  QAction* action(const KeyRow& row) {
    const QString handler = ToQString(row.handler);
    if (!row.document) return f_.frame->actions().action(handler);
    QAction* a = view().codePopupMenu()->findChild<QAction*>(handler);
    return a ? a : view().lumbrixPopupMenu()->findChild<QAction*>(handler);
  }

  FrameFixture f_{};

 private:
  TempDir dir_;
  std::string path_;
  QTimer closer_;
  int dialogs_ = 0;
  int abouts_ = 0;
  std::size_t messagesBefore_ = 0;
};

TEST(KeyCensus, EveryMenuKeyRunsItsItemOnceFromEitherPaneAndDoesNothingElse) {
  int checked = 0;
  for (int fmk : {0, 1}) {
    Census census(fmk);
    for (const KeyRow& row : keyRows(fmk)) {
      QAction* action = census.action(row);
      ASSERT_NE(action, nullptr) << row.handler;
      const QKeyCombination key = QKeySequence(ToQString(row.key))[0];
      for (bool codePane : {true, false}) {
        const std::string what = "FMK " + std::to_string(fmk) + ", " + std::string(row.key) + " (" +
                                 std::string(row.handler) + ") in the " +
                                 (codePane ? "code" : "plain") + " pane";
        // What choosing the item does; nothing at all for a key the item does not have.
        census.reset(codePane);
        if (row.runs) action->trigger();
        const Outcome expected = census.outcome(codePane);

        QWidget* focus = census.reset(codePane);
        ASSERT_EQ(QApplication::focusWidget(), focus) << what;
        QSignalSpy ran(action, &QAction::triggered);
        press(focus, key);
        EXPECT_EQ(ran.count(), row.runs && action->isEnabled() ? 1 : 0) << what;
        EXPECT_EQ(census.outcome(codePane), expected) << what;
        ++checked;
      }
    }
  }
  EXPECT_GE(checked, 2 * 2 * 27);
}

}  // namespace
}  // namespace lumbrix
