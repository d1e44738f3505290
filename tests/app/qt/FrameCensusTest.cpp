// Every menu item and tool button of the frame, with caption, key, hint and order, against the
// list the program's users know.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/qt/FrameActions.h"
#include "app/qt/FrameTestSupport.h"
#include "app/qt/FrameWindow.h"

namespace lumbrix {
namespace {

// caption | key | hint, one item a line; submenus indented; "-" a separator.
const char* const kMenus = R"(&Файл |  | Операции с файлами
  &Новый HTML | F4 | Новый файл с каркасом HTML документа
  Созд&ать... | Shift+F4 | Создать файл на основе шаблона
  Мастер публикаций |  | Запуск мастера веб-публикаций
  -
  Но&вый файл... |  | 
    &пустой |  | Создать новый пустой файл
    &JavaScript |  | Создать новый файл JavaScript
    &VRML |  | Создать новый файл VRML
  -
  &Открыть | F3 | Открыть существующий файл
  -
  &Сохранить | F2 | Записать текущий файл
  Со&хранить в... | Shift+F2 | Записать текущий файл под другим именем
  -
  В&ыход | Ctrl+Q | До свидания!
&Правка |  | Правка - это редактирование
  &Отмена | Ctrl+Z, Alt+Backspace | Отменить последнее действие в текущем редакторе
  -
  &Вырезать | Ctrl+X | Вырезать выделенное из текущего редактора в буфер
  С&копировать | Ctrl+C | Копировать выделение из текущего редактора в буфер
  В&ставить | Ctrl+V | Вставить в текущий редактор текст из буфера
  -
  В&ыделить всё | Ctrl+A | Выделить весь текст в текущем редакторе
  Отступ &больше | Ctrl+I | Увеличить отступ блока
  Отступ &меньше | Ctrl+U | Уменьшить отступ блока
  -
  &Две кавычки |  | Вставить открывающуюся и закрывающуюся кавычки (см. Символы)
  SGML-кавычки |  | Закавычить в SGML-кавычки
  &РЕГИСТР |  | Изменить регистр на БОЛЬШИЕ
  р&егистр |  | Изменить регистр на маленькие
  Дополнительно... |  | 
    Процитировать |  | Отметить выделенное как цитату (знаками >)
  -
  Закомментировать |  | Закомментировать выделенное в редакторе кода
П&ереход |  | Навигация по коду
  Перейти... | Ctrl+G | Перейти к какой-то позиции в документе
  -
  Конец &документа |  | Переход в конец тела документа (body)
  Конец &заголовка |  | Переход в конец заголовка документа (head)
  &Название |  | Переход к названию страницы (title)
  Таблица &стилей |  | Переход к определениям стилей CSS
  Строка номер... | Ctrl+L | Перейти к определённой строке
  Поиск |  | 
    Найти... | Ctrl+F | 
    Заменить... | Ctrl+H | 
С&имволы |  | Вставка некоторых трудно вставляемых символов
  Кавычки &1 |  | Одинарные альтер-кавычки
    &открывающаяся |  | 
    &закрывающаяся |  | 
    о&бе одинарных |  | 
  Кавычки &2 |  | Двойные альтер-кавычки
    откр. &штрихи |  | 
    закр. ш&трихи |  | 
    штрихи о&бе |  | 
    -
    &откр. норм. |  | 
    &закр. норм. |  | 
    но&рм. обе |  | 
  &Плюс-минус |  | 
  &Градус |  | 
  П&араграф |  | 
  П&ромилле |  | 
  &ТМ |  | 
  &Длинное тире |  | 
  &Среднее тире |  | 
  А&вторский знак |  | 
  (R) |  | 
&Сервис |  | Мастера, настройки и т.п.
  &Настройки | F10 | Изменить настройки программы
  Мастер &тегов | Ctrl+Alt+T | Мастер для вставки тегов
  Мастер &атрибутов | Ctrl+Alt+A | Мастер вставки атрибутов в теги
  Просмотр | Ctrl+W | Просмотр страницы в броузере
&Окна |  | Команды работы с окнами
  &Каскадом все |  | Уложить окна каскадом
  &Разделить горизонтально |  | Разделить окна горизонтально
  Р&азделить вертикально |  | Разделить окна вертикально
  &Выстроить значки |  | Выстроить свёрнутые окна
  -
  &Свернуть все |  | Свернуть все окна
  &Закрыть                (Esc) |  | Закрыть текущее окно
По&мощь |  | Помощь и есть помощь
  &Справка |  | Справка о программе
  -
  &Интернет |  | Мы в Интернете
    Справка по HTML и Java | F11 | Справка Lumbrix: HTML и Java
    Веб-тренажёр |  | Справка Lumbrix: веб-тренажёр
    Lumbrix в Сети |  | 
      Домашняя страница |  | Справка Lumbrix: о программе
      Поддержка пользователей |  | Справка Lumbrix: поддержка
      Форум пользователей |  | Справка Lumbrix: форум
      Чат |  | Адрес чата может смениться: надёжнее заходить в чат через сайт
      Бесплатная раскрутка сайта |  | Справка Lumbrix: раскрутка сайта
    -
    Примеры JavaScript, HTML и CSS |  | https://www.w3schools.com/
    Каталог ресурсов JavaScript |  | https://developer.mozilla.org/ru/docs/Web/JavaScript
    Центр неофиц. ресурсов JavaScript |  | https://learn.javascript.ru/
    Справочник веб-цветов |  | https://developer.mozilla.org/ru/docs/Web/CSS/named-color
    -
    Форум Java-разработчиков |  | https://stackoverflow.com/questions/tagged/java
    обучение Java (РуНет) |  | https://metanit.com/java/
    ссылки по Java технологии |  | https://dev.java/learn/
    о JBuilder (РуНет) |  | https://ru.wikipedia.org/wiki/JBuilder
    Руководство идиоту по PERL и CGI |  | https://perldoc.perl.org/perlintro
    -
    &Стандарты |  | 
      W3C (HTML, CSS, PHP и др. стандарты Web) |  | https://www.w3.org/
      Web3D консорциум |  | https://www.web3d.org/
      Java |  | https://dev.java/
      PERL |  | https://www.perl.org/
    Продвинутым... |  | 
      Обучение VRML (англ.) |  | https://www.web3d.org/x3d/content/examples/Vrml2Sourcebook/
      Серверные сценарии (РуНет) |  | https://www.php.net/manual/ru/
      Справки по PERL (англ.) |  | https://perldoc.perl.org/
      Библиотека по ИТ (РуНет) |  | https://www.intuit.ru/
      Сборник CGI-скриптов |  | https://www.scriptarchive.com/
  &О проге | Shift+F1 | Краткие сведения о программе
)";

const char* const kToolBar = R"(Новый пустой файл
Новый HTML файл
Создать на основе шаблона
Мастер публикаций
Открыть файл
Сохранить
Сохранить как...
-
Отменить операцию
-
Вырезать в буфер
Копировать в буфер
Вставить из буфера
-
Выделить всё
-
Перейти...
Найти...
Заменить...
-
Увеличить отступ
Уменьшить отступ
Две кавычки
SGML-кавычки
буквы на ПРОПИСНЫЕ
Буквы на строчные
Мастер тегов
Мастер атрибутов
Настройки
Просмотр страницы в броyзере
)";

