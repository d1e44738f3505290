// The five pages of the options dialog and their controls, each with its help context.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "settings/qt/OptionsDialogView.h"

namespace lumbrix {

namespace {

QWidget* newPage(QTabWidget* pages, const char* name, const QString& caption) {
  auto* page = new QWidget(pages);
  page->setObjectName(QLatin1String(name));
  page->setAccessibleName(caption);
  pages->addTab(page, caption);
  return page;
}

QGroupBox* group(const QString& title, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  box->setAccessibleName(title);
  return box;
}

QLabel* label(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setBuddy(buddy);
  return l;
}

}  // namespace

void OptionsDialogView::buildGeneralPage() {
  QWidget* page = newPage(pages_, "TabSheetGeneral", QStringLiteral("Общие настройки"));
  auto* layout = new QGridLayout(page);

  layout->addWidget(check("CheckBoxPSN", QStringLiteral("Запрос на сохранение новых файлов"), 204,
                          &TOptionsDialog::CheckBoxPSN),
                    0, 0, 1, 2);

  auto* refuse = group(QStringLiteral("Запретить изменять файлы:"), page);
  auto* refuseLayout = new QVBoxLayout(refuse);
  refuseLayout->addWidget(
      check("CheckBoxNSF", QStringLiteral("системные"), 206, &TOptionsDialog::CheckBoxNSF));
  refuseLayout->addWidget(
      check("CheckBoxNTF", QStringLiteral("временные"), 207, &TOptionsDialog::CheckBoxNTF));
  refuseLayout->addWidget(
      check("CheckBoxNHF", QStringLiteral("скрытые"), 208, &TOptionsDialog::CheckBoxNHF));
  refuseLayout->addWidget(
      check("CheckBoxNCF", QStringLiteral("сжатые (NTFS)"), 209, &TOptionsDialog::CheckBoxNCF));
  layout->addWidget(refuse, 1, 0);

  auto* keys = group(QStringLiteral("Клавиши в меню Файл"), page);
  keys->setObjectName(QStringLiteral("RadioGroupFMK"));
  setHelp(keys, 210);
  auto* keysLayout = new QVBoxLayout(keys);
  auto* keyGroup = new QButtonGroup(keys);
  const QString keyItems[] = {QStringLiteral("классические (DN/FAR)"),
                              QStringLiteral("стандартные MS-овские")};
  for (int i = 0; i < 2; ++i) {
    keySets_[i] = new QRadioButton(keyItems[i], keys);
    keySets_[i]->setObjectName(QStringLiteral("RadioGroupFMK%1").arg(i));
    keySets_[i]->setAccessibleName(keyItems[i]);
    keyGroup->addButton(keySets_[i], i);
    keysLayout->addWidget(keySets_[i]);
  }
  connect(keyGroup, &QButtonGroup::idClicked, this, [this](int id) { form_.RadioGroupFMK = id; });
  keysLayout->addStretch();
  layout->addWidget(keys, 1, 1);

  auto* lumbrixer = group(QStringLiteral("Lumbrixер"), page);
  auto* lumbrixerLayout = new QVBoxLayout(lumbrixer);
  lumbrixerLayout->addWidget(check("CheckBoxUUL", QStringLiteral("<ul> вместо <blockquote>"), 201,
                                   &TOptionsDialog::CheckBoxUUL));
  layout->addWidget(lumbrixer, 2, 0);

  auto* encodings = group(QStringLiteral("Кодировки и перевод строки"), page);
  auto* encodingsLayout = new QGridLayout(encodings);
  QComboBox* encoding =
      list("DHTMLET",
           {QStringLiteral("windows-1251  <CR><LF>"), QStringLiteral("KOI8-R             <LF>"),
            QStringLiteral("ISO 8859-5       <LF>")},
           229, &TOptionsDialog::DHTMLET, QStringLiteral("Для HTML файлов по умолчанию:"));
  encodingsLayout->addWidget(
      label(QStringLiteral("Для HTML файлов по умолчанию:"), encoding, encodings), 0, 0, 1, 2);
  encodingsLayout->addWidget(encoding, 1, 0, 1, 2);
  encodingsLayout->addWidget(
      check("CheckBoxUDHETWJS", QStringLiteral("то же для JavaScript-файлов"), 230,
            &TOptionsDialog::CheckBoxUDHETWJS, &TOptionsDialog::CheckBoxUDHETWJSClick),
      2, 0);
  encodingsLayout->addWidget(
      check("CheckBoxUDHETWJSA", QStringLiteral("всегда"), 231, &TOptionsDialog::CheckBoxUDHETWJSA),
      2, 1);
  layout->addWidget(encodings, 2, 1);

  auto* user = new QHBoxLayout;
  user->addWidget(check("CheckBoxUUN", QStringLiteral("Пользователь:"), 220,
                        &TOptionsDialog::CheckBoxUUN, &TOptionsDialog::CheckBoxUUNClick));
  QLineEdit* userName =
      edit("EditUSER", 205, &TOptionsDialog::EditUSER, QStringLiteral("Имя пользователя"));
  QFont userFont(QStringLiteral("Times New Roman"));
  userFont.setPixelSize(13);
  userFont.setBold(true);
  userFont.setItalic(true);
  userName->setFont(userFont);
  QPalette userColours = userName->palette();
  userColours.setColor(QPalette::Text, Qt::blue);
  userName->setPalette(userColours);
  user->addWidget(userName, 1);
  layout->addLayout(user, 3, 0, 1, 2);
  layout->setRowStretch(4, 1);
}

void OptionsDialogView::buildViewPage() {
  QWidget* page = newPage(pages_, "TabSheetView", QStringLiteral("Вид"));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(check("CheckBoxAM", QStringLiteral("Всегда распахивать окно документа"), 211,
                          &TOptionsDialog::CheckBoxAM));

  auto* toolBar = group(QStringLiteral("Панель инструментов"), page);
  auto* toolBarLayout = new QHBoxLayout(toolBar);
  toolBarLayout->addWidget(check("CheckBoxUT", QStringLiteral("показывать"), 213,
                                 &TOptionsDialog::CheckBoxUT, &TOptionsDialog::CheckBoxUTClick));
  toolBarLayout->addWidget(
      check("CheckBoxFT", QStringLiteral("кнопки ' 98"), 214, &TOptionsDialog::CheckBoxFT));
  toolBarLayout->addWidget(list("ToolbarAlign",
                                {QStringLiteral("сверху"), QStringLiteral("снизу"),
                                 QStringLiteral("слева"), QStringLiteral("справа")},
                                219, &TOptionsDialog::ToolbarAlign,
                                QStringLiteral("Расположение панели инструментов")));
  layout->addWidget(toolBar);

  auto* captions = group(QStringLiteral("Заголовок окна"), page);
  auto* captionsLayout = new QFormLayout(captions);
  QComboBox* doc = list("DocCaption",
                        {QStringLiteral("имя файла"), QStringLiteral("название страницы"),
                         QStringLiteral("локальный путь")},
                        232, &TOptionsDialog::DocCaption, QStringLiteral("Заголовок документа"));
  captionsLayout->addRow(label(QStringLiteral("документа:"), doc, captions), doc);
  QLineEdit* program =
      edit("ProgCaption", 233, &TOptionsDialog::ProgCaption, QStringLiteral("Заголовок программы"));
  captionsLayout->addRow(label(QStringLiteral("программы:"), program, captions), program);
  layout->addWidget(captions);
  layout->addStretch();
}

void OptionsDialogView::buildEditorPage() {
  QWidget* page = newPage(pages_, "TabSheetEditor", QStringLiteral("Редактор кода"));
  auto* layout = new QGridLayout(page);

  tabSize_ = new QSpinBox(page);
  tabSize_->setObjectName(QStringLiteral("EditTS"));
  tabSize_->setAccessibleName(QStringLiteral("Размер табуляции"));
  tabSize_->setRange(TOptionsDialog::kMinTabSize, TOptionsDialog::kMaxTabSize);
  setHelp(tabSize_, 202);
  if (auto* typed = tabSize_->findChild<QLineEdit*>())
    typed->setAccessibleName(tabSize_->accessibleName());
  connect(tabSize_, &QSpinBox::valueChanged, this, [this](int v) { form_.UpDownTSChange(v); });
  layout->addWidget(label(QStringLiteral("Размер табуляции:"), tabSize_, page), 0, 0);
  tabSize_->setMaximumWidth(60);
  layout->addWidget(tabSize_, 0, 1, Qt::AlignLeft);
  layout->setColumnStretch(1, 1);
  layout->addWidget(check("CheckBoxHAVS", QStringLiteral("Home как в Visual Studio"), 203,
                          &TOptionsDialog::CheckBoxHAVS),
                    1, 0, 1, 2);
  layout->addWidget(check("CheckBoxFDB", QStringLiteral("Кнопки по типу файла"), 212,
                          &TOptionsDialog::CheckBoxFDB),
                    2, 0, 1, 2);

  auto* colours = new QHBoxLayout;
  colours->addWidget(check("CheckBoxUSC", QStringLiteral("Системные цвета"), 216,
                           &TOptionsDialog::CheckBoxUSC, &TOptionsDialog::CheckBoxUSCClick));
  background_ = makeSwatch("CEBColorShape", QStringLiteral("Цвет фона"),
                           [this] { form_.CEBColorShapeMouseUp(); });
  setHelp(background_, 217);
  text_ = makeSwatch("CETColorShape", QStringLiteral("Цвет текста"),
                     [this] { form_.CETColorShapeMouseUp(); });
  setHelp(text_, 218);
  backgroundLabel_ = label(QStringLiteral("фон:"), background_, page);
  textLabel_ = label(QStringLiteral("текст:"), text_, page);
  colours->addWidget(backgroundLabel_);
  colours->addWidget(background_);
  colours->addWidget(textLabel_);
  colours->addWidget(text_);
  colours->addStretch();
  layout->addLayout(colours, 3, 0, 1, 2);

  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(check("CheckBoxUDF", QStringLiteral("Шрифт по умолчанию"), 225,
                           &TOptionsDialog::CheckBoxUDF, &TOptionsDialog::CheckBoxUDFClick));
  auto* face = new QLineEdit(page);
  face->setObjectName(QStringLiteral("CEFontFaceEdit"));
  face->setAccessibleName(QStringLiteral("Шрифт"));
  face->setReadOnly(true);
  setHelp(face, 226);
  auto* size = new QLineEdit(page);
  size->setObjectName(QStringLiteral("CEFontSizeEdit"));
  size->setAccessibleName(QStringLiteral("Размер шрифта"));
  size->setReadOnly(true);
  size->setMaximumWidth(40);
  setHelp(size, 227);
  auto* select = new QPushButton(QStringLiteral("..."), page);
  select->setObjectName(QStringLiteral("FontSelectButton"));
  select->setAccessibleName(QStringLiteral("Выбрать шрифт"));
  select->setToolTip(QStringLiteral("Выбрать шрифт"));
  select->setMaximumWidth(30);
  setHelp(select, 228);
  connect(select, &QPushButton::clicked, this, [this] { form_.FontSelectButtonClick(); });
  fontRow->addWidget(label(QStringLiteral("Шрифт:"), face, page));
  fontRow->addWidget(face, 1);
  fontRow->addWidget(size);
  fontRow->addWidget(select);
  layout->addLayout(fontRow, 4, 0, 1, 2);

  fontExample_ =
      new QLabel(QStringLiteral("Font and Colors Example. Пример шрифта и цветов."), page);
  fontExample_->setObjectName(QStringLiteral("FontExample"));
  fontExample_->setAccessibleName(QStringLiteral("Пример шрифта и цветов"));
  fontExample_->setAutoFillBackground(true);
  fontExample_->setFrameShape(QFrame::StyledPanel);
  fontExample_->setAlignment(Qt::AlignCenter);
  fontExample_->setMinimumHeight(50);
  layout->addWidget(fontExample_, 5, 0, 1, 2);
  layout->setRowStretch(6, 1);
}

void OptionsDialogView::buildHtmlPage() {
  QWidget* page = newPage(pages_, "TabSheetHtml", QStringLiteral("Файлы HTML"));
  auto* layout = new QVBoxLayout(page);
  auto* versionRow = new QHBoxLayout;
  QComboBox* version =
      list("HTMLVersion",
           {QStringLiteral("HTML 4.01 Transitional"), QStringLiteral("HTML 4.01 Strict"),
            QStringLiteral("XHTML 1.0 Transitional"), QStringLiteral("XHTML 1.0 Strict")},
           215, &TOptionsDialog::HTMLVersion, QStringLiteral("Версия языка"));
  versionRow->addWidget(label(QStringLiteral("Версия языка:"), version, page));
  versionRow->addWidget(version, 1);
  layout->addLayout(versionRow);

  const auto textGroup = [&](const QString& title, const char* checkName, int checkHelp,
                             bool TOptionsDialog::*flag,
                             const std::function<void(TOptionsDialog&)>& click,
                             const char* editName, int editHelp,
                             std::string TOptionsDialog::*text) {
    auto* box = group(title, page);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(check(checkName, QStringLiteral("вставлять во все новые документы:"),
                               checkHelp, flag, click));
    boxLayout->addWidget(edit(editName, editHelp, text, title));
    layout->addWidget(box);
  };
  textGroup(QStringLiteral("Ключевые слова"), "CheckBoxUUK", 221, &TOptionsDialog::CheckBoxUUK,
            &TOptionsDialog::CheckBoxUUKClick, "EditUK", 222, &TOptionsDialog::EditUK);
  textGroup(QStringLiteral("Описание страницы (сайта)"), "CheckBoxUUD", 223,
            &TOptionsDialog::CheckBoxUUD, &TOptionsDialog::CheckBoxUUDClick, "EditUD", 224,
            &TOptionsDialog::EditUD);
  // Both check boxes read alike; their groups tell them apart.
  control<QCheckBox>(QStringLiteral("CheckBoxUUK"))
      ->setAccessibleName(QStringLiteral("Ключевые слова: вставлять во все новые документы"));
  control<QCheckBox>(QStringLiteral("CheckBoxUUD"))
      ->setAccessibleName(
          QStringLiteral("Описание страницы (сайта): вставлять во все новые документы"));
  layout->addStretch();
}

void OptionsDialogView::buildSyntaxPage() {
  QWidget* page = newPage(pages_, "TabSheetSyntax", QStringLiteral("Синтаксис"));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(check("CheckBoxSO",
                          QStringLiteral("Включить подсветку синтаксиса HTML, JS, C++"), 0,
                          &TOptionsDialog::CheckBoxSO));
  layout->addStretch();
}

}  // namespace lumbrix
