#include "search/qt/GoToFormView.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include "common/qt/WinQString.h"
#include "search/GoToForm.h"

namespace lumbrix {

namespace {

constexpr QColor kWhereText(221, 228, 255);
constexpr QColor kWhereBackground(102, 0, 215);
// In line mode the list is disabled: its text fades, as disabled text does, but stays legible.
constexpr QColor kWhereDisabledText(205, 195, 250);

void colorWhere(QWidget* w) {
  QPalette p = w->palette();
  for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
    p.setColor(role, kWhereBackground);
  for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
    p.setColor(role, kWhereText);
  for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
    p.setColor(QPalette::Disabled, role, kWhereDisabledText);
  p.setColor(QPalette::Highlight, kWhereText);
  for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
    p.setColor(QPalette::Disabled, role, kWhereDisabledText);
  p.setColor(QPalette::HighlightedText, kWhereBackground);
  w->setPalette(p);
}

QToolButton* arrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setArrowType(arrow);
  b->setAutoRepeat(true);
  b->setFocusPolicy(Qt::NoFocus);
  b->setFixedSize(17, 22);
  return b;
}

}  // namespace

GoToFormView::GoToFormView(TGoToForm& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      form_(form) {
  setObjectName(QStringLiteral("GoToForm"));
  setWindowTitle(QStringLiteral("Перейти"));
  setFixedSize(290, 104);

  where_ = new QComboBox(this);
  where_->setObjectName(QStringLiteral("Where"));
  where_->setAccessibleName(QStringLiteral("Куда перейти"));
  where_->setEditable(false);
  for (const TGoToForm::Target& target : TGoToForm::kTargets)
    where_->addItem(ToQString(target.item));
  colorWhere(where_);
  colorWhere(where_->view());
  where_->setGeometry(10, 10, 270, 24);

  lineNumEdit_ = new QLineEdit(this);
  lineNumEdit_->setObjectName(QStringLiteral("LineNumEdit"));
  lineNumEdit_->setAccessibleName(QStringLiteral("Номер строки"));
  // Digits only, and never a number above the up-down's range.
  lineNumEdit_->setValidator(
      new QIntValidator(TGoToForm::kMinLine, TGoToForm::kMaxLine, lineNumEdit_));
  lineNumEdit_->setGeometry(10, 42, 80, 22);
  lineNumEdit_->installEventFilter(this);

  lineNum_ = new QWidget(this);
  lineNum_->setObjectName(QStringLiteral("LineNum"));
  auto* arrows = new QHBoxLayout(lineNum_);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  down_ = arrowButton(Qt::LeftArrow, QStringLiteral("LineNumDown"), lineNum_);
  down_->setAccessibleName(QStringLiteral("Номер меньше"));
  up_ = arrowButton(Qt::RightArrow, QStringLiteral("LineNumUp"), lineNum_);
  up_->setAccessibleName(QStringLiteral("Номер больше"));
  arrows->addWidget(down_);
  arrows->addWidget(up_);
  lineNum_->setGeometry(90, 42, 34, 22);

  ok_ = new QPushButton(QStringLiteral("ДА"), this);
  ok_->setObjectName(QStringLiteral("OKButton"));
  ok_->setDefault(true);
  ok_->setGeometry(110, 72, 80, 24);
  cancel_ = new QPushButton(QStringLiteral("Отмена"), this);
  cancel_->setObjectName(QStringLiteral("CancelButton"));
  cancel_->setGeometry(200, 72, 80, 24);

  connect(where_, &QComboBox::activated, this, [this](int index) {
    form_.WhereIndex = index;
    form_.WhereChange();
    render();
  });
  connect(lineNumEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.LineNumEditChange(FromQString(text));
    render();
  });
  connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
  connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
  connect(ok_, &QPushButton::clicked, this, [this] { form_.OKButtonClick(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { form_.CancelButtonClick(); });

  form_.Close = [this] { done(form_.Accepted ? Accepted : Rejected); };
  render();
}

GoToFormView::~GoToFormView() {
  form_.Close = nullptr;
}

bool GoToFormView::Execute(TEditForm& document, bool lineMode) {
  return form_.Execute(document, lineMode, [this] { exec(); });
}

void GoToFormView::render() {
  {
    const QSignalBlocker blocker(where_);
    where_->setCurrentIndex(form_.WhereIndex);
  }
  where_->setEnabled(form_.WhereEnabled);

  const QString text = ToQString(form_.LineNumEditText);
  if (lineNumEdit_->text() != text) lineNumEdit_->setText(text);
  lineNumEdit_->setEnabled(form_.LineNumEnabled);
  QPalette p = lineNumEdit_->palette();
  const QPalette system = QApplication::palette();
  p.setColor(QPalette::Base, form_.LineNumEditColor == TGoToForm::Background::Window
                                 ? system.color(QPalette::Active, QPalette::Base)
                                 : system.color(QPalette::Active, QPalette::Button));
  lineNumEdit_->setPalette(p);
  lineNum_->setEnabled(form_.LineNumEnabled);
}

void GoToFormView::done(int result) {
  QDialog::done(result);
  form_.FormClose();
  render();
}

// Esc and the window's close button are the cancel button.
void GoToFormView::reject() {
  form_.CancelButtonClick();
}

void GoToFormView::showEvent(QShowEvent* event) {
  form_.FormShow();
  render();
  QDialog::showEvent(event);
  (form_.LineNumEnabled ? static_cast<QWidget*>(lineNumEdit_) : where_)->setFocus();
}

bool GoToFormView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineNumEdit_) {
    if (event->type() == QEvent::FocusOut) {
      form_.LineNumEditExit();
      render();
    } else if (event->type() == QEvent::KeyPress) {
      // The up-down's arrow keys act in its field too.
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Up || key == Qt::Key_Down) {
        step(key == Qt::Key_Up ? +1 : -1);
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void GoToFormView::step(int delta) {
  form_.LineNumStep(delta);
  render();
}

}  // namespace lumbrix
