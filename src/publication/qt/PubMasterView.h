// The publication master's window "Мастер публикаций": four pages of boxes (headings,
// paragraphs, document properties, print), the preview, reset and export buttons, the action
// list and "Сгенерировать" / "Отмена". It forwards every event to TPubMasterForm and shows the
// form's state; F1 asks for the master's help topic.
#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "common/qt/ColourChooser.h"
#include "publication/PubMasterForm.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace lumbrix {

class ColourSwatch;

class PubMasterView : public QDialog {
  Q_OBJECT

 public:
  // The view hands the form its Close callback and takes it back when destroyed.
  explicit PubMasterView(TPubMasterForm& form, QWidget* parent = nullptr);
  ~PubMasterView() override;

  TPubMasterForm& form() { return form_; }
  QTabWidget* tabs() const { return tabs_; }
  QListWidget* levelList() const { return levels_; }
  QComboBox* actionList() const { return action_; }
  QComboBox* fontFamily() const { return fontFamily_; }
  QCheckBox* insertBody() const { return insertBody_; }
  QPushButton* okButton() const { return ok_; }
  // A box by its control name ("P_fnt_size", "DocTitle", "Page_top_margin" ...).
  QLineEdit* box(const QString& name) const;

  // Shows the form's state.
  void render();

  void done(int result) override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  enum class Group { Heading, Paragraph, Body, Doc, Print };
  struct BoundBox {
    QLineEdit* edit;
    std::string* field;
    Group group;
  };

  QWidget* buildHeadingPage();
  QWidget* buildParagraphPage();
  QWidget* buildDocumentPage();
  QWidget* buildPrintPage();
  QLineEdit* bind(const char* name, const QString& accessible, std::string& field, Group group,
                  int maxLength = 3);
  QButtonGroup* alignGroup(const char* prefix, bool withDefault, AlignButton* target,
                           QWidget* parent);
  QPushButton* colourButton(const char* name, const QString& accessible, ColourSwatch*& swatch,
                            QLabel*& label, void (TPubMasterForm::*handler)(), QWidget* parent);
  void act(void (TPubMasterForm::*handler)());
  bool enabled(Group group) const;

  TPubMasterForm& form_;
  std::vector<BoundBox> boxes_;
  QTabWidget* tabs_ = nullptr;
  QListWidget* levels_ = nullptr;
  QButtonGroup* headingAlign_ = nullptr;
  QButtonGroup* paragraphAlign_ = nullptr;
  QCheckBox* insertBody_ = nullptr;
  QComboBox* fontFamily_ = nullptr;
  ColourSwatch* bkSwatch_ = nullptr;
  ColourSwatch* textSwatch_ = nullptr;
  QLabel* bkLabel_ = nullptr;
  QLabel* textLabel_ = nullptr;
  QPushButton* bkButton_ = nullptr;
  QPushButton* textButton_ = nullptr;
  QComboBox* action_ = nullptr;
  QPushButton* ok_ = nullptr;
};

// The master as the frame opens it: made with its window on first use, then kept.
class QtPubMaster : public PubMasterWindow {
 public:
  QtPubMaster(Dialogs& dialogs, Shell& shell, QWidget* parent);
  ~QtPubMaster() override;
  TPubMasterForm& Master() override;
  void ShowModal() override;
  // Null until first use.
  PubMasterView* view() const { return view_.get(); }
  // Where the export dialog opens: the folder the program's templates are listed from.
  void SetExportFolder(std::string folder) { exportFolder_ = std::move(folder); }

 private:
  Dialogs& dialogs_;
  Shell& shell_;
  QWidget* parent_;
  QtColourChooser colours_;
  std::string exportFolder_;
  std::unique_ptr<TPubMasterForm> form_;
  std::unique_ptr<PubMasterView> view_;
};

}  // namespace lumbrix
