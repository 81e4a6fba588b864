#include "link/event_fd.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace tovrin {

EventFd::EventFd() : m_fd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

EventFd::~EventFd() {
    if (m_fd >= 0) close(m_fd);
}

void EventFd::Signal() const {
    const uint64_t one = 1;
    // Can only fail when the counter is saturated, and then it is signalled anyway.
    [[maybe_unused]] const ssize_t n = write(m_fd, &one, sizeof one);
}

void EventFd::Clear() const {
    uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = read(m_fd, &count, sizeof count);
}

}  // namespace tovrin
