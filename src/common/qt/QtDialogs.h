// The Dialogs port over Qt's message box and its file, colour and font dialogs. The pieces that
// build a dialog are separate functions so that a test can look at a dialog without running it.
#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/Platform.h"

class QWidget;
class QColor;
class QFont;

namespace lumbrix {

// "caption|pat;pat" becomes Qt's "caption (pat pat)". "*.*" matches every file, as it does in
// the system's own dialogs, not only names with a dot.
QString QtNameFilter(const std::string& filter);
QStringList QtNameFilters(const std::vector<std::string>& filters);
// The 1-based position of the filter a file dialog reports (0: none). The dialog shows and
// reports the captions alone, so both forms are recognised.
int FilterPosition(const std::vector<std::string>& filters, const QString& reported);

std::unique_ptr<QMessageBox> BuildMessageBox(const std::string& text, const std::string& caption,
                                             MsgIcon icon, MsgButtons buttons,
                                             QWidget* parent = nullptr);
// The answer for the button pressed; a box closed otherwise answers like its escape button.
MsgAnswer AnswerOf(QMessageBox::StandardButton pressed, MsgButtons buttons);

enum class FileDialogKind { Open, Save };

// The dialog for a request, with its filter preselected and a default suffix that follows the
// filter the user switches to.
std::unique_ptr<QFileDialog> BuildFileDialog(const FileDialogRequest& request, FileDialogKind kind,
                                             QWidget* parent = nullptr);

// The chosen names in Windows-1251. Names the code page cannot hold go to `refused` instead,
// never changed into some other file's name.
std::vector<std::string> ChosenNames(const QStringList& chosen, QStringList& refused);
QString RefusedNamesMessage(const QStringList& refused);

QColor ColorFromWin(std::uint32_t bgr);
std::uint32_t WinFromColor(const QColor& color);
QFont FontFromChoice(const FontChoice& choice);
// Nothing when the family's name has characters Windows-1251 lacks.
std::optional<FontChoice> ChoiceFromFont(const QFont& font, std::uint32_t color);

class QtDialogs : public Dialogs {
 public:
  // Dialogs are centred over `parent` (the frame), which may be set later.
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  MsgAnswer MessageBox(const std::string& text, const std::string& caption, MsgIcon icon,
                       MsgButtons buttons) override;
  std::optional<FileDialogResult> OpenFile(const FileDialogRequest& request) override;
  std::optional<FileDialogResult> SaveFile(const FileDialogRequest& request) override;
  std::optional<std::uint32_t> ChooseColor(std::uint32_t initial) override;
  std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;

 private:
  std::optional<FileDialogResult> runFileDialog(const FileDialogRequest& request,
                                                FileDialogKind kind);

  QWidget* parent_;
};

}  // namespace lumbrix
