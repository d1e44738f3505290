#include "publication/qt/PubMasterView.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/qt/QtDialogs.h"
#include "common/qt/QtFonts.h"
#include "common/qt/WinQString.h"
#include "document/qt/FontPanelView.h"

namespace lumbrix {

namespace {

QLabel* boldLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont f = label->font();
  f.setBold(true);
  label->setFont(f);
  return label;
}

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QLatin1String(name));
  b->setAccessibleName(QString(text).remove(QLatin1Char('.')));
  return b;
}

}  // namespace

PubMasterView::PubMasterView(TPubMasterForm& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      form_(form) {
  setObjectName(QStringLiteral("PubMasterForm"));
  setWindowTitle(QStringLiteral("Мастер публикаций"));
  setAccessibleName(windowTitle());
  setProperty("helpContext", TPubMasterForm::kHelpContext);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  auto* top = new QHBoxLayout;
  top->addWidget(boldLabel(QStringLiteral("Укажите формат элементов страницы"), this));
  top->addStretch();
  QPushButton* preview = button(QStringLiteral("Просмотр"), "PreviewButton", this);
  top->addWidget(preview);
  layout->addLayout(top);

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("PageControl1"));
  tabs_->setAccessibleName(QStringLiteral("Страницы мастера"));
  tabs_->addTab(buildHeadingPage(), QStringLiteral("Заголовки"));
  tabs_->addTab(buildParagraphPage(), QStringLiteral("Абзацы"));
  tabs_->addTab(buildDocumentPage(), QStringLiteral("Свойства документа"));
  tabs_->addTab(buildPrintPage(), QStringLiteral("Печать"));
  layout->addWidget(tabs_);

  auto* middle = new QHBoxLayout;
  QPushButton* reset = button(QStringLiteral("Сброс"), "ResetButton", this);
  QPushButton* exportButton = button(QStringLiteral("Экспорт..."), "ExportButton", this);
  middle->addWidget(reset);
  middle->addWidget(exportButton);
  middle->addStretch();
  layout->addLayout(middle);

  auto* actionRow = new QHBoxLayout;
  auto* actionLabel = boldLabel(QStringLiteral("Что сделать:"), this);
  action_ = new QComboBox(this);
  action_->setObjectName(QStringLiteral("ActionComboBox"));
  action_->setAccessibleName(QStringLiteral("Что сделать"));
  action_->addItems({QStringLiteral("вставить определение стилей в текущий документ"),
                     QStringLiteral("создать новую веб-страницу"),
                     QStringLiteral("вставить CSS в файл в текущую позицию курсора")});
  actionLabel->setBuddy(action_);
  actionRow->addWidget(actionLabel);
  actionRow->addWidget(action_, 1);
  layout->addLayout(actionRow);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  ok_ = button(QStringLiteral("Сгенерировать"), "OKButton", this);
  ok_->setDefault(true);
  QPushButton* cancel = button(QStringLiteral("Отмена"), "CancelButton", this);
  bottom->addWidget(ok_);
  bottom->addWidget(cancel);
  layout->addLayout(bottom);

  connect(preview, &QPushButton::clicked, this,
          [this] { act(&TPubMasterForm::PreviewButtonClick); });
  connect(reset, &QPushButton::clicked, this, [this] { act(&TPubMasterForm::ResetButtonClick); });
  connect(exportButton, &QPushButton::clicked, this,
          [this] { act(&TPubMasterForm::ExportButtonClick); });
  connect(action_, &QComboBox::activated, this, [this](int index) {
    form_.ActionComboBoxChange(index);
    render();
  });
  connect(ok_, &QPushButton::clicked, this, [this] { act(&TPubMasterForm::OKButtonClick); });
  connect(cancel, &QPushButton::clicked, this, [this] { act(&TPubMasterForm::CancelButtonClick); });

  form_.Close = [this] { done(form_.ResultCode == TPubMasterForm::Nothing ? Rejected : Accepted); };
  render();
}

PubMasterView::~PubMasterView() {
  form_.Close = nullptr;
}

void PubMasterView::act(void (TPubMasterForm::*handler)()) {
  (form_.*handler)();
  render();
}

