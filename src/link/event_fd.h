#pragma once

namespace tovrin {

// A Linux eventfd used as a wake-up flag between threads: readable while signalled.
class EventFd {
public:
    EventFd();
    ~EventFd();
    EventFd(const EventFd&) = delete;
    EventFd& operator=(const EventFd&) = delete;

    bool valid() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    void Signal() const;
    void Clear() const;

private:
    int m_fd;
};

}  // namespace tovrin
