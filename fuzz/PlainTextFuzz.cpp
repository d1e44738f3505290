// The plain-text converter in both modes and with every option: the HTML it writes breaks its
// lines only with CR LF and the insertion point's indentation; without "Разрешить теги" nothing
// of the text can open a tag or end an attribute, and the text reads back from the HTML whole;
// with it, the text's own angle brackets pass through and no others appear. "Lumbrix!" puts
// exactly that HTML in place of the code pane's selection.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "commands/LumbrixConverter.h"
#include "common/Entities.h"
#include "common/MemoryPane.h"
#include "document/EditForm.h"
#include "settings/Settings.h"
#include "support/FakeDialogs.h"
#include "FuzzCheck.h"

namespace {

using namespace lumbrix;

// The length of the converter's own tag at the start of s, or 0.
std::size_t ownTag(std::string_view s) {
  static constexpr std::array<std::string_view, 9> kTags = {
      "<nobr>", "</nobr>", "<ul>", "</ul>", "<blockquote>", "</blockquote>", "<p>", "</p>", "<br>"};
  for (const std::string_view tag : kTags)
    if (s.starts_with(tag)) return tag.size();
  const std::size_t digits = s.starts_with("</h") ? 3 : s.starts_with("<h") ? 2 : 0;
  std::size_t i = digits;
  while (digits && i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
  return i > digits && i < s.size() && s[i] == '>' ? i + 1 : 0;
}

// The character an entity at the start of s stands for, and the entity's length (0: none).
std::pair<std::size_t, char> entity(std::string_view s) {
  static constexpr std::pair<std::string_view, char> kReserved[] = {
      {"&nbsp;", ' '}, {"&quot;", '"'}, {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}};
  for (const auto& [text, c] : kReserved)
    if (s.starts_with(text)) return {text.size(), c};
  for (int c = 0; c < 256; ++c) {
    const std::string_view e = EntityOf(static_cast<unsigned char>(c));
    if (!e.empty() && s.starts_with(e)) return {e.size(), static_cast<char>(c)};
  }
  return {0, 0};
}

// Line breaks are CR LF followed by the indentation and then no further space.
void checkLineBreaks(std::string_view html, int indent) {
  check(html.find('\t') == std::string_view::npos);
  for (std::size_t i = 0; i < html.size(); ++i) {
    if (html[i] == '\n') check(i > 0 && html[i - 1] == '\r');
    if (html[i] != '\r') continue;
    const std::string_view after = html.substr(i + 1);
    check(after.starts_with("\n" + std::string(static_cast<std::size_t>(indent), ' ')));
    check(after.size() == 1u + indent || after[1u + indent] != ' ');
  }
}

// The text the HTML shows when every tag is the converter's: tags and line breaks dropped,
// entities read.
std::string shownText(std::string_view html, int indent) {
  std::string out;
  for (std::size_t i = 0; i < html.size();) {
    check(html[i] != '"' && html[i] != '>');
    if (html[i] == '\r') {
      i += 2 + static_cast<std::size_t>(indent);
    } else if (html[i] == '<') {
      const std::size_t n = ownTag(html.substr(i));
      check(n > 0);
      i += n;
    } else if (html[i] == '&') {
      const auto [n, c] = entity(html.substr(i));
      check(n > 0);
      out += c;
      i += n;
    } else {
      out += html[i++];
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  LumbrixOptions options;
  options.mode =
      in.ConsumeBool() ? LumbrixMode::BreaksAndIndents : LumbrixMode::ParagraphsAndHeadings;
  options.noWrap = in.ConsumeBool();
  options.lists = in.ConsumeBool();
  options.indent = in.ConsumeIntegralInRange(0, 8);
  const std::string code = in.ConsumeRandomLengthString(64);
  const auto selStart = in.ConsumeIntegral<std::uint8_t>(),
             selLength = in.ConsumeIntegral<std::uint8_t>();
  const std::string plain = in.ConsumeRemainingBytesAsString();
  const std::string html = ConvertPlainText(plain, options);
  checkLineBreaks(html, options.indent);
  std::string printed = plain;
  std::erase_if(printed, [](char c) { return c == '\t' || c == '\r' || c == '\n'; });
  check(shownText(html, options.indent) == printed);
  // Allowing tags lets through the text's own angle brackets and nothing else.
  LumbrixOptions tags = options;
  tags.allowTags = true;
  const std::string tagged = ConvertPlainText(plain, tags);
  checkLineBreaks(tagged, options.indent);
  const auto count = [](std::string_view s, char c) { return std::count(s.begin(), s.end(), c); };
  if (count(plain, '<') + count(plain, '>') == 0) check(tagged == html);
  for (const char bracket : {'<', '>'})
    check(count(tagged, bracket) == count(plain, bracket) + count(html, bracket));

  // "Lumbrix!": the selection of the code pane becomes the HTML, at the caret line's indentation.
  Settings settings;
  settings.UUL = options.lists;
  testing::FakeDialogs dialogs;
  MemoryPane codePane, plainPane;
  TEditForm form(settings, dialogs, codePane, plainPane);
  codePane.SetText(code), plainPane.SetText(plain);
  codePane.SetSelection(selStart, selLength);
  form.TabControl1Index = options.mode == LumbrixMode::BreaksAndIndents ? 0 : 1;
  form.WithNobr = options.noWrap;
  form.AllowTags = selLength % 2 == 1;
  const int start = codePane.SelStart(), end = start + codePane.SelLength();
  // The caret line's indentation: its first spaces before the caret (npos + 1 is 0).
  const std::size_t from = start == 0 ? 0 : code.find_last_of('\n', start - 1) + 1;
  const std::size_t firstPrinting = std::min<std::size_t>(code.find_first_not_of(' ', from), start);
  LumbrixOptions expected = form.AllowTags ? tags : options;
  expected.indent = static_cast<int>(firstPrinting - from);
  InsLumbrix(form, settings);
  const std::string inserted =
      plain.empty() ? code.substr(start, end - start) : ConvertPlainText(plain, expected);
  check(codePane.Text() == code.substr(0, start) + inserted + code.substr(end));
  check(plainPane.Text() == plain && codePane.Modified() == !plain.empty());
  return 0;
}
