// A real frame window on the offscreen platform with scripted dialogs, an in-memory registry
// and a help that records what it was asked.
#pragma once

#include <QApplication>
#include <QTest>
#include <memory>

#include "app/qt/FrameWindow.h"
#include "document/qt/EditFormView.h"
#include "common/Platform.h"
#include "settings/MemoryRegistry.h"
#include "support/FakeDialogs.h"
#include "support/RecordingPorts.h"

namespace lumbrix {

struct FrameFixture {
  testing::FakeDialogs dialogs;
  testing::MemoryRegistry registry;
  testing::RecordingHelp help;
  testing::RecordingShell shell;
  std::unique_ptr<FrameWindow> frame;

  // The command-line arguments as the system's bytes.
  explicit FrameFixture(std::vector<std::string> arguments = {}) {
    frame = std::make_unique<FrameWindow>(dialogs, registry, help, std::move(arguments));
    frame->form().UseShell(shell);
  }
  // Shows the frame and lets its first paint run.
  void firstShow() {
    frame->show();
    for (int i = 0; i < 5 && !frame->form().FirstShowDone; ++i) {
      frame->repaint();
      QTest::qWait(10);
    }
  }
};

// Opens a file as the command line would and returns its window.
inline EditFormView& openDocument(FrameFixture& f, const std::string& path) {
  f.frame->form().OpenCommandLine({path});
  return *f.frame->viewOf(*f.frame->Documents().back());
}

}  // namespace lumbrix
