// The go-to dialog's window "Перейти": the landmark list `Where`, the line number field with its
// horizontal up-down, "ДА" and "Отмена". It forwards their events to TGoToForm and shows the
// form's state. Created once with the frame and kept, so the choice persists between openings.
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace lumbrix {

class TEditForm;
class TGoToForm;

class GoToFormView : public QDialog {
  Q_OBJECT

 public:
  // The view hands the form its Close callback and takes it back when destroyed, so the form
  // must outlive the view: an owner keeps both and destroys the view first.
  explicit GoToFormView(TGoToForm& form, QWidget* parent = nullptr);
  ~GoToFormView() override;

  // The frame's commands: `GoTo` (Ctrl+G) with lineMode off, the line-number command `N78Click`
  // (Ctrl+L) with it on. Shows the dialog modally and, when the user confirms, moves the caret
  // of the document's code pane. Returns whether the user confirmed.
  bool Execute(TEditForm& document, bool lineMode);

  TGoToForm& form() { return form_; }
  QComboBox* where() const { return where_; }
  QLineEdit* lineNumEdit() const { return lineNumEdit_; }
  QWidget* lineNum() const { return lineNum_; }
  QToolButton* lineNumDown() const { return down_; }
  QToolButton* lineNumUp() const { return up_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

  // Shows the form's state.
  void render();

  void done(int result) override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void step(int delta);

  TGoToForm& form_;
  QComboBox* where_;
  QLineEdit* lineNumEdit_;
  QWidget* lineNum_;
  QToolButton* down_;
  QToolButton* up_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace lumbrix
