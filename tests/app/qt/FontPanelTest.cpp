// The font panel, the colour buttons, the CSS menu and "Lumbrix!" in the real document window.
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

#include "app/qt/FrameTestSupport.h"
#include "commands/CssCommands.h"
#include "common/qt/CodePane.h"
#include "common/qt/WinQString.h"
#include "document/EditForm.h"
#include "document/qt/EditFormView.h"
#include "document/qt/FontPanelView.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using lumbrix::testing::TempDir;

QString line(const QWidget* w) {
  QString text;
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) text = b->text();
  return w->objectName() + QStringLiteral(" | ") + text + QStringLiteral(" | ") + w->toolTip() +
         QLatin1Char('\n');
}

// The controls in the order they stand, with caption and hint.
TEST(FontPanel, ControlsStandInOrderWithTheirCaptionsAndHints) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  EditFormView& v = openDocument(f, dir.Write("a.htm", ""));
  FontPanelView& panel = v.fontPanel();
  QString census;
  for (QObject* o : panel.group()->children())
    if (auto* w = qobject_cast<QWidget*>(o)) census += line(w);
  for (QWidget* w : panel.besideGroup()) census += line(w);
  EXPECT_EQ(census.toStdString(), std::string(R"(FontName |  | Название шрифта
FontSize |  | Размер шрифта
FontColor |  | Цвета текста
CheckBox1 | шрифт | Включать атрибут с именем шрифта
CheckBox2 | разм. | Включать атрибут с размером шрифта
CheckBox3 | цвет | Включать атрибут с цветом текста
ApplyFont | Вставить тег <font>с указанными параметрами | Вставить тег <font>с указанными параметрами
ApplyCss | Вставить CSS атрибуты с указанными параметрами | Вставить CSS атрибуты с указанными параметрами
SpeedButton9 | Цвет --> #номер | Цвет --> #номер
SpeedButton10 | Цвет --> номер | Цвет --> номер
SpeedButtonCSS | CSS | Атрибуты и классы
)"));
  for (QWidget* w : panel.besideGroup()) {
    auto* b = qobject_cast<QToolButton*>(w);
    if (b && b->objectName() != "SpeedButtonCSS") {
      EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
    }
  }

  QStringList sizes;
  for (int i = 0; i < panel.fontSize()->count(); ++i) sizes << panel.fontSize()->itemText(i);
  EXPECT_EQ(sizes.join(' '), QStringLiteral("px 1 2 3 4 5 6 7"));
  EXPECT_EQ(panel.fontSize()->currentText(), QStringLiteral("px"));
  EXPECT_TRUE(panel.fontSize()->font().bold());
  // The face box is empty and fills its list, sorted, when it is first opened.
  EXPECT_EQ(panel.fontName()->currentText(), QString());
  panel.fontName()->showPopup();
  panel.fontName()->hidePopup();
  ASSERT_GT(panel.fontName()->count(), 1);
  for (int i = 1; i < panel.fontName()->count(); ++i)
    EXPECT_LE(panel.fontName()->itemText(i - 1).compare(panel.fontName()->itemText(i),
                                                         Qt::CaseInsensitive),
              0);
  EXPECT_EQ(panel.fontName()->currentText(), QString());
}

QString describe(const QMenu* menu, int depth = 0) {
  QString out;
  for (const QAction* a : menu->actions()) {
    out += QString(depth * 2, QLatin1Char(' '));
    if (a->isSeparator()) {
      out += QStringLiteral("-\n");
      continue;
    }
    out += a->text() + QStringLiteral(" | ") + (a->menu() ? QString() : a->toolTip()) +
           QStringLiteral(" | ") + a->objectName() + QLatin1Char('\n');
    if (a->menu()) out += describe(a->menu(), depth + 1);
  }
  return out;
}

// The menu the CSS button opens is the table, item by item, and its items act on the code pane.
TEST(FontPanel, TheCssMenuIsTheTableAndItsItemsWrite) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  EditFormView& v = openDocument(f, dir.Write("a.css", ""));
  QMenu* menu = v.fontPanel().cssMenu();
  EXPECT_EQ(menu->property("helpContext").toInt(), 2001);
  QString expected;
  int depth = 0;
  for (const CssMenuEntry& e : CSSPopupMenu()) {
    const QString indent(depth * 2, QLatin1Char(' '));
    switch (e.kind) {
      case MenuKind::Submenu:
        expected += indent + ToQString(e.caption) + QStringLiteral(" |  | \n");
        ++depth;
        break;
      case MenuKind::EndSubmenu:
        --depth;
        break;
      case MenuKind::Separator:
        expected += indent + QStringLiteral("-\n");
        break;
      case MenuKind::Item:
        expected += indent + ToQString(e.caption) + QStringLiteral(" | ") + ToQString(e.hint) +
                    QStringLiteral(" | ") + ToQString(CssHandlerName(e)) + QLatin1Char('\n');
        break;
      case MenuKind::Menu:
        break;
    }
  }
  const QString built = describe(menu);
  EXPECT_EQ(built, expected);
  for (const char* row : {"фон |  | \n  background-color | цвет фона | backgroundcolor1Click\n",
                          "    OL | нумерованный список | OL1Click\n"})
    EXPECT_TRUE(built.contains(QString::fromUtf8(row))) << row;

  CodePane& code = v.codePane();
  menu->findChild<QAction*>(QStringLiteral("zindex1Click"))->trigger();
  EXPECT_EQ(code.SelStart(), 8);
  code.SelectAll();
  menu->findChild<QAction*>(QStringLiteral("OL1Click"))->trigger();
  EXPECT_EQ(code.Text(), "OL {\r\nz-index:;\r\n}");
  EXPECT_EQ(code.SelStart(), 18);
}

// The swatch and the colour buttons open the frame's one dialog, which remembers the colour
// chosen last in any window; the check boxes decide what ApplyFont writes and come back on.
TEST(FontPanel, ColoursAndCheckBoxesThroughTheRealControls) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  EditFormView& v = openDocument(f, dir.Write("a.htm", "x"));
  FontPanelView& panel = v.fontPanel();
  CodePane& code = v.codePane();
  f.dialogs.colorAnswers = {0x0000FF, 0x8000FF, 0x336699};
  code.SetSelection(0, 0);
  v.findChild<QToolButton*>(QStringLiteral("SpeedButton9"))->click();
  v.findChild<QToolButton*>(QStringLiteral("SpeedButton10"))->click();
  EXPECT_EQ(code.Text(), "#ff0000ff0080x");
  panel.swatch()->click();
  EXPECT_EQ(panel.swatch()->colour(), QColor(0x99, 0x66, 0x33));

  auto* sizeBox = panel.fontSize();
  sizeBox->setCurrentIndex(3);
  panel.fontName()->setEditText(QStringLiteral("Arial"));
  v.findChild<QCheckBox*>(QStringLiteral("CheckBox3"))->click();
  EXPECT_FALSE(panel.swatch()->ellipse());
  v.findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->click();
  code.SetSelection(13, 1);
  v.findChild<QToolButton*>(QStringLiteral("ApplyFont"))->click();
  EXPECT_EQ(code.Text(), "#ff0000ff0080<font face=\"Arial\">x</font>");
  for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3"})
    EXPECT_TRUE(v.findChild<QCheckBox*>(QString::fromLatin1(name))->isChecked()) << name;
  EXPECT_TRUE(panel.swatch()->ellipse());

  // Another window's button opens the dialog at the colour chosen last here.
  EditFormView& w = openDocument(f, dir.Write("b.htm", ""));
  w.findChild<QToolButton*>(QStringLiteral("SpeedButton9"))->click();
  EXPECT_EQ(f.dialogs.colorRequests,
            (std::vector<std::uint32_t>{0, 0x0000FF, 0x8000FF, 0x336699}));
}

