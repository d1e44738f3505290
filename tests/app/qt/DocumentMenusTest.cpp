// The document window's context menus and button menus in the real window, and commands run
// through them.
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>

#include "app/qt/FrameTestSupport.h"
#include "commands/TagCommands.h"
#include "common/WinText.h"
#include "common/qt/CodePane.h"
#include "common/qt/PlainPane.h"
#include "common/qt/WinQString.h"
#include "document/EditForm.h"
#include "document/qt/EditFormView.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using lumbrix::testing::TempDir;

QString describe(const QMenu* menu, int depth = 0) {
  QString out;
  for (const QAction* a : menu->actions()) {
    out += QString(depth * 2, QLatin1Char(' '));
    if (a->isSeparator()) {
      out += QStringLiteral("-\n");
      continue;
    }
    out += a->text() + QStringLiteral(" | ") + a->statusTip() + QLatin1Char('\n');
    if (a->menu()) out += describe(a->menu(), depth + 1);
  }
  return out;
}

const char* const kCodePopup = R"(Отменить | Отменить последнюю операцию в редакторе кода
-
Вырезать | Вырезать в буфер
Скопировать | Копировать в буфер
Вставить | Вставить из буфера
-
Выделить всё | Выделить весь текст в редакторе кода
-
символы | Некоторые дополнительные символы
  Кавычки-1 | 
    Откр. | 
    Закр. | 
    Обе сразу | 
  Кавычки-2 | 
    Откр. штрих | 
    Закр. штрих | 
    Обе штрих | 
    -
    Откр. норм. | 
    Закр. норм. | 
    Обе норм. | 
  Плюс-минус | 
  Знак градуса | 
  Параграф | 
  Промилле | 
  Торговая Марка | 
  Длинное тире | 
  Среднее тире | 
  (c) | 
  (R) | 
Lumbrix! | Вставка содержимого Lumbrixера с HTML-форматированием
-
Закомментировать | Закомментировать выделенное в редакторе кода
)";

TEST(DocumentMenus, CodePaneContextMenuCensus) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  EditFormView& v = openDocument(f, dir.Write("a.htm", ""));
  EXPECT_EQ(describe(v.codePopupMenu()).toStdString(), std::string(kCodePopup));
  EXPECT_EQ(v.codePopupMenu()->property("helpContext").toInt(), 2000);
  EXPECT_EQ(v.lumbrixPopupMenu()->property("helpContext").toInt(), 2000);
  EXPECT_EQ(v.tagsPopupMenu()->property("helpContext").toInt(), 2002);
  EXPECT_EQ(v.brPopupMenu()->property("helpContext").toInt(), 2003);
  EXPECT_TRUE(v.codePopupMenu()->findChild<QAction*>(QStringLiteral("InsLumbrix"))->isEnabled());
}

TEST(DocumentMenus, PlainPaneMenuHasItsOwnWords) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  EditFormView& v = openDocument(f, dir.Write("a.htm", ""));
  const QString text = describe(v.lumbrixPopupMenu());
  for (const char* line :
       {"Отмена! | Отменить последнюю операцию в Lumbrixере\n", "Вырезать | Выдрать в буфер\n",
        "Закопить | Копировать в буфер\n", "Вставить | Влепить из буфера\n",
        "Выделить всё | Выделить весь текст в Lumbrixере\n", "Обе классич. | \n",
        "Торговый знак | \n", "Формат | \n", "жирный | \n", "верхний индекс | \n"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line;
}

TEST(DocumentMenus, ButtonMenusFollowTheirTablesAndTheButtonsTheKind) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  EditFormView& v = openDocument(f, dir.Write("a.htm", ""));
  int items = 0;
  for (const TagMenuEntry& e : TagsPopupMenu()) items += e.kind == MenuKind::Item;
  EXPECT_EQ(v.tagsPopupMenu()->findChildren<QAction*>().size() > 0, true);
  int built = 0;
  for (const QAction* a : v.tagsPopupMenu()->findChildren<QAction*>())
    built += !a->isSeparator() && !a->menu() && !a->objectName().isEmpty();
  EXPECT_EQ(built, items);
  QToolButton* tags = v.button(QStringLiteral("SpeedButton8"));
  ASSERT_NE(tags, nullptr);
  EXPECT_EQ(tags->text(), QStringLiteral("Теги..."));
  EXPECT_EQ(tags->toolTip(), QStringLiteral("Некоторые теги"));
  EXPECT_EQ(v.button(QStringLiteral("SpeedButton11"))->toolTip(),
            QStringLiteral("Формат и переносы"));
  EXPECT_TRUE(tags->isVisibleTo(&v));

  // A C file shows no format buttons while buttons go by file type.
  EditFormView& c = openDocument(f, dir.Write("x.c", ""));
  EXPECT_FALSE(c.button(QStringLiteral("SpeedButton8"))->isVisibleTo(&c));
  EXPECT_FALSE(c.button(QStringLiteral("SpeedButton1"))->isVisibleTo(&c));
}

TEST(DocumentMenus, CommandsRunThroughTheRealMenusAndButtons) {
  TempDir dir;
  FrameFixture f;
  f.firstShow();
  EditFormView& v = openDocument(f, dir.Write("a.htm", "    word"));
  CodePane& code = v.codePane();
  code.SetSelection(4, 4);
  v.button(QStringLiteral("SpeedButton1"))->click();
  EXPECT_EQ(code.Text(), "    <b>word</b>");
  EXPECT_EQ(code.widget()->text(), QStringLiteral("    <b>word</b>"));

  // The first item of the tag menu, through its action.
  const TagMenuEntry* first = nullptr;
  for (const TagMenuEntry& e : TagsPopupMenu())
    if (e.kind == MenuKind::Item) {
      first = &e;
      break;
    }
  ASSERT_NE(first, nullptr);
  code.SetSelection(0, 0);
  const int before = code.TextLength();
  v.tagsPopupMenu()->findChild<QAction*>(ToQString(first->handler))->trigger();
  EXPECT_GT(code.TextLength(), before);

  // A symbol from the code pane's menu, and commenting from it.
  code.SetSelection(0, code.TextLength());
  v.codePopupMenu()->findChild<QAction*>(QStringLiteral("CommentSel"))->trigger();
  EXPECT_TRUE(code.Text().starts_with("<!--")) << code.Text();
  EXPECT_TRUE(v.form().Modified());
}

}  // namespace
}  // namespace lumbrix
