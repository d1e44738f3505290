// The highlighter and the keyboard assistance against QScintilla's own costs, in one run:
// - a highlighting pass (3,001 characters, computing and painting) beside QsciLexerHTML
//   colouring the same window of the same page;
// - a typing model of 3,000 keys at the middle of a 64 KB indented page in a document window
//   with assistance and highlighting on, beside a bare, default QsciScintilla, each with and
//   without a repaint per key.
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <optional>

#include "QtBench.h"
#include "common/CodePage.h"
#include "common/Platform.h"
#include "common/WinText.h"
#include "common/qt/CodePane.h"
#include "document/EditForm.h"
#include "commands/FontCommands.h"
#include "document/qt/EditFormView.h"
#include "highlight/Hilite.h"
#include "settings/Settings.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;

// A 64 KB page of indented markup with scripts, entities, comments and Cyrillic text.
std::string indentedPage() {
  const std::string block = std::string(
      "  <div class=\"item\">\r\n"
      "    <h2 id='t'>Заголовок &laquo;раздела&raquo;</h2>\r\n"
      "    <p>Text of the paragraph, <b>bold</b> и <i>курсив</i>.</p>\r\n"
      "    <!-- примечание -->\r\n"
      "    <script type=\"text/javascript\">\r\n"
      "      var n = 0; // счётчик\r\n"
      "      if (n > 1) { return \"строка\"; } /* конец */\r\n"
      "    </script>\r\n"
      "  </div>\r\n"_w);
  std::string text = "<html>\r\n<body>\r\n";
  while (text.size() < 64 * 1024 - 32) text += block;
  return text + "</body>\r\n</html>\r\n";
}

int middle(const std::string& text) {
  return static_cast<int>(text.size() / 2);
}

void BM_HilitePass(benchmark::State& state) {
  const HiliteRules rules = InitHiliteRules();
  const std::string page = indentedPage();
  CodePane pane;
  pane.SetText(page);
  const int caret = middle(page);
  for (auto _ : state) HiliteRange(pane, caret - kHiliteReach, caret + kHiliteReach, rules.Html, 0);
  state.SetLabel("HTML rules, 3001 characters, computed and painted");
}
BENCHMARK(BM_HilitePass)->Unit(benchmark::kMicrosecond);

void BM_HiliteCompute(benchmark::State& state) {
  const HiliteRules rules = InitHiliteRules();
  const std::string page = indentedPage();
  const std::string window = page.substr(middle(page) - kHiliteReach, 2 * kHiliteReach + 1);
  for (auto _ : state) benchmark::DoNotOptimize(HiliteColors(window, rules.Html, 0));
  state.SetLabel("colours only");
}
BENCHMARK(BM_HiliteCompute)->Unit(benchmark::kMicrosecond);

// The byte offset in UTF-8 of a character offset in Windows-1251 text.
long utf8Offset(const std::string& win, int chars) {
  return static_cast<long>(WinToUtf8(win.substr(0, static_cast<std::size_t>(chars))).size());
}

void BM_QsciLexerHtmlWindow(benchmark::State& state) {
  const std::string page = indentedPage();
  QsciScintilla w;
  w.setUtf8(true);
  QsciLexerHTML lexer;
  w.setLexer(&lexer);
  w.setText(QString::fromUtf8(WinToUtf8(page)));
  const int caret = middle(page);
  const long from = utf8Offset(page, caret - kHiliteReach);
  const long to = utf8Offset(page, caret + kHiliteReach + 1);
  for (auto _ : state)
    w.SendScintilla(QsciScintillaBase::SCI_COLOURISE, static_cast<unsigned long>(from), to);
  w.setLexer(nullptr);
  state.SetLabel("the same 3001 characters");
}
BENCHMARK(BM_QsciLexerHtmlWindow)->Unit(benchmark::kMicrosecond);

// The typing model: letters Latin and Cyrillic, spaces, Enter, Tab, Backspace, Home and End.
struct ModelKey {
  Qt::Key key;
  const char16_t* text;
};
constexpr ModelKey kModel[] = {
    {Qt::Key_End, u""},         {Qt::Key_A, u"a"},          {Qt::Key_B, u"b"},
    {Qt::Key_Space, u" "},      {Qt::Key_unknown, u"д"},    {Qt::Key_unknown, u"о"},
    {Qt::Key_unknown, u"м"},    {Qt::Key_Return, u"\r"},    {Qt::Key_Tab, u"\t"},
    {Qt::Key_X, u"x"},          {Qt::Key_unknown, u"ж"},    {Qt::Key_Backspace, u"\b"},
    {Qt::Key_Backspace, u"\b"}, {Qt::Key_Backspace, u"\b"}, {Qt::Key_Home, u""},
    {Qt::Key_C, u"c"},          {Qt::Key_Backspace, u"\b"}, {Qt::Key_Return, u"\r"},
    {Qt::Key_Backspace, u"\b"}, {Qt::Key_Backspace, u"\b"},
};
constexpr int kModelKeys = 3000;

void typeModel(benchmark::State& state, QsciScintilla* w, bool paint) {
  bench::ShowAtMiddle(w);
  std::size_t i = 0;
  for (auto _ : state) {
    const ModelKey& k = kModel[i++ % std::size(kModel)];
    QTest::sendKeyEvent(QTest::Click, w, k.key, QString::fromUtf16(k.text), Qt::NoModifier);
    if (paint) QCoreApplication::processEvents();
  }
}

class NoDialogs : public Dialogs {
 public:
  MsgAnswer MessageBox(const std::string&, const std::string&, MsgIcon, MsgButtons) override {
    return MsgAnswer::Cancel;
  }
  std::optional<FileDialogResult> OpenFile(const FileDialogRequest&) override { return {}; }
  std::optional<FileDialogResult> SaveFile(const FileDialogRequest&) override { return {}; }
  std::optional<std::uint32_t> ChooseColor(std::uint32_t) override { return {}; }
  std::optional<FontChoice> ChooseFont(const FontChoice&) override { return {}; }
};

void BM_TypeDocumentWindow(benchmark::State& state) {
  Settings settings;
  settings.SO = true;
  NoDialogs dialogs;
  ColourDialogState colours;
  const HiliteRules rules = InitHiliteRules();
  EditFormView view(settings, dialogs, colours);
  AttachHighlighter(view.form(), settings, rules);
  view.codePane().SetText(indentedPage());
  view.resize(800, 600);
  typeModel(state, view.codePane().widget(), state.range(0) != 0);
  state.SetLabel("assistance and highlighting on");
}
BENCHMARK(BM_TypeDocumentWindow)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("paint")
    ->Iterations(kModelKeys)
    ->Unit(benchmark::kMicrosecond);

void BM_TypeBareQsciScintilla(benchmark::State& state) {
  QsciScintilla w;
  bench::LoadBare(w, indentedPage());
  typeModel(state, &w, state.range(0) != 0);
}
BENCHMARK(BM_TypeBareQsciScintilla)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("paint")
    ->Iterations(kModelKeys)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumbrix
