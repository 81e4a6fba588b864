#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "link/event_fd.h"
#include "link/rx_mailbox.h"
#include "link/serial_owner.h"
#include "link/tx_queue.h"

namespace tovrin {

// One open port and everything its monitor thread uses. Each open gets its own, so a
// closed session's thread can finish in its own time while the next open goes ahead;
// whichever of the two lets go last closes the port.
class SerialSession : public std::enable_shared_from_this<SerialSession> {
public:
    // Takes the port fd; nullptr (fd closed, errno set) when the wake-up fds cannot be made.
    static std::shared_ptr<SerialSession> Create(int portFd, SerialPortOwner& owner, unsigned portNumber,
                                                 std::shared_ptr<RxMailbox> mailbox);
    ~SerialSession();
    SerialSession(const SerialSession&) = delete;
    SerialSession& operator=(const SerialSession&) = delete;

    int PortFd() const { return m_portFd; }
    SerialPortOwner& Owner() const { return m_owner; }
    unsigned PortNumber() const { return m_portNumber; }

    void Report(const std::string& operation, int error);

    // Owner's thread. False when the transmit queue has no room for the request.
    bool QueueWrite(const uint8_t* bytes, size_t length);
    size_t PendingWriteBytes() const { return m_tx.Pending(); }
    // Owner's thread: the chunk handed over last has been delivered.
    void ChunkHandled() { m_handled.Signal(); }
    // Owner's thread: tells the monitor thread to end and releases the port for the
    // next open; never waits for the thread.
    void Stop();

    bool Stopped() const { return m_stopped.load(); }
    bool Ended() const { return m_ended.load(); }  // the monitor thread has finished

    // Body of the monitor thread.
    void RunMonitor();

private:
    SerialSession(int portFd, SerialPortOwner& owner, unsigned portNumber, std::shared_ptr<RxMailbox> mailbox);

    enum class Step { Continue, Handed, End };
    Step ReadChunk(short revents);
    Step WritePending();
    Step HangUp(int error);

    const int m_portFd;
    SerialPortOwner& m_owner;
    const unsigned m_portNumber;
    const std::shared_ptr<RxMailbox> m_mailbox;
    EventFd m_stop;
    EventFd m_txReady;
    EventFd m_handled;
    TxQueue m_tx;
    bool m_writeBlocked = false;  // monitor thread only
    std::atomic<bool> m_stopped{false};
    std::atomic<bool> m_ended{false};
};

// What the user reads when the device hangs up.
std::string HangUpText(int error);

}  // namespace tovrin
