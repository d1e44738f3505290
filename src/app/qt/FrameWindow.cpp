#include "app/qt/FrameWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/MenuTable.h"
#include "app/qt/FrameActions.h"
#include "app/qt/WindowArrangement.h"
#include "common/Platform.h"
#include "common/qt/CodePane.h"
#include "common/qt/CommandIcons.h"
#include "common/qt/QtDialogs.h"
#include "common/qt/QtFonts.h"
#include "common/qt/WinQString.h"
#include "document/EditForm.h"
#include "document/qt/EditFormView.h"
#include "document/qt/QtShortDate.h"
#include "search/FindForm.h"
#include "publication/qt/PubMasterView.h"
#include "search/GoToForm.h"
#include "search/qt/FindFormView.h"
#include "search/qt/GoToFormView.h"
#include "templates/Templates.h"
#include "templates/qt/CreateFileView.h"
#include "tagmaster/Form5.h"
#include "tagmaster/qt/Form5View.h"
#include "common/qt/QtDialogs.h"
#include "settings/qt/OptionsDialogView.h"

namespace lumbrix {

namespace {

// A document window inside the frame. Closing it asks its form first, unless the frame has
// already asked or the window is closed without asking (a file that could not be read).
class DocumentSubWindow : public QMdiSubWindow {
 public:
  explicit DocumentSubWindow(EditFormView* view) : view_(view) {
    setWidget(view);
    setAttribute(Qt::WA_DeleteOnClose);
    // The system menu's own keys (Ctrl+W, Ctrl+F4 to close) belong to the frame's menus here.
    for (QAction* a : systemMenu()->actions()) a->setShortcuts({});
    setWindowTitle(view->windowTitle());
    QObject::connect(view, &EditFormView::captionChanged, this, &QWidget::setWindowTitle);
    // The system menu's Close answers Ctrl+W too, which belongs to the preview command; the
    // window keeps Ctrl+F4.
    for (QAction* a : systemMenu()->actions())
      if (a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
        a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
  }
  EditFormView* view() const { return view_; }
  bool closeWithoutAsking = false;

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (!closeWithoutAsking && !view_->form().FormCloseQuery()) {
      event->ignore();
      return;
    }
    QMdiSubWindow::closeEvent(event);
  }

