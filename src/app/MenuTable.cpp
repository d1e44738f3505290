#include "app/MenuTable.h"

#include <array>

#include "common/WinText.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

using K = MenuKind;

constexpr MenuEntry kMainMenu[] = {
    {K::Menu, "", "&Файл"_w, "", "Операции с файлами"_w, 1000},
    {K::Item, "NewHtml", "&Новый HTML"_w, "F4", "Новый файл с каркасом HTML документа"_w},
    {K::Item, "CreateFile", "Созд&ать..."_w, "Shift+F4", "Создать файл на основе шаблона"_w},
    {K::Item, "PublicationMaster", "Мастер публикаций"_w, "", "Запуск мастера веб-публикаций"_w},
    {K::Separator},
    {K::Submenu, "", "Но&вый файл..."_w, "", ""},
    {K::Item, "NewFile", "&пустой"_w, "", "Создать новый пустой файл"_w},
    {K::Item, "NewJS", "&JavaScript"_w, "", "Создать новый файл JavaScript"_w},
    {K::Item, "NewVRML", "&VRML"_w, "", "Создать новый файл VRML"_w},
    {K::EndSubmenu},
    {K::Separator},
    {K::Item, "OpenFile", "&Открыть"_w, "F3", "Открыть существующий файл"_w},
    {K::Separator},
    {K::Item, "Save", "&Сохранить"_w, "F2", "Записать текущий файл"_w},
    {K::Item, "SaveAs", "Со&хранить в..."_w, "Shift+F2",
     "Записать текущий файл под другим именем"_w},
    {K::Separator},
    {K::Item, "Quit", "В&ыход"_w, "Ctrl+Q", "До свидания!"_w},

    {K::Menu, "", "&Правка"_w, "", "Правка - это редактирование"_w, 1001},
    {K::Item, "EditUndo", "&Отмена"_w, "Ctrl+Z",
     "Отменить последнее действие в текущем редакторе"_w, 0, "Alt+Backspace"},
    {K::Separator},
    {K::Item, "EditCut", "&Вырезать"_w, "Ctrl+X",
     "Вырезать выделенное из текущего редактора в буфер"_w},
    {K::Item, "EditCopy", "С&копировать"_w, "Ctrl+C",
     "Копировать выделение из текущего редактора в буфер"_w},
    {K::Item, "EditPaste", "В&ставить"_w, "Ctrl+V",
     "Вставить в текущий редактор текст из буфера"_w},
    {K::Separator},
    {K::Item, "EditSelectAll", "В&ыделить всё"_w, "Ctrl+A",
     "Выделить весь текст в текущем редакторе"_w},
    {K::Item, "IndentBlock", "Отступ &больше"_w, "Ctrl+I", "Увеличить отступ блока"_w},
    {K::Item, "UnindentBlock", "Отступ &меньше"_w, "Ctrl+U", "Уменьшить отступ блока"_w},
    {K::Separator},
    {K::Item, "N41Click", "&Две кавычки"_w, "",
     "Вставить открывающуюся и закрывающуюся кавычки (см. Символы)"_w},
    {K::Item, "InsSGMLQuotes", "SGML-кавычки"_w, "", "Закавычить в SGML-кавычки"_w},
    {K::Item, "ToUpperCase", "&РЕГИСТР"_w, "", "Изменить регистр на БОЛЬШИЕ"_w},
    {K::Item, "ToLowerCase", "р&егистр"_w, "", "Изменить регистр на маленькие"_w},
    {K::Submenu, "", "Дополнительно..."_w, "", ""},
    {K::Item, "N67Click", "Процитировать"_w, "", "Отметить выделенное как цитату (знаками >)"_w},
    {K::EndSubmenu},
    {K::Separator},
    {K::Item, "N63Click", "Закомментировать"_w, "",
     "Закомментировать выделенное в редакторе кода"_w},

    {K::Menu, "", "П&ереход"_w, "", "Навигация по коду"_w, 1002},
    {K::Item, "GoTo", "Перейти..."_w, "Ctrl+G", "Перейти к какой-то позиции в документе"_w},
    {K::Separator},
    {K::Item, "N52Click", "Конец &документа"_w, "", "Переход в конец тела документа (body)"_w},
    {K::Item, "N53Click", "Конец &заголовка"_w, "", "Переход в конец заголовка документа (head)"_w},
    {K::Item, "N54Click", "&Название"_w, "", "Переход к названию страницы (title)"_w},
    {K::Item, "N73Click", "Таблица &стилей"_w, "", "Переход к определениям стилей CSS"_w},
    {K::Item, "N78Click", "Строка номер..."_w, "Ctrl+L", "Перейти к определённой строке"_w},
    {K::Submenu, "", "Поиск"_w, "", ""},
    {K::Item, "Find", "Найти..."_w, "Ctrl+F", ""},
    {K::EndSubmenu},

    {K::Menu, "", "С&имволы"_w, "", "Вставка некоторых трудно вставляемых символов"_w, 1003},
    {K::Submenu, "", "Кавычки &1"_w, "", "Одинарные альтер-кавычки"_w},
    {K::Item, "N20Click", "&открывающаяся"_w, "", ""},
    {K::Item, "N21Click", "&закрывающаяся"_w, "", ""},
    {K::Item, "N35Click", "о&бе одинарных"_w, "", ""},
    {K::EndSubmenu},
    {K::Submenu, "", "Кавычки &2"_w, "", "Двойные альтер-кавычки"_w},
    {K::Item, "N23Click", "откр. &штрихи"_w, "", ""},
    {K::Item, "N22Click", "закр. ш&трихи"_w, "", ""},
    {K::Item, "N33Click", "штрихи о&бе"_w, "", ""},
    {K::Separator},
    {K::Item, "N29Click", "&откр. норм."_w, "", ""},
    {K::Item, "N30Click", "&закр. норм."_w, "", ""},
    {K::Item, "N34Click", "но&рм. обе"_w, "", ""},
    {K::EndSubmenu},
    {K::Item, "N24Click", "&Плюс-минус"_w, "", ""},
    {K::Item, "N25Click", "&Градус"_w, "", ""},
    {K::Item, "N26Click", "П&араграф"_w, "", ""},
    {K::Item, "N27Click", "П&ромилле"_w, "", ""},
    {K::Item, "N28Click", "&ТМ"_w, "", ""},
    {K::Item, "N31Click", "&Длинное тире"_w, "", ""},
    {K::Item, "N46Click", "&Среднее тире"_w, "", ""},
    {K::Item, "N47Click", "А&вторский знак"_w, "", ""},
    {K::Item, "N48Click", "(R)", "", ""},

    {K::Menu, "", "&Сервис"_w, "", "Мастера, настройки и т.п."_w, 1004},
    {K::Item, "OptionsAction", "&Настройки"_w, "F10", "Изменить настройки программы"_w},
    {K::Item, "TagMaster", "Мастер &тегов"_w, "Ctrl+Alt+T", "Мастер для вставки тегов"_w},
    {K::Item, "AttrMaster", "Мастер &атрибутов"_w, "Ctrl+Alt+A",
     "Мастер вставки атрибутов в теги"_w},
    {K::Item, "PreviewInBrow", "Просмотр"_w, "Ctrl+W", "Просмотр страницы в броузере"_w},

    {K::Menu, "", "&Окна"_w, "", "Команды работы с окнами"_w, 1005},
    {K::Item, "WindowCascade1", "&Каскадом все"_w, "", "Уложить окна каскадом"_w},
    {K::Item, "WindowTileHorizontal1", "&Разделить горизонтально"_w, "",
     "Разделить окна горизонтально"_w},
    {K::Item, "WindowTileVertical1", "Р&азделить вертикально"_w, "",
     "Разделить окна вертикально"_w},
    {K::Item, "WindowArrange1", "&Выстроить значки"_w, "", "Выстроить свёрнутые окна"_w},
    {K::Separator},
    {K::Item, "WindowMinimizeAll1", "&Свернуть все"_w, "", "Свернуть все окна"_w},
    {K::Item, "WindowClose1", "&Закрыть                (Esc)"_w, "", "Закрыть текущее окно"_w},

    {K::Menu, "", "По&мощь"_w, "", "Помощь и есть помощь"_w, 1006},
    {K::Item, "N49Click", "&Справка"_w, "", "Справка о программе"_w},
    {K::Separator},
    {K::Submenu, "", "&Интернет"_w, "", "Мы в Интернете"_w},
    {K::EndSubmenu},
    {K::Item, "N11Click", "&О проге"_w, "Shift+F1", "Краткие сведения о программе"_w},
};

