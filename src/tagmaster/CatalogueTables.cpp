// The catalogue's tables, as the tag master and the attribute master show them.
#include "tagmaster/CatalogueTables.h"

#include "common/WinText.h"

namespace lumbrix::catalogue {

using namespace literals;

namespace {

using VC = ValueControl;
using AP = AttributePage;

constexpr std::string_view kAlign[] = {"left", "center", "right", "justify"};
constexpr std::string_view kTarget[] = {"_self", "_parent", "_top", "_blank"};
constexpr std::string_view kLanguages[] = {"JavaScript", "VBScript", "TCL"};
constexpr std::string_view kFrames[] = {"above", "below", "border", "box",   "insides",
                                        "lhs",   "rhs",   "void",   "vsides"};
constexpr std::string_view kRules[] = {"all", "cols", "rows", "groups", "none"};
constexpr std::string_view kVAlign[] = {"baseline", "bottom", "middle", "top"};
constexpr std::string_view kMethods[] = {"GET", "POST"};
constexpr std::string_view kInputTypes[] = {"checkbox",   "file",   "hidden", "image",
                                            "password",   "radio",  "reset",  "select-multiple",
                                            "select-one", "submit", "text",   "textarea"};

}  // namespace

const TagEntry kTags[Catalogue::kTagCount] = {
    {"img", "изображение или видео"_w, false},
    {"a", "ссылка, закладка, примечание"_w, true},
    {"font", "свойства шрифта"_w, true},
    {"hr", "горизонтальная линия"_w, false},
    {"table", "таблица"_w, true},
    {"tr", "строка таблицы"_w, true},
    {"td", "ячейка таблицы"_w, true},
    {"thead", "заголовок таблицы"_w, true},
    {"tfoot", "footer таблицы"_w, true},
    {"th", "\"заглавный\" столбец таблицы"_w, true},
    {"caption", "название таблицы"_w, true},
    {"bgsound", "фоновый звук"_w, true},
    {"form", "форма"_w, true},
    {"input", "элемент формы"_w, true},
    {"button", "кнопка"_w, true},
    {"select", "раскрывающийся список"_w, true},
    {"option", "элемент в раскрывающемся списке"_w, true},
    {"body", "тело документа"_w, true},
    {"base", "базовый URL документа"_w, true},
    {"script", "скрипт (сценарий)"_w, true},
};

const AttributeEntry kAttributes[Catalogue::kAttributeCount] = {
    {"name=", "программный идентификатор элемента"_w, VC::Text, AP::Main},
    {"width=", "ширина"_w, VC::Text, AP::Main},
    {"height=", "высота"_w, VC::Text, AP::Main},
    {"border=", "толщина границы (0 если границы нет)"_w, VC::Text, AP::Main},
    {"title=", "всплывающая подсказка"_w, VC::Text, AP::Main},
    {"class=", "класс (CSS), определяющий стиль элемента"_w, VC::Text, AP::Main},
    {"src=", "путь к файлу"_w, VC::Text, AP::Main},
    {"alt=", "подсказка или подпись картинки (когда картинки отключены)"_w, VC::Text, AP::Main},
    {"href=", "адрес ссылки"_w, VC::Text, AP::Main},
    {"style=", "описание стиля элемента"_w, VC::Text, AP::Main},
    {"face=", "имя шрифта"_w, VC::Suggestions, AP::Main},
    {"size=", "размер"_w, VC::Text, AP::Main},
    {"color=", "цвет"_w, VC::Text, AP::Main},
    {"align=", "выравнивание по горизонтали"_w, VC::Suggestions, AP::Main, kAlign},
    {"background=", "фоновый рисунок (адрес файла)"_w, VC::Text, AP::Main},
    {"bgcolor=", "фоновый цвет"_w, VC::Text, AP::Main},
    {"bordercolor=", "цвет границ"_w, VC::Text, AP::Main},
    {"target=", "\"целевое\" окно или фрейм"_w, VC::Suggestions, AP::Main, kTarget},
    {"id=", "SGML идентификатор"_w, VC::Text, AP::Other},
    {"lang=", "стандартная ISO аббревиатура языка"_w, VC::Text, AP::Other},
    {"language=", "язык скрипта"_w, VC::PickList, AP::Other, kLanguages},
    {"bordercolorlight=", "цвет светлой границы"_w, VC::Text, AP::Other},
    {"cellpadding=", "отступ от границ ячейки"_w, VC::Text, AP::Other},
    {"bordercolordark=", "цвет тёмной границы"_w, VC::Text, AP::Other},
    {"cellspacing=", "расстояние между ячейками"_w, VC::Text, AP::Other},
    {"cols=", "число столбцов"_w, VC::Text, AP::Other},
    {"frame=", "какие из внешних границ показывать"_w, VC::PickList, AP::Other, kFrames},
    {"rules=", "какие из внутренних границ показывать"_w, VC::PickList, AP::Other, kRules},
    {"colspan=", "сколько столбцов объединять"_w, VC::Text, AP::Other},
    {"rowspan=", "сколько строк объединять"_w, VC::Text, AP::Other},
    {"valign=", "выравнивание по вертикали"_w, VC::PickList, AP::Other, kVAlign},
    {"loop=", "сколько раз повторить звук"_w, VC::Text, AP::Other},
    {"lowsrc=", "адрес картинки с пониженным разрешением"_w, VC::Text, AP::Other},
    {"dynsrc=", "адрес видеоклипа"_w, VC::Text, AP::Other},
    {"accesskey=", "клавиша быстрого доступа"_w, VC::Text, AP::Other},
    {"value=", "величина-содержимое"_w, VC::Text, AP::Other},
    {"action=", "адрес для действия формы"_w, VC::Text, AP::Other},
    {"method=", "как данные отправлять на сервер"_w, VC::PickList, AP::Other, kMethods},
    {"type=", "тип элемента формы"_w, VC::Suggestions, AP::Other, kInputTypes},
    {"readonly", "только для чтения"_w, VC::None, AP::Other},
    {"text=", "цвет текста"_w, VC::Text, AP::Main},
    {"link=", "цвет ссылок"_w, VC::Text, AP::Main},
    {"alink=", "цвет активной ссылки"_w, VC::Text, AP::Main},
    {"vlink=", "цвет посещённых ссылок"_w, VC::Text, AP::Main},
    {"leftmargin=", "поля слева"_w, VC::Text, AP::Main},
    {"topmargin=", "поля сверху"_w, VC::Text, AP::Main},
    {"rightmargin=", "поля справа"_w, VC::Text, AP::Other},
    {"bottommargin=", "поля снизу"_w, VC::Text, AP::Other},
    {"disabled", "неактивный"_w, VC::None, AP::Other},
    {"onblur=", "потеря фокуса"_w, VC::Text, AP::Events},
    {"onfocus=", "фокус"_w, VC::Text, AP::Events},
    {"onclick=", "щелчок"_w, VC::Text, AP::Events},
    {"ondblclick=", "двойной щелчок"_w, VC::Text, AP::Events},
    {"onhelp=", "помощь"_w, VC::Text, AP::Events},
    {"onkeydown=", "клавиша надавлена"_w, VC::Text, AP::Events},
    {"onkeypress=", "нажатие клавиши"_w, VC::Text, AP::Events},
    {"onkeyup=", "клавиша отпущена"_w, VC::Text, AP::Events},
    {"onmousedown=", "мышь нажата"_w, VC::Text, AP::Events},
    {"onmousemove=", "перемещение мыши"_w, VC::Text, AP::Events},
    {"onmouseout=", "мышь убежала с элемента"_w, VC::Text, AP::Events},
    {"onmouseover=", "мышь попала на элемент"_w, VC::Text, AP::Events},
    {"onmouseup=", "клавиша мыши отпущена"_w, VC::Text, AP::Events},
    {"onselectstart=", "начало выделения текста"_w, VC::Text, AP::Events},
    {"onload=", "когда документ загрузился"_w, VC::Text, AP::Events},
    {"onunload=", "документ выгружается"_w, VC::Text, AP::Events},
    {"onchange=", "текст изменён"_w, VC::Text, AP::Events},
};

const std::string_view kCommonSet[] = {"title",      "class",       "style",       "id",
                                       "lang",       "language",    "onblur",      "onfocus",
                                       "onclick",    "ondblclick",  "onhelp",      "onkeydown",
                                       "onkeypress", "onkeyup",     "onmousedown", "onmousemove",
                                       "onmouseout", "onmouseover", "onmouseup",   "onselectstart"};

const AvailabilityChange kAvailabilityChanges[] = {
    {"img", "name width height border src alt loop lowsrc dynsrc onload"},
    {"a", "name href target accesskey"},
    {"font", "face size color"},
    {"hr", "size color"},
    {"table",
     "width height align background bgcolor bordercolor bordercolorlight cellpadding "
     "bordercolordark cellspacing cols frame rules"},
    {"tr", "align bgcolor bordercolor bordercolorlight bordercolordark valign"},
    {"td",
     "width height align bgcolor bordercolor bordercolorlight bordercolordark colspan rowspan "
     "valign"},
    {"thead", "align bgcolor valign"},
    {"tfoot", "align bgcolor valign"},
    {"th",
     "align background bgcolor bordercolor bordercolorlight bordercolordark colspan rowspan "
     "valign"},
    {"caption", "align valign"},
    {"bgsound", "src loop"},
    {"form", "name target action method"},
    {"input", "name size align accesskey value type readonly disabled onchange"},
    {"button", "name accesskey type disabled"},
    {"select", "name size align accesskey disabled"},
    {"option", "value"},
    {"body",
     "background bgcolor accesskey text link alink vlink leftmargin topmargin rightmargin "
     "bottommargin onload onunload"},
    {"base", "href target", "style"},
    {"script", "src", "style"},
};

const DescriptionOverride kOverrides[] = {
    {"img", "title", "подсказка (лучше используйте alt)"_w},
    {"img", "loop", "сколько раз повторить видео"_w},
};

}  // namespace lumbrix::catalogue
