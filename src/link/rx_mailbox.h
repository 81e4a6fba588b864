#pragma once
#include <deque>
#include <memory>
#include <mutex>
#include <variant>

#include "link/event_fd.h"
#include "link/packet.h"
#include "link/port_error.h"
#include "link/serial_owner.h"

namespace tovrin {

class SerialSession;

// Bytes read by a monitor thread, waiting for the owner; `next` is the first byte not
// yet handed over.
struct RxChunk {
    std::shared_ptr<SerialSession> session;
    Bytes bytes;
    size_t next = 0;
};

struct PortReport {
    SerialPortOwner* owner;
    PortError error;
};

using Delivery = std::variant<RxChunk, PortReport>;

// Hand-over from the monitor threads to the owner's thread. Its notify fd is readable
// while something waits. It outlives the channel object while an old thread still runs.
class RxMailbox {
public:
    bool valid() const { return m_notify.valid(); }
    int NotifyFd() const { return m_notify.fd(); }

    // A chunk of a stopped session is dropped, so nothing of it waits after the close.
    void PushChunk(std::shared_ptr<SerialSession> session, Bytes bytes);
    void PushReport(SerialPortOwner& owner, PortError error);

    // Moves everything waiting to the end of `into` and clears the notification.
    void TakeAll(std::deque<Delivery>& into);
    void DropChunksOf(const SerialSession& session);

private:
    std::mutex m_mutex;
    std::deque<Delivery> m_waiting;
    EventFd m_notify;
};

// Removes the chunks of one session from a queue of deliveries.
void DropChunksOf(std::deque<Delivery>& deliveries, const SerialSession& session);

}  // namespace tovrin
