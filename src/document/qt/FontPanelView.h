// The font panel under a document window's code pane: the face and size boxes, the colour
// swatch, the three check boxes and the buttons that insert from them; beside it the colour
// number buttons and the CSS button with its menu. It shows the form's panel state and hands
// every change back to the form; the buttons run their commands by handler name.
#pragma once

#include <QAbstractButton>
#include <QWidget>
#include <functional>
#include <string_view>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QMenu;
class QToolButton;

namespace lumbrix {

class TEditForm;

// The swatch: the panel's colour in a grey outline, an ellipse or a square.
class ColourSwatch : public QAbstractButton {
  Q_OBJECT

 public:
  explicit ColourSwatch(QWidget* parent = nullptr);
  void display(const QColor& colour, bool ellipse);
  bool ellipse() const { return ellipse_; }
  QColor colour() const { return colour_; }
  QSize sizeHint() const override { return {22, 22}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_ = Qt::black;
  bool ellipse_ = true;
};

class FontPanelView {
 public:
  using Run = std::function<void(std::string_view handler)>;

  // Builds the controls as children of `parent`; `run` runs a command by its handler name.
  FontPanelView(TEditForm& form, QWidget* parent, Run run);

  // The controls in the order they are laid out: the font group, then the check box, the
  // buttons and the CSS button that sit beside it.
  QGroupBox* group() const { return group_; }
  QList<QWidget*> besideGroup() const { return beside_; }
  QComboBox* fontName() const { return fontName_; }
  QComboBox* fontSize() const { return fontSize_; }
  ColourSwatch* swatch() const { return swatch_; }
  QMenu* cssMenu();

  // Shows the form's panel state and which of the controls the document's kind shows.
  void render();

 private:
  void fillFontNames();

  TEditForm& form_;
  Run run_;
  QGroupBox* group_;
  QComboBox* fontName_;
  QComboBox* fontSize_;
  ColourSwatch* swatch_;
  QCheckBox* checkBox1_;
  QCheckBox* checkBox2_;
  QCheckBox* checkBox3_;
  QToolButton* applyFont_;
  QToolButton* applyCss_;
  QToolButton* colourHash_;
  QToolButton* colourNumber_;
  QToolButton* css_;
  QList<QWidget*> beside_;
  QMenu* cssMenu_ = nullptr;
  bool namesFilled_ = false;
};

}  // namespace lumbrix
