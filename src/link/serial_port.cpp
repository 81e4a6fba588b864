#include "link/serial_port.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

#include "link/line_settings.h"
#include "link/serial_session.h"

namespace tovrin {
namespace {

// The device opened for our use alone; -1 with errno set when it cannot be.
int OpenExclusive(const std::string& devicePath) {
    const int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    if (ioctl(fd, TIOCEXCL) != 0) {  // not a terminal
        const int error = errno;
        close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

}  // namespace

CSerialPort::CSerialPort() : m_mailbox(std::make_shared<RxMailbox>()) {}

CSerialPort::~CSerialPort() { ClosePort(); }

bool CSerialPort::OpenPort(Owner* owner, const std::string& devicePath, unsigned portNumber, unsigned baud,
                           char parity, int dataBits, int stopBits) {
    ClosePort();
    m_portNumber = portNumber;
    if (!owner || !m_mailbox->valid()) {
        m_lastOpenError = EINVAL;
        return false;
    }
    const int fd = OpenExclusive(devicePath);
    if (fd >= 0) m_session = SerialSession::Create(fd, *owner, portNumber, m_mailbox);
    if (!m_session) {
        m_lastOpenError = errno;
        return false;
    }
    m_lastOpenError = 0;

    if (auto failure = ApplyLineSettings(fd, {baud, parity, dataBits, stopBits}))
        m_session->Report(failure->operation, failure->error);
    tcflush(fd, TCIOFLUSH);
    return true;
}

void CSerialPort::StartMonitor() {
    if (!m_session) return;
    try {
        std::thread([session = m_session] { session->RunMonitor(); }).detach();
    } catch (const std::system_error& e) {  // out of threads: the port stays open but deaf
        m_session->Report("CreateThread()", e.code().value());
    }
}

void CSerialPort::ClosePort() {
    if (!m_session) return;
    m_session->Stop();
    DropChunksOf(m_delivering, *m_session);
    m_session.reset();
}

bool CSerialPort::IsOpen() const { return m_session != nullptr; }

bool CSerialPort::RequestWrite(const uint8_t* bytes, size_t length) {
    if (!m_session || m_session->Ended()) return false;
    if (m_session->QueueWrite(bytes, length)) return true;
    m_mailbox->PushReport(m_session->Owner(),
                          MakePortError("WriteFile()", "The transmit queue is full (64 KiB waiting); the request was not sent.",
                                        m_session->PortNumber()));
    return false;
}

size_t CSerialPort::PendingWriteBytes() const { return m_session ? m_session->PendingWriteBytes() : 0; }

int CSerialPort::NotifyFd() const { return m_mailbox->NotifyFd(); }

void CSerialPort::DeliverPending() {
    m_mailbox->TakeAll(m_delivering);
    while (!m_delivering.empty()) DeliverFront();
}

// Nothing of the front delivery is touched after the owner's handler has run: the
// handler may close the port or deliver again, and either changes the queue.
void CSerialPort::DeliverFront() {
    if (auto* report = std::get_if<PortReport>(&m_delivering.front())) {
        PortReport taken = std::move(*report);
        m_delivering.pop_front();
        taken.owner->OnPortError(taken.error.text, taken.error.caption);
        return;
    }
    RxChunk& chunk = std::get<RxChunk>(m_delivering.front());
    if (chunk.next == chunk.bytes.size() || chunk.session->Stopped()) {
        const std::shared_ptr<SerialSession> session = std::move(chunk.session);
        m_delivering.pop_front();
        session->ChunkHandled();
        return;
    }
    const uint8_t byte = chunk.bytes[chunk.next++];
    chunk.session->Owner().OnRxByte(byte, static_cast<long>(chunk.session->PortNumber()));
}

}  // namespace tovrin
