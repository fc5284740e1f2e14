// SIGINT and SIGTERM as a request to stop, seen also by a wait for input.
#pragma once

namespace vokadlo::cli {

// Installs the handlers. A system call they interrupt is not restarted, and a pipe becomes
// readable, so that neither a read nor a wait for the next line outlives the request.
void CatchStopSignals();
// The signal that asked to stop, or 0.
int StopSignal();
// A descriptor that becomes readable once a stop was asked for; -1 before CatchStopSignals.
int StopFd();

}  // namespace vokadlo::cli
