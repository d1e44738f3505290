// Shell and Help for tests: they record what they were asked and open nothing.
#pragma once

#include <string>
#include <vector>

#include "common/Platform.h"

namespace lumbrix::testing {

class RecordingShell : public Shell {
 public:
  bool Open(const std::string& target) override {
    opened.push_back(target);
    return true;
  }
  std::vector<std::string> opened;
};

class RecordingHelp : public Help {
 public:
  void ShowContents() override { ++contents; }
  void ShowTopic(int context) override { topics.push_back(context); }
  int contents = 0;
  std::vector<int> topics;
};

}  // namespace lumbrix::testing
