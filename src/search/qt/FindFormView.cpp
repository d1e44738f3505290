#include "search/qt/FindFormView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include "common/qt/WinQString.h"
#include "search/ElementRegions.h"
#include "search/FindForm.h"

namespace lumbrix {

namespace {

QFont courier() {
  QFont font(QStringLiteral("Courier"));
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

void setBold(QWidget* w, bool bold) {
  QFont font = w->font();
  font.setBold(bold);
  w->setFont(font);
}

// The list shows its items on the button face, as the other controls of the dialog stand on it.
void buttonFace(QWidget* w) {
  QPalette p = w->palette();
  const QColor face = QApplication::palette().color(QPalette::Button);
  p.setColor(QPalette::Base, face);
  p.setColor(QPalette::Button, face);
  w->setPalette(p);
}

}  // namespace

FindFormView::FindFormView(TFindForm& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      form_(form) {
  setObjectName(QStringLiteral("FindForm"));
  setModal(false);
  // A click on the dialog's own face gives the window itself the keyboard focus, where Esc
  // closes it.
  setFocusPolicy(Qt::ClickFocus);
  build();
  connectControls();

  form_.Show = [this] {
    if (!placed_) {
      // Centred on the desktop, once; later showings keep the place the user left it at.
      adjustSize();
      const QScreen* screen =
          parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
      QRect area = screen->availableGeometry();
      QRect frame = frameGeometry();
      frame.moveCenter(area.center());
      move(frame.topLeft());
      placed_ = true;
    }
    show();
    raise();
    activateWindow();
  };
  form_.Activate = [this] {
    raise();
    activateWindow();
    render();
  };
  form_.Close = [this] { close(); };
  render();
}

FindFormView::~FindFormView() {
  form_.Show = nullptr;
  form_.Activate = nullptr;
  form_.Close = nullptr;
}

void FindFormView::build() {
  label1_ = new QLabel(QStringLiteral("что:"), this);
  label1_->setObjectName(QStringLiteral("Label1"));
  what_ = new QLineEdit(this);
  what_->setObjectName(QStringLiteral("What"));
  what_->setAccessibleName(QStringLiteral("что"));
  what_->setFont(courier());
  label1_->setBuddy(what_);

  label3_ = new QLabel(QStringLiteral("на:"), this);
  label3_->setObjectName(QStringLiteral("Label3"));
  replaceWith_ = new QLineEdit(this);
  replaceWith_->setObjectName(QStringLiteral("ReplaceWith"));
  replaceWith_->setAccessibleName(QStringLiteral("на"));
  replaceWith_->setFont(courier());
  label3_->setBuddy(replaceWith_);

  label2_ = new QLabel(QStringLiteral("где:"), this);
  label2_->setObjectName(QStringLiteral("Label2"));
  where_ = new QComboBox(this);
  where_->setObjectName(QStringLiteral("Where"));
  where_->setAccessibleName(QStringLiteral("где"));
  where_->setEditable(false);
  where_->setMaxVisibleItems(kWhereCount);
  for (const WhereItem& item : WhereItems()) where_->addItem(ToQString(item.caption));
  setBold(where_, true);
  buttonFace(where_);
  buttonFace(where_->view());
  label2_->setBuddy(where_);

  findButton_ = new QPushButton(this);
  findButton_->setObjectName(QStringLiteral("FindButton"));
  findBelowButton_ = new QPushButton(this);
  findBelowButton_->setObjectName(QStringLiteral("FindBelowButton"));

  matchCase_ = new QCheckBox(QStringLiteral("с учётом регистра"), this);
  matchCase_->setObjectName(QStringLiteral("MatchCase"));
  wholeWordsOnly_ = new QCheckBox(QStringLiteral("только целые слова"), this);
  wholeWordsOnly_->setObjectName(QStringLiteral("WholeWordsOnly"));
  tagsOnly_ = new QCheckBox(QStringLiteral("только теги"), this);
  tagsOnly_->setObjectName(QStringLiteral("TagsOnly"));
  exceptScripts_ = new QCheckBox(QStringLiteral("кроме скриптов"), this);
  exceptScripts_->setObjectName(QStringLiteral("ExceptScripts"));

  auto* grid = new QGridLayout(this);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  grid->setContentsMargins(8, 8, 8, 8);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(5);
  grid->addWidget(label1_, 0, 0);
  grid->addWidget(what_, 0, 1, 1, 2);
  grid->addWidget(findButton_, 0, 3);
  grid->addWidget(label3_, 1, 0);
  grid->addWidget(replaceWith_, 1, 1, 1, 2);
  grid->addWidget(findBelowButton_, 1, 3);
  grid->addWidget(label2_, 2, 0);
  grid->addWidget(where_, 2, 1, 1, 2);
  grid->addWidget(matchCase_, 3, 0, 1, 2);
  grid->addWidget(tagsOnly_, 3, 2, 1, 2);
  grid->addWidget(wholeWordsOnly_, 4, 0, 1, 2);
  grid->addWidget(exceptScripts_, 4, 2, 1, 2);
  grid->setColumnMinimumWidth(1, 110);
  grid->setColumnMinimumWidth(2, 110);
  findButton_->setMinimumWidth(110);
  findBelowButton_->setMinimumWidth(110);

  setTabOrder(what_, replaceWith_);
  setTabOrder(replaceWith_, where_);
  setTabOrder(where_, findButton_);
  setTabOrder(findButton_, findBelowButton_);
  setTabOrder(findBelowButton_, matchCase_);
  setTabOrder(matchCase_, wholeWordsOnly_);
  setTabOrder(wholeWordsOnly_, tagsOnly_);
  setTabOrder(tagsOnly_, exceptScripts_);
}

void FindFormView::connectControls() {
  connect(what_, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.What = FromQString(text); });
  connect(replaceWith_, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.ReplaceWith = FromQString(text); });
  connect(where_, &QComboBox::activated, this, [this](int index) { form_.WhereIndex = index; });
  const std::pair<QCheckBox*, bool TFindForm::*> options[] = {
      {matchCase_, &TFindForm::MatchCase},
      {wholeWordsOnly_, &TFindForm::WholeWordsOnly},
      {tagsOnly_, &TFindForm::TagsOnly},
      {exceptScripts_, &TFindForm::ExceptScripts},
  };
  for (const auto& option : options) {
    bool TFindForm::*field = option.second;
    connect(option.first, &QCheckBox::toggled, this, [this, field](bool on) { form_.*field = on; });
  }
  connect(findButton_, &QPushButton::clicked, this, [this] {
    form_.FindButtonClick();
    render();
  });
  connect(findBelowButton_, &QPushButton::clicked, this, [this] {
    form_.FindBelowButtonClick();
    render();
  });
}

void FindFormView::render() {
  setWindowTitle(ToQString(form_.Caption));
  setAccessibleName(windowTitle());
  findButton_->setText(ToQString(form_.FindButtonCaption));
  findBelowButton_->setText(ToQString(form_.FindBelowButtonCaption));
  if (replaceWith_->isVisibleTo(this) != form_.ReplaceShown) {
    label3_->setVisible(form_.ReplaceShown);
    replaceWith_->setVisible(form_.ReplaceShown);
    // The dialog takes its new size at once, not when the event loop next lays it out.
    layout()->activate();
  }

  const QString what = ToQString(form_.What);
  if (what_->text() != what) what_->setText(what);
  const QString replacement = ToQString(form_.ReplaceWith);
  if (replaceWith_->text() != replacement) replaceWith_->setText(replacement);
  {
    const QSignalBlocker blocker(where_);
    where_->setCurrentIndex(form_.WhereIndex);
  }
  const std::pair<QCheckBox*, bool> options[] = {{matchCase_, form_.MatchCase},
                                                 {wholeWordsOnly_, form_.WholeWordsOnly},
                                                 {tagsOnly_, form_.TagsOnly},
                                                 {exceptScripts_, form_.ExceptScripts}};
  for (const auto& [box, on] : options) {
    const QSignalBlocker blocker(box);
    box->setChecked(on);
  }

  const bool first = form_.Emphasis == TFindForm::Button::FindButton;
  setBold(findButton_, first);
  setBold(findBelowButton_, !first);
  findButton_->setDefault(first);
  findBelowButton_->setDefault(!first);

  switch (form_.FocusRequest) {
    case TFindForm::Control::What:
      what_->setFocus();
      what_->selectAll();
      break;
    case TFindForm::Control::FindBelowButton:
      findBelowButton_->setFocus();
      break;
    case TFindForm::Control::None:
      break;
  }
  form_.FocusRequest = TFindForm::Control::None;
}

bool FindFormView::IsShown() const {
  return isVisible();
}

void FindFormView::HideDialog() {
  hide();
}

void FindFormView::reject() {
  form_.FormClose();
  QDialog::reject();
  render();
}

void FindFormView::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) form_.FormShow();
  render();
  QDialog::showEvent(event);
}

void FindFormView::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) form_.FormHide();
  QDialog::hideEvent(event);
}

// Esc does not close the dialog as it goes down: the dialog looks at it only as it comes up,
// and only when the window itself, not one of its controls, has the keyboard focus.
void FindFormView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void FindFormView::keyReleaseEvent(QKeyEvent* event) {
  QWidget* focus = focusWidget();
  if (event->isAutoRepeat() || (focus && focus != this)) {
    QDialog::keyReleaseEvent(event);
    return;
  }
  const Qt::KeyboardModifiers m = event->modifiers();
  form_.FormKeyUp(event->key() == Qt::Key_Escape, m.testFlag(Qt::ShiftModifier),
                  m.testFlag(Qt::ControlModifier), m.testFlag(Qt::AltModifier));
}

}  // namespace lumbrix
