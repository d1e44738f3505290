// The tag master's window: the rows each tag shows, the kinds of value fields, and the dialog
// driven through its controls, alone and from the frame's commands.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <set>

#include "app/qt/FrameTestSupport.h"
#include "commands/FontCommands.h"
#include "common/MemoryPane.h"
#include "common/qt/WinQString.h"
#include "document/EditForm.h"
#include "settings/Settings.h"
#include "support/FakeDialogs.h"
#include "support/RecordingPorts.h"
#include "support/TempDir.h"
#include "tagmaster/Form5.h"
#include "tagmaster/qt/Form5View.h"

namespace lumbrix {
namespace {

std::set<QString> words(const char* list) {
  std::set<QString> out;
  for (const QString& w : QString::fromLatin1(list).split(u' ', Qt::SkipEmptyParts)) out.insert(w);
  return out;
}

const char* const kEvents =
    " onblur= onfocus= onclick= ondblclick= onhelp= onkeydown= onkeypress= onkeyup= onmousedown="
    " onmousemove= onmouseout= onmouseover= onmouseup= onselectstart=";

struct Form5ViewTest : ::testing::Test {
  Settings settings;
  testing::FakeDialogs dialogs;
  testing::RecordingHelp help;
  ColourDialogState colour;
  MemoryPane code;
  MemoryPane plain;
  TEditForm document{settings, dialogs, code, plain};
  TForm5 form{dialogs, help, colour};
  Form5View view{form};

