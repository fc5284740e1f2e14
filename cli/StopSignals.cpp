#include "cli/StopSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace vokadlo::cli {
namespace {

volatile std::sig_atomic_t stopSignal = 0;
int stopPipe[2] = {-1, -1};

void OnStop(int signal) {
    stopSignal = signal;
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(stopPipe[1], &byte, 1);
}

}  // namespace

void CatchStopSignals() {
    if (stopPipe[0] < 0 && ::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        stopPipe[0] = stopPipe[1] = -1;
    }
    struct sigaction action {};
    action.sa_handler = OnStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

int StopSignal() {
    return stopSignal;
}

int StopFd() {
    return stopPipe[0];
}

}  // namespace vokadlo::cli
