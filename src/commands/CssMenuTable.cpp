// The CSS menu "CSS" below the code pane, in menu order.
#include "commands/CssCommands.h"
#include "common/WinText.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

using K = MenuKind;

constexpr CssMenuEntry Sub(std::string_view caption) {
  return {K::Submenu, caption};
}
constexpr CssMenuEntry End{K::EndSubmenu};
constexpr CssMenuEntry Sep{K::Separator};

// A property name: the caption is the name written.
constexpr CssMenuEntry Prop(std::string_view caption, std::string_view hint) {
  return {K::Item, caption, hint, CssInsert::Property};
}
constexpr CssMenuEntry Sel(std::string_view caption, std::string_view hint,
                           std::string_view selector) {
  return {K::Item, caption, hint, CssInsert::Selector, selector};
}
constexpr CssMenuEntry Pseudo(std::string_view caption, std::string_view hint) {
  return {K::Item, caption, hint, CssInsert::PseudoClass};
}

constexpr CssMenuEntry kCss[] = {
    Sub("фон"_w),
    Prop("background-color", "цвет фона"_w),
    Prop("background-image", "фоновое изображение"_w),
    Sep,
    Prop("background-attachment", "привязка фона (прокручивать ли вместе со страницей)"_w),
    Prop("background-repeat", "как повторять фоновое изображение"_w),
    Prop("background-position", "размещение фонового изображения"_w),
    End,
    Sub("текст"_w),
    Prop("color", "цвет текста"_w),
    Prop("font-family", "имя шрифта (семейства)"_w),
    Prop("font-size", "размер шрифта (пикселы px или усл. ед.)"_w),
    Prop("font-weight", "толщина шрифта (жирн./нежирн.)"_w),
    Prop("font-style", "стиль шрифта (курсив и т. п.)"_w),
    Prop("text-decoration", "почеркивание/надчеркивание шрифта"_w),
    Sep,
    Sub("дополнительно"_w),
    Prop("line-height", "высота строки текста (пикс.)"_w),
    Prop("letter-spacing", "промежутки между символами (при выравн. по шир. не учитываются)"_w),
    Prop("font-variant", "вариация шрифта (малые прописные и т. п.)"_w),
    Prop("text-transform", "преобразов-е текста (в ниж./верх. регистр)"_w),
    End,
    End,
    Sub("выравнивание"_w),
    Prop("text-align", "выравнивание текста (слева, справа и т. д.)"_w),
    Prop("vertical-align", "вертикальное выравнивание элемента (НЕ ТЕКСТА!)"_w),
    End,
    Sub("отступы"_w),
    Sub("от границ"_w),
    Prop("padding-top", "от верхней границы"_w),
    Prop("padding-left", "от левой границы"_w),
    Prop("padding-bottom", "от нижней границы"_w),
    Prop("padding-right", "от правой границы"_w),
    Sep,
    Prop("padding", "общие установки отступов (от всех границ)"_w),
    End,
    Sep,
    Prop("text-indent", "отступ первой строки текста в абзаце"_w),
    End,
    Sep,
    Sub("положение"_w),
    Prop("position", "тип позиционирования элемента (относительный, абсолютный, статический)"_w),
    Prop("top", "позиция верхнего края элемента"_w),
    Prop("left", "позиция левого края элемента"_w),
    Sep,
    Prop("float", "должен ли элемент обтекаться текстом"_w),
    Prop("z-index", "индекс слоя (если позиция элемента абсолютная)"_w),
    End,
    Sub("размеры"_w),
    Prop("width", "ширина элемента (может не работать в NN)"_w),
    Prop("height", "высота элемента (может не работать в NN)"_w),
    End,
    Sub("границы"_w),
    Sub("левая"_w),
    Prop("border-left-width", "толщина левой границы"_w),
    Prop("border-left-style", "стиль левой границы"_w),
    Prop("border-left-color", "цвет левой границы"_w),
    Sep,
    Prop("border-left", "список свойств левой границы"_w),
    End,
    Sub("правая"_w),
    Prop("border-right-width", "толщина правой границы"_w),
    Prop("border-right-style", "стиль правой границы"_w),
    Prop("border-right-color", "цвет правой границы"_w),
    Sep,
    Prop("border-right", "список свойств правой границы"_w),
    End,
    Sub("верхняя"_w),
    Prop("border-top-width", "толщина верхней границы"_w),
    Prop("border-top-style", "стиль верхней границы"_w),
    Prop("border-top-color", "цвет верхней границы"_w),
    Sep,
    Prop("border-top", "список свойств верхней границы"_w),
    End,
    Sub("нижняя"_w),
    Prop("border-bottom-width", "толщина нижней границы"_w),
    Prop("border-bottom-style", "стиль нижней границы"_w),
    Prop("border-bottom-color", "цвет нижней границы"_w),
    Sep,
    Prop("border-bottom", "список свойств нижней границы"_w),
    End,
    Sep,
    Prop("border", "общие свойства для всех границ (пользоваться не советую)"_w),
    Prop("border-width", "толщина для всех границ"_w),
    Prop("border-style", "стил для всех границ"_w),
    End,
    Sep,
    Sub("отображение"_w),
    Prop("cursor", "тип курсора над этим элементом"_w),
    Sep,
    Prop("visibility", "видимый элемент или нет"_w),
    Prop("display", "показывать или нет (если нет, то место на экране не резервируется)"_w),
    Prop("clip", "(простите, подсказки нет)"_w),
    Prop("clear", "(простите, подсказки нет)"_w),
    End,
    Sub("поля"_w),
    Prop("margin-left", "поле слева (пикс.)"_w),
    Prop("margin-top", "поле сверху (пикс.)"_w),
    Prop("margin-right", "поле справа (пикс.)"_w),
    Prop("margin-bottom", "поле снизу (пикс.)"_w),
    Sep,
    Prop("margin", "единые установки для всех полей"_w),
    End,
    Sep,
    Sub("Элементы"_w),
    Sel("BODY", "тело документа"_w, "body"),
    Sel("P", "абзацы"_w, "p"),
    Sel("A", "ссылки"_w, "a"),
    Sub("Заголовки"_w),
    Sel("H1", "заголовок 1-го уровня"_w, "h1"),
    Sel("H2", "заголовок 2-го уровня"_w, "h2"),
    End,
    Sub("Списки"_w),
    Sel("UL", "маркированный список"_w, "ul"),
    Sel("OL", "нумерованный список"_w, "OL"),  // in capitals, unlike the others
    Sep,
    Sel("LI", "элемент списка"_w, "li"),
    End,
    Sub("Таблицы"_w),
    Sel("TD", "ячейка таблицы"_w, "td"),
    Sel("TH", "ячейка заголовка"_w, "th"),
    Sep,
    Sel("COL", "колонка"_w, "col"),
    Sel("THEAD", "заголовок таблицы (может отсутствовать)"_w, "thead"),
    Sel("TBODY", "тело таблицы (может отсутствовать)"_w, "tbody"),
    Sel("TFOOT", "футер таблицы /\"антизаголовок\"/ (может отсутствовать)"_w, "tfoot"),
    End,
    Sub("Разметка"_w),
    Sel("DIV", "область документа (блочная)"_w, "div"),
    Sel("SPAN", "область документа (не блочная)"_w, "span"),
    End,
    Sub("Другие..."_w),
    Sel("DFN", "стиль теста \"определение\""_w, "dfn"),
    Sel("ADDRESS", "блок текста \"адрес\""_w, "address"),
    Sel("EM", "стиль текста \"мягкое выделение\" (как правило, курсив)"_w, "em"),
    Sel("STRONG", "стиль текста \"строгое выделение\" (как правило, жирный)"_w, "strong"),
    End,
    End,
    Sub("Псевдоклассы"_w),
    Pseudo("hover", "при наведении курсора"_w),
    Pseudo("active", "активный (нажатый мышью)"_w),
    Pseudo("visited", "посещенная ссылка"_w),
    Sep,
    Pseudo("first-letter", "первый символ"_w),
    Pseudo("first-line", "первая строка"_w),
    End,
};

}  // namespace

std::span<const CssMenuEntry> CSSPopupMenu() {
  return kCss;
}

}  // namespace lumbrix
