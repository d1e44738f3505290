#include "document/EditForm.h"

#include <array>

#include "common/CaseMap.h"
#include "common/FileSystem.h"
#include "common/Platform.h"
#include "common/WinText.h"
#include "document/Encodings.h"
#include "document/SaveDialog.h"
#include "document/TextFile.h"
#include "settings/Settings.h"

namespace lumbrix {

using namespace lumbrix::literals;

TEditForm::TEditForm(const Settings& settings, Dialogs& dialogs, TextPane& codeEditor,
                     TextPane& lumbrixEditor)
    : settings_(settings), dialogs_(dialogs), code_(codeEditor), lumbrix_(lumbrixEditor) {
  FilePath = DefaultName = std::string("НовыйФайл.htm"_w);
  Caption = std::string("ваша страница"_w);
  code_.SetText("");
  lumbrix_.SetText("");
  code_.SetModified(false);
  // The code pane wraps long lines; block commands switch wrapping off only while they work.
  code_.SetWordWrap(true);
  Maximized = settings.AM;
  if (!settings.USC) {
    UseSystemColors = false;
    CodeBackground = static_cast<std::uint32_t>(settings.CEBColor);
    CodeTextColor = static_cast<std::uint32_t>(settings.CETColor);
  }
  if (settings.UDF) {
    CodeFontFace = "Courier New";
    CodeFontSize = 10;
  } else {
    CodeFontFace = settings.CEFontFace;
    CodeFontSize = settings.CEFontSize;
  }
  Groups = ControlGroupsFor(FileKind, settings.FDB);
  UpdateDocumentView();
}

bool TEditForm::Modified() const {
  return code_.Modified();
}
void TEditForm::SetModified(bool modified) {
  code_.SetModified(modified);
}

void TEditForm::Paste1() {
  code_.Paste();
  if (FileKind == KindHtml && settings_.DC == 1) {
    Caption = PageTitle();
    viewChanged();
  }
}

void TEditForm::CodeEditorChange() {
  if (SyntaxTimerEnabled) return;
  SyntaxTimerEnabled = true;
  viewChanged();
}

void TEditForm::SyntaxTimerTimer() {
  PassUnderWay = true;
  // A tick while a key is being handled passes; the timer stays on and ticks again. The timer
  // goes off only after the pass, so the pass's own changes schedule nothing.
  if (!KeyInProgress) {
    if (HighlightPass) HighlightPass();
    SyntaxTimerEnabled = false;
    viewChanged();
  }
  PassUnderWay = false;
}

void TEditForm::ShowPageTitle() {
  Caption = PageTitle();
  viewChanged();
}

void TEditForm::viewChanged() {
  if (ViewChanged) ViewChanged();
}

void TEditForm::ClassifyDocument() {
  if (!IsNew) FileKind = KindOfFileName(FilePath);
  Groups = ControlGroupsFor(FileKind, settings_.FDB);
  viewChanged();
}

NativeName TEditForm::FileOnDisk() const {
  return NativeFile.bytes.empty() ? ToNative(FilePath) : NativeFile;
}

bool TEditForm::LoadDocument(const std::string& path) {
  return LoadDocument(ToNative(path));
}

bool TEditForm::LoadDocument(const NativeName& file) {
  FilePath = DisplayPath(file);
  NativeFile = ToNative(FilePath) == file ? NativeName{} : file;
  IsNew = false;
  ClassifyDocument();
  const bool read = ReadTextFile(file, FileImage, dialogs_);
  LineEndLF = DetectLineEnds(FileImage, FileKind, LineEndLF);
  ShowFileText();
  UpdateDocumentView();
  TranslateDown = false;
  SetModified(false);
  viewChanged();
  return read;
}

bool TEditForm::SaveDocument() {
  if (IsNew) return SaveDocumentAs();
  ReadDocumentBoxes();
  UpdateDocumentView();
  std::string image = EncodeFileText(code_.Text(), LineEndLF, Encoding, FileKind);
  const bool written = WriteTextFile(image, FileOnDisk(), dialogs_);
  // The file image is what the file holds: it changes only when the write went through.
  if (written) FileImage = std::move(image);
  TranslateDown = false;
  if (written) SetModified(false);
  viewChanged();
  return written;
}

bool TEditForm::SaveDocumentAs() {
  FileDialogRequest request = SaveDialogRequest(FileKind, FilePath);
  const std::optional<FileDialogResult> chosen = dialogs_.SaveFile(request);
  if (!chosen || chosen->names.empty()) return false;
  FilePath = chosen->names.front();
  NativeFile = {};
  IsNew = false;
  ClassifyDocument();
  if (settings_.UDHETWJS && FileKind == KindJavaScript && Encoding != settings_.DHTMLET) {
    const bool change =
        settings_.UDHETWJSA ||
        dialogs_.MessageBox(std::string("Кодировка файла отличается\nот принятой по умолчанию\n"
                                        "Изменить кодировку на принятую\nпо умолчанию?"_w),
                            std::string("Сохранение файла JavaScript"_w), MsgIcon::Question,
                            MsgButtons::YesNo) == MsgAnswer::Yes;
    if (change) {
      Encoding = settings_.DHTMLET;
      LineEndLF = settings_.DHTMLET != 0;
      UpdateDocumentView();
    }
  }
  return SaveDocument();
}

void TEditForm::ShowFileText() {
  code_.SetText(DecodeFileText(FileImage, LineEndLF, Encoding));
}

void TEditForm::ReadDocumentBoxes() {
  Encoding = EncodeTypeIndex;
  LineEndLF = LFCRTypeIndex == 1;
}

void TEditForm::UpdateDocumentView() {
  EncodeTypeIndex = Encoding;
  LFCRTypeIndex = LineEndLF ? 1 : 0;
  switch (settings_.DC) {
    case 0:
      Caption = FileNamePart(FilePath);
      break;
    case 1:
      Caption = FileKind == KindHtml ? PageTitle() : FileNamePart(FilePath);
      break;
    case 2:
      Caption = FilePath;
      break;
    default:
      break;
  }
  viewChanged();
}

void TEditForm::EncodeTypeChange() {
  const bool m = Modified();
  if (m && !TranslateDown) {
    const MsgAnswer answer = dialogs_.MessageBox(
        std::string("Хотите вернуть изначальное\nсодержимое файла?"_w),
        std::string("Текст в файле был изменён"_w), MsgIcon::Question, MsgButtons::YesNoCancel);
    if (answer == MsgAnswer::Cancel) {
      UpdateDocumentView();
      code_.SetFocus();
      return;
    }
    // No: keep the edits, so that they are read again in the new encoding. Yes: the file image
    // read from disk stays and the edits go.
    if (answer == MsgAnswer::No)
      FileImage = EncodeFileText(code_.Text(), LineEndLF, Encoding, FileKind);
  }
  ReadDocumentBoxes();
  // KOI8 and ISO files come from systems with LF line ends, WIN files from those with CR LF.
  LineEndLF = Encoding != EncodingWin;
  if (TranslateDown) {
    TranslateDown = false;
    SetModified(IsNew ? m : true);
  } else {
    ShowFileText();
    SetModified(m);
  }
  UpdateDocumentView();
  code_.SetFocus();
}

void TEditForm::LFCRTypeChange() {
  if (!IsNew) SetModified(true);
  code_.SetFocus();
}

bool TEditForm::FormCloseQuery() {
  if (!Modified()) return true;
  const MsgAnswer answer =
      dialogs_.MessageBox(std::string("Записать "_w) + FilePath + "?", std::string("Закрытие"_w),
                          MsgIcon::None, MsgButtons::YesNoCancel);
  switch (answer) {
    case MsgAnswer::No:
      return true;
    case MsgAnswer::Yes:
      // Only a document that reached the disk may go; otherwise its text would be lost.
      return SaveDocument();
    default:
      return false;
  }
}

bool TEditForm::FormCanResize(int width, int height) {
  return height > 100 && width > 550;
}

bool TEditForm::InsideElement(const std::string& name, int pos) const {
  const std::string text = code_.Text();
  const std::string opening = "<" + name;
  const std::string closing = "</" + name + ">";
  const int n = static_cast<int>(text.size());
  const int openLength = static_cast<int>(opening.size());
  int last = -1;
  for (int b = FindText(text, opening, 0, -1, false, false);
       b >= 0 && b < pos && b < n - openLength;
       b = FindText(text, opening, b + 1, -1, false, false))
    last = b;
  if (last < 0) return false;
  const int close = FindText(text, closing, last, -1, false, false);
  return last < pos && close >= pos;
}

std::string TEditForm::PageTitle() const {
  const std::string text = code_.Text();
  int open = FindText(text, "<title", 0, -1, false, false);
  while (open >= 0 && InsideElement("script", open))
    open = FindText(text, "<title", open + 1, -1, false, false);
  if (open < 0) return {};
  const int gt = FindText(text, ">", open, -1, false, false);
  if (gt < 0) return {};
  const int close = FindText(text, "</title>", gt + 1, -1, false, false);
  if (close < 0) return {};
  return text.substr(gt + 1, close - gt - 1);
}

}  // namespace lumbrix
