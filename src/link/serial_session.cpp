#include "link/serial_session.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tovrin {
namespace {
constexpr size_t READ_CHUNK = 4096;
}

std::shared_ptr<SerialSession> SerialSession::Create(int portFd, SerialPortOwner& owner, unsigned portNumber,
                                                     std::shared_ptr<RxMailbox> mailbox) {
    std::shared_ptr<SerialSession> session(new SerialSession(portFd, owner, portNumber, std::move(mailbox)));
    if (!session->m_stop.valid() || !session->m_txReady.valid() || !session->m_handled.valid()) {
        const int error = errno;
        session.reset();
        errno = error;
    }
    return session;
}

SerialSession::SerialSession(int portFd, SerialPortOwner& owner, unsigned portNumber,
                             std::shared_ptr<RxMailbox> mailbox)
    : m_portFd(portFd), m_owner(owner), m_portNumber(portNumber), m_mailbox(std::move(mailbox)) {}

SerialSession::~SerialSession() { close(m_portFd); }

void SerialSession::Report(const std::string& operation, int error) {
    m_mailbox->PushReport(m_owner, MakePortError(operation, error, m_portNumber));
}

bool SerialSession::QueueWrite(const uint8_t* bytes, size_t length) {
    if (!m_tx.Push(bytes, length)) return false;
    m_txReady.Signal();
    return true;
}

void SerialSession::Stop() {
    // The exclusive mark belongs to the terminal, not to this fd: drop it now so that
    // reopening does not depend on when the old thread lets go of its fd.
    ioctl(m_portFd, TIOCNXCL);
    m_stopped = true;
    m_mailbox->DropChunksOf(*this);
    m_stop.Signal();
}

// The open has emptied the line already: what arrives after it, before this thread
// first runs, is the converter's and is kept.
void SerialSession::RunMonitor() {
    bool awaitingOwner = false;
    for (;;) {
        const short portEvents = static_cast<short>((awaitingOwner ? 0 : POLLIN) | (m_writeBlocked ? POLLOUT : 0));
        pollfd fds[] = {
            {m_stop.fd(), POLLIN, 0},
            {portEvents ? m_portFd : -1, portEvents, 0},
            {m_txReady.fd(), POLLIN, 0},
            {m_handled.fd(), POLLIN, 0},
        };
        if (poll(fds, 4, -1) < 0) {
            if (errno == EINTR) continue;
            if (!Stopped()) Report("WaitCommEvent()", errno);
            break;
        }
        if (fds[0].revents) break;
        if (fds[3].revents) {
            m_handled.Clear();
            awaitingOwner = false;
        }

        Step step = Step::Continue;
        const short port = fds[1].revents;
        if ((portEvents & POLLIN) && (port & (POLLIN | POLLHUP | POLLERR))) {
            step = ReadChunk(port);
        } else if (port & (POLLHUP | POLLERR)) {
            // Seen while the owner still works on a chunk: stop asking about output, so
            // the hang-up is taken up by the next read instead of waking this loop again.
            m_writeBlocked = false;
        } else if (fds[2].revents || (port & POLLOUT)) {
            step = WritePending();
        }
        if (step == Step::End) break;
        if (step == Step::Handed) awaitingOwner = true;
    }
    m_ended = true;
}

SerialSession::Step SerialSession::ReadChunk(short revents) {
    Bytes chunk(READ_CHUNK);
    const ssize_t n = read(m_portFd, chunk.data(), chunk.size());
    if (n > 0) {
        chunk.resize(static_cast<size_t>(n));
        m_mailbox->PushChunk(shared_from_this(), std::move(chunk));
        return Step::Handed;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR) && !(revents & (POLLHUP | POLLERR))) return Step::Continue;
    // End of file, a read error or a hang-up with nothing to read: the line is gone.
    return HangUp(n < 0 && errno != EAGAIN && errno != EINTR ? errno : EIO);
}

SerialSession::Step SerialSession::WritePending() {
    m_txReady.Clear();
    const TxQueue::WriteResult result = m_tx.WriteTo(m_portFd);
    m_writeBlocked = result.outcome == TxQueue::Outcome::Blocked;
    if (result.outcome != TxQueue::Outcome::Failed) return Step::Continue;
    if (result.error == EIO) return HangUp(EIO);
    if (!Stopped()) Report("WriteFile()", result.error);
    m_txReady.Signal();  // the requests behind the failed one still wait
    return Step::Continue;
}

// The system's word for a hang-up ("Input/output error") does not say what happened.
SerialSession::Step SerialSession::HangUp(int error) {
    if (!Stopped())
        m_mailbox->PushReport(m_owner, MakePortError("ReadFile()", HangUpText(error), m_portNumber));
    return Step::End;
}

std::string HangUpText(int error) {
    return std::string(std::strerror(error)) +
           ": the device is gone (unplugged?). Press Close, reconnect the converter and press Open.";
}

}  // namespace tovrin
