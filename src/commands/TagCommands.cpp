#include "commands/TagCommands.h"

#include <string>

#include "common/CaseMap.h"
#include "common/Platform.h"
#include "common/WinText.h"
#include "document/EditForm.h"
#include "settings/Settings.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

using K = MenuKind;

constexpr MenuEntry Item(std::string_view handler, std::string_view caption,
                         std::string_view hint = {}) {
  return {K::Item, handler, caption, {}, hint};
}
constexpr MenuEntry Sub(std::string_view caption, std::string_view hint = {}) {
  return {K::Submenu, {}, caption, {}, hint};
}
constexpr MenuEntry End{K::EndSubmenu};
constexpr MenuEntry Sep{K::Separator};

constexpr MenuEntry kCodePopup[] = {
    Item("Undo1", "Отменить"_w, "Отменить последнюю операцию в редакторе кода"_w),
    Sep,
    Item("Cut1", "Вырезать"_w, "Вырезать в буфер"_w),
    Item("Copy1", "Скопировать"_w, "Копировать в буфер"_w),
    Item("Paste1", "Вставить"_w, "Вставить из буфера"_w),
    Sep,
    Item("EditSelectAll", "Выделить всё"_w, "Выделить весь текст в редакторе кода"_w),
    Sep,
    Sub("символы"_w, "Некоторые дополнительные символы"_w),
    Sub("Кавычки-1"_w),
    Item("s10", "Откр."_w),
    Item("s11", "Закр."_w),
    Item("s12", "Обе сразу"_w),
    End,
    Sub("Кавычки-2"_w),
    Item("s13", "Откр. штрих"_w),
    Item("s14", "Закр. штрих"_w),
    Item("s15", "Обе штрих"_w),
    Sep,
    Item("s16", "Откр. норм."_w),
    Item("s17", "Закр. норм."_w),
    Item("s18", "Обе норм."_w),
    End,
    Item("s19", "Плюс-минус"_w),
    Item("s20", "Знак градуса"_w),
    Item("s21", "Параграф"_w),
    Item("s22", "Промилле"_w),
    Item("s23", "Торговая Марка"_w),
    Item("s24", "Длинное тире"_w),
    Item("s28", "Среднее тире"_w),
    Item("s30", "(c)"),
    Item("s29", "(R)"),
    End,
    Item("InsLumbrix", "Lumbrix!", "Вставка содержимого Lumbrixера с HTML-форматированием"_w),
    Sep,
    Item("CommentSel", "Закомментировать"_w, "Закомментировать выделенное в редакторе кода"_w),
};

constexpr MenuEntry kLumbrixPopup[] = {
    Item("Undo2", "Отмена!"_w, "Отменить последнюю операцию в Lumbrixере"_w),
    Sep,
    Item("Cut2", "Вырезать"_w, "Выдрать в буфер"_w),
    Item("Copy2", "Закопить"_w, "Копировать в буфер"_w),
    Item("Paste2", "Вставить"_w, "Влепить из буфера"_w),
    Sep,
    Item("EditSelectAll", "Выделить всё"_w, "Выделить весь текст в Lumbrixере"_w),
    Sep,
    Sub("символы"_w, "Некоторые дополнительные символы"_w),
    Sub("Кавычки-1"_w),
    Item("s10", "Откр."_w),
    Item("s11", "Закр."_w),
    Item("s12", "Обе сразу"_w),
    End,
    Sub("Кавычки-2"_w),
    Item("s13", "Откр. штрихи"_w),
    Item("s14", "Закр. штрихи"_w),
    Item("s15", "Обе штриховые"_w),
    Item("s16", "Откр. классич."_w),
    Item("s17", "Закр. классич."_w),
    Item("s18", "Обе классич."_w),
    End,
    Item("s19", "Плюс-минус"_w),
    Item("s20", "Градус"_w),
    Item("s21", "Параграф"_w),
    Item("s22", "Промилле"_w),
    Item("s23", "Торговый знак"_w),
    Item("s24", "Длинное тире"_w),
    Item("s28", "Среднее тире"_w),
    Item("s30", "(c)"),
    Item("s29", "(R)"),
    End,
    Sub("Формат"_w),
    Item("SetBold", "жирный"_w),
    Item("SetItalic", "курсив"_w),
    Item("SetBig", "крупный"_w),
    Item("SetStrikeout", "зачёркнутый"_w),
    Item("SetUnderln", "подчёркнутый"_w),
    Item("SetSub", "нижний индекс"_w),
    Item("SetSup", "верхний индекс"_w),
    End,
};

// The same characters as the frame's symbol menu, so the codes live there only.
constexpr DocumentSymbol kSymbols[] = {
    {"s10", "N20Click"}, {"s11", "N21Click"}, {"s12", "N35Click"}, {"s13", "N23Click"},
    {"s14", "N22Click"}, {"s15", "N33Click"}, {"s16", "N29Click"}, {"s17", "N30Click"},
    {"s18", "N34Click"}, {"s19", "N24Click"}, {"s20", "N25Click"}, {"s21", "N26Click"},
    {"s22", "N27Click"}, {"s23", "N28Click"}, {"s24", "N31Click"}, {"s28", "N46Click"},
    {"s30", "N47Click"}, {"s29", "N48Click"},
};

