#include "tagmaster/qt/Form5View.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/qt/CommandIcons.h"
#include "common/qt/WinQString.h"

namespace lumbrix {

namespace {

constexpr QColor kPreviewText(179, 175, 205);
constexpr QColor kPreviewBackground(2, 107, 134);

void colour(QWidget* w, const QColor& text, const QColor& background) {
  QPalette p = w->palette();
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Base, background);
  w->setPalette(p);
}

QLabel* picture(const char* drawing, const QString& name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setPixmap(QIcon(CommandDrawingPath(drawing)).pixmap(40, 40));
  label->setFixedSize(44, 44);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

Form5View::Form5View(TForm5& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      form_(form) {
  setObjectName(QStringLiteral("Form5"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(6);
  buildTop();
  buildPages();
  buildBottom();
  connectRows();
  resize(460, 580);
  form_.Close = [this] { done(form_.Accepted ? Accepted : Rejected); };
}

Form5View::~Form5View() {
  form_.Close = nullptr;
}

void Form5View::buildTop() {
  auto* top = new QHBoxLayout;
  image1_ = picture("tag-master", QStringLiteral("Image1"), this);
  image1_->setAccessibleName(QStringLiteral("Мастер тегов"));
  image2_ = picture("attr-master", QStringLiteral("Image2"), this);
  image2_->setAccessibleName(QStringLiteral("Мастер атрибутов"));
  top->addWidget(image1_);
  top->addWidget(image2_);

  auto* tagColumn = new QVBoxLayout;
  tags_ = new QComboBox(this);
  tags_->setObjectName(QStringLiteral("Tags"));
  tags_->setAccessibleName(QStringLiteral("Тег"));
  tags_->setToolTip(QStringLiteral("Выберите тег"));
  tags_->setEditable(false);
  tags_->setMaxVisibleItems(Catalogue::kTagListCount);
  for (int t = 0; t < Catalogue::kTagListCount; ++t)
    tags_->addItem(ToQString(form_.catalogue().TagName(t)));
  tagDesc_ = new QLabel(this);
  tagDesc_->setObjectName(QStringLiteral("TagDesc"));
  tagDesc_->setAccessibleName(QStringLiteral("Описание тега"));
  tagDesc_->setToolTip(QStringLiteral("описание тега"));
  tagColumn->addWidget(tags_);
  tagColumn->addWidget(tagDesc_);
  top->addLayout(tagColumn, 1);
  static_cast<QVBoxLayout*>(layout())->addLayout(top);

  auto* labelAttr = new QLabel(QStringLiteral("атрибуты:"), this);
  labelAttr->setObjectName(QStringLiteral("LabelAttr"));
  QFont bold = labelAttr->font();
  bold.setBold(true);
  bold.setUnderline(true);
  labelAttr->setFont(bold);
  layout()->addWidget(labelAttr);

  connect(tags_, &QComboBox::activated, this, [this](int index) {
    form_.TagsChange(index);
    render();
  });
}

void Form5View::buildPages() {
  // The pages are chosen by a row of buttons, the way the page control shows them.
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(2);
  pageGroup_ = new QButtonGroup(this);
  pageGroup_->setExclusive(true);
  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  const AttributePage kinds[] = {AttributePage::Main, AttributePage::Other, AttributePage::Events};
  for (int i = 0; i <= TForm5::kPreviewPage; ++i) {
    const QString caption = i < TForm5::kPreviewPage ? ToQString(Catalogue::PageCaption(kinds[i]))
                                                     : QStringLiteral("ПРОСМОТР");
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("PageButton%1").arg(i));
    button->setAccessibleName(QStringLiteral("Страница ") + caption);
    button->setCheckable(true);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    pageGroup_->addButton(button, i);
    buttons->addWidget(button);
    pageButtons_ << button;
    if (i < TForm5::kPreviewPage) {
      QScrollArea* page = BuildAttributePage(form_.catalogue(), kinds[i], rows_, pages_);
      page->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
      pages_->addWidget(page);
    }
  }
  buttons->addStretch(1);
  preview_ = new QPlainTextEdit(pages_);
  preview_->setObjectName(QStringLiteral("PreviewMemo"));
  preview_->setAccessibleName(QStringLiteral("Просмотр тега"));
  preview_->setToolTip(QStringLiteral("так будет выглядеть тег (код)"));
  preview_->setReadOnly(true);
  preview_->setFont(QFont(QStringLiteral("Courier New"), 10));
  colour(preview_, kPreviewText, kPreviewBackground);
  pages_->addWidget(preview_);
  auto* box = static_cast<QVBoxLayout*>(layout());
  box->addLayout(buttons);
  box->addWidget(pages_, 1);

  connect(pageGroup_, &QButtonGroup::idClicked, this, [this](int page) {
    form_.PageControl1Change(page);
    render();
  });
}

void Form5View::buildBottom() {
  auto* extra = new QHBoxLayout;
  auto* escheLabel = new QLabel(QStringLiteral("еще...:"), this);
  escheLabel->setObjectName(QStringLiteral("EscheLabel"));
  esche_ = new QLineEdit(this);
  esche_->setObjectName(QStringLiteral("Esche"));
  esche_->setAccessibleName(QStringLiteral("Ещё атрибуты"));
  esche_->setToolTip(QStringLiteral("сюда введите атрибуты если их нет в списке"));
  colour(esche_, Qt::white, Qt::black);
  escheLabel->setBuddy(esche_);
  extra->addWidget(escheLabel);
  extra->addWidget(esche_, 1);

  auto* buttons = new QHBoxLayout;
  ok_ = new QPushButton(QStringLiteral("ДА"), this);
  ok_->setObjectName(QStringLiteral("ButtonOK"));
  ok_->setAccessibleName(QStringLiteral("ДА"));
  ok_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("Отмена"), this);
  cancel_->setObjectName(QStringLiteral("ButtonCancel"));
  cancel_->setAccessibleName(QStringLiteral("Отмена"));
  cancel_->setAutoDefault(false);
  help_ = new QPushButton(QStringLiteral("?"), this);
  help_->setObjectName(QStringLiteral("ButtonHelp"));
  help_->setAccessibleName(QStringLiteral("Справка"));
  help_->setAutoDefault(false);
  help_->setFixedWidth(32);
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addWidget(help_);
  auto* box = static_cast<QVBoxLayout*>(layout());
  box->addLayout(extra);
  box->addLayout(buttons);

  connect(esche_, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.Esche = FromQString(text); });
  connect(ok_, &QPushButton::clicked, this, [this] { form_.SpeedButtonOKClick(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { form_.SpeedButtonCancelClick(); });
  connect(help_, &QPushButton::clicked, this, [this] { form_.ButtonHelpClick(); });
}

void Form5View::connectRows() {
  for (int a = 0; a < Catalogue::kAttributeCount; ++a) {
    const AttributeRowWidgets& row = rows_[a];
    connect(row.check, &QCheckBox::toggled, this,
            [this, a](bool on) { form_.Rows[a].Checked = on; });
    auto valueChanged = [this, a] {
      form_.Rows[a].Value = FromQString(AttributeFieldText(rows_[a]));
    };
    if (row.edit) connect(row.edit, &QLineEdit::textChanged, this, valueChanged);
    if (row.combo) {
      connect(row.combo, &QComboBox::currentTextChanged, this, valueChanged);
      if (row.combo->isEditable())
        connect(row.combo, &QComboBox::editTextChanged, this, valueChanged);
    }
    if (row.colour)
      connect(row.colour, &QToolButton::clicked, this, [this, a] {
        form_.ColourButtonClick(a);
        render();
      });
  }
}

bool Form5View::Execute(TEditForm& document, TForm5::Mode mode) {
  return form_.Execute(document, mode, [this] { exec(); });
}

void Form5View::render() {
  setWindowTitle(ToQString(form_.Caption));
  image1_->setVisible(form_.Image1Visible);
  image2_->setVisible(form_.Image2Visible);
  {
    const QSignalBlocker blocker(tags_);
    tags_->setCurrentIndex(form_.TagsIndex);
  }
  tags_->setVisible(form_.TagsVisible);
  tags_->setEnabled(form_.TagsEnabled);
  tagDesc_->setVisible(form_.TagDescVisible);
  tagDesc_->setText(ToQString(form_.TagDescText));
  for (int a = 0; a < Catalogue::kAttributeCount; ++a) RenderAttributeRow(rows_[a], form_.Rows[a]);
  {
    const QSignalBlocker blocker(esche_);
    if (esche_->text() != ToQString(form_.Esche)) esche_->setText(ToQString(form_.Esche));
  }
  pageButtons_[form_.ActivePage]->setChecked(true);
  pages_->setCurrentIndex(form_.ActivePage);
  preview_->setPlainText(ToQString(form_.PreviewText));
}

// Esc and the close box are the cancel button.
void Form5View::reject() {
  form_.SpeedButtonCancelClick();
  if (isVisible()) QDialog::reject();
}

void Form5View::showEvent(QShowEvent* event) {
  form_.FormShow();
  render();
  // Every opening starts at the top of each page, whatever was scrolled to the last time.
  for (QScrollArea* page : pages_->findChildren<QScrollArea*>()) page->ensureVisible(0, 0);
  QDialog::showEvent(event);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  (form_.TagsVisible ? static_cast<QWidget*>(tags_) : ok_)->setFocus();
}

}  // namespace lumbrix
