// The monkey: from a seed, random keys, clicks, menu commands and window changes sent to a real
// frame window, and answers to the dialogs and menus they open. Each step draws the same number
// of random values whatever it does, so one seed gives one sequence of actions for a given
// program, and `--seed S --steps N` replays a run up to its step N.
#pragma once

#include <QKeyCombination>
#include <QObject>
#include <QPointer>
#include <array>
#include <map>
#include <atomic>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

class QEventLoop;
class QKeySequence;
class QMenu;
class QWidget;

namespace lumbrix {
class EditFormView;
class FrameWindow;
}  // namespace lumbrix

namespace lumbrix::monkey {

class ActionLog;

class Monkey : public QObject {
 public:
  // The most documents the monkey keeps open; past it, opening closes one instead.
  static constexpr int kMaxDocuments = 12;

  Monkey(FrameWindow& frame, ActionLog& log, std::uint64_t seed);

  // Acts until `steps` steps are done or `seconds` have passed (a negative limit is none), then
  // closes the menus and dialogs still open and returns once the frame is idle again.
  void Run(long steps, double seconds);
  // How often (in steps) the texts of all documents are checked on the way.
  long checkEvery = 50;
  // The first broken rule the monkey saw on the way (empty when none).
  const std::string& failure() const { return failure_; }

 private:
  using Draw = std::array<std::uint64_t, 6>;
  enum class Act {
    Type, Key, MenuKey, FrameCommand, DocumentCommand, Click, Drag, SwitchWindow, SwitchTab,
    Open, Close, FindDialog
  };

  void tick();
  void act(const Draw& d);
  void actInPopup(QWidget* popup, const Draw& d, bool stopping);
  void actInDialog(QWidget* dialog, const Draw& d, bool stopping);
  void closeDialog(QWidget* dialog, std::uint64_t r);
  void findDialog(const Draw& d);

  void typeText(QWidget* target, std::uint64_t count, std::uint64_t which);
  void pressKey(QWidget* target, QKeyCombination key, const char* kind);
  void click(QWidget* area, std::uint64_t x, std::uint64_t y, std::uint64_t how);
  void triggerFrameCommand(const QString& handler);
  QWidget* keyTarget();
  EditFormView* activeView() const;
  std::vector<QWidget*> subWindows() const;
  void checkDocuments();
  void note(const std::string& kind, const std::string& what);
  void addMenuKey(const QKeySequence& key);

  FrameWindow& frame_;
  ActionLog& log_;
  std::mt19937_64 rng_;
  std::vector<QKeyCombination> menuKeys_;
  QEventLoop* loop_ = nullptr;
  long stepLimit_ = -1;
  double secondsLimit_ = -1;
  long started_ = 0;
  int nesting_ = 0;
  bool finished_ = false;
  std::string failure_;
  // At every step checked: each document by caption, as it was before the step.
  std::map<std::string, std::string> before_;
  std::atomic<long long> lastTick_{0};
};

// Bytes as a C++ string literal's contents.
std::string Escaped(const std::string& bytes);

// "QsciScintilla in EditFormView in Документ.html": a widget as the log names it.
std::string Describe(const QWidget* widget);

}  // namespace lumbrix::monkey
