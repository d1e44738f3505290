// The window of the tag master and the attribute master: the tag list `Tags` with its
// description, the attribute pages and the preview page chosen by buttons, "еще...:" with its
// field, and "ДА", "Отмена", "?". It forwards every event to TForm5 and shows the form's state.
// Made by the first command that needs it and kept with the frame.
#pragma once

#include <QDialog>
#include <QList>

#include "tagmaster/Form5.h"
#include "tagmaster/qt/AttributeRowsView.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace lumbrix {

class TEditForm;

class Form5View : public QDialog {
  Q_OBJECT

 public:
  // The form must outlive the view (the view hands it its Close callback).
  explicit Form5View(TForm5& form, QWidget* parent = nullptr);
  ~Form5View() override;

  // The frame's `TagMaster` and `AttrMaster` commands on a document window.
  bool Execute(TEditForm& document, TForm5::Mode mode);

  TForm5& form() { return form_; }
  QComboBox* tags() const { return tags_; }
  QLabel* tagDesc() const { return tagDesc_; }
  QLabel* image1() const { return image1_; }
  QLabel* image2() const { return image2_; }
  QList<QPushButton*> pageButtons() const { return pageButtons_; }
  QStackedWidget* pages() const { return pages_; }
  const AttributeRows& rows() const { return rows_; }
  QPlainTextEdit* previewMemo() const { return preview_; }
  QLineEdit* esche() const { return esche_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  QPushButton* helpButton() const { return help_; }

  void render();
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildTop();
  void buildPages();
  void buildBottom();
  void connectRows();

  TForm5& form_;
  QLabel* image1_ = nullptr;
  QLabel* image2_ = nullptr;
  QComboBox* tags_ = nullptr;
  QLabel* tagDesc_ = nullptr;
  QList<QPushButton*> pageButtons_;
  QButtonGroup* pageGroup_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  AttributeRows rows_;
  QPlainTextEdit* preview_ = nullptr;
  QLineEdit* esche_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace lumbrix
