// The frame window: the main window holding the document windows, its menus, tool bar and status
// bar. It shows the frame form's state and forwards every command to it by handler name.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "app/DocumentWindows.h"
#include "app/FrameForm.h"

class QKeyEvent;
class QLabel;
class QMdiArea;
class QMdiSubWindow;

namespace lumbrix {

class Dialogs;
class EditFormView;
class CreateFileView;
class GoToFormView;
class OptionsDialogView;
class QtPubMaster;
class TGoToForm;
class FindFormView;
class TFindForm;
class FrameActions;
class Form5View;
class TForm5;
class Help;
class Registry;
class ShortDate;

class FrameWindow : public QMainWindow, public DocumentWindows {
  Q_OBJECT

 public:
  // The client area of a new document window.
  static constexpr int kDocumentClientWidth = 623;
  static constexpr int kDocumentClientHeight = 366;

  // The arguments are the command line's own bytes (see TFrameForm::OpenCommandLine).
  FrameWindow(Dialogs& dialogs, Registry& registry, Help& help,
              std::vector<std::string> arguments = {}, QWidget* parent = nullptr);
  FrameWindow(Dialogs& dialogs, Registry& registry, Help& help, ShortDate& date,
              std::vector<std::string> arguments = {}, QWidget* parent = nullptr);
  ~FrameWindow() override;

  TFrameForm& form() { return form_; }
  QMdiArea* mdiArea() const { return mdi_; }
  FrameActions& actions() const { return *actions_; }
  GoToFormView* goToView() const { return goToView_.get(); }
  // The find dialog, made by the first `Find` or `Replace` command; nothing before that.
  FindFormView* findView() const { return findView_.get(); }
  // Esc in a code pane: hides the find dialog, keeping its fields, when it exists and is shown.
  // Returns whether it did; when it did not, the key closes the document window instead.
  bool hideFindDialog();
  OptionsDialogView* optionsView() const { return optionsView_.get(); }
  // The help context a widget or one of its parents names with the property "helpContext"
  // (menus excepted, which have their own rule); 0 for none.
  static int OwnHelpContext(const QWidget* widget);
  // The publication master, made with its window on first use.
  QtPubMaster& pubMaster() const { return *pubMaster_; }
  QLabel* label1() const { return label1_; }
  // The tag master and attribute master dialog, made when first asked for.
  Form5View* tagMasterView();
  // Runs a command of a menu item or tool button by its handler name.
  void run(const QString& handler);
  // Shows the About box; set by the program (the box lives with the application).
  std::function<void()> showAbout;

  // DocumentWindows
  TEditForm& CreateDocument() override;
  void DestroyDocument(TEditForm& form) override;
  TEditForm* ActiveDocument() override;
  std::vector<TEditForm*> Documents() override;
  bool FrameMaximized() const override;
  void SetFrameMaximized(bool maximized) override;

  EditFormView* viewOf(const TEditForm& form) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Is the key one of an item of the frame's menus?
  bool ownsKey(const QKeyEvent& key) const;
  void firstShow();
  void applyChrome();
  void layoutLabel1();
  void runWindowCommand(const QString& handler);
  void openFindDialog(bool replace);
  void fillWindowMenu();
  void tile(Qt::Orientation orientation);
  void arrangeMinimized();

  std::unique_ptr<ShortDate> ownDate_;
  TFrameForm form_;
  Help& help_;
  std::vector<std::string> arguments_;
  QMdiArea* mdi_;
  QLabel* label1_;
  std::unique_ptr<FrameActions> actions_;
  // The go-to dialog lives as long as the frame, so it keeps its choice between showings. Its
  // view refers to its form: declared after it, the view is destroyed first, before the frame's
  // members go and long before Qt would delete it as a child of the frame.
  std::unique_ptr<TGoToForm> goTo_;
  std::unique_ptr<GoToFormView> goToView_;
  // "Создание из шаблона", made when first asked for.
  std::unique_ptr<CreateFileView> createFileView_;
  // The find dialog, made on first use and kept until the frame goes; its messages are shown
  // over it (it stays on top), by dialogs of its own when the frame's are the real ones.
  std::unique_ptr<Dialogs> findDialogs_;
  std::unique_ptr<TFindForm> find_;
  std::unique_ptr<FindFormView> findView_;
  // The tag master, the same way; made by its first command.
  std::unique_ptr<TForm5> tagMaster_;
  std::unique_ptr<Form5View> tagMasterView_;
  std::unique_ptr<OptionsDialogView> optionsView_;
  std::unique_ptr<QtPubMaster> pubMaster_;
  bool closing_ = false;
};

}  // namespace lumbrix
