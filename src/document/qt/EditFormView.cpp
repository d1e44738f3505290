#include "document/qt/EditFormView.h"

#include <Qsci/qsciscintilla.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
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
#include "document/qt/FontPanelView.h"
#include "document/qt/TableMenu.h"

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

EditFormView::EditFormView(const Settings& settings, Dialogs& dialogs, ColourDialogState& colours,
                           QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      dialogs_(dialogs),
      colours_(colours),
      code_(std::make_unique<CodePane>()),
      lumbrix_(std::make_unique<DeferredPane>([this]() -> TextPane& {
        buildPlainPane();
        return *plain_;
      })),
      tabs_(new PageTabs(this)),
      plainPage_(new DeferredPage([this] { lumbrix_->Built(); })),
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
  // Under the code pane: the style buttons and the file's boxes, below them the font panel.
  auto* bottom = new QHBoxLayout;
  bottom->setContentsMargins(2, 0, 2, 2);
  auto* rows = new QVBoxLayout;
  rows->setSpacing(1);
  auto* boxes = new QHBoxLayout;
  boxes->setSpacing(2);
  auto* buttonRow = new QWidget;
  boxes->addWidget(buttonRow);
  boxes->addWidget(encodeType_);
  boxes->addWidget(lfcrType_);
  boxes->addWidget(translate_);
  boxes->addStretch(1);
  auto* fontRow = new QHBoxLayout;
  fontRow->setSpacing(1);
  rows->addLayout(boxes);
  rows->addLayout(fontRow);
  bottom->addLayout(rows, 1);
  codeLayout->addLayout(bottom);

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
  fontPanel_ = std::make_unique<FontPanelView>(
      *form_, codePage, [this](std::string_view handler) { runCommand(handler); });
  fontRow->addWidget(fontPanel_->group());
  for (QWidget* w : fontPanel_->besideGroup()) fontRow->addWidget(w);
  fontRow->addStretch(1);

  // "Lumbrix!": the plain text of the other page, converted, in place of the selection. It sits
  // at the end of the page tabs, beside the tab of the text it takes, while the code page is
  // shown: the two rows under the code pane are as wide as the smallest window allows.
  auto* doLumbrix = new QToolButton(tabs_);
  tabs_->setCornerWidget(doLumbrix, Qt::BottomRightCorner);
  doLumbrix->setObjectName(QStringLiteral("DoLumbrix"));
  doLumbrix->setText(QStringLiteral("Lumbrix!"));
  doLumbrix->setToolTip(QStringLiteral("Вставить текст из Lumbrixера"));
  doLumbrix->setStatusTip(doLumbrix->toolTip());
  doLumbrix->setAccessibleDescription(doLumbrix->toolTip());
  doLumbrix->setIcon(CommandIcon("InsLumbrix"));
  doLumbrix->setIconSize(QSize(16, 16));
  doLumbrix->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  doLumbrix->setAutoRaise(true);
  doLumbrix->setFocusPolicy(Qt::NoFocus);
  QFont boldFont = doLumbrix->font();
  boldFont.setBold(true);
  doLumbrix->setFont(boldFont);
  connect(doLumbrix, &QToolButton::clicked, this, [this] { runCommand("InsLumbrix"); });

  form_->ViewChanged = [this] { render(); };

  syntaxTimer_->setObjectName(QStringLiteral("SyntaxTimer"));
  syntaxTimer_->setInterval(TEditForm::kSyntaxTimerInterval);
  connect(code_.get(), &CodePane::textChanged, this, [this] { form_->CodeEditorChange(); });
  connect(syntaxTimer_, &QTimer::timeout, this, [this] { form_->SyntaxTimerTimer(); });
  // Keyboard assistance in the code pane; Esc closes this window.
  ConnectKeyAssist(*code_, *form_, settings, this);

  connect(tabs_, &QTabWidget::currentChanged, this, [this, doLumbrix](int index) {
    doLumbrix->setVisible(index == kCodeTab);
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
  plainPage_->layout()->addWidget(buildConversionControls());
  // A page already on screen shows what is added to it at once.
  if (plainPage_->isVisible()) plainEdit->show();
}

// Under the plain-text pane: the two options and the mode selector of the conversion. They
// keep their state in the form for the window's life.
QWidget* EditFormView::buildConversionControls() {
  auto* row = new QWidget;
  row->setObjectName(QStringLiteral("LumbrixControls"));
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(2, 0, 2, 2);
  auto option = [&](const char* name, const QString& caption, bool on, bool TEditForm::*field) {
    auto* box = new QCheckBox(caption, row);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(on);
    box->setFocusPolicy(Qt::NoFocus);
    connect(box, &QCheckBox::toggled, this, [this, field](bool checked) { (*form_).*field = checked; });
    layout->addWidget(box);
  };
  option("AllowTags", QStringLiteral("Разрешить теги"), form_->AllowTags, &TEditForm::AllowTags);
  option("WithNobr", QStringLiteral("Запрет на автоперенос"), form_->WithNobr,
         &TEditForm::WithNobr);
  layout->addStretch(1);
  // The mode selector: two buttons of which exactly one is down.
  auto* modes = new QWidget(row);
  modes->setObjectName(QStringLiteral("TabControl1"));
  modes->setAccessibleName(QStringLiteral("Режим преобразования"));
  auto* modesLayout = new QHBoxLayout(modes);
  modesLayout->setContentsMargins(0, 0, 0, 0);
  modesLayout->setSpacing(0);
  auto* group = new QButtonGroup(modes);
  group->setExclusive(true);
  const QString captions[] = {QStringLiteral("Разрывы_и_отступы"),
                              QStringLiteral("Абзацы_и_заголовки")};
  for (int i = 0; i < 2; ++i) {
    auto* b = new QToolButton(modes);
    b->setObjectName(QStringLiteral("TabControl1Mode%1").arg(i));
    b->setText(captions[i]);
    b->setCheckable(true);
    b->setChecked(form_->TabControl1Index == i);
    b->setFocusPolicy(Qt::NoFocus);
    group->addButton(b, i);
    modesLayout->addWidget(b);
  }
  connect(group, &QButtonGroup::idClicked, this,
          [this](int index) { form_->TabControl1Index = index; });
  layout->addWidget(modes);
  return row;
}

// The four menus hold a few hundred items; a window builds them when one is first wanted, so
// that opening many files stays quick and small.
void EditFormView::ensureMenus() const {
  if (codePopup_) return;
  auto* self = const_cast<EditFormView*>(this);
  auto run = [self](const std::string& handler) { self->runCommand(handler); };
  auto buildMenu = [self, run](std::span<const auto> entries, int helpContext) {
    return BuildTableMenu(entries, helpContext, self, [](const auto& e) { return e.handler; }, run);
  };
  codePopup_ = buildMenu(CodePopupMenu(), kCodePopupHelpContext);
  codePopup_->setObjectName(QStringLiteral("CodePopupMenu"));
  lumbrixPopup_ = buildMenu(LumbrixPopupMenu(), kLumbrixPopupHelpContext);
  lumbrixPopup_->setObjectName(QStringLiteral("LumbrixPopupMenu"));
  tagsPopup_ = buildMenu(TagsPopupMenu(), kTagsPopupHelpContext);
  tagsPopup_->setObjectName(QStringLiteral("TagsPopupMenu"));
  brPopup_ = buildMenu(BrPopupMenu(), kBrPopupHelpContext);
  brPopup_->setObjectName(QStringLiteral("BrPopupMenu"));
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
  RunEditFormCommand(*form_, settings_, dialogs_, colours_, handler);
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
  } else {
    // A re-style back to the system colours.
    edit->setPaper(edit->palette().color(QPalette::Base));
    edit->setColor(edit->palette().color(QPalette::Text));
  }
  const QFont font(ToQString(f.CodeFontFace), f.CodeFontSize);
  if (font != appliedFont_) {
    code_->setFont(font);
    appliedFont_ = font;
  }
  for (QToolButton* b : formatButtons_) b->setVisible(f.Groups.format);
  if (fontPanel_) fontPanel_->render();
  const QString caption = ToQString(f.Caption);
  if (windowTitle() != caption) {
    setWindowTitle(caption);
    setAccessibleName(caption);
    emit captionChanged(caption);
  }
}

}  // namespace lumbrix
