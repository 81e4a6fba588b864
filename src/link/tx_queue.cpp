#include "link/tx_queue.h"

#include <unistd.h>

#include <cerrno>

namespace tovrin {

bool TxQueue::Push(const uint8_t* bytes, size_t length) {
    std::lock_guard lock(m_mutex);
    if (length > CAPACITY - m_pending) return false;
    if (length == 0) return true;
    m_requests.emplace_back(bytes, bytes + length);
    m_pending += length;
    return true;
}

size_t TxQueue::Pending() const {
    std::lock_guard lock(m_mutex);
    return m_pending;
}

TxQueue::WriteResult TxQueue::WriteTo(int fd) {
    std::lock_guard lock(m_mutex);
    while (!m_requests.empty()) {
        const Bytes& front = m_requests.front();
        const ssize_t n = write(fd, front.data() + m_frontWritten, front.size() - m_frontWritten);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN) return {Outcome::Blocked};
            const int error = errno;
            m_pending -= front.size() - m_frontWritten;
            m_frontWritten = 0;
            m_requests.pop_front();
            return {Outcome::Failed, error};
        }
        m_frontWritten += static_cast<size_t>(n);
        m_pending -= static_cast<size_t>(n);
        if (m_frontWritten == front.size()) {
            m_frontWritten = 0;
            m_requests.pop_front();
        }
    }
    return {Outcome::Empty};
}

}  // namespace tovrin
