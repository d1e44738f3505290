// A colour chooser for tests: records what it was opened with and answers as told.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "common/ColourChooser.h"

namespace lumbrix::testing {

class FakeColourChooser : public ColourChooser {
 public:
  std::optional<std::uint32_t> Choose(std::uint32_t initial,
                                      std::span<const std::uint32_t> custom) override {
    initials.push_back(initial);
    offered.assign(custom.begin(), custom.end());
    if (answers.empty()) return std::nullopt;
    const auto a = answers.front();
    answers.pop_front();
    return a;
  }
  std::deque<std::optional<std::uint32_t>> answers;
  std::vector<std::uint32_t> initials;
  std::vector<std::uint32_t> offered;
};

}  // namespace lumbrix::testing
