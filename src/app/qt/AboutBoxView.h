// The About box's window: shows TAboutBox's state and forwards its events to it.
#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QFrame;
class QPushButton;

namespace lumbrix {

class TAboutBox;

class AboutBoxView : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBoxView(TAboutBox& form, QWidget* parent = nullptr);

  QTimer& timer() { return timer_; }
  QLabel* versionLabel() const { return version_; }

  // The program's picture, 150 x 80.
  static QPixmap DrawPicture();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showState();

  TAboutBox& form_;
  QTimer timer_;
  QFrame* panel_ = nullptr;
  QLabel* version_ = nullptr;
  QLabel* authorMylo_ = nullptr;
  QLabel* authorSite_ = nullptr;
};

}  // namespace lumbrix
