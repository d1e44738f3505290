// The four pages of the publication master: their boxes are bound to the form's box texts, so
// that what the user types is the form's at once; the form decides when it is taken.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/qt/WinQString.h"
#include "document/qt/FontPanelView.h"
#include "publication/qt/PubMasterView.h"

namespace lumbrix {

namespace {

struct AlignCaption {
  AlignButton button;
  const char* suffix;
  const char* caption;
};

const AlignCaption kAlignCaptions[] = {
    {AlignButton::Left, "left", "влево"},
    {AlignButton::Center, "center", "по центру"},
    {AlignButton::Right, "right", "вправо"},
    {AlignButton::Justify, "justify", "по ширине"},
    {AlignButton::Default, "default", "По умолчанию"},
};

// A label for a box; the box's accessible name is the label's text without its spacing.
QLabel* caption(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

QString accessible(const QString& text) {
  return text.simplified().remove(QLatin1Char(':'));
}

}  // namespace

QButtonGroup* PubMasterView::alignGroup(const char* prefix, bool withDefault, AlignButton* target,
                                        QWidget* parent) {
  auto* group = new QButtonGroup(parent);
  auto* row = new QHBoxLayout(parent);
  for (const AlignCaption& a : kAlignCaptions) {
    if (a.button == AlignButton::Default && !withDefault) continue;
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(prefix) + QLatin1String(a.suffix));
    b->setText(QString::fromUtf8(a.caption));
    b->setAccessibleName(QStringLiteral("Выравнивание: ") + b->text());
    b->setCheckable(true);
    b->setAutoRaise(false);
    group->addButton(b, static_cast<int>(a.button));
    row->addWidget(b);
  }
  row->addStretch();
  connect(group, &QButtonGroup::idClicked, this,
          [target](int id) { *target = static_cast<AlignButton>(id); });
  return group;
}

QWidget* PubMasterView::buildHeadingPage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);

  auto* left = new QVBoxLayout;
  levels_ = new QListWidget(page);
  levels_->setObjectName(QStringLiteral("CheckListBox1"));
  levels_->setAccessibleName(QStringLiteral("Уровни заголовков"));
  for (int i = 1; i <= kHeadingLevels; ++i) {
    auto* item = new QListWidgetItem(QStringLiteral("уровень %1 (H%1)").arg(i), levels_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  }
  levels_->setFixedWidth(150);
  left->addWidget(caption(QStringLiteral("определить стили для:"), levels_));
  left->addWidget(levels_);
  layout->addLayout(left);
  connect(levels_, &QListWidget::currentRowChanged, this, [this](int row) {
    form_.CheckListBox1Click(row);
    render();
  });
  connect(levels_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    form_.CheckListBox1ClickCheck(levels_->row(item), item->checkState() == Qt::Checked);
    render();
  });

  HeadingBoxes& h = form_.Heading;
  auto* grid = new QGridLayout;
  auto row = [&](int r, const QString& text, const char* name, std::string& field) {
    QLineEdit* e = bind(name, accessible(text), field, Group::Heading);
    grid->addWidget(caption(text, e), r, 0);
    grid->addWidget(e, r, 1);
  };
  row(0, QStringLiteral("Интервал над заголовком:"), "H_pad_top", h.padTop);
  row(1, QStringLiteral("Интервал под заголовком:"), "H_pad_bottom", h.padBottom);
  QLineEdit* padLeft =
      bind("H_pad_left", QStringLiteral("Отступ слева"), h.padLeft, Group::Heading);
  QLineEdit* padRight =
      bind("H_pad_right", QStringLiteral("Отступ справа"), h.padRight, Group::Heading);
  grid->addWidget(caption(QStringLiteral("Отступы (пикс.):   слева"), padLeft), 2, 0);
  grid->addWidget(padLeft, 2, 1);
  grid->addWidget(caption(QStringLiteral("справа"), padRight), 2, 2);
  grid->addWidget(padRight, 2, 3);
  auto* alignBox = new QGroupBox(QStringLiteral("Выравнивание текста"), page);
  alignBox->setAccessibleName(alignBox->title());
  headingAlign_ = alignGroup("H_txt_al_", false, &h.align, alignBox);
  grid->addWidget(alignBox, 3, 0, 1, 4);
  row(4, QStringLiteral("Размер шрифта:"), "H_fnt_size", h.fontSize);
  row(5, QStringLiteral("Интервал между знаками:"), "H_letter_space", h.letterSpace);
  grid->setRowStretch(6, 1);
  layout->addLayout(grid);
  return page;
}

