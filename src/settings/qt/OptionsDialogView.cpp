#include "settings/qt/OptionsDialogView.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/Platform.h"
#include "common/qt/QtDialogs.h"
#include "common/qt/WinQString.h"
#include "settings/qt/CodeFontChooser.h"

namespace lumbrix {

namespace {

const char* const kHelpProperty = "helpContext";

// A colour swatch: a framed rectangle that reports a mouse button released over it.
class Swatch : public QFrame {
 public:
  Swatch(const char* name, const QString& accessible, std::function<void()> released,
         QWidget* parent)
      : QFrame(parent), released_(std::move(released)) {
    setObjectName(QLatin1String(name));
    setAccessibleName(accessible);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFixedSize(41, 21);
    setCursor(Qt::PointingHandCursor);
  }
  void setColor(std::uint32_t bgr) {
    QPalette p = palette();
    p.setColor(QPalette::Window, ColorFromWin(bgr));
    setPalette(p);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QFrame::mouseReleaseEvent(event);
    if (isEnabled() && rect().contains(event->position().toPoint())) released_();
  }

 private:
  std::function<void()> released_;
};

std::uint32_t winOf(QPalette::ColorRole role) {
  return WinFromColor(QApplication::palette().color(QPalette::Active, role));
}

}  // namespace

OptionsDialogView::OptionsDialogView(TOptionsDialog& form, Dialogs& dialogs, Help& help,
                                     QWidget* parent)
    : QDialog(parent),
      form_(form),
      help_(help),
      choosers_(std::make_unique<OptionsChoosers>(dialogs, this)),
      pages_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("OptionsDialog"));
  setWindowTitle(QStringLiteral("Настройки"));
  setAccessibleName(QStringLiteral("Настройки"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                 Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
  setProperty(kHelpProperty, TOptionsDialog::kHelpContext);
  form_.UseDialogs(*choosers_);
  form_.System = {winOf(QPalette::Base), winOf(QPalette::Text), winOf(QPalette::Button)};
  form_.ViewChanged = [this] { render(); };

  pages_->setObjectName(QStringLiteral("PageControl1"));
  pages_->setAccessibleName(QStringLiteral("Страницы настроек"));
  pages_->tabBar()->setAccessibleName(QStringLiteral("Страницы настроек"));
  buildGeneralPage();
  buildViewPage();
  buildEditorPage();
  buildHtmlPage();
  buildSyntaxPage();

  auto* ok = new QPushButton(QStringLiteral("ДА"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  auto* helpButton = new QPushButton(QStringLiteral("Справка"), this);
  helpButton->setObjectName(QStringLiteral("HelpButton"));
  for (QPushButton* b : {ok, cancel, helpButton}) {
    b->setAccessibleName(b->text());
    b->setAutoDefault(false);
  }
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton, &QPushButton::clicked, this, [this] { form_.HelpButtonClick(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(helpButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

OptionsDialogView::~OptionsDialogView() {
  form_.ViewChanged = nullptr;
}

QFrame* OptionsDialogView::makeSwatch(const char* name, const QString& accessible,
                                      std::function<void()> released) {
  return new Swatch(name, accessible, std::move(released), this);
}

void OptionsDialogView::setHelp(QWidget* w, int help) {
  if (help) w->setProperty(kHelpProperty, help);
}

int OptionsDialogView::helpContextOf(const QWidget* widget) const {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    const QVariant own = w->property(kHelpProperty);
    if (own.isValid()) return own.toInt();
    if (w == this) break;
  }
  return 0;
}

QCheckBox* OptionsDialogView::check(const char* name, const QString& text, int help,
                                    bool TOptionsDialog::*field,
                                    std::function<void(TOptionsDialog&)> click) {
  auto* box = new QCheckBox(text, this);
  box->setObjectName(QLatin1String(name));
  box->setAccessibleName(text);
  setHelp(box, help);
  connect(box, &QCheckBox::clicked, this, [this, field, click = std::move(click)](bool checked) {
    form_.*field = checked;
    if (click) click(form_);
  });
  showers_.push_back([this, box, field] {
    const QSignalBlocker block(box);
    box->setChecked(form_.*field);
  });
  return box;
}

QComboBox* OptionsDialogView::list(const char* name, const QStringList& items, int help,
                                   int TOptionsDialog::*field, const QString& accessible) {
  auto* box = new QComboBox(this);
  box->setObjectName(QLatin1String(name));
  box->setAccessibleName(accessible);
  box->addItems(items);
  setHelp(box, help);
  connect(box, &QComboBox::activated, this, [this, field](int index) { form_.*field = index; });
  showers_.push_back([this, box, field] {
    const QSignalBlocker block(box);
    box->setCurrentIndex(form_.*field);
  });
  return box;
}

QLineEdit* OptionsDialogView::edit(const char* name, int help, std::string TOptionsDialog::*field,
                                   const QString& accessible) {
  auto* line = new QLineEdit(this);
  line->setObjectName(QLatin1String(name));
  line->setAccessibleName(accessible);
  setHelp(line, help);
  connect(line, &QLineEdit::textEdited, this,
          [this, field](const QString& text) { form_.*field = FromQString(text); });
  showers_.push_back([this, line, field] {
    const QString text = ToQString(form_.*field);
    if (line->text() != text) line->setText(text);
  });
  return line;
}

void OptionsDialogView::render() {
  for (const auto& show : showers_) show();
  const TOptionsDialog& f = form_;
  for (int i = 0; i < 2; ++i) {
    const QSignalBlocker block(keySets_[i]);
    keySets_[i]->setChecked(f.RadioGroupFMK == i);
  }
  if (f.RadioGroupFMK < 0) {
    // No item chosen: a button group would keep one checked.
    for (QRadioButton* r : keySets_) {
      r->setAutoExclusive(false);
      r->setChecked(false);
      r->setAutoExclusive(true);
    }
  }
  {
    const QSignalBlocker block(tabSize_);
    tabSize_->setValue(f.UpDownTS);
  }
  for (QWidget* w :
       std::initializer_list<QWidget*>{backgroundLabel_, textLabel_, background_, text_})
    w->setEnabled(f.ColorsEnabled);
  static_cast<Swatch*>(background_)->setColor(f.CEBColorShape);
  static_cast<Swatch*>(text_)->setColor(f.CETColorShape);

  auto* face = control<QLineEdit>(QStringLiteral("CEFontFaceEdit"));
  auto* size = control<QLineEdit>(QStringLiteral("CEFontSizeEdit"));
  face->setText(ToQString(f.CEFontFaceEdit));
  size->setText(ToQString(f.CEFontSizeEdit));
  for (QWidget* w : std::initializer_list<QWidget*>{
           face, size, control<QPushButton>(QStringLiteral("FontSelectButton"))})
    w->setEnabled(f.FontEnabled);

  // An empty face keeps the one the sample last had (at first the dialog's own).
  QFont sample = fontExample_->font();
  if (!f.FontExample.face.empty()) sample.setFamily(ToQString(f.FontExample.face));
  sample.setPointSize(f.FontExample.size);
  fontExample_->setFont(sample);
  QPalette p = fontExample_->palette();
  p.setColor(QPalette::Window, ColorFromWin(f.FontExample.background));
  p.setColor(QPalette::WindowText, ColorFromWin(f.FontExample.text));
  fontExample_->setPalette(p);

  const auto colourBox = [](QLineEdit* box, bool enabled, std::uint32_t colour) {
    box->setEnabled(enabled);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, ColorFromWin(colour));
    box->setPalette(pal);
  };
  colourBox(control<QLineEdit>(QStringLiteral("EditUK")), f.EditUKEnabled, f.EditUKColor);
  colourBox(control<QLineEdit>(QStringLiteral("EditUD")), f.EditUDEnabled, f.EditUDColor);
  control<QLineEdit>(QStringLiteral("EditUSER"))->setEnabled(f.EditUSEREnabled);
  control<QCheckBox>(QStringLiteral("CheckBoxUDHETWJSA"))->setEnabled(f.CheckBoxUDHETWJSAEnabled);
  control<QCheckBox>(QStringLiteral("CheckBoxFT"))->setEnabled(f.CheckBoxFTEnabled);
  control<QComboBox>(QStringLiteral("ToolbarAlign"))->setEnabled(f.ToolbarAlignEnabled);
}

void OptionsDialogView::showEvent(QShowEvent* event) {
  render();
  // Centred on the desktop, not over the frame.
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

bool OptionsDialogView::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget && event->type() == QEvent::QueryWhatsThis) {
    event->setAccepted(helpContextOf(widget) != 0);
    return true;
  }
  if (widget && event->type() == QEvent::WhatsThis) {
    help_.ShowTopic(helpContextOf(widget));
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace lumbrix
