// The font chooser of the options dialog: the fonts that exist for the Western (ANSI) character
// set, none of the OEM ones, in sizes 5 to 35, with a sample. OptionsChoosers hands it to the
// options dialog through the Dialogs port; every other dialog goes to the frame's.
#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>

#include "common/Platform.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace lumbrix {

class CodeFontChooser : public QDialog {
  Q_OBJECT

 public:
  explicit CodeFontChooser(const FontChoice& initial, QWidget* parent = nullptr);

  // The families offered: installed ones that write Latin text, without the terminal (OEM)
  // fonts and without names Windows-1251 cannot hold.
  static QStringList OfferedFamilies();
  QListWidget* families() const { return families_; }
  QComboBox* sizes() const { return sizes_; }
  QLabel* sample() const { return sample_; }
  // What is chosen now.
  FontChoice choice() const;

 private:
  void showSample();

  QListWidget* families_;
  QComboBox* sizes_;
  QLabel* sample_;
};

// The frame's dialogs with the options dialog's own font chooser.
class OptionsChoosers : public Dialogs {
 public:
  OptionsChoosers(Dialogs& frame, QWidget* parent) : frame_(frame), parent_(parent) {}

  MsgAnswer MessageBox(const std::string& text, const std::string& caption, MsgIcon icon,
                       MsgButtons buttons) override {
    return frame_.MessageBox(text, caption, icon, buttons);
  }
  std::optional<FileDialogResult> OpenFile(const FileDialogRequest& request) override {
    return frame_.OpenFile(request);
  }
  std::optional<FileDialogResult> SaveFile(const FileDialogRequest& request) override {
    return frame_.SaveFile(request);
  }
  std::optional<std::uint32_t> ChooseColor(std::uint32_t initial) override {
    return frame_.ChooseColor(initial);
  }
  std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;

 private:
  Dialogs& frame_;
  QWidget* parent_;
};

}  // namespace lumbrix