QWidget* PubMasterView::buildParagraphPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  ParagraphBoxes& p = form_.Paragraph;
  auto pair = [&](int r, const QString& first, const char* n1, const QString& a1, std::string& f1,
                  const QString& second, const char* n2, const QString& a2, std::string& f2) {
    QLineEdit* e1 = bind(n1, a1, f1, Group::Paragraph);
    QLineEdit* e2 = bind(n2, a2, f2, Group::Paragraph);
    grid->addWidget(caption(first, e1), r, 0);
    grid->addWidget(e1, r, 1);
    grid->addWidget(caption(second, e2), r, 2);
    grid->addWidget(e2, r, 3);
  };
  pair(0, QStringLiteral("Интервал:  перед абзацем"), "P_pad_top",
       QStringLiteral("Интервал перед абзацем"), p.padTop, QStringLiteral("после абзаца"),
       "P_pad_bottom", QStringLiteral("Интервал после абзаца"), p.padBottom);
  pair(1, QStringLiteral("Отступы всего текста абзаца (пикс.):   слева"), "P_pad_left",
       QStringLiteral("Отступ абзаца слева"), p.padLeft, QStringLiteral("справа"), "P_pad_right",
       QStringLiteral("Отступ абзаца справа"), p.padRight);
  QLineEdit* indent = bind("P_txt_indent", QStringLiteral("Отступ первой строки абзаца"), p.indent,
                           Group::Paragraph);
  grid->addWidget(caption(QStringLiteral("Отступ первой строки абзаца:"), indent), 2, 0);
  grid->addWidget(indent, 2, 1);
  auto* alignBox = new QGroupBox(QStringLiteral("Выравнивание текста"), page);
  alignBox->setAccessibleName(QStringLiteral("Выравнивание абзаца"));
  paragraphAlign_ = alignGroup("P_txt_al_", true, &p.align, alignBox);
  grid->addWidget(alignBox, 3, 0, 1, 4);
  QLineEdit* size =
      bind("P_fnt_size", QStringLiteral("Размер шрифта абзаца"), p.fontSize, Group::Paragraph);
  grid->addWidget(caption(QStringLiteral("Размер шрифта:"), size), 4, 0);
  grid->addWidget(size, 4, 1);
  pair(5, QStringLiteral("Интервал:  между строками"), "P_line_h",
       QStringLiteral("Интервал между строками"), p.lineHeight, QStringLiteral("между знаками"),
       "P_letter_space", QStringLiteral("Интервал между знаками"), p.letterSpace);
  grid->setRowStretch(6, 1);
  grid->setColumnStretch(4, 1);
  return page;
}

QPushButton* PubMasterView::colourButton(const char* name, const QString& accessibleName,
                                         ColourSwatch*& swatch, QLabel*& label,
                                         void (TPubMasterForm::*handler)(), QWidget* parent) {
  auto* b = new QPushButton(QStringLiteral(">"), parent);
  b->setObjectName(QLatin1String(name));
  b->setAccessibleName(accessibleName);
  b->setFixedWidth(28);
  swatch = new ColourSwatch(parent);
  swatch->setAccessibleName(accessibleName + QStringLiteral(": образец"));
  swatch->setEnabled(false);
  label = new QLabel(QStringLiteral("="), parent);
  label->setAccessibleName(accessibleName + QStringLiteral(": код"));
  connect(b, &QPushButton::clicked, this, [this, handler] { act(handler); });
  return b;
}

