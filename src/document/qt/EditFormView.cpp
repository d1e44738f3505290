#include "document/qt/EditFormView.h"

#include <Qsci/qsciscintilla.h>

#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "commands/DocumentCommands.h"
#include "commands/TagCommands.h"
#include "common/DeferredPane.h"
#include "common/qt/CodePane.h"
#include "common/qt/CommandIcons.h"
#include "common/qt/PlainPane.h"
#include "common/qt/WinQString.h"
#include "document/EditForm.h"
#include "document/Encodings.h"
#include "document/qt/CodeKeys.h"

namespace lumbrix {

namespace {

constexpr int kLumbrixTab = 0;
constexpr int kCodeTab = 1;

// A box's hint is its name for screen readers; on some platforms a box reports its current
// item as its name, so the hint is its description as well.
void describeForScreenReaders(QComboBox* box) {
  box->setAccessibleName(box->toolTip());
  box->setAccessibleDescription(box->toolTip());
}

QColor colorOf(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

// The page tabs are 100 pixels wide. A tab bar of that width rather than a style sheet: a style
// sheet would re-style every widget of every document window as it is built.
class FixedTabBar : public QTabBar {
 public:
  using QTabBar::QTabBar;

 protected:
  QSize tabSizeHint(int index) const override {
    return QSize(100, QTabBar::tabSizeHint(index).height());
  }
};

class PageTabs : public QTabWidget {
 public:
  explicit PageTabs(QWidget* parent) : QTabWidget(parent) { setTabBar(new FixedTabBar(this)); }
};

// QScintilla wraps a whole text at once, measuring every line, whenever the text or the pane's
// width changes while wrapping is on. So the code pane takes the wrap mode it was created with
// at its first paint: a page loaded before its window is seen, or in a window under others, is
// not measured until it is seen. By then the caret is where loading put it; it is scrolled into
// view again, as loading did with the lines wrapped.
class WrapWhenSeen : public QObject {
 public:
  explicit WrapWhenSeen(QsciScintilla* edit) : QObject(edit), edit_(edit), mode_(edit->wrapMode()) {
    edit->setWrapMode(QsciScintilla::WrapNone);
    edit->viewport()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // A command that set a mode meanwhile has the last word.
      if (edit_->wrapMode() == QsciScintilla::WrapNone) {
        edit_->setWrapMode(mode_);
        // Wrapping the lines up to the caret's first puts it where the wrapped lines have it.
        const long caret = edit_->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
        edit_->SendScintilla(QsciScintillaBase::SCI_ENSUREVISIBLE,
                             edit_->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                                  static_cast<unsigned long>(caret)));
        edit_->SendScintilla(QsciScintillaBase::SCI_SCROLLCARET);
      }
      deleteLater();
    }
    return false;
  }

 private:
  QsciScintilla* edit_;
  QsciScintilla::WrapMode mode_;
};

// A page whose content is built when it is first shown, before the page takes the focus from
// the page left, so the focus lands in the new content as it would had it always been there.
class DeferredPage : public QWidget {
 public:
  explicit DeferredPage(std::function<void()> build) : build_(std::move(build)) {}

 protected:
  void showEvent(QShowEvent* event) override {
    if (build_) std::exchange(build_, nullptr)();
    QWidget::showEvent(event);
  }

 private:
  std::function<void()> build_;
};

}  // namespace

