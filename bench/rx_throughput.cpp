// Receive throughput: a virtual converter sends frames as fast as the pseudo-terminal
// takes them; the serial channel hands every byte to the assembler on this thread.
// Frames carry their number, so a gap shows as lost frames.
#include <poll.h>

#include <chrono>
#include <cstdio>

#include "link/assembler.h"
#include "link/serial_port.h"
#include "sim/virtual_converter.h"

namespace {

using namespace tovrin;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

uint64_t FrameNumber(const CanFrame& frame) {
    uint64_t n = 0;
    for (size_t i = 0; i < 8; ++i) n |= static_cast<uint64_t>(frame.data[i]) << (8 * i);
    return n;
}

class CountingReceiver : public CSerialPort::Owner, public RxSink {
public:
    void OnRxByte(uint8_t byte, long) override {
        ++bytes;
        m_assembler.Feed(byte, *this);
    }
    void OnPortError(const std::string& text, const std::string&) override {
        std::fprintf(stderr, "%s", text.c_str());
        failed = true;
    }
    bool DisplayOn() const override { return true; }
    bool AutoAnswerOn() const override { return false; }
    void OnDataPacketFrame(std::span<const uint8_t> packet) override { Count(DecodeDataPacket(packet)); }
    void OnFramePacket(const SettingsPacket& packet) override { Count(DecodeFramePacket(packet)); }
    void OnBusStateReport(const uint8_t*) override { linked = true; }
    void OnAutoAnswerOffer(const SettingsPacket&) override {}

    uint64_t bytes = 0;
    uint64_t frames = 0;
    uint64_t lost = 0;
    bool linked = false;
    bool failed = false;

private:
    void Count(const CanFrame& frame) {
        const uint64_t n = FrameNumber(frame);
        lost += n > m_next ? n - m_next : 0;
        lost += n < m_next ? 1 : 0;  // out of order or repeated
        m_next = n + 1;
        ++frames;
    }

    RxAssembler m_assembler;
    uint64_t m_next = 0;
};

template <typename Done>
void Pump(CSerialPort& port, Done done) {
    while (!done()) {
        pollfd fd{port.NotifyFd(), POLLIN, 0};
        if (poll(&fd, 1, 100) > 0) port.DeliverPending();
    }
}

}  // namespace

int main() {
    sim::VirtualConverter converter;
    converter.Start();
    CountingReceiver receiver;
    CSerialPort port;
    if (!port.OpenPort(&receiver, converter.DevicePath(), 1, 2000000)) {
        std::perror("open");
        return 1;
    }
    port.StartMonitor();

    // The answer to a query shows the monitor thread runs: nothing sent from now on is purged.
    const SettingsPacket query = BuildBusStateQuery();
    port.RequestWrite(query.data(), query.size());
    const auto linkDeadline = Clock::now() + 10s;
    Pump(port, [&] { return receiver.linked || Clock::now() > linkDeadline; });
    if (!receiver.linked) {
        std::fprintf(stderr, "no answer from the converter\n");
        return 1;
    }

    sim::TrafficPlan plan;
    plan.raw = true;
    plan.form = sim::FormMix::Mixed;
    plan.idCount = 16;
    converter.Generate(plan);

    const uint64_t bytesBefore = receiver.bytes;
    const auto start = Clock::now();
    Pump(port, [&] { return receiver.failed || Clock::now() - start >= 3s; });
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    port.ClosePort();
    converter.Stop();

    std::printf("seconds=%.2f bytes=%llu frames=%llu\n", seconds,
                static_cast<unsigned long long>(receiver.bytes - bytesBefore),
                static_cast<unsigned long long>(receiver.frames));
    std::printf("bytes_per_s=%.0f frames_per_s=%.0f lost=%llu\n",
                static_cast<double>(receiver.bytes - bytesBefore) / seconds,
                static_cast<double>(receiver.frames) / seconds, static_cast<unsigned long long>(receiver.lost));
    return receiver.failed ? 1 : 0;
}
