#include "templates/qt/CreateFileView.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Platform.h"
#include "common/qt/CommandIcons.h"
#include "common/qt/ProgramFolders.h"
#include "common/qt/WinQString.h"
#include "templates/Templates.h"

namespace lumbrix {

namespace {

void describe(QWidget* w, const QString& hint) {
  w->setToolTip(hint);
  w->setStatusTip(hint);
  w->setAccessibleDescription(hint);
}

}  // namespace

CreateFileView::CreateFileView(Help& help, QWidget* parent)
    : QDialog(parent),
      help_(help),
      list_(new QListWidget(this)),
      create_(new QPushButton(QStringLiteral("Создать"), this)),
      cancel_(new QPushButton(QStringLiteral("Отмена"), this)),
      help_button_(new QPushButton(QStringLiteral("Справка"), this)) {
  setObjectName(QStringLiteral("CreateFileForm"));
  setWindowTitle(QStringLiteral("Создание из шаблона"));
  setAccessibleName(windowTitle());
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowContextHelpButtonHint);
  setProperty("helpContext", TCreateFileForm::kHelpContext);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Image1"));
  picture->setPixmap(CommandIcon("CreateFile").pixmap(64, 64));
  picture->setAccessibleName(QStringLiteral("Так мы штампуем странички"));
  describe(picture, picture->accessibleName());

  list_->setObjectName(QStringLiteral("ListBox1"));
  list_->setAccessibleName(QStringLiteral("Шаблоны"));
  list_->setProperty("helpContext", 101);
  QFont bold = list_->font();
  bold.setBold(true);
  bold.setPixelSize(13);
  list_->setFont(bold);
  QPalette palette = list_->palette();
  palette.setColor(QPalette::Base, Qt::black);
  palette.setColor(QPalette::Text, QColor(0xCC, 0xCC, 0xFF));
  list_->setPalette(palette);
  list_->setMinimumSize(220, 200);

  create_->setObjectName(QStringLiteral("Button1"));
  create_->setProperty("helpContext", 102);
  create_->setDefault(true);
  describe(create_, QStringLiteral("Создать из выбранного шаблона"));
  cancel_->setObjectName(QStringLiteral("Button2"));
  cancel_->setProperty("helpContext", 103);
  describe(cancel_, QStringLiteral("Ничего не создать"));
  help_button_->setObjectName(QStringLiteral("ButtonHelp"));
  help_button_->setProperty("helpContext", 104);
  describe(help_button_, QStringLiteral("Помощь"));

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(picture, 0, Qt::AlignHCenter);
  buttons->addStretch(1);
  buttons->addWidget(create_);
  buttons->addWidget(cancel_);
  buttons->addWidget(help_button_);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(create_, &QPushButton::clicked, this, [this] {
    if (form_) form_->Button1Click();
    accept();
  });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
    if (form_) form_->ListBox1DblClick();
    accept();
  });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(help_button_, &QPushButton::clicked, this,
          [this] { help_.ShowTopic(TCreateFileForm::kHelpContext); });
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (form_) form_->ItemIndex = row;
  });
}

void CreateFileView::run(TCreateFileForm& form) {
  form_ = &form;
  list_->clear();
  for (const std::string& item : form.Items) list_->addItem(ToQString(item));
  list_->setCurrentRow(-1);
  form.ItemIndex = -1;
  exec();
  form_ = nullptr;
}

QString CreateFileView::FindTemplateFolder() {
#ifdef LUMBRIX_TEMPLATE_DIR
  const QString source = QStringLiteral(LUMBRIX_TEMPLATE_DIR);
#else
  const QString source;
#endif
  return FindProgramFolder(QStringLiteral("templates"), source, [](const QString& dir) {
    return !QDir(dir).entryList({QStringLiteral("*.htt")}, QDir::Files).isEmpty();
  });
}

}  // namespace lumbrix
