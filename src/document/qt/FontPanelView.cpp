#include "document/qt/FontPanelView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

#include "commands/CssCommands.h"
#include "commands/FontCommands.h"
#include "common/qt/CommandIcons.h"
#include "common/qt/QtFonts.h"
#include "common/qt/WinQString.h"
#include "document/EditForm.h"
#include "document/qt/TableMenu.h"

namespace lumbrix {

namespace {

const ButtonEntry& control(std::string_view name) {
  for (const ButtonEntry& c : FontPanelControls())
    if (c.name == name) return c;
  std::abort();  // every name asked for is in the table
}

// Name, hint and accessible name of a control from the panel's table.
void describe(QWidget* w, const ButtonEntry& c) {
  w->setObjectName(ToQString(c.name));
  const QString hint = ToQString(c.hint);
  w->setToolTip(hint);
  w->setStatusTip(hint);
  w->setAccessibleName(c.caption.empty() ? hint : ToQString(c.caption));
  w->setAccessibleDescription(hint);
}

QColor colourOf(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

// The installed families are asked for once for the whole program: the list is long and the
// font database slow to walk, and the boxes of all windows show the same list.
const QStringList& installedFamilies() {
  static const QStringList families = [] {
    QtFonts fonts;
    QStringList list;
    for (const std::string& f : FontNameItems(fonts)) list << ToQString(f);
    return list;
  }();
  return families;
}

// The face box fills its list when it is first opened or entered, so that a window that never
// uses it costs nothing.
class FontNameBox : public QComboBox {
 public:
  FontNameBox(QWidget* parent, std::function<void()> fill)
      : QComboBox(parent), fill_(std::move(fill)) {}
  void showPopup() override {
    fill_();
    QComboBox::showPopup();
  }

 protected:
  void focusInEvent(QFocusEvent* event) override {
    fill_();
    QComboBox::focusInEvent(event);
  }

 private:
  std::function<void()> fill_;
};

QToolButton* commandButton(const ButtonEntry& c, QWidget* parent, bool bold) {
  auto* b = new QToolButton(parent);
  describe(b, c);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::NoFocus);
  b->setIcon(CommandIcon(c.handler.empty() ? c.popup : c.handler));
  b->setIconSize(QSize(16, 16));
  b->setText(c.caption.empty() ? ToQString(c.hint) : ToQString(c.caption));
  b->setToolButtonStyle(c.caption.empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
  if (bold) {
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
  }
  return b;
}

QCheckBox* smallCheckBox(const ButtonEntry& c, QWidget* parent) {
  auto* box = new QCheckBox(ToQString(c.caption), parent);
  describe(box, c);
  box->setFocusPolicy(Qt::NoFocus);
  QFont f = box->font();
  f.setPointSizeF(f.pointSizeF() * 0.85);
  box->setFont(f);
  return box;
}

}  // namespace

ColourSwatch::ColourSwatch(QWidget* parent) : QAbstractButton(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
}

void ColourSwatch::display(const QColor& colour, bool ellipse) {
  if (colour == colour_ && ellipse == ellipse_) return;
  colour_ = colour;
  ellipse_ = ellipse;
  update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::gray, 1));
  p.setBrush(colour_);
  const QRectF r = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
  if (ellipse_)
    p.drawEllipse(r);
  else
    p.drawRect(r);
}