 private:
  EditFormView* view_;
};

// Is `key` the key of an item of `menu` or of its submenus?
bool menuOwnsKey(const QMenu* menu, const QKeySequence& key) {
  for (const QAction* a : menu->actions()) {
    if (a->shortcuts().contains(key)) return true;
    if (a->menu() && menuOwnsKey(a->menu(), key)) return true;
  }
  return false;
}

// Commands the window layer runs itself rather than the frame form.
bool isWindowCommand(const QString& handler) {
  return handler.startsWith(QLatin1String("Window")) || handler == QLatin1String("Quit") ||
         handler == QLatin1String("N11Click") || handler == QLatin1String("GoTo") ||
         handler == QLatin1String("N78Click") || handler == QLatin1String("Find") ||
         handler == QLatin1String("Replace") || handler == QLatin1String("TagMaster") ||
         handler == QLatin1String("AttrMaster") || handler == QLatin1String("PublicationMaster");
}

}  // namespace

FrameWindow::FrameWindow(Dialogs& dialogs, Registry& registry, Help& help,
                         std::vector<std::string> arguments, QWidget* parent)
    : FrameWindow(dialogs, registry, help, *new QtShortDate, std::move(arguments), parent) {
  // The date source made above belongs to this window.
  ownDate_.reset(&form_.date());
}

FrameWindow::FrameWindow(Dialogs& dialogs, Registry& registry, Help& help, ShortDate& date,
                         std::vector<std::string> arguments, QWidget* parent)
    : QMainWindow(parent),
      form_(dialogs, registry, help, *this, date),
      help_(help),
      arguments_(std::move(arguments)),
      mdi_(new QMdiArea(this)),
      label1_(new QLabel(this)) {
  setObjectName(QStringLiteral("FrameForm"));
  setWindowTitle(QStringLiteral("Lumbrix"));
  setWindowIcon(ProgramIcon());
  mdi_->setObjectName(QStringLiteral("MdiArea"));
  mdi_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
  setCentralWidget(mdi_);
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  statusBar()->setSizeGripEnabled(true);
  statusBar()->setAccessibleName(QStringLiteral("Строка состояния"));
  mdi_->setAccessibleName(QStringLiteral("Документы"));

  goTo_ = std::make_unique<TGoToForm>();
  goToView_ = std::make_unique<GoToFormView>(*goTo_, this);
  pubMaster_ = std::make_unique<QtPubMaster>(form_.dialogs(), form_.shell(), this);
  actions_ = std::make_unique<FrameActions>(this, [this](const QString& h) { run(h); });
  for (QAction* a : findChildren<QAction*>()) {
    const QString h = a->objectName();
    if (h.isEmpty() || h.startsWith(QLatin1String("tool:"))) continue;
    a->setEnabled(isWindowCommand(h) || TFrameForm::HasCommand(FromQString(h)));
  }
  connect(actions_->windowMenu(), &QMenu::aboutToShow, this, &FrameWindow::fillWindowMenu);
  actions_->toolBar()->setAccessibleName(QStringLiteral("Панель инструментов"));
  // The tool bar's own button for the buttons that do not fit, and the status bar's size grip,
  // are made by Qt without a name.
  if (auto* more = actions_->toolBar()->findChild<QToolButton*>(
          QStringLiteral("qt_toolbar_ext_button"), Qt::FindDirectChildrenOnly))
    more->setAccessibleName(QStringLiteral("Остальные кнопки"));
  for (QWidget* grip : statusBar()->findChildren<QSizeGrip*>())
    grip->setAccessibleName(QStringLiteral("Размер окна"));

  // A transparent, caption-less label over the client area, sized by the tool bar.
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setAttribute(Qt::WA_TransparentForMouseEvents);
  label1_->setAttribute(Qt::WA_TranslucentBackground);
  label1_->move(50, 50);

  form_.ChromeChanged = [this] { applyChrome(); };
  form_.TemplateFolder = FromQString(CreateFileView::FindTemplateFolder());
  // The program's template folder may be read-only (installed): exports go to the user's own.
  form_.UserTemplateFolder = DefaultUserTemplateFolder().value_or(std::string());
  pubMaster_->SetExportFolder(form_.ExportFolder());
  form_.ShowCreateFileForm = [this](TCreateFileForm& dialog) {
    if (!createFileView_) createFileView_ = std::make_unique<CreateFileView>(help_, this);
    createFileView_->run(dialog);
  };
  // The options dialog is made when first asked for and lives as long as the frame.
  const QPalette colours = QApplication::palette();
  form_.systemColors = {WinFromColor(colours.color(QPalette::Base)),
                        WinFromColor(colours.color(QPalette::Text)),
                        WinFromColor(colours.color(QPalette::Button))};
  form_.RunOptionsDialog = [this](TOptionsDialog&) {
    if (!optionsView_)
      optionsView_ = std::make_unique<OptionsDialogView>(form_.OptionsDialog, form_.dialogs(),
                                                         help_, this);
    return optionsView_->exec() == QDialog::Accepted;
  };
  // F1 anywhere in the program, the document windows' menus included, asks for help here.
  qApp->installEventFilter(this);
  resize(1024, 768);
}

FrameWindow::~FrameWindow() {
  // No event reaches a frame whose members are going.
  qApp->removeEventFilter(this);
  // Document forms go before the frame form that their windows refer to. Every document
  // window goes here, while the frame's members live, those already closing (deleted later,
  // and no longer listed by the area) included.
  for (QMdiSubWindow* w : mdi_->findChildren<QMdiSubWindow*>()) delete w;
}

void FrameWindow::run(const QString& handler) {
  if (isWindowCommand(handler)) {
    runWindowCommand(handler);
    return;
  }
  form_.Execute(FromQString(handler));
}

void FrameWindow::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  if (!form_.FirstShowDone && !property("firstShowQueued").toBool()) {
    // Messages of the first show need the event loop; the paint itself stays a paint.
    setProperty("firstShowQueued", true);
    QTimer::singleShot(0, this, &FrameWindow::firstShow);
  }
}