constexpr StyleCommand kStyles[] = {
    {"SetBold", "<b>", "</b>"},    {"SetItalic", "<i>", "</i>"},  {"SetStrikeout", "<s>", "</s>"},
    {"SetUnderln", "<u>", "</u>"}, {"SetBig", "<big>", "</big>"}, {"SetSub", "<sub>", "</sub>"},
    {"SetSup", "<sup>", "</sup>"},
};

constexpr ButtonEntry kButtons[] = {
    {"SpeedButton1", "SetBold", {}, "Жирный"_w},
    {"SpeedButton2", "SetItalic", {}, "Курсив"_w},
    {"SpeedButton3", "SetStrikeout", {}, "Зачёркнутый"_w},
    {"SpeedButton4", "SetUnderln", {}, "Подчёркнутый"_w},
    {"SpeedButton5", "SetBig", {}, "Укрупнённый"_w},
    {"SpeedButton6", "SetSub", {}, "Нижний индекс"_w},
    {"SpeedButton7", "SetSup", {}, "Верхний индекс"_w},
    {"SpeedButton8", {}, "Теги..."_w, "Некоторые теги"_w, "TagsPopupMenu"},
    {"SpeedButton11", {}, {}, "Формат и переносы"_w, "BrPopupMenu"},
};

WrapKind wrapKindOf(TagInsert insert) {
  switch (insert) {
    case TagInsert::Prefix:
      return WrapKind::Prefix;
    case TagInsert::Suffix:
      return WrapKind::Suffix;
    case TagInsert::Replace:
      return WrapKind::Replace;
    default:
      return WrapKind::Wrap;
  }
}

// Every tag command: S read first, both fixed texts indented alike (the selection start has not
// moved yet), then one replacement.
void runTagCommand(TEditForm& form, const Settings& settings, const TagMenuEntry& entry) {
  if (entry.insert == TagInsert::Title) {
    TitleCommand(form);
    return;
  }
  TextPane& code = form.CodeEditor();
  const std::string selected = code.SelText();
  const std::string open =
      entry.indent & IndentOpen ? IndentSnippet(code, entry.open) : std::string(entry.open);
  const std::string close =
      entry.indent & IndentClose ? IndentSnippet(code, entry.close) : std::string(entry.close);
  std::string middle;
  switch (entry.insert) {
    case TagInsert::Author:
      middle = selected.empty() ? settings.USER : selected;
      break;
    case TagInsert::Keywords:
      middle = (settings.UUK ? settings.UK : std::string()) + selected;
      break;
    case TagInsert::Description:
      middle = (settings.UUD ? settings.UD : std::string()) + selected;
      break;
    default:
      ReplacePaneSelection(form, code,
                           WrappedText(wrapKindOf(entry.insert), open, selected, close));
      return;
  }
  ReplacePaneSelection(form, code, open + middle + close);
}

}  // namespace

std::span<const MenuEntry> CodePopupMenu() {
  return kCodePopup;
}
std::span<const MenuEntry> LumbrixPopupMenu() {
  return kLumbrixPopup;
}
std::span<const DocumentSymbol> DocumentSymbols() {
  return kSymbols;
}
std::span<const StyleCommand> StyleCommands() {
  return kStyles;
}
std::span<const ButtonEntry> DocumentButtons() {
  return kButtons;
}

const SymbolCommand* FindDocumentSymbol(std::string_view handler) {
  for (const DocumentSymbol& s : kSymbols)
    if (s.handler == handler) return FindSymbolCommand(s.frameHandler);
  return nullptr;
}

TitleOutcome TitleCommand(TEditForm& form) {
  TextPane& code = form.CodeEditor();
  const std::string text = code.Text();
  int a = FindText(text, "<title", 0, -1, false, false);
  while (a >= 0 && form.InsideElement("script", a))
    a = FindText(text, "<title", a + 1, -1, false, false);
  TitleOutcome outcome = TitleOutcome::NoTitle;
  if (a >= 0) {
    outcome = TitleOutcome::OpenTitle;
    const int c = FindText(text, ">", a, -1, false, false);
    const int e = c < 0 ? -1 : FindText(text, "</title>", c + 1, -1, false, false);
    if (e >= 0) {
      code.SetSelection(c + 1, e - (c + 1));
      return TitleOutcome::SelectedTitle;
    }
  }
  constexpr std::string_view kClose = "</title>";
  ReplacePaneSelection(form, code, "<title>" + code.SelText() + std::string(kClose));
  code.SetSelection(code.SelStart() - static_cast<int>(kClose.size()), 0);
  return outcome;
}

bool RunDocumentCommand(TEditForm& form, const Settings& settings, std::string_view handler) {
  if (const TagMenuEntry* entry = FindTagCommand(handler)) {
    runTagCommand(form, settings, *entry);
    return true;
  }
  for (const StyleCommand& style : kStyles) {
    if (style.handler == handler) {
      WrapActivePane(form, style.open, style.close);
      return true;
    }
  }
  if (const SymbolCommand* symbol = FindDocumentSymbol(handler)) {
    TextPane& pane = form.ActivePane();
    std::string text(1, static_cast<char>(symbol->open));
    if (symbol->close) text += pane.SelText() + static_cast<char>(symbol->close);
    ReplacePaneSelection(form, pane, text);
    return true;
  }
  return RunPaneCommand(form, handler);
}

}  // namespace lumbrix