FontPanelView::FontPanelView(TEditForm& form, QWidget* parent, Run run)
    : form_(form),
      run_(std::move(run)),
      group_(new QGroupBox(parent)),
      fontName_(new FontNameBox(group_, [this] { fillFontNames(); })),
      fontSize_(new QComboBox(group_)),
      swatch_(new ColourSwatch(group_)),
      checkBox1_(smallCheckBox(control("CheckBox1"), group_)),
      checkBox2_(smallCheckBox(control("CheckBox2"), group_)),
      checkBox3_(smallCheckBox(control("CheckBox3"), parent)),
      applyFont_(commandButton(control("ApplyFont"), parent, true)),
      applyCss_(commandButton(control("ApplyCss"), parent, true)),
      colourHash_(commandButton(control("SpeedButton9"), parent, false)),
      colourNumber_(commandButton(control("SpeedButton10"), parent, false)),
      css_(commandButton(control("SpeedButtonCSS"), parent, true)) {
  group_->setObjectName(QStringLiteral("GroupBox1"));
  group_->setAccessibleName(QStringLiteral("Шрифт"));
  auto* row = new QHBoxLayout(group_);
  row->setContentsMargins(2, 1, 2, 1);
  row->setSpacing(2);

  // The face box: the user may type any name; light letters on a dark ground.
  describe(fontName_, control("FontName"));
  fontName_->setEditable(true);
  fontName_->setInsertPolicy(QComboBox::NoInsert);
  fontName_->setFocusPolicy(Qt::ClickFocus);
  fontName_->setMinimumContentsLength(5);
  fontName_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  QPalette dark = fontName_->palette();
  dark.setColor(QPalette::Base, QColor(0, 0, 128));
  dark.setColor(QPalette::Text, QColor(255, 255, 224));
  fontName_->setPalette(dark);
  fontName_->lineEdit()->setPalette(dark);
  fontName_->lineEdit()->setAccessibleName(fontName_->accessibleName());

  describe(fontSize_, control("FontSize"));
  fontSize_->setEditable(true);
  fontSize_->setInsertPolicy(QComboBox::NoInsert);
  fontSize_->setFocusPolicy(Qt::ClickFocus);
  for (std::string_view item : kFontSizeItems) fontSize_->addItem(ToQString(item));
  fontSize_->setMinimumContentsLength(3);
  fontSize_->lineEdit()->setAccessibleName(fontSize_->accessibleName());
  fontSize_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  QFont bold = fontSize_->font();
  bold.setBold(true);
  fontSize_->setFont(bold);

  describe(swatch_, control("FontColor"));
  for (QWidget* w : {static_cast<QWidget*>(fontName_), static_cast<QWidget*>(fontSize_),
                     static_cast<QWidget*>(swatch_), static_cast<QWidget*>(checkBox1_),
                     static_cast<QWidget*>(checkBox2_)})
    row->addWidget(w);
  beside_ = {checkBox3_, applyFont_, applyCss_, colourHash_, colourNumber_, css_};

  // Typed or chosen texts go to the form as they stand.
  QObject::connect(fontName_, &QComboBox::editTextChanged, group_,
                   [this](const QString& t) { form_.Font.FontName = FromQString(t); });
  QObject::connect(fontSize_, &QComboBox::editTextChanged, group_,
                   [this](const QString& t) { form_.Font.FontSize = FromQString(t); });
  QObject::connect(checkBox1_, &QCheckBox::toggled, group_,
                   [this](bool on) { form_.Font.CheckBox1 = on; });
  QObject::connect(checkBox2_, &QCheckBox::toggled, group_,
                   [this](bool on) { form_.Font.CheckBox2 = on; });
  QObject::connect(checkBox3_, &QCheckBox::toggled, group_, [this](bool on) {
    form_.Font.CheckBox3 = on;
    render();  // the swatch's shape follows the box
  });
  // The swatch opens the colour dialog when the mouse button is released over it.
  QObject::connect(swatch_, &QAbstractButton::clicked, group_,
                   [this] { run_(control("FontColor").handler); });
  for (QToolButton* b : {applyFont_, applyCss_, colourHash_, colourNumber_}) {
    const std::string handler(control(b->objectName().toLatin1().constData()).handler);
    QObject::connect(b, &QToolButton::clicked, group_, [this, handler] { run_(handler); });
  }
  QObject::connect(css_, &QToolButton::clicked, group_, [this] {
    cssMenu()->exec(css_->mapToGlobal(QPoint(0, css_->height())));
  });
  render();
}

void FontPanelView::fillFontNames() {
  if (namesFilled_) return;
  namesFilled_ = true;
  const QSignalBlocker block(fontName_);
  const QString typed = fontName_->currentText();
  fontName_->addItems(installedFamilies());
  fontName_->setCurrentIndex(-1);
  fontName_->setEditText(typed);
}

QMenu* FontPanelView::cssMenu() {
  if (cssMenu_) return cssMenu_;
  cssMenu_ = BuildTableMenu(CSSPopupMenu(), kCssPopupHelpContext, group_->parentWidget(),
                            CssHandlerName, [this](const std::string& handler) { run_(handler); });
  cssMenu_->setObjectName(QStringLiteral("CSSPopupMenu"));
  return cssMenu_;
}

void FontPanelView::render() {
  const FontPanel& p = form_.Font;
  const ControlGroups& g = form_.Groups;
  // Writing a box's text moves its cursor: only a text the form changed is written back.
  if (FromQString(fontName_->currentText()) != p.FontName) {
    const QSignalBlocker block(fontName_);
    fontName_->setEditText(ToQString(p.FontName));
  }
  if (FromQString(fontSize_->currentText()) != p.FontSize) {
    const QSignalBlocker block(fontSize_);
    fontSize_->setEditText(ToQString(p.FontSize));
  }
  for (auto [box, on] : {std::pair{checkBox1_, p.CheckBox1}, std::pair{checkBox2_, p.CheckBox2},
                         std::pair{checkBox3_, p.CheckBox3}}) {
    const QSignalBlocker block(box);
    box->setChecked(on);
  }
  swatch_->display(colourOf(p.FontColor), p.CheckBox3);
  group_->setVisible(g.font);
  checkBox3_->setVisible(g.font);
  applyFont_->setVisible(g.font);
  applyCss_->setVisible(g.applyCss());
  colourHash_->setVisible(g.colour);
  colourNumber_->setVisible(g.colour);
  css_->setVisible(g.css);
}

}  // namespace lumbrix