EditFormView::EditFormView(const Settings& settings, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      dialogs_(dialogs),
      code_(std::make_unique<CodePane>()),
      lumbrix_(std::make_unique<DeferredPane>([this]() -> TextPane& {
        buildPlainPane();
        return *plain_;
      })),
      tabs_(new PageTabs(this)),
      plainPage_(new DeferredPage([this] { buildPlainPane(); })),
      encodeType_(new QComboBox),
      lfcrType_(new QComboBox),
      translate_(new QToolButton),
      syntaxTimer_(new QTimer(this)) {
  setObjectName(QStringLiteral("EditForm"));
  resize(623, 366);

  QsciScintilla* codeEdit = code_->widget();
  codeEdit->setObjectName(QStringLiteral("CodeEditor"));
  codeEdit->setAccessibleName(QStringLiteral("HTML код"));

  encodeType_->setObjectName(QStringLiteral("EncodeType"));
  encodeType_->addItems({QStringLiteral("WIN"), QStringLiteral("KOI8"), QStringLiteral("ISO")});
  encodeType_->setToolTip(QStringLiteral("Кодировка"));
  encodeType_->setStatusTip(encodeType_->toolTip());
  describeForScreenReaders(encodeType_);
  lfcrType_->setObjectName(QStringLiteral("LFCRType"));
  lfcrType_->addItems({QStringLiteral("CR+LF"), QStringLiteral("LF")});
  lfcrType_->setToolTip(QStringLiteral("Тип перевода строки"));
  lfcrType_->setStatusTip(lfcrType_->toolTip());
  describeForScreenReaders(lfcrType_);
  translate_->setObjectName(QStringLiteral("TranslateButton"));
  translate_->setCheckable(true);
  translate_->setText(QStringLiteral("Преобр."));
  translate_->setToolTip(QStringLiteral("Преобразовать"));
  translate_->setStatusTip(translate_->toolTip());
  translate_->setAccessibleDescription(translate_->toolTip());

  auto* codePage = new QWidget;
  codePage->setObjectName(QStringLiteral("TabCode"));
  auto* codeLayout = new QVBoxLayout(codePage);
  codeLayout->setContentsMargins(0, 0, 0, 0);
  codeLayout->setSpacing(2);
  codeLayout->addWidget(codeEdit, 1);
  auto* boxes = new QHBoxLayout;
  boxes->setContentsMargins(2, 0, 2, 2);
  auto* buttonRow = new QWidget;
  boxes->addWidget(buttonRow);
  boxes->addWidget(encodeType_);
  boxes->addWidget(lfcrType_);
  boxes->addWidget(translate_);
  boxes->addStretch(1);
  codeLayout->addLayout(boxes);

  plainPage_->setObjectName(QStringLiteral("TabLumbrix"));
  auto* plainLayout = new QVBoxLayout(plainPage_);
  plainLayout->setContentsMargins(0, 0, 0, 0);

  tabs_->setObjectName(QStringLiteral("PageControl1"));
  tabs_->setTabPosition(QTabWidget::South);
  tabs_->addTab(plainPage_, QStringLiteral("Lumbrix-er"));
  tabs_->addTab(codePage, QStringLiteral("HTML код"));
  tabs_->setCurrentIndex(kCodeTab);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tabs_);

  form_ = std::make_unique<TEditForm>(settings, dialogs, *code_, *lumbrix_);
  // The form has switched wrapping on; the lines are measured when the pane is first seen.
  new WrapWhenSeen(codeEdit);
  buildCommands(buttonRow);
  form_->ViewChanged = [this] { render(); };

  syntaxTimer_->setObjectName(QStringLiteral("SyntaxTimer"));
  syntaxTimer_->setInterval(TEditForm::kSyntaxTimerInterval);
  connect(code_.get(), &CodePane::textChanged, this, [this] { form_->CodeEditorChange(); });
  connect(syntaxTimer_, &QTimer::timeout, this, [this] { form_->SyntaxTimerTimer(); });
  // Keyboard assistance in the code pane; Esc closes this window.
  ConnectKeyAssist(*code_, *form_, settings, this);

  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    form_->ActiveTab =
        index == kLumbrixTab ? TEditForm::PageTab::Lumbrix : TEditForm::PageTab::Code;
  });
  // `activated` comes only from the user, never from render().
  connect(encodeType_, &QComboBox::activated, this, [this](int index) {
    form_->EncodeTypeIndex = index;
    form_->EncodeTypeChange();
  });
  connect(lfcrType_, &QComboBox::activated, this, [this](int index) {
    form_->LFCRTypeIndex = index;
    form_->LFCRTypeChange();
  });
  connect(translate_, &QToolButton::toggled, this,
          [this](bool down) { form_->TranslateDown = down; });

  render();
  codeEdit->setFocus();
}

