// Answers modal dialogs in a widget test: each step gets the next modal dialog that appears,
// so that a call which runs a dialog's own event loop can be tested to its result.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
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
      if (!w) return;
      // A dialog may be rebuilt at the address of the one before: mark the ones handled.
      if (w->property("lumbrixScripted").toBool()) {
        // A step whose keys were lost (a loaded machine) would leave its dialog open for ever:
        // after a while it is closed and the test sees it, instead of hanging.
        if (w == handled_ && since_.elapsed() > kPatienceMs) {
          ++unexpected_;
          handled_ = nullptr;
          if (auto* d = qobject_cast<QDialog*>(w))
            d->done(QDialog::Rejected);
          else
            w->close();
        }
        return;
      }
      w->setProperty("lumbrixScripted", true);
      handled_ = w;
      since_.start();
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
  static constexpr qint64 kPatienceMs = 15000;
  std::vector<std::function<void(QWidget*)>> steps_;
  QPointer<QWidget> handled_;
  QElapsedTimer since_;
  std::size_t next_ = 0;
  int unexpected_ = 0;
  QTimer poll_;
};

}  // namespace lumbrix::testing
