#include "monkey/qt/Monkey.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "app/qt/FrameActions.h"
#include "app/qt/FrameWindow.h"
#include "common/qt/CodePane.h"
#include "common/qt/PlainPane.h"
#include <Qsci/qsciscintilla.h>
#include "document/EditForm.h"
#include "document/qt/EditFormView.h"
#include "monkey/qt/ActionLog.h"
#include "monkey/qt/KeyTables.h"

namespace lumbrix::monkey {

namespace {

long long nowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The commands the monkey leaves alone: the frame's Quit would end the run.
bool spared(const QString& handler) {
  return handler == QLatin1String("Quit");
}

// The menu's commands, its submenus' included, that can run now.
void collectActions(const QMenu* menu, QList<QAction*>& into) {
  for (QAction* a : menu->actions()) {
    if (a->menu()) {
      collectActions(a->menu(), into);
      continue;
    }
    if (a->isSeparator() || !a->isEnabled() || a->objectName().isEmpty()) continue;
    if (spared(a->objectName()) || a->property("documentEntry").toBool()) continue;
    into << a;
  }
}

template <typename T>
T* pickOf(const QList<T*>& list, std::uint64_t r) {
  return list.isEmpty() ? nullptr : list[static_cast<qsizetype>(r % list.size())];
}

}  // namespace

std::string Escaped(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c == '\\' || c == '"') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X\"\"", c);
      out += hex;
    }
  }
  return out;
}

std::string Describe(const QWidget* widget) {
  if (!widget) return "nothing";
  auto one = [](const QObject* o) {
    std::string s = o->metaObject()->className();
    if (!o->objectName().isEmpty() && !o->objectName().startsWith(QLatin1String("qt_")))
      s += "(" + o->objectName().toStdString() + ")";
    return s;
  };
  std::string out = one(widget);
  for (const QWidget* p = widget->parentWidget(); p; p = p->parentWidget()) {
    if (auto* sub = qobject_cast<const QMdiSubWindow*>(p))
      return out + " in \"" + sub->windowTitle().toStdString() + "\"";
    if (p->isWindow()) return out + " in " + one(p);
  }
  return out;
}

Monkey::Monkey(FrameWindow& frame, ActionLog& log, std::uint64_t seed)
    : frame_(frame), log_(log), rng_(seed) {
  // The keys of every item of the frame's menus, bar one: Quit's.
  for (QAction* a : frame_.findChildren<QAction*>()) {
    if (a->objectName().isEmpty() || spared(a->objectName())) continue;
    for (const QKeySequence& k : a->shortcuts())
      addMenuKey(k);
  }
  // And the document windows' own keys, from the menus of the first one.
  if (EditFormView* view = activeView())
    for (QMenu* m : {view->codePopupMenu(), view->lumbrixPopupMenu()})
      for (QAction* a : m->findChildren<QAction*>())
        for (const QKeySequence& k : a->shortcuts())
          addMenuKey(k);
}

void Monkey::addMenuKey(const QKeySequence& key) {
  if (key.isEmpty()) return;
  if (std::find(menuKeys_.begin(), menuKeys_.end(), key[0]) == menuKeys_.end())
    menuKeys_.push_back(key[0]);
}

void Monkey::note(const std::string& kind, const std::string& what) {
  log_.Add(kind, what);
}

void Monkey::Run(long steps, double seconds) {
  stepLimit_ = steps >= 0 ? log_.Steps() + steps : -1;
  secondsLimit_ = seconds;
  started_ = static_cast<long>(nowMs());
  finished_ = false;
  QEventLoop loop;
  loop_ = &loop;
  // A step that never returns (a program that hangs) is reported with the log, not waited for.
  std::atomic<bool> over{false};
  lastTick_ = nowMs();
  std::thread watchdog([&] {
    while (!over) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      if (!over && nowMs() - lastTick_ > 120000) {
        log_.Print("no step for two minutes: the program hangs");
        std::abort();
      }
    }
  });
  QTimer::singleShot(0, this, &Monkey::tick);
  loop.exec();
  over = true;
  watchdog.join();
  loop_ = nullptr;
}