QWidget* PubMasterView::buildDocumentPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  BodyBoxes& b = form_.Body;

  insertBody_ = new QCheckBox(QStringLiteral("указать"), page);
  insertBody_->setObjectName(QStringLiteral("InsertBODYDoc"));
  insertBody_->setAccessibleName(QStringLiteral("Указать стиль тела документа"));
  grid->addWidget(insertBody_, 0, 0, 1, 2);
  connect(insertBody_, &QCheckBox::clicked, this, [this](bool checked) {
    form_.InsertBODYDocClick(checked);
    render();
  });

  struct Margin {
    const char* text;
    const char* name;
    std::string* field;
  };
  const Margin margins[] = {
      {"Поле слева:", "BODY_left_marg", &b.marginLeft},
      {"Поле справа:", "BODY_right_marg", &b.marginRight},
      {"Поле сверху:", "BODY_top_marg", &b.marginTop},
      {"Поле снизу:", "BODY_bottom_marg", &b.marginBottom},
  };
  for (int i = 0; i < 4; ++i) {
    const QString text = QString::fromUtf8(margins[i].text);
    QLineEdit* e = bind(margins[i].name, accessible(text), *margins[i].field, Group::Body);
    grid->addWidget(caption(text, e), 1 + i / 2, (i % 2) * 2);
    grid->addWidget(e, 1 + i / 2, (i % 2) * 2 + 1);
  }

  auto* fontRow = new QHBoxLayout;
  fontFamily_ = new QComboBox(page);
  fontFamily_->setObjectName(QStringLiteral("BODY_fnt_family"));
  fontFamily_->setAccessibleName(QStringLiteral("Шрифт: имя"));
  fontFamily_->setEditable(true);
  fontFamily_->setInsertPolicy(QComboBox::NoInsert);
  fontFamily_->setMinimumWidth(180);
  fontFamily_->lineEdit()->setAccessibleName(fontFamily_->accessibleName());
  for (const std::string& family : form_.FontFamilies) fontFamily_->addItem(ToQString(family));
  connect(fontFamily_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { form_.Body.fontFamily = FromQString(text); });
  QLineEdit* size = bind("BODY_fnt_size", QStringLiteral("Шрифт: размер"), b.fontSize, Group::Body);
  fontRow->addWidget(caption(QStringLiteral("Шрифт:   имя "), fontFamily_));
  fontRow->addWidget(fontFamily_);
  fontRow->addWidget(caption(QStringLiteral(";  размер"), size));
  fontRow->addWidget(size);
  fontRow->addStretch();
  grid->addLayout(fontRow, 3, 0, 1, 4);

  auto* colourRow = new QHBoxLayout;
  bkButton_ = colourButton("SetBODY_bkcolor", QStringLiteral("Цвет фона"), bkSwatch_, bkLabel_,
                           &TPubMasterForm::SetBODY_bkcolorClick, page);
  textButton_ = colourButton("SetBODY_color", QStringLiteral("Цвет текста"), textSwatch_,
                             textLabel_, &TPubMasterForm::SetBODY_colorClick, page);
  bkSwatch_->setObjectName(QStringLiteral("BODY_bkcolor"));
  textSwatch_->setObjectName(QStringLiteral("BODY_color"));
  bkLabel_->setObjectName(QStringLiteral("ViewBODY_bkcolor_Html"));
  textLabel_->setObjectName(QStringLiteral("ViewBODY_color_Html"));
  colourRow->addWidget(caption(QStringLiteral("Цвета:   фон"), bkButton_));
  for (QWidget* w : {static_cast<QWidget*>(bkSwatch_), static_cast<QWidget*>(bkButton_),
                     static_cast<QWidget*>(bkLabel_)})
    colourRow->addWidget(w);
  colourRow->addSpacing(16);
  colourRow->addWidget(caption(QStringLiteral("текст"), textButton_));
  for (QWidget* w : {static_cast<QWidget*>(textSwatch_), static_cast<QWidget*>(textButton_),
                     static_cast<QWidget*>(textLabel_)})
    colourRow->addWidget(w);
  colourRow->addStretch();
  grid->addLayout(colourRow, 4, 0, 1, 4);

  struct Text {
    const char* text;
    const char* name;
    std::string* field;
  };
  const Text texts[] = {
      {"Название:", "DocTitle", &b.title},
      {"Описание:", "DocDesc", &b.description},
      {"Ключевые слова:", "DocKeywords", &b.keywords},
  };
  for (int i = 0; i < 3; ++i) {
    const QString text = QString::fromUtf8(texts[i].text);
    QLineEdit* e = bind(texts[i].name, accessible(text), *texts[i].field, Group::Doc, 32767);
    grid->addWidget(caption(text, e), 5 + i, 0);
    grid->addWidget(e, 5 + i, 1, 1, 3);
  }
  grid->setRowStretch(8, 1);
  return page;
}

QWidget* PubMasterView::buildPrintPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  auto* title = new QLabel(QStringLiteral("Поля при печати:"), page);
  QFont f = title->font();
  f.setBold(true);
  title->setFont(f);
  grid->addWidget(title, 0, 0, 1, 3);
  PrintMargins& m = form_.PageMargins;
  struct Margin {
    const char* text;
    const char* name;
    std::string* field;
  };
  const Margin margins[] = {
      {"сверху", "Page_top_margin", &m.top},
      {"слева", "Page_left_margin", &m.left},
      {"справа", "Page_right_margin", &m.right},
      {"снизу", "Page_bottom_margin", &m.bottom},
  };
  for (int i = 0; i < 4; ++i) {
    const QString text = QString::fromUtf8(margins[i].text);
    QLineEdit* e = bind(margins[i].name, QStringLiteral("Поле при печати ") + text,
                        *margins[i].field, Group::Print, 4);
    grid->addWidget(caption(text, e), 1 + i, 0);
    grid->addWidget(e, 1 + i, 1);
    grid->addWidget(new QLabel(QStringLiteral("см"), page), 1 + i, 2);
  }
  grid->setRowStretch(5, 1);
  grid->setColumnStretch(3, 1);
  return page;
}

}  // namespace lumbrix
