#include "publication/PubMasterForm.h"

#include <utility>

#include "common/ColourChooser.h"
#include "common/FileSystem.h"
#include "common/TempFiles.h"
#include "common/WinText.h"
#include "document/TextFile.h"

namespace lumbrix {

using namespace literals;

namespace {

constexpr std::string_view kWarningCaption = "Предупреждение!!!"_w;
constexpr std::string_view kHeadingWarning =
    "Одно или более чисел введены неверно!\nСтиль заголовка НЕ БУДЕТ применён"_w;
constexpr std::string_view kParagraphWarning =
    "Одно или более чисел введены неверно!\nСтиль абзаца НЕ БУДЕТ применён"_w;
constexpr std::string_view kLineHeightWarning =
    "Высота строки задана меньше размера шрифта.\nОна будет ПРИНУДИТЕЛЬНО приравнена к нему!"_w;
constexpr std::string_view kBodyWarning =
    "Одно или более чисел введены неверно!\nСтиль тела документа НЕ БУДЕТ применён"_w;

constexpr std::string_view kPreviewName = "$lmbx$.htm";

constexpr std::string_view kSampleHeadings[kHeadingLevels] = {
    "<h1>Заголовок 1</h1>"_w, "<h2>Заголовок 2</h2>"_w, "<h3>Заголовок 3</h3>"_w,
    "<h4>Заголовок 4</h4>"_w, "<h5>Заголовок 5</h5>"_w, "<h6>Заголовок 6</h6>"_w,
};

// The test text of the preview, which closes the body and the page.
constexpr std::string_view kTestText =
    "<p>Первый абзац. Для проверки того, как он выглядит в браузере, насытим его достаточным "
    "количеством слов и предложений. Мне лень выдумывать много слов (тем более, умных). Поэтому "
    "заполню его чем попало. Например: а б в г д е ё ж з и й к л м н о п р с т у ф х ц ч ш щ ъ "
    "ы ь э ю я. Ну вот, кто-то из пользователей хоть раз увидел своими глазами национальный "
    "алфавит <nobr><b>:)</b></nobr></p><p>Второй абзац. Как уже ясно, просмотр показывает вид "
    "страницы при выбранных Вами настройках формата. Если Вам этот вид не нравится, измените "
    "параметры в окне мастера публикаций и снова нажмите кнопку Просмотр. И делайте так до тех "
    "пор, пока не получите такую картинку, какая Вас устроит. Или пока не надоест.</p></body>"
    "</html>"_w;

constexpr std::string_view kTemplateHead =
    "<html>\r\n<head>\r\n <!-- Создано в редакторе Lumbrix OV_PROG_VER -->\r\n <meta "
    "http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\" />\r\n <meta "
    "name=\"generator\" content=\"Lumbrix\" />\r\n <meta name=\"author\" content=\"Ваше имя\" "
    "/>\r\n <title>Ваш заголовок</title>\r\n <style type=\"text/css\">\r\n"_w;

std::optional<std::string> userPreviewFolder() {
  return PrivateTempFolder(TempDirectory());
}

}  // namespace

const std::array<std::uint32_t, 8> TPubMasterForm::kCustomColours = {
    0x000000, 0x202020, 0x404040, 0x808080, 0xA0A0A0, 0xC0C0C0, 0xE0E0E0, 0xFFFFFF};

FileDialogRequest ExportDialogRequest(const std::string& folder) {
  FileDialogRequest r;
  r.title = std::string("Экспорт стилей"_w);
  r.filters = {std::string("Шаблон HTML|*.htt"_w), "CSS|*.css"};
  r.filterIndex = 1;
  r.defaultExt = "htt";
  r.filterExts = {"htt", "css"};
  r.initialName = folder;
  r.overwritePrompt = true;
  r.pathMustExist = true;
  return r;
}

TPubMasterForm::TPubMasterForm(Dialogs& dialogs, Shell& shell, ColourChooser& colours,
                               std::vector<std::string> fontFamilies)
    : Defaults(DefaultPageStyle()),
      Working(Defaults),
      FontFamilies(std::move(fontFamilies)),
      PreviewFolder(userPreviewFolder),
      ExportFolder(ProgramDirectory()),
      dialogs_(dialogs),
      shell_(shell),
      colours_(colours) {
  ShowAllValues();
  applyHeadingRule();
  applyBodyRule();
}

void TPubMasterForm::warn(const std::string& text) {
  dialogs_.MessageBox(text, std::string(kWarningCaption), MsgIcon::Exclamation, MsgButtons::Ok);
}

bool TPubMasterForm::TakeHeadingValues() {
  if (SelectedLevel < 0) return true;
  if (TakeHeading(Working.headings[SelectedLevel], Heading)) return true;
  warn(std::string(kHeadingWarning));
  return false;
}

bool TPubMasterForm::TakeParagraphValues() {
  const bool ok = TakeParagraph(Working.paragraph, Paragraph);
  if (!ok) {
    warn(std::string(kParagraphWarning));
    ShowParagraphValues();
  }
  ParagraphStyle& p = Working.paragraph;
  if (p.lineHeight < p.fontSize) {
    warn(std::string(kLineHeightWarning));
    p.lineHeight = p.fontSize;
    ShowParagraphValues();
  }
  return ok;
}

bool TPubMasterForm::TakeBodyValues() {
  if (TakeBody(Working.body, Working.doc, Body)) return true;
  warn(std::string(kBodyWarning));
  return false;
}

void TPubMasterForm::TakeAllValues() {
  TakeHeadingValues();
  TakeParagraphValues();
  TakeBodyValues();
}

void TPubMasterForm::ShowHeadingValues() {
  if (SelectedLevel >= 0) Heading = ShowHeading(Working.headings[SelectedLevel]);
}

void TPubMasterForm::ShowParagraphValues() {
  Paragraph = ShowParagraph(Working.paragraph);
}

void TPubMasterForm::ShowBodyValues() {
  Body = ShowBody(Working.body, Working.doc);
}

void TPubMasterForm::ShowAllValues() {
  ShowHeadingValues();
  ShowParagraphValues();
  ShowBodyValues();
}

std::string TPubMasterForm::Css() const {
  return GenerateCss(Working, LevelChecked, InsertBODYDoc, PageMargins);
}

void TPubMasterForm::applyHeadingRule() {
  HeadingBoxesEnabled = SelectedLevel >= 0 && LevelChecked[SelectedLevel];
}

void TPubMasterForm::applyBodyRule() {
  BodyBoxesEnabled = InsertBODYDoc;
  DocBoxesEnabled = InsertBODYDoc && ActionIndex == NewPage;
}

void TPubMasterForm::FormShow() {
  ActionIndex = DocumentsOpen ? InsertStyles : NewPage;
  ActionEnabled = DocumentsOpen;
  ResultCode = Nothing;
  SelectedLevel = -1;
  LevelChecked = {true, true, true, false, false, false};
  Working = Defaults;
  ShowAllValues();
  applyHeadingRule();
  applyBodyRule();
}

void TPubMasterForm::FormClose() {
  // The preview page goes with the master; a page the browser still holds may stay behind.
  if (!PreviewFileName.empty()) RemoveFile(PreviewFileName);
}

void TPubMasterForm::CheckListBox1Click(int index) {
  if (index < -1 || index >= kHeadingLevels) return;
  LevelListIndex = index;
  if (index == SelectedLevel) return;
  TakeHeadingValues();
  SelectedLevel = index;
  applyHeadingRule();
  ShowHeadingValues();
}

void TPubMasterForm::CheckListBox1ClickCheck(int index, bool checked) {
  if (index < 0 || index >= kHeadingLevels) return;
  LevelChecked[index] = checked;
  applyHeadingRule();
}

void TPubMasterForm::ActionComboBoxChange(int index) {
  ActionIndex = index;
  applyBodyRule();
}

void TPubMasterForm::InsertBODYDocClick(bool checked) {
  InsertBODYDoc = checked;
  applyBodyRule();
}

void TPubMasterForm::chooseColour(std::uint32_t BodyStyle::*field) {
  const std::optional<std::uint32_t> chosen =
      colours_.Choose(Working.body.*field, std::span<const std::uint32_t>(kCustomColours));
  if (!chosen) return;
  Working.body.*field = *chosen;
  ShowBodyValues();
}

void TPubMasterForm::SetBODY_bkcolorClick() {
  chooseColour(&BodyStyle::bkColor);
}

void TPubMasterForm::SetBODY_colorClick() {
  chooseColour(&BodyStyle::color);
}

void TPubMasterForm::ResetButtonClick() {
  Working = Defaults;
  ShowAllValues();
}

std::string TPubMasterForm::PreviewPage() const {
  const std::string title = InsertBODYDoc ? Working.doc.title : std::string("(пробная страница)"_w);
  std::string page =
      "<html><head>\r\n <meta http-equiv=\"Content-Type\" content=\"text/html; "
      "charset=windows-1251\" />\r\n <title>" +
      title + "</title>\r\n <style type=\"text/css\">\r\n" + Css() +
      " </style>\r\n</head>\r\n<body>\r\n";
  for (int level = 0; level < kHeadingLevels; ++level)
    if (LevelChecked[level]) page += kSampleHeadings[level];
  page += kTestText;
  return page;
}

void TPubMasterForm::PreviewButtonClick() {
  TakeAllValues();
  const std::optional<std::string> folder = PreviewFolder ? PreviewFolder() : std::nullopt;
  if (!folder) {
    dialogs_.MessageBox(std::string("Нет личной временной папки для пробной страницы"_w),
                        std::string("Просмотр"_w), MsgIcon::Stop, MsgButtons::Ok);
    return;
  }
  PreviewFileName = JoinPath(*folder, std::string(kPreviewName));
  if (WriteTextFile(PreviewPage(), PreviewFileName, dialogs_)) shell_.Open(PreviewFileName);
}

std::string TPubMasterForm::TemplateText() const {
  return std::string(kTemplateHead) + Css() +
         " </style>\r\n</head>\r\n<body>\r\n\r\n</body></html>";
}

void TPubMasterForm::ExportButtonClick() {
  // The export folder may be the user's own template folder, made on its first use; the dialog
  // wants a folder that exists.
  MakeFolders(ExportFolder);
  const std::optional<FileDialogResult> chosen =
      dialogs_.SaveFile(ExportDialogRequest(ExportFolder));
  if (!chosen || chosen->names.empty()) return;
  std::string text;
  switch (chosen->filterIndex) {
    case 1:
      text = TemplateText();
      break;
    case 2:
      text = Css();
      break;
    default:
      dialogs_.MessageBox(std::string("Ошибка!"_w), std::string("Экспорт"_w), MsgIcon::Stop,
                          MsgButtons::Ok);
      return;
  }
  WriteTextFile(text, chosen->names.front(), dialogs_);
}

void TPubMasterForm::OKButtonClick() {
  TakeAllValues();
  ResultCode = ActionIndex;
  GeneratedCss = Css();
  if (Close) Close();
}

void TPubMasterForm::CancelButtonClick() {
  ResultCode = Nothing;
  if (Close) Close();
}

}  // namespace lumbrix
