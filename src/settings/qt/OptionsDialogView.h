// The options dialog's window "Настройки": five pages of controls, the colour swatches, the
// font boxes with "...", the sample, and "ДА", "Отмена", "Справка". It forwards every control's
// event to TOptionsDialog and shows its fields; each control carries its help context, which
// F1 and the window's "?" button open.
#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/OptionsForm.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace lumbrix {

class Dialogs;
class Help;
class OptionsChoosers;

class OptionsDialogView : public QDialog {
  Q_OBJECT

 public:
  // `dialogs`: the frame's; the view gives the form the same ones with its own font chooser.
  OptionsDialogView(TOptionsDialog& form, Dialogs& dialogs, Help& help, QWidget* parent = nullptr);
  ~OptionsDialogView() override;

  TOptionsDialog& form() { return form_; }
  QTabWidget* pages() const { return pages_; }
  // A control by its name (`CheckBoxUSC`, `EditTS`, `OKButton`, ...).
  template <typename T>
  T* control(const QString& name) const {
    return findChild<T*>(name);
  }
  // The help context a control opens; 0 for none.
  int helpContextOf(const QWidget* widget) const;

  // Shows the form's fields.
  void render();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildGeneralPage();
  void buildViewPage();
  void buildEditorPage();
  void buildHtmlPage();
  void buildSyntaxPage();
  // `click` runs after the box's field took the new state (none when empty).
  QCheckBox* check(const char* name, const QString& text, int help, bool TOptionsDialog::*field,
                   std::function<void(TOptionsDialog&)> click = {});
  QComboBox* list(const char* name, const QStringList& items, int help, int TOptionsDialog::*field,
                  const QString& accessible);
  QLineEdit* edit(const char* name, int help, std::string TOptionsDialog::*field,
                  const QString& accessible);
  void setHelp(QWidget* w, int help);
  // A colour swatch that runs `released` when a mouse button is released over it enabled.
  QFrame* makeSwatch(const char* name, const QString& accessible, std::function<void()> released);

  TOptionsDialog& form_;
  Help& help_;
  std::unique_ptr<OptionsChoosers> choosers_;
  QTabWidget* pages_;
  QFrame* background_ = nullptr;
  QFrame* text_ = nullptr;
  QLabel* backgroundLabel_ = nullptr;
  QLabel* textLabel_ = nullptr;
  QLabel* fontExample_ = nullptr;
  QSpinBox* tabSize_ = nullptr;
  QRadioButton* keySets_[2] = {};
  // Shows the fields of the form into its controls: every check box, list and edit.
  std::vector<std::function<void()>> showers_;
};

}  // namespace lumbrix
