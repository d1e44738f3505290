// The attribute rows of the tag master's pages, made from the catalogue: per attribute a check
// box named as the attribute is written, its value field of the attribute's kind (a text field,
// a text field with suggestions or a pick list; none for the flag attributes) and, for the
// colour attributes, a "..." button that opens the colour dialog.
#pragma once

#include <QString>
#include <array>

#include "tagmaster/Catalogue.h"
#include "tagmaster/Form5.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QScrollArea;
class QToolButton;
class QWidget;

namespace lumbrix {

struct AttributeRowWidgets {
  QCheckBox* check = nullptr;     // c<k>
  QLineEdit* edit = nullptr;      // t<k> as a text field
  QComboBox* combo = nullptr;     // t<k> with suggestions or as a pick list
  QToolButton* colour = nullptr;  // sb<k> / s<k>
  QWidget* field() const;
};

using AttributeRows = std::array<AttributeRowWidgets, Catalogue::kAttributeCount>;

// One page of rows: those of the catalogue's attributes that the page holds, in catalogue order,
// in a scrolling area.
QScrollArea* BuildAttributePage(const Catalogue& catalogue, AttributePage page, AttributeRows& rows,
                                QWidget* parent);

// Shows a row of the form's state; the widgets' own signals stay quiet meanwhile.
void RenderAttributeRow(const AttributeRowWidgets& widgets, const TForm5::AttributeRow& row);

// The text a row's value field holds.
QString AttributeFieldText(const AttributeRowWidgets& widgets);

}  // namespace lumbrix
