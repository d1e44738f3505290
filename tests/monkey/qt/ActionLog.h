// What the monkey did: the last actions in order, for the report of a failed run, and how many
// of each kind it performed. A crash, an abort or a sanitizer's finding prints the log too.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>

namespace lumbrix::monkey {

class ActionLog {
 public:
  static constexpr int kKept = 60;

  // The seed and the step count that replay the run up to now.
  void Start(std::uint64_t seed) { seed_ = seed; }
  void Add(const std::string& kind, const std::string& what);
  // Adds to the last action what came of it (a message box's answer ...).
  void Append(const std::string& what);
  long Steps() const { return steps_; }
  const std::map<std::string, long>& Counts() const { return counts_; }
  // The last actions, oldest first, one a line.
  std::string Tail() const;
  // The seed, the steps and the tail, to stderr.
  void Print(const char* why) const;

  // Keeps every action, not only the last ones; All() gives them, one a line.
  void KeepAll() { keepAll_ = true; }
  const std::string& All() const { return all_; }

  // Prints the log of the run in progress when the process crashes or a sanitizer stops it.
  void InstallCrashReport();
  ~ActionLog();

 private:
  std::uint64_t seed_ = 0;
  long steps_ = 0;
  std::array<std::string, kKept> ring_;
  std::map<std::string, long> counts_;
  bool keepAll_ = false;
  std::string all_;
  mutable std::mutex mutex_;
};

}  // namespace lumbrix::monkey
