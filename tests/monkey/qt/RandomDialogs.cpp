#include "monkey/qt/RandomDialogs.h"

#include <algorithm>
#include <filesystem>

#include "common/CodePage.h"
#include "common/FileSystem.h"

namespace lumbrix::monkey {

namespace {

// Names a save dialog may be given: new ones of every kind the program tells apart, a Cyrillic
// one, and (from the folder) the existing documents, which are then overwritten.
const char* const kNewNames[] = {"saved.html", "saved.htm", "saved.css", "saved.js",
                                 "saved.txt",  "saved.wrl", "сохранён.html", "noext"};

}  // namespace

RandomDialogs::RandomDialogs(std::string folder, std::uint64_t seed)
    : folder_(std::move(folder)), rng_(seed) {}

MsgAnswer RandomDialogs::MessageBox(const std::string&, const std::string& caption, MsgIcon,
                                    MsgButtons buttons) {
  ++messages;
  const MsgAnswer a = answer(buttons);
  static const char* const kNames[] = {"Ok", "Cancel", "Yes", "No"};
  if (answered)
    answered("message \"" + WinToUtf8(caption) + "\" answered " + kNames[static_cast<int>(a)]);
  return a;
}

MsgAnswer RandomDialogs::answer(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok:
      return MsgAnswer::Ok;
    case MsgButtons::OkCancel:
      return quiet_ || pick(2) ? MsgAnswer::Cancel : MsgAnswer::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoNoFirst:
      return quiet_ || pick(2) ? MsgAnswer::No : MsgAnswer::Yes;
    case MsgButtons::YesNoCancel: {
      if (quiet_) return MsgAnswer::No;
      static constexpr MsgAnswer kAnswers[] = {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel};
      return kAnswers[pick(3)];
    }
  }
  return MsgAnswer::Cancel;
}

std::vector<std::string> RandomDialogs::folderFiles() const {
  std::vector<std::string> natives;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, ec))
    if (entry.is_regular_file()) natives.push_back(entry.path().filename().string());
  std::sort(natives.begin(), natives.end());
  std::vector<std::string> paths;
  for (const std::string& name : natives) paths.push_back(inFolder(name));
  return paths;
}

std::string RandomDialogs::inFolder(const std::string& nativeName) const {
  return PathFromNative(folder_ + "/" + nativeName).value_or(std::string());
}

std::optional<FileDialogResult> RandomDialogs::told(const char* what,
                                                    std::optional<FileDialogResult> result) {
  if (answered) {
    std::string names;
    for (const std::string& n : result ? result->names : std::vector<std::string>{})
      names += " " + WinToUtf8(FileNamePart(n));
    answered(std::string(what) + " dialog answered" + (result ? names : " Cancel"));
  }
  return result;
}

std::optional<FileDialogResult> RandomDialogs::queued() {
  if (queuedNames.empty()) return std::nullopt;
  FileDialogResult result{{queuedNames.front()}, 1};
  queuedNames.pop_front();
  return result;
}

std::optional<FileDialogResult> RandomDialogs::OpenFile(const FileDialogRequest& request) {
  ++openDialogs;
  return told("open", chooseOpen(request));
}

std::optional<FileDialogResult> RandomDialogs::chooseOpen(const FileDialogRequest& request) {
  if (quiet_) return queued();
  if (pick(6) == 0) return std::nullopt;
  std::vector<std::string> files = folderFiles();
  FileDialogResult result;
  result.filterIndex = std::max(1, request.filterIndex);
  // Now and then a name that is not there, as typed by hand.
  if (files.empty() || pick(10) == 0) {
    result.names.push_back(inFolder("missing.html"));
    return result;
  }
  const int count = request.multiSelect ? 1 + pick(3) : 1;
  for (int i = 0; i < count; ++i) result.names.push_back(files[pick(static_cast<int>(files.size()))]);
  return result;
}

std::optional<FileDialogResult> RandomDialogs::SaveFile(const FileDialogRequest& request) {
  ++saveDialogs;
  return told("save", chooseSave(request));
}

std::optional<FileDialogResult> RandomDialogs::chooseSave(const FileDialogRequest& request) {
  if (quiet_) return queued();
  if (pick(5) == 0) return std::nullopt;
  FileDialogResult result;
  result.filterIndex = std::max(1, request.filterIndex);
  const std::vector<std::string> files = folderFiles();
  if (!files.empty() && pick(4) == 0) {
    result.names.push_back(files[pick(static_cast<int>(files.size()))]);
  } else {
    // A fresh name each time, so that the folder grows only by what the run saved.
    const std::string name = kNewNames[pick(std::size(kNewNames))];
    result.names.push_back(inFolder(std::to_string(++saved_) + "-" + name));
  }
  return result;
}

std::optional<std::uint32_t> RandomDialogs::ChooseColor(std::uint32_t) {
  ++otherDialogs;
  if (quiet_ || pick(2)) return std::nullopt;
  return static_cast<std::uint32_t>(rng_() & 0xFFFFFF);
}

std::optional<FontChoice> RandomDialogs::ChooseFont(const FontChoice& initial) {
  ++otherDialogs;
  if (quiet_ || pick(2)) return std::nullopt;
  static const char* const kFaces[] = {"DejaVu Sans", "DejaVu Serif", "Liberation Mono"};
  FontChoice choice = initial;
  if (pick(2)) choice.face = kFaces[pick(std::size(kFaces))];
  choice.size = 6 + pick(30);
  choice.bold = pick(2);
  choice.italic = pick(2);
  choice.color = static_cast<std::uint32_t>(rng_() & 0xFFFFFF);
  return choice;
}

}  // namespace lumbrix::monkey