void Monkey::tick() {
  if (finished_) return;
  lastTick_ = nowMs();
  QTimer::singleShot(0, this, &Monkey::tick);
  const bool stopping =
      !failure_.empty() || (stepLimit_ >= 0 && log_.Steps() >= stepLimit_) ||
      (secondsLimit_ >= 0 && static_cast<double>(nowMs() - started_) / 1000.0 >= secondsLimit_);
  QWidget* popup = QApplication::activePopupWidget();
  QWidget* modal = QApplication::activeModalWidget();
  if (!popup && !modal && nesting_ > 0) {
    // A dialog has just closed and its loop is about to return: nothing can be done meanwhile.
    return;
  }
  if (stopping && !popup && !modal) {
    finished_ = true;
    loop_->quit();
    return;
  }
  // Every step draws the same values, whatever it turns out to do.
  Draw d;
  for (auto& r : d) r = rng_();
  // Checked at every step, the active document before the step is kept: with the failing
  // step's action it is the whole case.
  if (checkEvery == 1 && !popup && !modal) {
    before_.clear();
    for (TEditForm* form : frame_.Documents()) {
      EditFormView* view = frame_.viewOf(*form);
      if (!view) continue;
      QsciScintilla* edit = view->codePane().widget();
      before_[view->windowTitle().toStdString()] =
          "caret byte " + std::to_string(edit->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS)) +
          ", anchor byte " + std::to_string(edit->SendScintilla(QsciScintilla::SCI_GETANCHOR)) +
          ", text (Windows-1251, escaped):\n" + Escaped(view->codePane().Text());
    }
  }
  ++nesting_;
  if (popup)
    actInPopup(popup, d, stopping);
  else if (modal)
    actInDialog(modal, d, stopping);
  else
    act(d);
  --nesting_;
  if (nesting_ == 0 && !QApplication::activeModalWidget() && log_.Steps() % checkEvery == 0)
    checkDocuments();
}

EditFormView* Monkey::activeView() const {
  TEditForm* form = frame_.ActiveDocument();
  return form ? frame_.viewOf(*form) : nullptr;
}

std::vector<QWidget*> Monkey::subWindows() const {
  std::vector<QWidget*> all;
  for (QMdiSubWindow* w : frame_.mdiArea()->subWindowList(QMdiArea::CreationOrder)) all.push_back(w);
  return all;
}

QWidget* Monkey::keyTarget() {
  if (QApplication::activeWindow() != &frame_) frame_.activateWindow();
  QWidget* focus = QApplication::focusWidget();
  if (focus && focus->window() == &frame_) return focus;
  if (EditFormView* view = activeView()) {
    QWidget* pane = view->tabs()->currentIndex() == 0 ? view->plainPane().widget()
                                                       : static_cast<QWidget*>(view->codePane().widget());
    pane->setFocus();
    return pane;
  }
  return &frame_;
}

void Monkey::typeText(QWidget* target, std::uint64_t count, std::uint64_t which) {
  const QString& chars = TypedCharacters();
  QString typed;
  QPointer<QWidget> guard(target);
  const std::string where = Describe(target);
  for (int i = 0; i < 1 + static_cast<int>(count % 6) && guard; ++i) {
    const QChar ch = chars[static_cast<qsizetype>(((which >> (10 * i)) & 1023) % chars.size())];
    typed += ch;
    SendCharacter(target, ch);
  }
  note("type", "\"" + typed.toStdString() + "\" into " + where);
}

void Monkey::pressKey(QWidget* target, QKeyCombination key, const char* kind) {
  const std::string what = QKeySequence(key).toString().toStdString() + " to " + Describe(target);
  note(kind, what);
  SendKey(target, key);
}

void Monkey::click(QWidget* area, std::uint64_t x, std::uint64_t y, std::uint64_t how) {
  const QPoint at(static_cast<int>(x % std::max(1, area->width())),
                  static_cast<int>(y % std::max(1, area->height())));
  QWidget* w = area->childAt(at);
  if (!w) w = area;
  const QPoint local = w->mapFrom(area, at);
  static const char* const kHow[] = {"left click", "left click", "left click", "left click",
                                     "left click", "left click", "right click", "right click",
                                     "double click", "middle click"};
  const int h = static_cast<int>(how % std::size(kHow));
  note("click", std::string(kHow[h]) + " at " + std::to_string(local.x()) + "," +
                    std::to_string(local.y()) + " on " + Describe(w));
  QPointer<QWidget> guard(w);
  const Qt::MouseButton button = h >= 6 && h <= 7 ? Qt::RightButton
                                 : h == 9         ? Qt::MiddleButton
                                                  : Qt::LeftButton;
  QTest::mousePress(w, button, Qt::NoModifier, local);
  if (guard) QTest::mouseRelease(w, button, Qt::NoModifier, local);
  if (h == 8 && guard) QTest::mouseDClick(w, button, Qt::NoModifier, local);
}

void Monkey::triggerFrameCommand(const QString& handler) {
  QAction* a = frame_.actions().action(handler);
  note("command", handler.toStdString() + (a && a->isEnabled() ? "" : " (disabled)"));
  if (a && a->isEnabled()) a->trigger();
}