constexpr ToolEntry kToolBar[] = {
    {"NewFile", "Новый пустой файл"_w},
    {"NewHtml", "Новый HTML файл"_w},
    {"CreateFile", "Создать на основе шаблона"_w},
    {"PublicationMaster", "Мастер публикаций"_w},
    {"OpenFile", "Открыть файл"_w},
    {"Save", "Сохранить"_w},
    {"SaveAs", "Сохранить как..."_w},
    {"", ""},
    {"EditUndo", "Отменить операцию"_w},
    {"", ""},
    {"EditCut", "Вырезать в буфер"_w},
    {"EditCopy", "Копировать в буфер"_w},
    {"EditPaste", "Вставить из буфера"_w},
    {"", ""},
    {"EditSelectAll", "Выделить всё"_w},
    {"", ""},
    {"GoTo", "Перейти..."_w},
    {"", ""},
    {"IndentBlock", "Увеличить отступ"_w},
    {"UnindentBlock", "Уменьшить отступ"_w},
    {"N34Click", "Две кавычки"_w},
    {"InsSGMLQuotes", "SGML-кавычки"_w},
    {"ToUpperCase", "буквы на ПРОПИСНЫЕ"_w},
    {"ToLowerCase", "Буквы на строчные"_w},
    {"TagMaster", "Мастер тегов"_w},
    {"AttrMaster", "Мастер атрибутов"_w},
    {"OptionsAction", "Настройки"_w},
    // The "y" of this hint is a Latin letter.
    {"PreviewInBrow", "Просмотр страницы в броyзере"_w},
};

}  // namespace

std::span<const MenuEntry> MainMenu() {
  return kMainMenu;
}
std::span<const ToolEntry> ToolBar() {
  return kToolBar;
}
}  // namespace lumbrix
