// The document window's view: the tabs "Lumbrix-er" and "HTML код" with their panes, and under
// the code pane the encoding box, the line-end box and the convert toggle. It forwards their
// events to the document form and shows the form's state.
#pragma once

#include <QFont>
#include <QWidget>
#include <memory>
#include <string_view>

class QComboBox;
class QMenu;
class QTimer;
class QTabWidget;
class QToolButton;

namespace lumbrix {

class CodePane;
class DeferredPane;
class Dialogs;
class FontPanelView;
class PlainPane;
struct ColourDialogState;
class TEditForm;
struct Settings;

class EditFormView : public QWidget {
  Q_OBJECT

 public:
  // `colours` is the frame's one colour dialog, shared by every window.
  EditFormView(const Settings& settings, Dialogs& dialogs, ColourDialogState& colours,
               QWidget* parent = nullptr);
  ~EditFormView() override;

  TEditForm& form() { return *form_; }
  CodePane& codePane() { return *code_; }
  // The plain-text pane; built here if the window has not needed it yet.
  PlainPane& plainPane();
  bool plainPaneBuilt() const { return plain_ != nullptr; }
  QTabWidget* tabs() const { return tabs_; }
  QComboBox* encodeType() const { return encodeType_; }
  QComboBox* lfcrType() const { return lfcrType_; }
  QToolButton* translateButton() const { return translate_; }
  QTimer* syntaxTimer() const { return syntaxTimer_; }
  // The help topic of the tab shown.
  int helpContext() const;

  // Shows the form's state: boxes, toggle, caption, colours, font and the kind's buttons.
  void render();

  // Runs a command of the document window's menus and buttons by its handler name.
  void runCommand(std::string_view handler);

  QMenu* codePopupMenu() const { return ensureMenus(), codePopup_; }
  QMenu* lumbrixPopupMenu() const { return ensureMenus(), lumbrixPopup_; }
  QMenu* tagsPopupMenu() const { return ensureMenus(), tagsPopup_; }
  QMenu* brPopupMenu() const { return ensureMenus(), brPopup_; }
  QToolButton* button(const QString& name) const;
  FontPanelView& fontPanel() { return *fontPanel_; }

 signals:
  void captionChanged(const QString& caption);

 private:
  const Settings& settings_;
  Dialogs& dialogs_;
  ColourDialogState& colours_;
  std::unique_ptr<CodePane> code_;
  // The "Lumbrix-er" tab's pane is built when the tab is first shown or a command first needs
  // it: most windows never show it. Until then the form sees the deferred pane's empty state.
  std::unique_ptr<PlainPane> plain_;
  std::unique_ptr<DeferredPane> lumbrix_;
  std::unique_ptr<TEditForm> form_;
  QTabWidget* tabs_;
  QWidget* plainPage_;
  QComboBox* encodeType_;
  QComboBox* lfcrType_;
  QToolButton* translate_;
  void buildCommands(QWidget* buttonRow);
  void buildPlainPane();
  QWidget* buildConversionControls();
  void ensureMenus() const;

  mutable QMenu* codePopup_ = nullptr;
  mutable QMenu* lumbrixPopup_ = nullptr;
  mutable QMenu* tagsPopup_ = nullptr;
  mutable QMenu* brPopup_ = nullptr;
  QList<QToolButton*> formatButtons_;
  std::unique_ptr<FontPanelView> fontPanel_;
  QFont appliedFont_;
  QTimer* syntaxTimer_;
};

}  // namespace lumbrix
