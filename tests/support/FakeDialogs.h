// A scripted Dialogs for tests: records every message box and every file dialog request, and
// answers as the test tells it (queued answers, then a default).
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/Platform.h"

namespace lumbrix::testing {

struct RecordedMessage {
  std::string text;
  std::string caption;
  MsgIcon icon;
  MsgButtons buttons;
};

class FakeDialogs : public Dialogs {
 public:
  MsgAnswer MessageBox(const std::string& text, const std::string& caption, MsgIcon icon,
                       MsgButtons buttons) override {
    messages.push_back({text, caption, icon, buttons});
    if (!answers.empty()) {
      const MsgAnswer a = answers.front();
      answers.pop_front();
      return a;
    }
    switch (buttons) {
      case MsgButtons::Ok:
      case MsgButtons::OkCancel:
        return MsgAnswer::Ok;
      default:
        return defaultAnswer;
    }
  }

  std::optional<FileDialogResult> OpenFile(const FileDialogRequest& request) override {
    openRequests.push_back(request);
    return popFile();
  }

  std::optional<FileDialogResult> SaveFile(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return popFile();
  }

  std::optional<std::uint32_t> ChooseColor(std::uint32_t initial) override {
    colorRequests.push_back(initial);
    if (colorAnswers.empty()) return std::nullopt;
    const auto a = colorAnswers.front();
    colorAnswers.pop_front();
    return a;
  }

  std::optional<FontChoice> ChooseFont(const FontChoice& initial) override {
    fontRequests.push_back(initial);
    if (fontAnswers.empty()) return std::nullopt;
    const auto a = fontAnswers.front();
    fontAnswers.pop_front();
    return a;
  }

  // Queues the answer of the next file dialog: nothing means the user cancels it.
  void AnswerFile(std::optional<std::string> path, int filterIndex = 1) {
    if (!path) {
      fileAnswers.push_back(std::nullopt);
      return;
    }
    fileAnswers.push_back(FileDialogResult{{*path}, filterIndex});
  }

  std::deque<MsgAnswer> answers;
  MsgAnswer defaultAnswer = MsgAnswer::Cancel;
  std::deque<std::optional<FileDialogResult>> fileAnswers;
  std::deque<std::optional<std::uint32_t>> colorAnswers;
  std::deque<std::optional<FontChoice>> fontAnswers;

  std::vector<RecordedMessage> messages;
  std::vector<FileDialogRequest> openRequests;
  std::vector<FileDialogRequest> saveRequests;
  std::vector<std::uint32_t> colorRequests;
  std::vector<FontChoice> fontRequests;

 private:
  std::optional<FileDialogResult> popFile() {
    if (fileAnswers.empty()) return std::nullopt;
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
  }
};

}  // namespace lumbrix::testing
