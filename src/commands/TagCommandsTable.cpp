// The two button menus below the code pane: "Теги..." and "Формат и переносы".
#include <array>

#include "commands/TagCommands.h"
#include "common/WinText.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

using K = MenuKind;
using I = TagInsert;

constexpr TagMenuEntry Sub(std::string_view caption, std::string_view hint = {}) {
  return {K::Submenu, {}, caption, hint};
}
constexpr TagMenuEntry End{K::EndSubmenu};
constexpr TagMenuEntry Sep{K::Separator};

constexpr TagMenuEntry Item(std::string_view handler, std::string_view caption,
                            std::string_view hint, I insert, std::string_view open,
                            std::string_view close = {}, TagIndent indent = NoIndent) {
  return {K::Item, handler, caption, hint, insert, open, close, indent};
}
// The common shape: an element around the selection, all on one line.
constexpr TagMenuEntry Tag(std::string_view handler, std::string_view caption,
                           std::string_view hint, std::string_view open, std::string_view close) {
  return Item(handler, caption, hint, I::Wrap, open, close);
}
// An element whose tags stand on lines of their own, at the caret line's indentation.
constexpr TagMenuEntry Block(std::string_view handler, std::string_view caption,
                             std::string_view hint, std::string_view open, std::string_view close) {
  return Item(handler, caption, hint, I::Wrap, open, close, IndentBoth);
}