// The groups under the code pane follow the document's kind and the setting FDB.
TEST(FontPanel, GroupsFollowTheKind) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  struct Case {
    const char* file;
    bool font, colour, css;
  };
  for (const Case& c : {Case{"a.htm", true, true, true}, Case{"a.css", true, true, true},
                        Case{"a.c", false, false, false}}) {
    EditFormView& v = openDocument(f, dir.Write(c.file, ""));
    const ControlGroups& g = v.form().Groups;
    EXPECT_EQ(g.font, c.font) << c.file;
    EXPECT_EQ(g.colour, c.colour) << c.file;
    EXPECT_EQ(g.css, c.css) << c.file;
    auto shown = [&](const char* name) {
      return v.findChild<QWidget*>(QString::fromLatin1(name))->isVisibleTo(&v);
    };
    EXPECT_EQ(shown("GroupBox1"), g.font) << c.file;
    EXPECT_EQ(shown("ApplyFont"), g.font) << c.file;
    EXPECT_EQ(shown("SpeedButton10"), g.colour) << c.file;
    EXPECT_EQ(shown("SpeedButtonCSS"), g.css) << c.file;
    EXPECT_EQ(shown("ApplyCss"), g.applyCss()) << c.file;
  }
}

// Plain text typed into the "Lumbrix-er" pane, converted with the page's controls and the real
// button, arrives in the code pane in one undo step.
TEST(FontPanel, LumbrixConvertsWhatWasTypedIntoThePlainPane) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  EditFormView& v = openDocument(f, dir.Write("a.htm", "  x"));
  v.tabs()->setCurrentIndex(0);
  QApplication::processEvents();
  QPlainTextEdit* plain = v.findChild<QPlainTextEdit*>(QStringLiteral("LumbrixEditor"));
  ASSERT_NE(plain, nullptr);
  plain->setFocus();
  QTest::keyClick(plain, Qt::Key_Tab);
  for (QChar ch : QStringLiteral("Мир")) {
    QTest::sendKeyEvent(QTest::Click, plain, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
  QTest::keyClick(plain, Qt::Key_Return);
  QTest::keyClicks(plain, "a <b>");
  v.findChild<QCheckBox*>(QStringLiteral("AllowTags"))->click();
  EXPECT_TRUE(v.form().AllowTags);
  EXPECT_EQ(v.form().TabControl1Index, 1);

  v.tabs()->setCurrentIndex(1);
  auto* doLumbrix = v.findChild<QToolButton*>(QStringLiteral("DoLumbrix"));
  ASSERT_TRUE(doLumbrix->isVisibleTo(&v));
  EXPECT_FALSE(doLumbrix->icon().isNull());
  CodePane& code = v.codePane();
  code.SetSelection(2, 1);
  doLumbrix->click();
  const QString headings = QStringLiteral("  <h1>Мир</h1>\r\n  <p>a <b></p>\r\n  ");
  EXPECT_EQ(code.widget()->text(), headings);
  code.Undo();
  EXPECT_EQ(code.Text(), "  x");

  // The other mode, from its button on the page.
  v.tabs()->setCurrentIndex(0);
  v.findChild<QToolButton*>(QStringLiteral("TabControl1Mode0"))->click();
  EXPECT_EQ(v.form().TabControl1Index, 0);
  v.tabs()->setCurrentIndex(1);
  code.SetSelection(0, 3);
  doLumbrix->click();
  EXPECT_EQ(code.widget()->text(),
            QStringLiteral("<blockquote><h1>Мир<br>\r\n</blockquote><p>a <b>"));
  EXPECT_EQ(plain->toPlainText(), QStringLiteral("\tМир\na <b>"));
}

}  // namespace
}  // namespace lumbrix
