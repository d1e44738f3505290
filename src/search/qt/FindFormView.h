// The find dialog's window: "что:" with `What`, "на:" with `ReplaceWith` (shown in the replace
// mode), "где:" with the region list `Where`, the buttons `FindButton` and `FindBelowButton`
// and the four options. Modeless and on top of the frame. It forwards each control's event to
// TFindForm and shows the form's state; the form decides everything.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lumbrix {

class TFindForm;

class FindFormView : public QDialog {
  Q_OBJECT

 public:
  // The help topic of the dialog.
  static constexpr int kHelpContext = 50;

  // The view hands the form its window callbacks and takes them back when destroyed, so the
  // form must outlive the view.
  explicit FindFormView(TFindForm& form, QWidget* parent = nullptr);
  ~FindFormView() override;

  // For the code pane's Esc: whether the dialog is on the screen, and hiding it without closing
  // it, so that every field stays for the next opening.
  bool IsShown() const;
  void HideDialog();

  TFindForm& form() { return form_; }
  QLabel* label1() const { return label1_; }
  QLabel* label2() const { return label2_; }
  QLabel* label3() const { return label3_; }
  QLineEdit* what() const { return what_; }
  QLineEdit* replaceWith() const { return replaceWith_; }
  QComboBox* where() const { return where_; }
  QPushButton* findButton() const { return findButton_; }
  QPushButton* findBelowButton() const { return findBelowButton_; }
  QCheckBox* matchCase() const { return matchCase_; }
  QCheckBox* wholeWordsOnly() const { return wholeWordsOnly_; }
  QCheckBox* tagsOnly() const { return tagsOnly_; }
  QCheckBox* exceptScripts() const { return exceptScripts_; }

  // Shows the form's state and gives the focus where the form asks for it.
  void render();

  // The window's close box: the dialog closes and forgets the search.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void build();
  void connectControls();

  TFindForm& form_;
  bool placed_ = false;
  QLabel* label1_;
  QLabel* label2_;
  QLabel* label3_;
  QLineEdit* what_;
  QLineEdit* replaceWith_;
  QComboBox* where_;
  QPushButton* findButton_;
  QPushButton* findBelowButton_;
  QCheckBox* matchCase_;
  QCheckBox* wholeWordsOnly_;
  QCheckBox* tagsOnly_;
  QCheckBox* exceptScripts_;
};

}  // namespace lumbrix