EditFormView::~EditFormView() {
  // The form refers to the panes: it goes first.
  form_.reset();
}

PlainPane& EditFormView::plainPane() {
  lumbrix_->Built();
  return *plain_;
}

// The plain-text pane: navy text, accepts the tab key, its own context menu.
void EditFormView::buildPlainPane() {
  if (plain_) return;
  plain_ = std::make_unique<PlainPane>();
  QPlainTextEdit* plainEdit = plain_->widget();
  plainEdit->setObjectName(QStringLiteral("LumbrixEditor"));
  QPalette palette = plainEdit->palette();
  palette.setColor(QPalette::Text, QColor(0, 0, 128));
  plainEdit->setPalette(palette);
  plainEdit->setTabChangesFocus(false);
  plainEdit->setAccessibleName(QStringLiteral("Lumbrix-er"));
  plainEdit->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(plainEdit, &QWidget::customContextMenuRequested, this,
          [this, plainEdit](const QPoint& at) {
            lumbrixPopupMenu()->exec(plainEdit->mapToGlobal(at));
          });
  plainPage_->layout()->addWidget(plainEdit);
  // A page already on screen shows what is added to it at once.
  if (plainPage_->isVisible()) plainEdit->show();
}

namespace {

// Builds a menu from one of the command tables; every item runs its handler through `run`.
template <typename Entry, typename Run>
QMenu* buildMenu(std::span<const Entry> entries, int helpContext, QWidget* parent, Run run) {
  auto* menu = new QMenu(parent);
  menu->setProperty("helpContext", helpContext);
  QList<QMenu*> open{menu};  // the submenus that are being filled, innermost last
  for (const Entry& e : entries) {
    QMenu* target = open.last();
    switch (e.kind) {
      case MenuKind::Menu:
        break;
      case MenuKind::Submenu: {
        QMenu* sub = target->addMenu(ToQString(e.caption));
        sub->setProperty("helpContext", helpContext);
        sub->menuAction()->setStatusTip(ToQString(e.hint));
        sub->menuAction()->setToolTip(ToQString(e.hint));
        open << sub;
        break;
      }
      case MenuKind::EndSubmenu:
        if (open.size() > 1) open.removeLast();
        break;
      case MenuKind::Separator:
        target->addSeparator();
        break;
      case MenuKind::Item: {
        QAction* a = target->addAction(ToQString(e.caption));
        const QString handler = ToQString(e.handler);
        a->setObjectName(handler);
        a->setStatusTip(ToQString(e.hint));
        QObject::connect(a, &QAction::triggered, parent, [run, handler] { run(handler); });
        break;
      }
    }
  }
  menu->setToolTipsVisible(true);
  return menu;
}

}  // namespace

// The four menus hold a few hundred items; a window builds them when one is first wanted, so
// that opening many files stays quick and small.
void EditFormView::ensureMenus() const {
  if (codePopup_) return;
  auto* self = const_cast<EditFormView*>(this);
  auto run = [self](const QString& handler) { self->runCommand(FromQString(handler)); };
  codePopup_ = buildMenu(CodePopupMenu(), kCodePopupHelpContext, self, run);
  codePopup_->setObjectName(QStringLiteral("CodePopupMenu"));
  lumbrixPopup_ = buildMenu(LumbrixPopupMenu(), kLumbrixPopupHelpContext, self, run);
  lumbrixPopup_->setObjectName(QStringLiteral("LumbrixPopupMenu"));
  tagsPopup_ = buildMenu(TagsPopupMenu(), kTagsPopupHelpContext, self, run);
  tagsPopup_->setObjectName(QStringLiteral("TagsPopupMenu"));
  brPopup_ = buildMenu(BrPopupMenu(), kBrPopupHelpContext, self, run);
  brPopup_->setObjectName(QStringLiteral("BrPopupMenu"));
  for (QMenu* m : {codePopup_, lumbrixPopup_, tagsPopup_, brPopup_})
    for (QAction* a : m->findChildren<QAction*>())
      if (!a->objectName().isEmpty())
        a->setEnabled(EditFormCommandAvailable(FromQString(a->objectName())));
}

