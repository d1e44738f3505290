#include "common/qt/QtDialogs.h"

#include <QAbstractButton>
#include <QColor>
#include <QColorDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontDialog>

#include "common/qt/WinQString.h"

namespace lumbrix {

namespace {

// Message texts break lines with "\n"; a CR before it would show as a stray character.
QString messageText(const std::string& text) {
  QString q = ToQString(text);
  q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return q;
}

QMessageBox::Icon qtIcon(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Stop:
      return QMessageBox::Critical;
    case MsgIcon::Exclamation:
      return QMessageBox::Warning;
    case MsgIcon::Question:
      return QMessageBox::Question;
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

struct ButtonSet {
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton first;   // the default button
  QMessageBox::StandardButton escape;  // what Esc and the window's close button answer
};

ButtonSet buttonSet(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok:
      return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
    case MsgButtons::OkCancel:
      return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case MsgButtons::YesNo:
      return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    case MsgButtons::YesNoCancel:
      return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
              QMessageBox::Cancel};
    case MsgButtons::YesNoNoFirst:
      return {QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::No};
  }
  return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

QString defaultTitle(FileDialogKind kind) {
  return kind == FileDialogKind::Open ? QStringLiteral("Открытие файла")
                                      : QStringLiteral("Сохранение файла");
}

}  // namespace

QString QtNameFilter(const std::string& filter) {
  const auto bar = filter.find('|');
  const QString caption = ToQString(filter.substr(0, bar));
  QStringList patterns;
  if (bar != std::string::npos) {
    for (const QString& p : ToQString(filter.substr(bar + 1)).split(u';', Qt::SkipEmptyParts))
      patterns << (p == QStringLiteral("*.*") ? QStringLiteral("*") : p.trimmed());
  }
  if (patterns.isEmpty()) patterns << QStringLiteral("*");
  return caption + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

QStringList QtNameFilters(const std::vector<std::string>& filters) {
  QStringList out;
  for (const std::string& f : filters) out << QtNameFilter(f);
  return out;
}

int FilterPosition(const std::vector<std::string>& filters, const QString& reported) {
  for (std::size_t i = 0; i < filters.size(); ++i) {
    const std::string& f = filters[i];
    if (reported == QtNameFilter(f) || reported == ToQString(f.substr(0, f.find('|'))))
      return static_cast<int>(i) + 1;
  }
  return 0;
}

std::unique_ptr<QMessageBox> BuildMessageBox(const std::string& text, const std::string& caption,
                                             MsgIcon icon, MsgButtons buttons, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(ToQString(caption));
  // Messages quote file names and markup such as "</body>": never let Qt read them as HTML.
  box->setTextFormat(Qt::PlainText);
  box->setText(messageText(text));
  box->setIcon(qtIcon(icon));
  const ButtonSet set = buttonSet(buttons);
  box->setStandardButtons(set.buttons);
  box->setDefaultButton(set.first);
  box->setEscapeButton(set.escape);
  // Д and Н answer Yes and No from the keyboard, with or without Alt; Esc answers as above.
  // Д and Н answer Yes and No from the keyboard, with or without Alt; Esc answers as before.
  static const struct {
    QMessageBox::StandardButton button;
    const char16_t* text;
  } kTexts[] = {{QMessageBox::Ok, u"OK"},
                {QMessageBox::Cancel, u"Отмена"},
                {QMessageBox::Yes, u"&Да"},
                {QMessageBox::No, u"&Нет"}};
  for (const auto& t : kTexts) {
    if (QAbstractButton* b = box->button(t.button)) b->setText(QString::fromUtf16(t.text));
  }
  return box;
}

MsgAnswer AnswerOf(QMessageBox::StandardButton pressed, MsgButtons buttons) {
  switch (pressed) {
    case QMessageBox::Ok:
      return MsgAnswer::Ok;
    case QMessageBox::Cancel:
      return MsgAnswer::Cancel;
    case QMessageBox::Yes:
      return MsgAnswer::Yes;
    case QMessageBox::No:
      return MsgAnswer::No;
    default:
      break;
  }
  switch (buttonSet(buttons).escape) {
    case QMessageBox::Ok:
      return MsgAnswer::Ok;
    case QMessageBox::No:
      return MsgAnswer::No;
    default:
      return MsgAnswer::Cancel;
  }
}

std::unique_ptr<QFileDialog> BuildFileDialog(const FileDialogRequest& request, FileDialogKind kind,
                                             QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent);
  QFileDialog* d = dialog.get();
  // Qt's own dialog looks and behaves the same on every desktop, and tests can drive it.
  d->setOption(QFileDialog::DontUseNativeDialog);
  // The filter list shows the captions alone; their patterns are in the captions already.
  d->setOption(QFileDialog::HideNameFilterDetails);
  d->setWindowTitle(request.title.empty() ? defaultTitle(kind) : ToQString(request.title));
  if (kind == FileDialogKind::Open) {
    d->setAcceptMode(QFileDialog::AcceptOpen);
    d->setFileMode(request.multiSelect     ? QFileDialog::ExistingFiles
                   : request.fileMustExist ? QFileDialog::ExistingFile
                                           : QFileDialog::AnyFile);
  } else {
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setFileMode(QFileDialog::AnyFile);
    d->setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    d->setOption(QFileDialog::DontResolveSymlinks);
  }

  const QStringList filters = QtNameFilters(request.filters);
  if (!filters.isEmpty()) {
    d->setNameFilters(filters);
    const int i = request.filterIndex;
    d->selectNameFilter(filters.at(i >= 1 && i <= filters.size() ? i - 1 : 0));
  }
  d->setDefaultSuffix(ToQString(request.defaultExt));

  if (!request.initialName.empty()) {
    const QFileInfo initial(ToQString(request.initialName));
    if (initial.isAbsolute()) d->setDirectory(initial.absolutePath());
    d->selectFile(initial.isAbsolute() ? initial.fileName() : initial.filePath());
  }

  // Connected after the preselection: the default extension changes only when the user
  // switches filters, as the document's save dialog expects.
  if (!request.filterExts.empty()) {
    QObject::connect(d, &QFileDialog::filterSelected, d,
                     [d, filters = request.filters, exts = request.filterExts](const QString& f) {
                       const auto i = static_cast<std::size_t>(FilterPosition(filters, f));
                       if (i >= 1 && i <= exts.size()) d->setDefaultSuffix(ToQString(exts[i - 1]));
                     });
  }
  return dialog;
}

std::vector<std::string> ChosenNames(const QStringList& chosen, QStringList& refused) {
  std::vector<std::string> names;
  for (const QString& name : chosen) {
    std::string win;
    if (FromQString(name, win))
      names.push_back(std::move(win));
    else
      refused << name;
  }
  return names;
}

QString RefusedNamesMessage(const QStringList& refused) {
  return QStringLiteral("Имя файла нельзя записать в кодировке Windows-1251:\n") +
         refused.join(u'\n') +
         QStringLiteral("\nПрограмма не может работать с таким файлом. Выберите другое имя.");
}

QColor ColorFromWin(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t WinFromColor(const QColor& color) {
  const QColor c = color.toRgb();
  return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
         (static_cast<std::uint32_t>(c.blue()) << 16);
}

QFont FontFromChoice(const FontChoice& choice) {
  QFont font(ToQString(choice.face));
  if (choice.size > 0) font.setPointSize(choice.size);
  font.setBold(choice.bold);
  font.setItalic(choice.italic);
  return font;
}

std::optional<FontChoice> ChoiceFromFont(const QFont& font, std::uint32_t color) {
  FontChoice choice;
  if (!FromQString(font.family(), choice.face)) return std::nullopt;
  choice.size = font.pointSize() > 0 ? font.pointSize() : 10;
  choice.bold = font.bold();
  choice.italic = font.italic();
  choice.color = color;
  return choice;
}

MsgAnswer QtDialogs::MessageBox(const std::string& text, const std::string& caption, MsgIcon icon,
                                MsgButtons buttons) {
  const auto box = BuildMessageBox(text, caption, icon, buttons, parent_);
  box->exec();
  return AnswerOf(box->standardButton(box->clickedButton()), buttons);
}

std::optional<FileDialogResult> QtDialogs::OpenFile(const FileDialogRequest& request) {
  return runFileDialog(request, FileDialogKind::Open);
}

std::optional<FileDialogResult> QtDialogs::SaveFile(const FileDialogRequest& request) {
  return runFileDialog(request, FileDialogKind::Save);
}

std::optional<FileDialogResult> QtDialogs::runFileDialog(const FileDialogRequest& request,
                                                         FileDialogKind kind) {
  FileDialogRequest current = request;
  for (;;) {
    const auto dialog = BuildFileDialog(current, kind, parent_);
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    QStringList refused;
    FileDialogResult result;
    result.names = ChosenNames(dialog->selectedFiles(), refused);
    result.filterIndex = FilterPosition(request.filters, dialog->selectedNameFilter());
    if (!refused.isEmpty()) {
      const auto box = BuildMessageBox({}, {}, MsgIcon::Stop, MsgButtons::Ok, parent_);
      box->setWindowTitle(dialog->windowTitle());
      box->setText(RefusedNamesMessage(refused));
      box->exec();
    }
    if (!result.names.empty()) return result;
    // Every chosen name was refused: let the user choose again in the same folder.
    const QString folder = dialog->directory().absolutePath();
    if (!FromQString(folder + u'/', current.initialName)) current.initialName.clear();
    current.filterIndex = result.filterIndex;
  }
}

std::optional<std::uint32_t> QtDialogs::ChooseColor(std::uint32_t initial) {
  const QColor c = QColorDialog::getColor(ColorFromWin(initial), parent_, QStringLiteral("Цвет"),
                                          QColorDialog::DontUseNativeDialog);
  if (!c.isValid()) return std::nullopt;
  return WinFromColor(c);
}

std::optional<FontChoice> QtDialogs::ChooseFont(const FontChoice& initial) {
  bool ok = false;
  const QFont font =
      QFontDialog::getFont(&ok, FontFromChoice(initial), parent_, QStringLiteral("Шрифт"),
                           QFontDialog::DontUseNativeDialog);
  if (!ok) return std::nullopt;
  auto choice = ChoiceFromFont(font, initial.color);
  if (!choice) {
    const auto box = BuildMessageBox({}, {}, MsgIcon::Stop, MsgButtons::Ok, parent_);
    box->setWindowTitle(QStringLiteral("Шрифт"));
    box->setText(QStringLiteral("Название шрифта нельзя записать в кодировке Windows-1251:\n") +
                 font.family());
    box->exec();
  }
  return choice;
}

}  // namespace lumbrix