void Monkey::act(const Draw& d) {
  static constexpr struct {
    Act act;
    int weight;
  } kActs[] = {{Act::Type, 24},         {Act::Key, 22},         {Act::MenuKey, 8},
               {Act::FrameCommand, 13}, {Act::DocumentCommand, 6}, {Act::Click, 11},
               {Act::Drag, 3},          {Act::SwitchWindow, 4}, {Act::SwitchTab, 3},
               {Act::Open, 3},          {Act::Close, 2},        {Act::FindDialog, 3}};
  int total = 0;
  for (const auto& a : kActs) total += a.weight;
  int roll = static_cast<int>(d[0] % static_cast<std::uint64_t>(total));
  Act what = Act::Type;
  for (const auto& a : kActs) {
    if (roll < a.weight) {
      what = a.act;
      break;
    }
    roll -= a.weight;
  }
  if (!frame_.isVisible()) frame_.show();
  const int documents = static_cast<int>(subWindows().size());
  if (documents == 0 && what != Act::FrameCommand && what != Act::Click) what = Act::Open;
  if (what == Act::Open && documents >= kMaxDocuments) what = Act::Close;

  switch (what) {
    case Act::Type:
      typeText(keyTarget(), d[1], d[2]);
      break;
    case Act::Key:
      pressKey(keyTarget(), EditingKeys()[d[1] % EditingKeys().size()], "key");
      break;
    case Act::MenuKey:
      pressKey(keyTarget(), menuKeys_[d[1] % menuKeys_.size()], "menu key");
      break;
    case Act::FrameCommand: {
      QList<QAction*> all;
      for (QAction* m : frame_.menuBar()->actions())
        if (m->menu()) collectActions(m->menu(), all);
      if (QAction* a = pickOf(all, d[1])) triggerFrameCommand(a->objectName());
      break;
    }
    case Act::DocumentCommand: {
      EditFormView* view = activeView();
      if (!view) break;
      QList<QAction*> all;
      for (QMenu* m : {view->codePopupMenu(), view->lumbrixPopupMenu(), view->tagsPopupMenu(),
                       view->brPopupMenu()})
        collectActions(m, all);
      QList<QToolButton*> buttons;
      for (QToolButton* b : view->findChildren<QToolButton*>())
        if (b->isVisible() && b->isEnabled()) buttons << b;
      if (d[2] % 3 == 0 && !buttons.isEmpty()) {
        QToolButton* b = pickOf(buttons, d[1]);
        note("document button", Describe(b) + " \"" + b->text().toStdString() + "\"");
        b->click();
      } else if (QAction* a = pickOf(all, d[1])) {
        note("document command", a->objectName().toStdString() + " in " + Describe(view));
        a->trigger();
      }
      break;
    }
    case Act::Click:
      click(&frame_, d[1], d[2], d[3]);
      break;
    case Act::Drag: {
      QWidget* pane = keyTarget();
      const QPoint from(static_cast<int>(d[1] % std::max(1, pane->width())),
                        static_cast<int>(d[2] % std::max(1, pane->height())));
      const QPoint to(static_cast<int>(d[3] % std::max(1, pane->width())),
                      static_cast<int>(d[4] % std::max(1, pane->height())));
      note("drag", std::to_string(from.x()) + "," + std::to_string(from.y()) + " to " +
                       std::to_string(to.x()) + "," + std::to_string(to.y()) + " on " +
                       Describe(pane));
      QPointer<QWidget> guard(pane);
      QTest::mousePress(pane, Qt::LeftButton, Qt::NoModifier, from);
      if (guard) QTest::mouseMove(pane, to);
      if (guard) QTest::mouseRelease(pane, Qt::LeftButton, Qt::NoModifier, to);
      break;
    }
    case Act::SwitchWindow: {
      const std::vector<QWidget*> all = subWindows();
      auto* w = static_cast<QMdiSubWindow*>(all[d[1] % all.size()]);
      note("switch window", "to \"" + w->windowTitle().toStdString() + "\"");
      if (w->isMinimized() && d[2] % 2) w->showNormal();
      frame_.mdiArea()->setActiveSubWindow(w);
      break;
    }
    case Act::SwitchTab: {
      EditFormView* view = activeView();
      if (!view) break;
      const int tab = static_cast<int>(d[1] % 2);
      note("switch tab", std::to_string(tab) + " in " + Describe(view));
      view->tabs()->setCurrentIndex(tab);
      break;
    }
    case Act::Open: {
      static const char* const kOpen[] = {"NewHtml", "NewFile", "NewJS",   "NewVRML",
                                          "OpenFile", "OpenFile", "OpenFile", "CreateFile"};
      triggerFrameCommand(QLatin1String(kOpen[d[1] % std::size(kOpen)]));
      break;
    }
    case Act::Close: {
      if (d[1] % 2) {
        triggerFrameCommand(QStringLiteral("WindowClose1"));
      } else if (QMdiSubWindow* w = frame_.mdiArea()->currentSubWindow()) {
        note("close window", "\"" + w->windowTitle().toStdString() + "\"");
        w->close();
      }
      break;
    }
    case Act::FindDialog:
      findDialog(d);
      break;
  }
}

}  // namespace lumbrix::monkey