void FrameWindow::firstShow() {
  form_.FormPaint(arguments_);
}

void FrameWindow::applyChrome() {
  actions_->applyChrome(form_.chrome);
  setWindowTitle(ToQString(form_.chrome.caption));
  layoutLabel1();
}

void FrameWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layoutLabel1();
}

// The label spans the tool bar's buttons less 50 pixels, along the bar's direction.
void FrameWindow::layoutLabel1() {
  if (!actions_) return;
  const bool horizontal = form_.chrome.toolBarPlacement == ToolBarPlacement::Top ||
                          form_.chrome.toolBarPlacement == ToolBarPlacement::Bottom;
  int sum = 0;
  for (QToolButton* b : actions_->toolBar()->findChildren<QToolButton*>()) {
    if (!b->isVisibleTo(actions_->toolBar())) continue;
    sum += horizontal ? b->sizeHint().width() : b->sizeHint().height();
  }
  if (horizontal)
    label1_->resize(std::max(0, sum - 50), 50);
  else
    label1_->resize(50, std::max(0, sum - 50));
}

void FrameWindow::closeEvent(QCloseEvent* event) {
  if (!form_.FormCloseQuery()) {
    event->ignore();
    return;
  }
  for (QMdiSubWindow* w : mdi_->subWindowList())
    static_cast<DocumentSubWindow*>(w)->closeWithoutAsking = true;
  event->accept();
  // Every other window of the program (help, About box, dialogs) goes with the frame, so that
  // nothing is left on the screen and the program ends.
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != this && w->isVisible()) w->close();
}

bool FrameWindow::ownsKey(const QKeyEvent& key) const {
  if (key.key() == 0 || key.key() == Qt::Key_unknown) return false;
  const QKeySequence sequence(key.keyCombination());
  for (const QAction* a : menuBar()->actions())
    if (a->menu() && menuOwnsKey(a->menu(), sequence)) return true;
  return false;
}

int FrameWindow::OwnHelpContext(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    const QVariant own = w->property("helpContext");
    if (own.isValid() && !qobject_cast<const QMenu*>(w)) return own.toInt();
  }
  return 0;
}

bool FrameWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
    return QMainWindow::eventFilter(watched, event);
  // Keys reach widgets; the window objects that pass them on are not asked.
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget) return QMainWindow::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);

  // A key of the frame's menus is the menu's wherever the focus is in the frame: the panes would
  // otherwise claim some of them as their own (Ctrl+Z, Ctrl+U, Shift+F2 ...).
  if (event->type() == QEvent::ShortcutOverride) {
    if (widget->window() == this && ownsKey(*key)) {
      event->ignore();
      return true;
    }
    return QMainWindow::eventFilter(watched, event);
  }

  if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
    // An open menu has its own topic, the document's menus in a property.
    int context = kFrameHelpContext;
    // A control that names a topic of its own (the options dialog's) opens that topic.
    if (const int own = OwnHelpContext(widget)) {
      help_.ShowTopic(own);
      return true;
    }
    if (auto* menu = qobject_cast<QMenu*>(watched)) {
      const QVariant own = menu->property("helpContext");
      context =
          own.isValid() ? own.toInt() : actions_->menuHelpContexts().value(menu, kFrameHelpContext);
    } else if (findView_ && widget->window() == findView_.get()) {
      context = FindFormView::kHelpContext;
    } else if (const QWidget* dialog = widget->window();
               dialog != this && dialog->property("helpContext").isValid()) {
      context = dialog->property("helpContext").toInt();
    } else if (TEditForm* active = ActiveDocument()) {
      if (EditFormView* view = viewOf(*active);
          view && view->isAncestorOf(QApplication::focusWidget()))
        context = view->helpContext();
    }
    help_.ShowTopic(context);
    return true;
  }
  // A menu key whose item cannot run now does nothing, rather than type into a pane.
  if (widget->window() == this && ownsKey(*key)) return true;
  return QMainWindow::eventFilter(watched, event);
}

