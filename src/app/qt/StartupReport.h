// For the start-up benchmark: with LUMBRIX_STARTUP_REPORT naming a file, the program writes the
// milliseconds since LUMBRIX_STARTUP_T0 (the launcher's wall clock in nanoseconds) and its
// resident memory in KiB there, once the first paint has opened the command-line files and the
// event queue is empty, and quits. Without the variable nothing happens.
#pragma once

namespace lumbrix {

class FrameWindow;

void ReportStartupWhenIdle(FrameWindow& frame);

}  // namespace lumbrix
