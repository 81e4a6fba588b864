#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "cli/interrupt_signal.h"
#include "cli/port_choice.h"
#include "link/assembler.h"
#include "link/serial_port.h"

namespace tovrin::cli {

// One open port for one command, driven from the main thread as the window drives
// its own: the main thread owns the channel, waits on its notify fd and delivers.
class CliSession final : private SerialPortOwner {
public:
    using Clock = std::chrono::steady_clock;

    // Received packets go to the sink; with none they are dropped. Throws
    // CommandFailure when the port cannot be opened.
    CliSession(const PortChoice& port, RxSink* sink);
    ~CliSession() override;
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Queues the packet as soon as the transmit queue has room for it.
    void Send(std::span<const uint8_t> packet);
    // Returns once every byte sent has been written to the port.
    void FinishWrites();

    enum class PumpEnd { Done, TimedOut, Interrupted };
    // Delivers what arrives until done() holds, the deadline passes or the interrupt
    // fires. A port error ends it with CommandFailure.
    PumpEnd PumpUntil(const std::function<bool()>& done, Clock::time_point deadline,
                      const InterruptSignal* interrupt = nullptr);

private:
    void OnRxByte(uint8_t byte, long portNumber) override;
    void OnPortError(const std::string& text, const std::string& caption) override;

    void WaitOnce(std::chrono::milliseconds timeout, const InterruptSignal* interrupt);
    void WaitForWrites(size_t pendingAtMost);

    std::string m_path;
    RxSink* m_sink;
    RxAssembler m_assembler;
    std::string m_error;
    CSerialPort m_port;
};

// Opens the port, sends the packet, and returns once it has been written.
void SendPacket(const PortChoice& port, std::span<const uint8_t> packet);

}  // namespace tovrin::cli