void describe(const QMenu* menu, int depth, QString& out) {
  for (const QAction* a : menu->actions()) {
    out += QString(depth * 2, QLatin1Char(' '));
    if (a->isSeparator()) {
      out += QStringLiteral("-\n");
      continue;
    }
    QStringList keys;
    for (const QKeySequence& k : a->shortcuts()) keys << k.toString();
    out += a->text() + QStringLiteral(" | ") + keys.join(QStringLiteral(", ")) +
           QStringLiteral(" | ") + a->statusTip() + QLatin1Char('\n');
    if (a->menu()) describe(a->menu(), depth + 1, out);
  }
}

TEST(FrameCensus, MenusCarryTheirCaptionsKeysHintsAndSeparatorsInOrder) {
  FrameFixture f;
  QString out;
  for (const QAction* top : f.frame->menuBar()->actions()) {
    out += top->text() + QStringLiteral(" |  | ") + top->statusTip() + QLatin1Char('\n');
    describe(top->menu(), 1, out);
  }
  EXPECT_EQ(out.toStdString(), std::string(kMenus));
}

TEST(FrameCensus, ToolBarCarriesItsHintsInOrder) {
  FrameFixture f;
  QString out;
  for (const QAction* a : f.frame->actions().toolBar()->actions())
    out += (a->isSeparator() ? QStringLiteral("-") : a->toolTip()) + QLatin1Char('\n');
  EXPECT_EQ(out.toStdString(), std::string(kToolBar));
  for (const QAction* a : f.frame->actions().toolBar()->actions())
    if (!a->isSeparator()) {
      EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
    }
}

