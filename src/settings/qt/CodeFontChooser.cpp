#include "settings/qt/CodeFontChooser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "common/qt/WinQString.h"
#include "settings/OptionsForm.h"

namespace lumbrix {

QStringList CodeFontChooser::OfferedFamilies() {
  QStringList offered;
  for (const QString& family : QFontDatabase::families(QFontDatabase::Latin)) {
    // Terminal fonts carry the OEM code page, not the Windows one.
    if (family.contains(QLatin1String("Terminal"), Qt::CaseInsensitive)) continue;
    // Symbol fonts draw pictures in place of letters.
    if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol)) continue;
    std::string win;
    if (!FromQString(family, win)) continue;
    offered << family;
  }
  return offered;
}

CodeFontChooser::CodeFontChooser(const FontChoice& initial, QWidget* parent)
    : QDialog(parent),
      families_(new QListWidget(this)),
      sizes_(new QComboBox(this)),
      sample_(new QLabel(QStringLiteral("AaBbЯя"), this)) {
  setObjectName(QStringLiteral("CodeFontChooser"));
  setWindowTitle(QStringLiteral("Шрифт"));
  families_->setObjectName(QStringLiteral("Families"));
  families_->setAccessibleName(QStringLiteral("Шрифт"));
  families_->addItems(OfferedFamilies());
  sizes_->setObjectName(QStringLiteral("Sizes"));
  sizes_->setAccessibleName(QStringLiteral("Размер"));
  for (int size = TOptionsDialog::kMinFontSize; size <= TOptionsDialog::kMaxFontSize; ++size)
    sizes_->addItem(QString::number(size), size);
  sample_->setObjectName(QStringLiteral("Sample"));
  sample_->setAccessibleName(QStringLiteral("Образец"));
  sample_->setFrameShape(QFrame::StyledPanel);
  sample_->setAlignment(Qt::AlignCenter);
  sample_->setMinimumHeight(60);

  // A face that is not installed opens on the family the system draws it with.
  QList<QListWidgetItem*> found =
      families_->findItems(ToQString(initial.face), Qt::MatchFixedString);
  if (found.isEmpty())
    found = families_->findItems(QFontInfo(QFont(ToQString(initial.face))).family(),
                                 Qt::MatchFixedString);
  families_->setCurrentItem(found.isEmpty() ? families_->item(0) : found.first());
  const int sizeIndex = sizes_->findData(initial.size);
  sizes_->setCurrentIndex(sizeIndex >= 0 ? sizeIndex : sizes_->findData(10));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("ДА"));
  buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("ДА"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
  buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Отмена"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(families_, &QListWidget::currentRowChanged, this, [this] { showSample(); });
  connect(sizes_, &QComboBox::currentIndexChanged, this, [this] { showSample(); });

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Шрифт:"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Размер:"), this), 0, 1);
  grid->addWidget(families_, 1, 0, 2, 1);
  grid->addWidget(sizes_, 1, 1, Qt::AlignTop);
  grid->addWidget(sample_, 3, 0, 1, 2);
  grid->addWidget(buttons, 4, 0, 1, 2);
  showSample();
}

FontChoice CodeFontChooser::choice() const {
  FontChoice c;
  if (const QListWidgetItem* item = families_->currentItem()) c.face = FromQString(item->text());
  c.size = sizes_->currentData().toInt();
  return c;
}

void CodeFontChooser::showSample() {
  const FontChoice c = choice();
  QFont font(ToQString(c.face));
  font.setPointSize(c.size);
  sample_->setFont(font);
}

std::optional<FontChoice> OptionsChoosers::ChooseFont(const FontChoice& initial) {
  CodeFontChooser chooser(initial, parent_);
  if (chooser.exec() != QDialog::Accepted || !chooser.families()->currentItem())
    return std::nullopt;
  return chooser.choice();
}

}  // namespace lumbrix
