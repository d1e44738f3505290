#include "tagmaster/qt/AttributeRowsView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

#include "common/qt/WinQString.h"

namespace lumbrix {

namespace {

QString colourButtonName(int attribute) {
  for (const TForm5::ColourButton& b : TForm5::kColourButtons)
    if (b.attribute == attribute) return ToQString(b.name);
  return {};
}

}  // namespace

QWidget* AttributeRowWidgets::field() const {
  if (edit) return edit;
  return combo;
}

QScrollArea* BuildAttributePage(const Catalogue& catalogue, AttributePage page, AttributeRows& rows,
                                QWidget* parent) {
  auto* area = new QScrollArea(parent);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  auto* inner = new QWidget(area);
  auto* grid = new QGridLayout(inner);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  grid->setColumnStretch(1, 1);
  int line = 0;
  for (int a = 0; a < Catalogue::kAttributeCount; ++a) {
    const AttributeEntry& entry = Catalogue::Attribute(a);
    if (entry.page != page) continue;
    AttributeRowWidgets& row = rows[a];
    const QString name = ToQString(entry.name);
    const QString number = QString::number(a);

    row.check = new QCheckBox(name, inner);
    row.check->setObjectName(QStringLiteral("c") + number);
    row.check->setAccessibleName(name);
    grid->addWidget(row.check, line, 0);

    switch (entry.control) {
      case ValueControl::Text:
        row.edit = new QLineEdit(inner);
        break;
      case ValueControl::Suggestions:
      case ValueControl::PickList: {
        row.combo = new QComboBox(inner);
        row.combo->setEditable(entry.control == ValueControl::Suggestions);
        if (row.combo->isEditable()) row.combo->setInsertPolicy(QComboBox::NoInsert);
        for (const std::string& v : catalogue.AttributeValues(a)) row.combo->addItem(ToQString(v));
        row.combo->setMaxVisibleItems(12);
        break;
      }
      case ValueControl::None:
        break;
    }
    if (QWidget* field = row.field()) {
      field->setObjectName(QStringLiteral("t") + number);
      field->setAccessibleName(QStringLiteral("Значение ") + name);
      grid->addWidget(field, line, 1);
    }

    if (std::ranges::find(Catalogue::kColourAttributes, a) != Catalogue::kColourAttributes.end()) {
      row.colour = new QToolButton(inner);
      row.colour->setText(QStringLiteral("..."));
      row.colour->setObjectName(colourButtonName(a));
      row.colour->setAccessibleName(QStringLiteral("Выбрать цвет для ") + name);
      row.colour->setToolTip(QStringLiteral("Выбрать цвет"));
      row.colour->setFixedSize(22, 20);
      grid->addWidget(row.colour, line, 2);
    }
    // Rows keep one height whether their field is shown or not.
    grid->setRowMinimumHeight(line, 24);
    ++line;
  }
  grid->setRowStretch(line, 1);
  area->setWidget(inner);
  return area;
}

void RenderAttributeRow(const AttributeRowWidgets& widgets, const TForm5::AttributeRow& row) {
  const QSignalBlocker checkBlocker(widgets.check);
  widgets.check->setEnabled(row.Enabled);
  widgets.check->setChecked(row.Checked);
  const QString hint = ToQString(row.Hint);
  widgets.check->setToolTip(hint);
  widgets.check->setStatusTip(hint);
  widgets.check->setAccessibleDescription(hint);
  const QString value = ToQString(row.Value);
  if (widgets.edit) {
    const QSignalBlocker blocker(widgets.edit);
    if (widgets.edit->text() != value) widgets.edit->setText(value);
  } else if (widgets.combo) {
    const QSignalBlocker blocker(widgets.combo);
    if (widgets.combo->isEditable())
      widgets.combo->setEditText(value);
    else
      widgets.combo->setCurrentIndex(value.isEmpty() ? -1 : widgets.combo->findText(value));
  }
  // The rows are on pages, so visibility is kept relative to the page.
  if (QWidget* field = widgets.field()) field->setHidden(!row.FieldVisible);
}

QString AttributeFieldText(const AttributeRowWidgets& widgets) {
  if (widgets.edit) return widgets.edit->text();
  if (widgets.combo) return widgets.combo->currentText();
  return {};
}

}  // namespace lumbrix
