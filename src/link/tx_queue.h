#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>

#include "link/packet.h"

namespace tovrin {

// Bytes waiting to be written to the port, request by request, in the order they were
// handed over. Filled on the owner's thread, emptied by the monitor thread.
class TxQueue {
public:
    static constexpr size_t CAPACITY = 64 * 1024;

    // False, and nothing queued, when the request would take the queue past its capacity.
    bool Push(const uint8_t* bytes, size_t length);

    enum class Outcome { Empty, Blocked, Failed };
    struct WriteResult {
        Outcome outcome;
        int error = 0;  // with Failed
    };
    // Writes to a non-blocking fd until the queue is empty or the fd takes no more.
    // A request whose write fails is dropped, so a failure is never retried for ever.
    WriteResult WriteTo(int fd);

    // Bytes pushed and not yet written.
    size_t Pending() const;

private:
    mutable std::mutex m_mutex;
    std::deque<Bytes> m_requests;
    size_t m_frontWritten = 0;
    size_t m_pending = 0;
};

}  // namespace tovrin
