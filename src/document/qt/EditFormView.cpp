#include "document/qt/EditFormView.h"

#include <Qsci/qsciscintilla.h>

#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "commands/DocumentCommands.h"
#include "commands/TagCommands.h"
#include "common/qt/CodePane.h"
#include "common/qt/PlainPane.h"
#include "common/qt/WinQString.h"
#include "document/EditForm.h"
#include "document/Encodings.h"

namespace lumbrix {

namespace {

constexpr int kLumbrixTab = 0;
constexpr int kCodeTab = 1;

QColor colorOf(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace

EditFormView::EditFormView(const Settings& settings, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      dialogs_(dialogs),
      code_(std::make_unique<CodePane>()),
      plain_(std::make_unique<PlainPane>()),
      tabs_(new QTabWidget(this)),
      encodeType_(new QComboBox),
      lfcrType_(new QComboBox),
      translate_(new QToolButton),
      syntaxTimer_(new QTimer(this)) {
  setObjectName(QStringLiteral("EditForm"));
  setMinimumSize(TEditForm::kMinWidth, TEditForm::kMinHeight);
  resize(623, 366);

  // The plain-text pane: navy text, accepts the tab key.
  QPlainTextEdit* plainEdit = plain_->widget();
  plainEdit->setObjectName(QStringLiteral("LumbrixEditor"));
  QPalette palette = plainEdit->palette();
  palette.setColor(QPalette::Text, QColor(0, 0, 128));
  plainEdit->setPalette(palette);
  plainEdit->setTabChangesFocus(false);

  QsciScintilla* codeEdit = code_->widget();
  codeEdit->setObjectName(QStringLiteral("CodeEditor"));

  encodeType_->setObjectName(QStringLiteral("EncodeType"));
  encodeType_->addItems({QStringLiteral("WIN"), QStringLiteral("KOI8"), QStringLiteral("ISO")});
  encodeType_->setToolTip(QStringLiteral("Кодировка"));
  encodeType_->setStatusTip(encodeType_->toolTip());
  lfcrType_->setObjectName(QStringLiteral("LFCRType"));
  lfcrType_->addItems({QStringLiteral("CR+LF"), QStringLiteral("LF")});
  lfcrType_->setToolTip(QStringLiteral("Тип перевода строки"));
  lfcrType_->setStatusTip(lfcrType_->toolTip());
  translate_->setObjectName(QStringLiteral("TranslateButton"));
  translate_->setCheckable(true);
  translate_->setText(QStringLiteral("Преобр."));
  translate_->setToolTip(QStringLiteral("Преобразовать"));
  translate_->setStatusTip(translate_->toolTip());

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

  auto* plainPage = new QWidget;
  plainPage->setObjectName(QStringLiteral("TabLumbrix"));
  auto* plainLayout = new QVBoxLayout(plainPage);
  plainLayout->setContentsMargins(0, 0, 0, 0);
  plainLayout->addWidget(plainEdit);

  tabs_->setObjectName(QStringLiteral("PageControl1"));
  tabs_->setTabPosition(QTabWidget::South);
  tabs_->setStyleSheet(QStringLiteral("QTabBar::tab { width: 100px; }"));
  tabs_->addTab(plainPage, QStringLiteral("Lumbrix-er"));
  tabs_->addTab(codePage, QStringLiteral("HTML код"));
  tabs_->setCurrentIndex(kCodeTab);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tabs_);

  form_ = std::make_unique<TEditForm>(settings, dialogs, *code_, *plain_);
  buildCommands(buttonRow);
  form_->ViewChanged = [this] { render(); };

  syntaxTimer_->setObjectName(QStringLiteral("SyntaxTimer"));
  syntaxTimer_->setInterval(TEditForm::kSyntaxTimerInterval);
  connect(code_.get(), &CodePane::textChanged, this, [this] { form_->CodeEditorChange(); });
  connect(syntaxTimer_, &QTimer::timeout, this, [this] { form_->SyntaxTimerTimer(); });

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

// Pictures of the style buttons, which have no caption.
QString glyphOf(std::string_view handler) {
  if (handler == "SetBold") return QStringLiteral("B");
  if (handler == "SetItalic") return QStringLiteral("I");
  if (handler == "SetStrikeout") return QStringLiteral("S");
  if (handler == "SetUnderln") return QStringLiteral("U");
  if (handler == "SetBig") return QStringLiteral("A+");
  if (handler == "SetSub") return QStringLiteral("x₂");
  if (handler == "SetSup") return QStringLiteral("x²");
  return QStringLiteral("¶");
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
  QWidget* plain = plain_->widget();
  plain->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(plain, &QWidget::customContextMenuRequested, this,
          [this, plain](const QPoint& at) { lumbrixPopupMenu()->exec(plain->mapToGlobal(at)); });

  auto* row = new QHBoxLayout(buttonRow);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  for (const ButtonEntry& b : DocumentButtons()) {
    auto* button = new QToolButton(buttonRow);
    button->setObjectName(ToQString(b.name));
    button->setAutoRaise(true);
    button->setToolTip(ToQString(b.hint));
    button->setStatusTip(ToQString(b.hint));
    button->setText(b.caption.empty() ? glyphOf(b.handler) : ToQString(b.caption));
    QFont font = button->font();
    font.setBold(b.handler == "SetBold");
    font.setItalic(b.handler == "SetItalic");
    font.setStrikeOut(b.handler == "SetStrikeout");
    font.setUnderline(b.handler == "SetUnderln");
    button->setFont(font);
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
    emit captionChanged(caption);
  }
}

}  // namespace lumbrix