void EditFormView::buildCommands(QWidget* buttonRow) {
  auto run = [this](const QString& handler) { runCommand(FromQString(handler)); };

  QWidget* code = code_->widget();
  code->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(code, &QWidget::customContextMenuRequested, this,
          [this, code](const QPoint& at) { codePopupMenu()->exec(code->mapToGlobal(at)); });

  auto* row = new QHBoxLayout(buttonRow);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  for (const ButtonEntry& b : DocumentButtons()) {
    auto* button = new QToolButton(buttonRow);
    button->setObjectName(ToQString(b.name));
    button->setAutoRaise(true);
    button->setToolTip(ToQString(b.hint));
    button->setStatusTip(ToQString(b.hint));
    // A button without a caption shows its picture alone and is named by its hint.
    button->setIcon(CommandIcon(b.popup.empty() ? b.handler : b.popup));
    button->setIconSize(QSize(16, 16));
    button->setText(ToQString(b.caption.empty() ? b.hint : b.caption));
    button->setToolButtonStyle(b.caption.empty() ? Qt::ToolButtonIconOnly
                                                 : Qt::ToolButtonTextBesideIcon);
    if (b.caption.empty()) button->setAccessibleName(button->toolTip());
    button->setAccessibleDescription(button->toolTip());
    if (b.popup.empty()) {
      const QString handler = ToQString(b.handler);
      connect(button, &QToolButton::clicked, this, [run, handler] { run(handler); });
    } else {
      // The menu opens when the mouse button is released over the button.
      const bool tags = b.popup == "TagsPopupMenu";
      connect(button, &QToolButton::clicked, this, [this, tags, button] {
        QMenu* menu = tags ? tagsPopupMenu() : brPopupMenu();
        menu->exec(button->mapToGlobal(QPoint(0, button->height())));
      });
    }
    row->addWidget(button);
    formatButtons_ << button;
  }
}

QToolButton* EditFormView::button(const QString& name) const {
  return findChild<QToolButton*>(name);
}

void EditFormView::runCommand(std::string_view handler) {
  RunEditFormCommand(*form_, settings_, dialogs_, handler);
}

int EditFormView::helpContext() const {
  return tabs_->currentIndex() == kLumbrixTab ? 1 : 2;
}

void EditFormView::render() {
  const TEditForm& f = *form_;
  encodeType_->setCurrentIndex(f.EncodeTypeIndex);
  lfcrType_->setCurrentIndex(f.LFCRTypeIndex);
  {
    const QSignalBlocker block(translate_);
    translate_->setChecked(f.TranslateDown);
  }
  // Switching on a running timer does not restart it.
  if (f.SyntaxTimerEnabled != syntaxTimer_->isActive()) {
    if (f.SyntaxTimerEnabled)
      syntaxTimer_->start();
    else
      syntaxTimer_->stop();
  }
  // What the document's kind takes when it is written takes a character from the keyboard too.
  code_->setTakesReferences(KindTakesEntities(f.FileKind));
  QsciScintilla* edit = code_->widget();
  if (!f.UseSystemColors) {
    edit->setPaper(colorOf(f.CodeBackground));
    edit->setColor(colorOf(f.CodeTextColor));
  }
  const QFont font(ToQString(f.CodeFontFace), f.CodeFontSize);
  if (font != appliedFont_) {
    code_->setFont(font);
    appliedFont_ = font;
  }
  for (QToolButton* b : formatButtons_) b->setVisible(f.Groups.format);
  const QString caption = ToQString(f.Caption);
  if (windowTitle() != caption) {
    setWindowTitle(caption);
    setAccessibleName(caption);
    emit captionChanged(caption);
  }
}

}  // namespace lumbrix
