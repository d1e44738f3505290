// The insertion engine: every tag, style and symbol command of a document window over random
// text and a random selection. The text before and after the selection stays as it was; the
// selected text (or what a command puts in its place) stands between the command's opening and
// closing texts, which differ from the table only by the indentation after their line breaks;
// the caret ends after the insertion; and one undo gives back the text and selection.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "commands/TagCommands.h"
#include "common/MemoryPane.h"
#include "document/EditForm.h"
#include "settings/Settings.h"
#include "support/FakeDialogs.h"
#include "FuzzCheck.h"

namespace {

using namespace lumbrix;

// A command as the tables give it: what replaces the selection S.
struct Command {
  std::string_view handler;
  TagInsert insert = TagInsert::Wrap;
  std::string open, close;
  bool activePane = false;  // style and symbol commands work on the page shown
};

const std::vector<Command>& commands() {
  static const std::vector<Command> all = [] {
    std::vector<Command> c;
    for (const auto menu : {TagsPopupMenu(), BrPopupMenu()})
      for (const TagMenuEntry& e : menu)
        if (e.kind == MenuKind::Item)
          c.push_back({e.handler, e.insert, std::string(e.open), std::string(e.close)});
    for (const StyleCommand& s : StyleCommands())
      c.push_back({s.handler, TagInsert::Wrap, std::string(s.open), std::string(s.close), true});
    for (const DocumentSymbol& s : DocumentSymbols()) {
      const SymbolCommand* symbol = FindDocumentSymbol(s.handler);
      const std::string close =
          symbol->close ? std::string(1, static_cast<char>(symbol->close)) : "";
      c.push_back({s.handler, symbol->close ? TagInsert::Wrap : TagInsert::Replace,
                   std::string(1, static_cast<char>(symbol->open)), close, true});
    }
    return c;
  }();
  return all;
}

// A fixed text without the indentation that follows its line breaks.
std::string dedent(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    out += s[i];
    if (s[i] == '\n' && i > 0 && s[i - 1] == '\r')
      while (i + 1 < s.size() && s[i + 1] == ' ') ++i;
  }
  return out;
}

// Whether x is open + middle + close, the fixed texts indented or not.
bool wraps(std::string_view x, std::string_view open, std::string_view middle,
           std::string_view close) {
  for (std::size_t k = x.find(middle); k != std::string_view::npos; k = x.find(middle, k + 1))
    if (dedent(x.substr(0, k)) == dedent(open) &&
        dedent(x.substr(k + middle.size())) == dedent(close))
      return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const Command& command =
      commands()[in.ConsumeIntegralInRange<std::size_t>(0, commands().size() - 1)];
  Settings settings;
  settings.USER = in.ConsumeRandomLengthString(8);
  settings.UK = in.ConsumeRandomLengthString(8);
  settings.UD = in.ConsumeRandomLengthString(8);
  settings.UUK = in.ConsumeBool();
  settings.UUD = in.ConsumeBool();
  const bool plainPage = command.activePane && in.ConsumeBool();
  const auto a = in.ConsumeIntegral<std::uint16_t>(), b = in.ConsumeIntegral<std::uint16_t>();
  const std::string text = in.ConsumeRemainingBytesAsString();
  testing::FakeDialogs dialogs;
  MemoryPane code, plain;
  TEditForm form(settings, dialogs, code, plain);
  if (plainPage) form.ActiveTab = TEditForm::PageTab::Lumbrix;
  MemoryPane& pane = plainPage ? plain : code;
  pane.SetText(text);
  pane.SetSelection(a % (text.size() + 1), b);
  const std::size_t start = static_cast<std::size_t>(pane.SelStart());
  const std::string selected = pane.SelText(), before = text.substr(0, start),
                    after = text.substr(start + selected.size());

  check(RunDocumentCommand(form, settings, command.handler));
  const std::string now = pane.Text();
  // The title command selects an existing title's text and changes nothing.
  if (command.insert == TagInsert::Title && now == text) return 0;
  check(now.size() >= before.size() + after.size() && now.starts_with(before) &&
        now.ends_with(after));
  const std::string_view x =
      std::string_view(now).substr(start, now.size() - text.size() + selected.size());
  switch (command.insert) {
    case TagInsert::Prefix:
      check(wraps(x, command.open, selected, ""));
      break;
    case TagInsert::Suffix:
      check(wraps(x, "", selected, command.close));
      break;
    case TagInsert::Replace:
      check(wraps(x, command.open, "", ""));
      break;
    case TagInsert::Author:
      check(wraps(x, command.open, selected.empty() ? settings.USER : selected, command.close));
      break;
    case TagInsert::Keywords:
      check(wraps(x, command.open + (settings.UUK ? settings.UK : ""), selected, command.close));
      break;
    case TagInsert::Description:
      check(wraps(x, command.open + (settings.UUD ? settings.UD : ""), selected, command.close));
      break;
    default:
      check(wraps(x, command.open, selected, command.close));
  }
  // The caret after the insertion (a new title puts it before "</title>").
  const int caretBack = command.insert == TagInsert::Title ? 8 : 0;
  check(pane.SelStart() == static_cast<int>(start + x.size()) - caretBack && pane.SelLength() == 0);
  check(pane.Modified() && (plainPage || form.SyntaxTimerEnabled));
  pane.Undo();
  check(pane.Text() == text && pane.SelText() == selected);
  return 0;
}
