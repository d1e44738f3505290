// The frame's message boxes and file, colour and font choosers for the monkey: each answers at
// random from the seed, and every file name it gives lies inside the run's own folder, so no
// file outside it is ever read or written on the driver's behalf.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "common/Platform.h"

namespace lumbrix::monkey {

class RandomDialogs : public Dialogs {
 public:
  // `folder` is the native path of the run's folder; `seed` picks the answers.
  RandomDialogs(std::string folder, std::uint64_t seed);

  MsgAnswer MessageBox(const std::string& text, const std::string& caption, MsgIcon icon,
                       MsgButtons buttons) override;
  std::optional<FileDialogResult> OpenFile(const FileDialogRequest& request) override;
  std::optional<FileDialogResult> SaveFile(const FileDialogRequest& request) override;
  std::optional<std::uint32_t> ChooseColor(std::uint32_t initial) override;
  std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;

  // From now on: message boxes answer "No" (or their only button), file dialogs take the
  // queued names and are cancelled once the queue is empty. The final check saves this way.
  void BeQuiet() { quiet_ = true; }
  std::deque<std::string> queuedNames;  // Windows-1251 paths

  // Told of every answer, for the log.
  std::function<void(const std::string&)> answered;

  int messages = 0;
  int openDialogs = 0;
  int saveDialogs = 0;
  int otherDialogs = 0;

 private:
  int pick(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
  // The documents now in the folder, in a fixed order, as Windows-1251 paths.
  std::vector<std::string> folderFiles() const;
  std::string inFolder(const std::string& nativeName) const;
  std::optional<FileDialogResult> queued();
  MsgAnswer answer(MsgButtons buttons);
  std::optional<FileDialogResult> chooseOpen(const FileDialogRequest& request);
  std::optional<FileDialogResult> chooseSave(const FileDialogRequest& request);
  std::optional<FileDialogResult> told(const char* what, std::optional<FileDialogResult> result);

  std::string folder_;
  std::mt19937_64 rng_;
  bool quiet_ = false;
  int saved_ = 0;
};

}  // namespace lumbrix::monkey