void collectItems(const QMenu* menu, QList<const QAction*>& out) {
  for (const QAction* a : menu->actions()) {
    if (a->menu())
      collectItems(a->menu(), out);
    else if (!a->isSeparator())
      out << a;
  }
}

TEST(FrameCensus, EveryCommandOfTheMenusIsEnabled) {
  FrameFixture f;
  QList<const QAction*> links;
  collectItems(f.frame->actions().internetMenu(), links);
  ASSERT_EQ(links.size(), 25);
  for (const QAction* a : links) EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
  EXPECT_TRUE(f.frame->actions().internetMenu()->menuAction()->isEnabled());
  for (const char* h :
       {"NewHtml",     "NewFile",        "NewJS",        "NewVRML",       "OpenFile",
        "Save",        "SaveAs",         "Quit",         "EditUndo",      "EditPaste",
        "IndentBlock", "UnindentBlock",  "N41Click",     "InsSGMLQuotes", "ToUpperCase",
        "ToLowerCase", "N67Click",       "N63Click",     "GoTo",          "N52Click",
        "N53Click",    "N54Click",       "N73Click",     "N78Click",      "N20Click",
        "N48Click",    "WindowCascade1", "WindowClose1", "N49Click",      "N11Click",
        "CreateFile",  "PreviewInBrow",  "Find",         "Replace",       "TagMaster",
        "AttrMaster",  "PublicationMaster"})
    EXPECT_TRUE(f.frame->actions().action(QString::fromLatin1(h))->isEnabled()) << h;
  EXPECT_TRUE(f.frame->actions().action(QStringLiteral("OptionsAction"))->isEnabled());
}

TEST(FrameCensus, StandardKeysFollowTheSettingAtFirstPaint) {
  FrameFixture f;
  f.registry.keyExists = true;
  f.registry.values["FMK"] = 1;
  f.registry.values["TBA"] = 2;
  f.registry.values["UT"] = 0;
  f.firstShow();
  EXPECT_EQ(f.frame->actions().action(QStringLiteral("NewHtml"))->shortcut().toString(),
            QStringLiteral("Ctrl+N"));
  EXPECT_EQ(f.frame->actions().action(QStringLiteral("SaveAs"))->shortcut().toString(),
            QStringLiteral("Ctrl+Alt+S"));
  EXPECT_EQ(f.frame->toolBarArea(f.frame->actions().toolBar()), Qt::LeftToolBarArea);
  EXPECT_FALSE(f.frame->actions().toolBar()->isVisibleTo(f.frame.get()));
  EXPECT_EQ(f.frame->windowTitle(), QStringLiteral("Lumbrix"));
}

}  // namespace
}  // namespace lumbrix