  // Runs the modal dialog; `user` acts on it once it is up and must close it.
  bool execute(TForm5::Mode mode, const std::function<void()>& user) {
    bool ran = false;
    QTimer::singleShot(0, &view, [&] {
      ran = true;
      user();
      if (view.isVisible()) {
        ADD_FAILURE() << "the dialog is still open";
        view.reject();
      }
    });
    const bool accepted = view.Execute(document, mode);
    EXPECT_TRUE(ran);
    return accepted;
  }
  void chooseTag(const QString& name) {
    QComboBox* tags = view.tags();
    tags->setFocus();
    while (tags->currentText() != name && tags->currentIndex() < tags->count() - 1)
      QTest::keyClick(tags, Qt::Key_Down);
  }
};

TEST_F(Form5ViewTest, EachTagShowsItsRows) {
  struct Case {
    const char* tag;
    std::string enabled;  // the attributes whose boxes are enabled and fields shown
    QString titleHint;
  };
  const Case cases[] = {
      {"img",
       std::string("name= width= height= border= title= class= src= alt= style= id= lang= "
                   "language= loop= lowsrc= dynsrc= onload=") +
           kEvents,
       QStringLiteral("подсказка (лучше используйте alt)")},
      {"table",
       std::string("width= height= title= class= style= align= background= bgcolor= "
                   "bordercolor= id= lang= language= bordercolorlight= cellpadding= "
                   "bordercolordark= cellspacing= cols= frame= rules=") +
           kEvents,
       QStringLiteral("всплывающая подсказка")},
      {"input",
       std::string("name= title= class= style= size= align= id= lang= language= accesskey= "
                   "value= type= readonly disabled onchange=") +
           kEvents,
       QStringLiteral("всплывающая подсказка")},
  };
  bool ran = false;
  QTimer::singleShot(0, &view, [&] {
    ran = true;
    for (const Case& c : cases) {
      SCOPED_TRACE(c.tag);
      chooseTag(QString::fromLatin1(c.tag));
      EXPECT_EQ(view.tags()->currentText(), QString::fromLatin1(c.tag));
      const std::set<QString> enabled = words(c.enabled.c_str());
      int shown = 0;
      for (int a = 0; a < Catalogue::kAttributeCount; ++a) {
        const AttributeRowWidgets& row = view.rows()[a];
        const QString name = row.check->text();
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(row.check->objectName(), QStringLiteral("c%1").arg(a));
        EXPECT_EQ(row.check->isEnabled(), enabled.count(name) == 1);
        EXPECT_FALSE(row.check->isChecked());
        EXPECT_FALSE(row.check->toolTip().isEmpty());
        if (QWidget* field = row.field()) {
          EXPECT_EQ(field->objectName(), QStringLiteral("t%1").arg(a));
          EXPECT_EQ(!field->isHidden(), enabled.count(name) == 1);
          EXPECT_FALSE(field->accessibleName().isEmpty());
        }
        shown += row.check->isEnabled();
      }
      EXPECT_EQ(shown, static_cast<int>(enabled.size()));
      EXPECT_EQ(view.rows()[4].check->toolTip(), c.titleHint);
    }
    view.cancelButton()->click();
  });
  view.Execute(document, TForm5::Mode::TagMaster);
  EXPECT_TRUE(ran);
}

TEST_F(Form5ViewTest, ValueFieldsAreOfTheAttributesKind) {
  struct Case {
    int attribute;
    const char* kind;  // "text", "suggest", "pick", "none"
    bool colourButton;
  };
  const Case cases[] = {{0, "text", false},     {10, "suggest", false}, {12, "text", true},
                        {13, "suggest", false}, {20, "pick", false},    {23, "text", true},
                        {26, "pick", false},    {38, "suggest", false}, {39, "none", false},
                        {40, "text", true},     {43, "text", true},     {48, "none", false},
                        {65, "text", false}};
  for (const Case& c : cases) {
    const AttributeRowWidgets& row = view.rows()[c.attribute];
    const std::string kind = row.edit                  ? "text"
                             : !row.combo              ? "none"
                             : row.combo->isEditable() ? "suggest"
                                                       : "pick";
    EXPECT_EQ(kind, c.kind) << c.attribute;
    EXPECT_EQ(row.colour != nullptr, c.colourButton) << c.attribute;
  }
  EXPECT_EQ(view.rows()[26].combo->count(), 9);
  EXPECT_EQ(view.rows()[12].colour->objectName(), QStringLiteral("sb12"));
  EXPECT_EQ(view.rows()[40].colour->objectName(), QStringLiteral("s40"));
}

TEST_F(Form5ViewTest, TheTagMasterBuildsATagAroundTheSelection) {
  code.SetText("ab Hello cd");
  code.SetSelection(3, 5);
  dialogs.colorAnswers = {0x0000FF};
  const bool accepted = execute(TForm5::Mode::TagMaster, [&] {
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Мастер тегов"));
    EXPECT_TRUE(view.image1()->isVisible());
    EXPECT_FALSE(view.image2()->isVisible());
    EXPECT_EQ(view.tagDesc()->text(), QStringLiteral("изображение или видео"));
    chooseTag(QStringLiteral("a"));
    EXPECT_EQ(view.tagDesc()->text(), QStringLiteral("ссылка, закладка, примечание"));
    const AttributeRowWidgets& href = view.rows()[8];
    href.check->click();
    QTest::keyClicks(href.edit, QStringLiteral("x.htm"));
    // A colour for a row the tag does not take fills it without ticking it.
    view.rows()[15].colour->click();
    EXPECT_EQ(view.rows()[15].edit->text(), QStringLiteral("#ff0000"));
    EXPECT_FALSE(view.rows()[15].check->isChecked());
    QTest::keyClicks(view.esche(), QStringLiteral("rel=\"next\""));
    view.pageButtons()[TForm5::kPreviewPage]->click();
    EXPECT_EQ(view.pages()->currentWidget(), view.previewMemo());
    EXPECT_EQ(view.previewMemo()->toPlainText(),
              QStringLiteral("<a href=\"x.htm\" rel=\"next\"></a>"));
    view.helpButton()->click();
    QTest::keyClick(view.esche(), Qt::Key_Return);
  });
  EXPECT_TRUE(accepted);
  EXPECT_EQ(code.Text(), "ab <a href=\"x.htm\" rel=\"next\">Hello</a> cd");
  EXPECT_EQ(help.topics, std::vector<int>{20});
}

TEST_F(Form5ViewTest, TheAttributeMasterFollowsTheSelectedTagName) {
  code.SetText("<TABLE>");
  code.SetSelection(1, 5);
  const bool accepted = execute(TForm5::Mode::AttrMaster, [&] {
    EXPECT_EQ(view.windowTitle(), QStringLiteral("мастер атрибутов"));
    EXPECT_FALSE(view.image1()->isVisible());
    EXPECT_TRUE(view.image2()->isVisible());
    EXPECT_TRUE(view.tags()->isVisible());
    EXPECT_FALSE(view.tags()->isEnabled());
    EXPECT_EQ(view.tags()->currentText(), QStringLiteral("table"));
    view.pageButtons()[1]->click();
    EXPECT_EQ(view.rows()[20].combo->currentText(), QStringLiteral("JavaScript"));
    view.rows()[26].check->click();
    view.rows()[26].combo->setCurrentIndex(3);
    view.okButton()->click();
  });
  EXPECT_TRUE(accepted);
  EXPECT_EQ(code.Text(), "<TABLE frame=\"box\">");

  // Opened again on text that is no tag name: every row, no tag list; Esc changes nothing.
  code.SetText("<b>");
  code.SetSelection(0, 3);
  EXPECT_FALSE(execute(TForm5::Mode::AttrMaster, [&] {
    EXPECT_FALSE(view.tags()->isVisible());
    EXPECT_FALSE(view.tagDesc()->isVisible());
    for (const AttributeRowWidgets& row : view.rows()) EXPECT_TRUE(row.check->isEnabled());
    EXPECT_EQ(view.rows()[26].combo->currentText(), QStringLiteral("box"));
    QTest::keyClick(&view, Qt::Key_Escape);
  }));
  EXPECT_EQ(code.Text(), "<b>");
}

TEST_F(Form5ViewTest, EveryControlIsNamed) {
  QStringList nameless;
  bool ran = false;
  QTimer::singleShot(0, &view, [&] {
    ran = true;
    for (int page = 0; page <= TForm5::kPreviewPage; ++page) {
      view.pageButtons()[page]->click();
      for (QWidget* w : view.findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
        if (control && w->accessibleName().isEmpty()) nameless << w->objectName();
      }
    }
    view.cancelButton()->click();
  });
  view.Execute(document, TForm5::Mode::TagMaster);
  EXPECT_TRUE(ran);
  EXPECT_TRUE(nameless.isEmpty()) << nameless.join(u',').toStdString();
}

TEST(Form5Frame, TheFrameCommandsOpenTheDialogOnTheActiveDocument) {
  testing::TempDir dir;
  FrameFixture f({dir.Write("page.htm", "<html><body>Hi</body></html>")});
  f.firstShow();
  ASSERT_EQ(f.frame->Documents().size(), 1u);
  TextPane& pane = f.frame->Documents().front()->CodeEditor();
  pane.SetSelection(12, 2);
  QTimer::singleShot(0, f.frame.get(), [&] {
    Form5View* view = f.frame->tagMasterView();
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Мастер тегов"));
    view->tags()->setCurrentIndex(2);  // font
    emit view->tags()->activated(2);
    view->okButton()->click();
  });
  QTest::keyClick(f.frame->mdiArea(), Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(pane.Text(), "<html><body><font>Hi</font></body></html>");
  EXPECT_EQ(f.frame->form().EditForm, f.frame->Documents().front());
}

}  // namespace
}  // namespace lumbrix
