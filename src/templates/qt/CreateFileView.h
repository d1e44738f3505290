// The dialog "Создание из шаблона": the templates in a list, "Создать", "Отмена" and "Справка".
#pragma once

#include <QDialog>
#include <QString>

class QListWidget;
class QPushButton;

namespace lumbrix {

class Help;
class TCreateFileForm;

class CreateFileView : public QDialog {
  Q_OBJECT

 public:
  CreateFileView(Help& help, QWidget* parent = nullptr);

  // Shows the form's list modally; the form learns what was chosen.
  void run(TCreateFileForm& form);

  QListWidget* list() const { return list_; }
  QPushButton* createButton() const { return create_; }

  // The program's template folder: beside the program, where it is installed, or the source
  // tree's for a build that is not installed.
  static QString FindTemplateFolder();

 private:
  Help& help_;
  QListWidget* list_;
  QPushButton* create_;
  QPushButton* cancel_;
  QPushButton* help_button_;
  TCreateFileForm* form_ = nullptr;
};

}  // namespace lumbrix
