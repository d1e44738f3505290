#include "monkey/qt/ActionLog.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace lumbrix::monkey {

namespace {

const ActionLog* current = nullptr;

void printOnDeath() {
  if (current) current->Print("the process is dying");
}

void onSignal(int signal) {
  // Not async-signal-safe, but the process is going anyway and the log is what replays it.
  std::signal(signal, SIG_DFL);
  if (current) current->Print(signal == SIGABRT ? "abort" : "crash signal");
  std::raise(signal);
}

}  // namespace

void ActionLog::Add(const std::string& kind, const std::string& what) {
  std::lock_guard lock(mutex_);
  ring_[static_cast<std::size_t>(steps_ % kKept)] = "#" + std::to_string(steps_) + " " + kind +
                                                     ": " + what;
  if (keepAll_) all_ += ring_[static_cast<std::size_t>(steps_ % kKept)] + "\n";
  ++steps_;
  ++counts_[kind];
}

void ActionLog::Append(const std::string& what) {
  std::lock_guard lock(mutex_);
  if (steps_ == 0) return;
  ring_[static_cast<std::size_t>((steps_ - 1) % kKept)] += "; " + what;
  if (keepAll_) all_.insert(all_.size() - 1, "; " + what);
}

std::string ActionLog::Tail() const {
  std::string out;
  const long first = steps_ > kKept ? steps_ - kKept : 0;
  for (long i = first; i < steps_; ++i) out += ring_[static_cast<std::size_t>(i % kKept)] + "\n";
  return out;
}

void ActionLog::Print(const char* why) const {
  // Tried rather than waited for: a crash inside Add must still print.
  std::unique_lock lock(mutex_, std::try_to_lock);
  std::fprintf(stderr,
               "\n=== monkey: %s; replay with --seed %llu --steps %ld; the last actions:\n%s===\n",
               why, static_cast<unsigned long long>(seed_), steps_, Tail().c_str());
  std::fflush(stderr);
}

ActionLog::~ActionLog() {
  if (current == this) current = nullptr;
}

void ActionLog::InstallCrashReport() {
  current = this;
  // Under the sanitizers their own handlers report a bad access, then call back here; an abort
  // (qFatal, a failed assertion) is left to the process by them, so it is caught either way.
  std::signal(SIGABRT, onSignal);
  if (__sanitizer_set_death_callback) {
    __sanitizer_set_death_callback(printOnDeath);
    return;
  }
  for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL}) std::signal(signal, onSignal);
}

}  // namespace lumbrix::monkey
