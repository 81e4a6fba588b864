#include "cli/cli_session.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "cli/cli_error.h"

namespace tovrin::cli {
namespace {

using namespace std::chrono_literals;

// The channel's own number for the port; the CLI shows paths instead.
constexpr unsigned PORT_NUMBER = 1;
// Kept well below the transmit queue's capacity, so a request is never refused.
constexpr size_t SEND_WINDOW = 16 * 1024;
// A port that takes no byte for this long is stuck (flow control, a full line).
constexpr auto WRITE_STALL_LIMIT = 5s;
constexpr auto WRITE_POLL = 2ms;
constexpr auto LONGEST_WAIT = 1000ms;

std::string OpenFailure(const std::string& path, int error) {
    std::string text = "cannot open " + path + ": " + std::strerror(error);
    if (error == EACCES || error == EPERM)
        text += " (join the group that owns the device, usually: sudo usermod -aG dialout $USER, then log in again)";
    if (error == EBUSY) text += " (another program has it open)";
    return text;
}

// The channel's error box text on one line.
std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        const bool space = c == '\n' || c == '\r' || c == ' ' || c == '\t';
        if (!space)
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

}  // namespace

CliSession::CliSession(const PortChoice& port, RxSink* sink) : m_path(port.path), m_sink(sink) {
    if (!m_port.OpenPort(this, port.path, PORT_NUMBER, port.baud))
        throw CommandFailure(OpenFailure(port.path, m_port.LastOpenError()));
    m_port.StartMonitor();
}

CliSession::~CliSession() { m_port.ClosePort(); }

void CliSession::Send(std::span<const uint8_t> packet) {
    WaitForWrites(SEND_WINDOW - std::min(packet.size(), SEND_WINDOW));
    if (!m_port.RequestWrite(packet.data(), packet.size())) {
        WaitOnce(0ms, nullptr);  // the channel's report, if it made one, says more
        throw CommandFailure(m_path + ": the port takes no more bytes");
    }
}

void CliSession::FinishWrites() { WaitForWrites(0); }

CliSession::PumpEnd CliSession::PumpUntil(const std::function<bool()>& done, Clock::time_point deadline,
                                          const InterruptSignal* interrupt) {
    for (;;) {
        if (done()) return PumpEnd::Done;
        if (interrupt && interrupt->Raised()) return PumpEnd::Interrupted;
        const Clock::time_point now = Clock::now();
        if (now >= deadline) return PumpEnd::TimedOut;
        WaitOnce(std::min<std::chrono::milliseconds>(std::chrono::ceil<std::chrono::milliseconds>(deadline - now),
                                                     LONGEST_WAIT),
                 interrupt);
    }
}

void CliSession::OnRxByte(uint8_t byte, long) {
    if (m_sink) m_assembler.Feed(byte, *m_sink);
}

void CliSession::OnPortError(const std::string& text, const std::string&) {
    if (m_error.empty()) m_error = m_path + ": " + OneLine(text);
}

void CliSession::WaitOnce(std::chrono::milliseconds timeout, const InterruptSignal* interrupt) {
    pollfd fds[] = {{m_port.NotifyFd(), POLLIN, 0}, {interrupt ? interrupt->fd() : -1, POLLIN, 0}};
    const int ready = poll(fds, 2, static_cast<int>(timeout.count()));
    if (ready < 0 && errno != EINTR) throw CommandFailure(std::string("poll: ") + std::strerror(errno));
    if (ready > 0 && fds[0].revents) m_port.DeliverPending();
    if (!m_error.empty()) throw CommandFailure(m_error);
}

void CliSession::WaitForWrites(size_t pendingAtMost) {
    size_t pending = m_port.PendingWriteBytes();
    Clock::time_point progress = Clock::now();
    while (pending > pendingAtMost) {
        WaitOnce(WRITE_POLL, nullptr);
        const size_t now = m_port.PendingWriteBytes();
        if (now < pending)
            progress = Clock::now();
        else if (Clock::now() - progress > WRITE_STALL_LIMIT)
            throw CommandFailure(m_path + ": the port takes no bytes");
        pending = now;
    }
}

void SendPacket(const PortChoice& port, std::span<const uint8_t> packet) {
    CliSession session(port, nullptr);
    session.Send(packet);
    session.FinishWrites();
}

}  // namespace tovrin::cli
