// Answers modal dialogs in a widget test: each step gets the next modal dialog that appears,
// so that a call which runs a dialog's own event loop can be tested to its result.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace lumbrix::testing {

class ModalScript {
 public:
  explicit ModalScript(std::vector<std::function<void(QWidget*)>> steps)
      : steps_(std::move(steps)) {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      QWidget* w = QApplication::activeModalWidget();
      // A dialog may be rebuilt at the address of the one before: mark the ones handled.
      if (!w || w->property("lumbrixScripted").toBool()) return;
      w->setProperty("lumbrixScripted", true);
      if (next_ < steps_.size()) {
        steps_[next_++](w);
      } else {
        // A dialog the test did not expect: close it rather than hang, and let the test see.
        ++unexpected_;
        w->close();
      }
    });
    poll_.start(20);
  }
  bool done() const { return next_ == steps_.size() && unexpected_ == 0; }

 private:
  std::vector<std::function<void(QWidget*)>> steps_;
  std::size_t next_ = 0;
  int unexpected_ = 0;
  QTimer poll_;
};

}  // namespace lumbrix::testing