QLineEdit* PubMasterView::bind(const char* name, const QString& accessible, std::string& field,
                               Group group, int maxLength) {
  auto* edit = new QLineEdit;
  edit->setObjectName(QLatin1String(name));
  edit->setAccessibleName(accessible);
  edit->setMaxLength(maxLength);
  if (maxLength <= 4) edit->setFixedWidth(48);
  connect(edit, &QLineEdit::textEdited, this,
          [&field](const QString& text) { field = FromQString(text); });
  boxes_.push_back({edit, &field, group});
  return edit;
}

QLineEdit* PubMasterView::box(const QString& name) const {
  for (const BoundBox& b : boxes_)
    if (b.edit->objectName() == name) return b.edit;
  return nullptr;
}

bool PubMasterView::enabled(Group group) const {
  switch (group) {
    case Group::Heading:
      return form_.HeadingBoxesEnabled;
    case Group::Body:
      return form_.BodyBoxesEnabled;
    case Group::Doc:
      return form_.DocBoxesEnabled;
    default:
      return true;
  }
}

namespace {

void showAlign(QButtonGroup* group, AlignButton down) {
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(group->id(b) == static_cast<int>(down));
  group->setExclusive(true);
}

// A disabled box is painted silver, an enabled one in the window colour.
void paintBox(QWidget* w, bool on) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, on ? QApplication::palette().color(QPalette::Active, QPalette::Base)
                                : QColor(0xC0, 0xC0, 0xC0));
  w->setPalette(p);
}

}  // namespace

void PubMasterView::render() {
  for (const BoundBox& b : boxes_) {
    const QString text = ToQString(*b.field);
    if (b.edit->text() != text) b.edit->setText(text);
    const bool on = enabled(b.group);
    b.edit->setEnabled(on);
    paintBox(b.edit, on);
  }
  showAlign(headingAlign_, form_.Heading.align);
  showAlign(paragraphAlign_, form_.Paragraph.align);
  for (QAbstractButton* b : headingAlign_->buttons()) b->setEnabled(form_.HeadingBoxesEnabled);

  {
    const QSignalBlocker blocker(levels_);
    for (int i = 0; i < kHeadingLevels; ++i)
      levels_->item(i)->setCheckState(form_.LevelChecked[i] ? Qt::Checked : Qt::Unchecked);
    levels_->setCurrentRow(form_.LevelListIndex);
  }
  insertBody_->setChecked(form_.InsertBODYDoc);
  {
    const QSignalBlocker blocker(fontFamily_);
    const QString family = ToQString(form_.Body.fontFamily);
    if (fontFamily_->currentText() != family) fontFamily_->setEditText(family);
  }
  fontFamily_->setEnabled(form_.BodyBoxesEnabled);
  paintBox(fontFamily_, form_.BodyBoxesEnabled);
  bkSwatch_->display(ColorFromWin(form_.Body.bkColor), true);
  textSwatch_->display(ColorFromWin(form_.Body.color), true);
  bkLabel_->setText(ToQString(ColourLabel(form_.Body.bkColor)));
  textLabel_->setText(ToQString(ColourLabel(form_.Body.color)));
  bkButton_->setEnabled(form_.BodyBoxesEnabled);
  textButton_->setEnabled(form_.BodyBoxesEnabled);

  {
    const QSignalBlocker blocker(action_);
    action_->setCurrentIndex(form_.ActionIndex);
  }
  action_->setEnabled(form_.ActionEnabled);
}

void PubMasterView::done(int result) {
  QDialog::done(result);
  form_.FormClose();
}

// Esc and the window's close button are the cancel button.
void PubMasterView::reject() {
  form_.CancelButtonClick();
}

void PubMasterView::showEvent(QShowEvent* event) {
  form_.FormShow();
  render();
  QDialog::showEvent(event);
  // Centred on the desktop.
  if (const QScreen* screen = QApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  ok_->setFocus();
}

QtPubMaster::QtPubMaster(Dialogs& dialogs, Shell& shell, QWidget* parent)
    : dialogs_(dialogs), shell_(shell), parent_(parent), colours_(parent) {}

QtPubMaster::~QtPubMaster() {
  view_.reset();
}

TPubMasterForm& QtPubMaster::Master() {
  if (!form_) {
    form_ = std::make_unique<TPubMasterForm>(dialogs_, shell_, colours_, QtFonts().Families());
    if (!exportFolder_.empty()) form_->ExportFolder = exportFolder_;
    view_ = std::make_unique<PubMasterView>(*form_, parent_);
  }
  return *form_;
}

void QtPubMaster::ShowModal() {
  Master();
  view_->exec();
}

}  // namespace lumbrix
