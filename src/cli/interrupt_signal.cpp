#include "cli/interrupt_signal.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

#include "cli/cli_error.h"

namespace tovrin::cli {
namespace {

// A pipe, because writing to it is one of the few things a signal handler may do.
int g_pipe[2] = {-1, -1};

extern "C" void OnSignal(int) {
    const int saved = errno;
    const char mark = 1;
    [[maybe_unused]] const ssize_t ignored = write(g_pipe[1], &mark, 1);
    errno = saved;
}

void Handle(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = SA_RESTART;  // a write to standard output goes on; poll() still wakes
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

}  // namespace

InterruptSignal::InterruptSignal() {
    if (pipe2(g_pipe, O_NONBLOCK | O_CLOEXEC) != 0)
        throw CommandFailure(std::string("cannot take over Ctrl+C: ") + std::strerror(errno));
    Handle(SIGINT, OnSignal);
    Handle(SIGTERM, OnSignal);
}

InterruptSignal::~InterruptSignal() {
    Handle(SIGINT, SIG_DFL);
    Handle(SIGTERM, SIG_DFL);
    close(g_pipe[0]);
    close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

int InterruptSignal::fd() const { return g_pipe[0]; }

bool InterruptSignal::Raised() const {
    pollfd p{g_pipe[0], POLLIN, 0};
    return poll(&p, 1, 0) == 1;
}

}  // namespace tovrin::cli