constexpr TagMenuEntry kTags[] = {
    Sub("Метапеременная"_w),
    Item("N108Click", "системная..."_w, "<meta http-equiv...>", I::Prefix,
         "<meta http-equiv=\"\" content=\"\" />"),
    Item("N112Click", "пользователя..."_w, "<meta name...>", I::Prefix,
         "<meta name=\"\" content=\"\" />"),
    Sep,
    Item("N106Click", "Автор"_w, "Сведения об авторстве"_w, I::Author,
         "<meta name=\"author\" lang=\"ru\" content=\"", "\" />"),
    Item("N49Click", "Ключевые слова"_w, "Ключевый слова для систем поиска"_w, I::Keywords,
         "<meta name=\"keywords\" lang=\"ru\" content=\"", "\" />"),
    Item("N50Click", "Описание"_w, "Описание страницы"_w, I::Description,
         "<meta name=\"description\" lang=\"ru\" content=\"", "\" />"),
    Item("N113Click", "Вид кодировки"_w, "Кодировка текста страницы"_w, I::Prefix,
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\" />"),
    Tag("N114Click", "Классификация"_w, "", "<meta name=\"classification\" content=\"", "\" />"),
    Item("robots1Click", "robots", "указания поисковым роботам"_w, I::Prefix,
         "<meta name=\"robots\" content=\"\" />"),
    End,
    Item("N47Click", "Название стр."_w, "<title>", I::Title, "<title>", "</title>"),
    Item("CSS1Click", "Линка на файл CSS"_w, "<link rel=stylesheet type=text/css ...>", I::Prefix,
         "<link rel=stylesheet href=\"\" type=\"text/css\" />"),
    Block("CSS2Click", "Таблица стилей CSS"_w, "<style>", "<style type=\"text/css\">\r\n",
          "\r\n</style>"),
    Sep,
    Sub("Скрипты"_w),
    Block("N45Click", "Скрипт"_w, "<script ...>", "<script language=\"JavaScript\">\r\n<!--//\r\n",
          "//-->\r\n</script>"),
    Item("N51Click", "Скрипт из файла"_w, "<script src= ...>", I::Replace,
         "<script language=\"JavaScript\" src=\".js\">\r\n</script>", {}, IndentOpen),
    Block("noscript1Click", "noscript", "Что показать если броузер не поддерживает JavaScript"_w,
          "<noscript>\r\n", "\r\n</noscript>"),
    End,
    Sub("Акт. элементы"_w),
    Item("N117Click", "Апплет"_w, "Java апплет (устаревший, лучше используйте object)"_w, I::Wrap,
         "<applet code=\"\" codebase=\"\">\r\n", "</applet>", IndentOpen),
    Sep,
    Item("N180Click", "Объект"_w, "<object...>", I::Wrap, "<object classid=\"\" codebase=\"\">\r\n",
         "</object>", IndentOpen),
    Item("N182Click", "Параметр объекта"_w, "<param...> (помещать внутри тега object)"_w, I::Prefix,
         "<param name=\"\" value=\"\">"),
    End,
    Sub("Ссылки"_w),
    Tag("N42Click", "простая"_w, "<a href= ...>", "<a href=\"\">", "</a>"),
    Tag("N197Click", "в новом окне"_w, "<a target=_blank href=...>",
        "<a href=\"\" target=\"_blank\">", "</a>"),
    Tag("N74Click", "с подсказкой"_w, "<a href=... title=...>", "<a href=\"\" title=\"\">", "</a>"),
    Tag("N75Click", "с подсказкой и классом"_w, "<a href=... title=... class=...>",
        "<a href=\"\" title=\"\" class=\"\">", "</a>"),
    Tag("N76Click", "с подсказкой и стилем"_w, "<a href=... title=... style=...>",
        "<a href=\"\" title=\"\" style=\"\">", "</a>"),
    End,
    Sub("Картинки/видео"_w),
    Item("N43Click", "простая"_w, "<img src=...>", I::Prefix, "<img src=\"\" />"),
    Item("N83Click", "с подсказкой"_w, "<img src=... title=...>", I::Prefix,
         "<img src=\"\" alt=\"\" border=\"0\" />"),
    Item("N84Click", "...и с размерами"_w, "<img src=... title=... width=... height=...>",
         I::Prefix, "<img src=\"\" alt=\"\" height=\"\" width=\"\" border=\"0\" />"),
    Sep,
    Block("N86Click", "баннер"_w, "",
          "<!--Баннер: начало кода-->\r\n<a href=\"\" target=\"_blank\">"
          "<img src=\"\" alt=\"\" height=\"\" width=\"\" border=\"0\" />"_w,
          "</a>\r\n<!--Баннер: конец кода-->"_w),
    End,
    Item("N116Click", "Фоновый звук"_w, "<bgsound ...>", I::Prefix,
         "<bgsound loop=\"\" src=\"\" />"),
    Tag("N44Click", "Закладка"_w, "<a name=...>", "<a name=\"\">", "</a>"),
    Tag("N48Click", "Примечание"_w, "<a title=...>", "<a title=\"\">", "</a>"),
    Sub("Формы"_w),
    Sub("форма"_w),
    Block("N53Click", "простая"_w, "<form ...>", "<form name=\"\">\r\n", "\r\n</form>"),
    Block("N104Click", "с отправкой"_w, "<form ...>",
          "<form name=\"\" method=\"GET\" action=\"\">\r\n", "\r\n</form>"),
    End,
    Sep,
    Item("N54Click", "поле ввода"_w, "<input type=text ...>", I::Replace,
         "<input type=\"text\" name=\"\" />"),
    Item("N58Click", "поле для пароля"_w, "<input type=password ...>", I::Replace,
         "<input type=\"password\" name=\"\" />"),
    Item("N55Click", "текстовая область"_w, "<textarea ...>", I::Replace,
         "<input type=\"textarea\" name=\"\" />"),
    Item("N56Click", "флажок"_w, "<input type=checkbox ...>", I::Replace,
         "<input type=\"checkbox\" name=\"\" />"),
    Item("N57Click", "радиальный флажок"_w, "<input type=radio ...>", I::Replace,
         "<input type=\"radio\" name=\"\" />"),
    Sub("Раскр. список"_w),
    Item("N61Click", "сам список"_w, "<select ...>", I::Wrap, "<select name=\"\">", "</select>\r\n",
         IndentClose),
    Item("N62Click", "его элемент"_w, "<option ...>", I::Prefix, "<option value=\"\"></option>\r\n",
         {}, IndentOpen),
    End,
    Tag("N102Click", "кнопка"_w, "<button ...>", "<button type=\"button\" title=\"\" onclick=\"\">",
        "</button>"),
    Item("N103Click", "кнопка отправки"_w, "<input type=submit ...>", I::Replace,
         "<input type=\"submit\" value=\"\" />"),
    Item("N59Click", "...ещё что-то..."_w, "<input ...>", I::Replace,
         "<input type=\"\" name=\"\" />"),
    End,
    Sub("Таблица"_w),
    Block("N162Click", "Заготовка таблицы"_w, "заготовка таблицы с основными тегами"_w,
          "<table width=\"100%\" summary=\"\">\r\n<tr>\r\n  <td width=\"\">",
          "</td>\r\n</tr>\r\n</table>"),
    Sep,
    Block("N64Click", "сама таблица"_w, "<table ...>", "<table width=\"\" summary=\"\">\r\n",
          "\r\n</table>"),
    Tag("N171Click", "название"_w, "<caption>", "<caption>", "</caption>"),
    Sep,
    Block("N65Click", "строка"_w, "<tr>", "<tr>\r\n", "\r\n</tr>"),
    Sep,
    Tag("N67Click", "ячейка"_w, "<td ...>", "<td>", "</td>"),
    Tag("N175Click", "ячейка заголовка"_w, "<th>", "<th>", "</th>"),
    Sep,
    Sub("Другие"_w),
    Block("N179Click", "групп. в колонки"_w, "<colgroup...>", "<colgroup>\r\n", "\r\n</colgroup>"),
    Item("N176Click", "колонка"_w, "<col...>", I::Prefix, "<col>\r\n"),
    Sep,
    Block("N66Click", "заголовок"_w, "<thead>", "<thead>\r\n", "\r\n</thead>"),
    Block("N172Click", "тело"_w, "<tbody>", "<tbody>\r\n", "\r\n</tbody>"),
    Block("N174Click", "футер"_w, "<tfoot>", "<tfoot>\r\n", "\r\n</tfoot>"),
    End,
    End,
    Item("N68Click", "Внедрение (plug-in)"_w, "<embed ...> (только MSIE)"_w, I::Prefix,
         "<embed src=\"\" />"),
    Sub("Списки"_w),
    Tag("N70Click", "маркированный"_w, "<ul>", "<ul>", "</ul>"),
    Item("N71Click", "нумерованный"_w, "<ol>", I::Wrap, "<ol>\r\n", "</ol>", IndentOpen),
    Sep,
    Tag("N72Click", "элемент списка"_w, "<li>", "<li>", "</li>"),
    End,
    Sub("Области (div/span)"_w),
    Block("div1Click", "DIV", "<div>", "<div>\r\n", "\r\n</div>"),
    Block("DIV3Click", "DIV с классом"_w, "<div class=...>", "<div class=\"\">\r\n", "\r\n</div>"),
    Block("DIV5Click", "DIV со стилем"_w, "<div style=...>", "<div style=\"\">\r\n", "\r\n</div>"),
    Sep,
    Tag("SPAN2Click", "SPAN", "<span>", "<span>", "</span>"),
    Tag("SPAN3Click", "SPAN с классом"_w, "<span class=...>", "<span class=\"\">", "</span>"),
    Tag("DIV4Click", "SPAN со стилем"_w, "<span style=...>", "<span style=\"\">", "</span>"),
    End,
    Sub("Индексирование"_w),
    Block("noindex1Click", "noindex", "<noindex>", "<noindex>\r\n", "\r\n</noindex>"),
    End,
    Sep,
    Sub("Кадры (фреймы)"_w),
    Block("N79Click", "набор кадров: столбцы"_w, "<frameset cols=...>", "<frameset cols=\"\">\r\n",
          "\r\n</frameset>"),
    Block("N80Click", "набор кадров: строки"_w, "<frameset rows=...>", "<frameset rows=\"\">\r\n",
          "\r\n</frameset>"),
    Block("N81Click", "кадр"_w, "<frame ...>", "<frame name=\"\" src=\"\">\r\n", "\r\n</frame>"),
    Block("noframes1Click", "noframes", "Что показывать если броузер не поддерживает фреймы"_w,
          "<noframes>\r\n", "\r\n</noframes>"),
    Sep,
    Tag("N166Click", "встроенный фрейм"_w,
        "<iframe ...> (известная дрянь, некоторые просто блокируют ее в настройках для защиты от "
        "вирусов)"_w,
        "<iframe src=\"\" width=\"\" height=\"\">", "</iframe>"),
    End,
};