TEditForm& FrameWindow::CreateDocument() {
  auto* view = new EditFormView(form_.settings, form_.dialogs(), form_.ColorDialog1, nullptr);
  AttachHighlighter(view->form(), form_.settings, form_.Hilite);
  // Esc in the code pane hides the find dialog when it is shown.
  view->form().HideFindDialog = [this] { return hideFindDialog(); };
  auto* window = new DocumentSubWindow(view);
  // The smallest size holds the window's frame as well as its contents.
  window->setMinimumSize(SmallestDocumentSize());
  view->codePane().widget()->installEventFilter(this);
  mdi_->addSubWindow(window);
  window->setWindowIcon(windowIcon());
  // The document's client area starts at 623 x 366; the frame's margins are known once the
  // window is in the area.
  window->resize(QSize(kDocumentClientWidth, kDocumentClientHeight)
                     .grownBy(window->contentsMargins())
                     .expandedTo(window->minimumSize()));
  if (view->form().Maximized) {
    window->showMaximized();
  } else {
    window->show();
    // The area places a window where it overlaps least, which may reach past the area's edges
    // once the area is full.
    window->move(PlaceInside(window->geometry(), mdi_->viewport()->rect()).topLeft());
  }
  mdi_->setActiveSubWindow(window);
  // A document window that goes hides the find dialog; its fields stay for the next opening.
  connect(window, &QObject::destroyed, this, [this] {
    if (findView_) findView_->HideDialog();
  });
  return view->form();
}

void FrameWindow::DestroyDocument(TEditForm& form) {
  for (QMdiSubWindow* w : mdi_->subWindowList()) {
    auto* doc = static_cast<DocumentSubWindow*>(w);
    if (&doc->view()->form() != &form) continue;
    doc->closeWithoutAsking = true;
    mdi_->removeSubWindow(doc);
    delete doc;
    return;
  }
}

EditFormView* FrameWindow::viewOf(const TEditForm& form) const {
  for (QMdiSubWindow* w : mdi_->subWindowList()) {
    auto* doc = static_cast<DocumentSubWindow*>(w);
    if (&doc->view()->form() == &form) return doc->view();
  }
  return nullptr;
}

TEditForm* FrameWindow::ActiveDocument() {
  QMdiSubWindow* w = mdi_->currentSubWindow();
  if (!w) w = mdi_->activeSubWindow();
  if (!w && !mdi_->subWindowList().isEmpty()) w = mdi_->subWindowList().last();
  return w ? &static_cast<DocumentSubWindow*>(w)->view()->form() : nullptr;
}

std::vector<TEditForm*> FrameWindow::Documents() {
  std::vector<TEditForm*> all;
  for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder))
    all.push_back(&static_cast<DocumentSubWindow*>(w)->view()->form());
  return all;
}

bool FrameWindow::FrameMaximized() const {
  return isMaximized();
}

void FrameWindow::SetFrameMaximized(bool maximized) {
  if (maximized)
    showMaximized();
  else
    showNormal();
}

void FrameWindow::runWindowCommand(const QString& h) {
  if (h == QLatin1String("Quit")) {
    close();
  } else if (h == QLatin1String("N11Click")) {
    if (showAbout) showAbout();
  } else if (h == QLatin1String("GoTo") || h == QLatin1String("N78Click")) {
    if (TEditForm* document = ActiveDocument()) {
      form_.EditForm = document;
      goToView_->Execute(*document, h == QLatin1String("N78Click"));
    }
  } else if (h == QLatin1String("Find") || h == QLatin1String("Replace")) {
    openFindDialog(h == QLatin1String("Replace"));
  } else if (h == QLatin1String("TagMaster") || h == QLatin1String("AttrMaster")) {
    if (TEditForm* document = ActiveDocument()) {
      form_.EditForm = document;
      tagMasterView()->Execute(*document, h == QLatin1String("TagMaster")
                                              ? TForm5::Mode::TagMaster
                                              : TForm5::Mode::AttrMaster);
    }
  } else if (h == QLatin1String("PublicationMaster")) {
    form_.PublicationMaster(*pubMaster_);
  } else if (h == QLatin1String("WindowCascade1")) {
    mdi_->cascadeSubWindows();
  } else if (h == QLatin1String("WindowTileHorizontal1")) {
    tile(Qt::Horizontal);
  } else if (h == QLatin1String("WindowTileVertical1")) {
    tile(Qt::Vertical);
  } else if (h == QLatin1String("WindowArrange1")) {
    arrangeMinimized();
  } else if (h == QLatin1String("WindowMinimizeAll1")) {
    for (QMdiSubWindow* w : mdi_->subWindowList()) w->showMinimized();
  } else if (h == QLatin1String("WindowClose1")) {
    mdi_->closeActiveSubWindow();
  }
}

void FrameWindow::openFindDialog(bool replace) {
  if (!find_) {
    Dialogs* dialogs = &form_.dialogs();
    if (dynamic_cast<QtDialogs*>(dialogs)) {
      findDialogs_ = std::make_unique<QtDialogs>();
      dialogs = findDialogs_.get();
    }
    find_ = std::make_unique<TFindForm>(*dialogs);
    find_->ActiveDocument = [this] {
      TEditForm* document = ActiveDocument();
      if (document) form_.EditForm = document;
      return document;
    };
    findView_ = std::make_unique<FindFormView>(*find_, this);
    if (findDialogs_) static_cast<QtDialogs*>(findDialogs_.get())->setParent(findView_.get());
  }
  if (replace)
    find_->ReplaceExecute();
  else
    find_->FindExecute();
}

bool FrameWindow::hideFindDialog() {
  if (!findView_ || !findView_->IsShown()) return false;
  findView_->HideDialog();
  return true;
}

// The tag master is made by the first command that needs it, with the catalogue and the font
// names of this moment, and kept with the frame.
Form5View* FrameWindow::tagMasterView() {
  if (!tagMasterView_) {
    QtFonts fonts;
    tagMaster_ = std::make_unique<TForm5>(form_.dialogs(), help_, form_.ColorDialog1,
                                          fonts.Families());
    tagMasterView_ = std::make_unique<Form5View>(*tagMaster_, this);
  }
  return tagMasterView_.get();
}

// Minimised windows keep their places; the others share the client area.
void FrameWindow::tile(Qt::Orientation orientation) {
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder))
    if (!w->isMinimized()) windows << w;
  const QList<QRect> places = TiledRects(mdi_->viewport()->rect(), static_cast<int>(windows.size()),
                                         SmallestDocumentSize(), orientation);
  for (int i = 0; i < windows.size(); ++i) {
    windows[i]->showNormal();
    windows[i]->setGeometry(places[i]);
  }
}

void FrameWindow::arrangeMinimized() {
  const QRect area = mdi_->viewport()->rect();
  int x = 0;
  int y = area.bottom();
  for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    if (!w->isMinimized()) continue;
    const QSize s = w->size();
    if (x + s.width() > area.width() && x > 0) {
      x = 0;
      y -= s.height();
    }
    w->move(x, y - s.height() + 1);
    x += s.width();
  }
}

// The window menu ends with the list of open documents; the current one is checked.
void FrameWindow::fillWindowMenu() {
  QMenu* menu = actions_->windowMenu();
  for (QAction* a : menu->actions())
    if (a->property("documentEntry").toBool()) {
      menu->removeAction(a);
      delete a;
    }
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
  if (windows.isEmpty()) return;
  QAction* separator = menu->addSeparator();
  separator->setProperty("documentEntry", true);
  int number = 1;
  for (QMdiSubWindow* w : windows) {
    QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(w->windowTitle()));
    a->setProperty("documentEntry", true);
    a->setCheckable(true);
    a->setChecked(w == mdi_->currentSubWindow());
    // A minimised window chosen from the list comes back, so that commands reach a window
    // the user can see.
    connect(a, &QAction::triggered, this, [this, w] {
      if (w->isMinimized()) w->showNormal();
      mdi_->setActiveSubWindow(w);
    });
  }
}

}  // namespace lumbrix