// A paragraph starts on a line of its own, so the break comes before its opening tag too.
constexpr TagMenuEntry Paragraph(std::string_view handler, std::string_view caption,
                                 std::string_view hint, std::string_view open) {
  return Block(handler, caption, hint, open, "\r\n</p>");
}

constexpr TagMenuEntry kFormat[] = {
    Item("N87Click", "Разрыв строки"_w, "<br>", I::Suffix, {}, "<br />\r\n", IndentClose),
    Sub("Абзац"_w, "<p>"),
    Paragraph("N92Click", "простой"_w, "<p>", "\r\n<p>\r\n"),
    Sep,
    Paragraph("N186Click", "с классом"_w, "<p class=...>", "\r\n<p class=\"\">\r\n"),
    Sep,
    Paragraph("N94Click", "по левому краю"_w, "<p align=left>", "\r\n<p align=\"left\">\r\n"),
    Paragraph("N95Click", "по середине"_w, "<p align=center>", "\r\n<p align=\"center\">\r\n"),
    Paragraph("N96Click", "по правому краю"_w, "<p align=right>", "\r\n<p align=\"right\">\r\n"),
    Paragraph("N119Click", "по ширине"_w, "<p align=justify>", "\r\n<p align=\"justify\">\r\n"),
    End,
    Sub("Заголовок"_w),
    Tag("N111Click", "H1", "<h1>", "<h1>", "</h1>"),
    Tag("N210Click", "H2", "<h2>", "<h2>", "</h2>"),
    Tag("N310Click", "H3", "<h3>", "<h3>", "</h3>"),
    Tag("N410Click", "H4", "<h4>", "<h4>", "</h4>"),
    Tag("N510Click", "H5", "<h5>", "<h5>", "</h5>"),
    Tag("N610Click", "H6", "<h6>", "<h6>", "</h6>"),
    End,
    Sep,
    Tag("N89Click", "По центру"_w, "<center>", "<center>", "</center>"),
    Sub("Стили текста"_w),
    Tag("N121Click", "Уменьшенный"_w, "<small>", "<small>", "</small>"),
    Sub("выделение"_w),
    Tag("N193Click", "менее строгое"_w, "<em>", "<em>", "</em>"),
    Tag("N194Click", "более строгое"_w, "<strong>", "<strong>", "</strong>"),
    End,
    Sep,
    Tag("N122Click", "Адрес"_w, "<address>", "<address>", "</address>"),
    Tag("N168Click", "Определение"_w, "<dfn>", "<dfn>", "</dfn>"),
    Tag("N189Click", "Цитата"_w, "<cite>", "<cite>", "</cite>"),
    Sep,
    Sub("технические"_w),
    Tag("N90Click", "Образец кода"_w, "<code>", "<code>", "</code>"),
    Tag("N91Click", "Переменная"_w, "<var>", "<var>", "</var>"),
    End,
    End,
    Sub("Прочее"_w),
    Tag("N187Click", "аббревиатура"_w, "<abbr...>", "<abbr title=\"\">", "</abbr>"),
    Tag("N188Click", "акроним"_w, "<acronym...>", "<acronym title=\"\">", "</acronym>"),
    Sep,
    Tag("N115Click", "Без переноса"_w, "<nobr>", "<nobr>", "</nobr>"),
    Tag("pre1Click", "Преформатированный"_w, "<pre>", "<pre>", "</pre>"),
    Block("plaintext1Click", "xmp", "<xmp> (устаревший)"_w, "<xmp>\r\n", "\r\n</xmp>"),
    End,
};

}  // namespace

std::span<const TagMenuEntry> TagsPopupMenu() {
  return kTags;
}
std::span<const TagMenuEntry> BrPopupMenu() {
  return kFormat;
}

const TagMenuEntry* FindTagCommand(std::string_view handler) {
  for (const auto menu : {TagsPopupMenu(), BrPopupMenu()})
    for (const TagMenuEntry& e : menu)
      if (e.kind == MenuKind::Item && e.handler == handler) return &e;
  return nullptr;
}

}  // namespace lumbrix
