#include <gtest/gtest.h>

#include "link/assembler.h"
#include "link/serial_port.h"
#include "sim/virtual_converter.h"
#include "support/pump.h"
#include "support/recording_owner.h"
#include "support/recording_sink.h"

namespace tovrin::sim {
namespace {

using namespace std::chrono_literals;
using test::PumpFor;
using test::PumpUntil;
using test::SinkEvent;
using test::WaitUntil;

// A host: the channel, with every byte taken through the assembler.
struct Host : CSerialPort::Owner {
    void OnRxByte(uint8_t byte, long) override { assembler.Feed(byte, sink); }
    void OnPortError(const std::string& text, const std::string&) override { errors.push_back(text); }

    void Open(const std::string& device, unsigned baud) {
        ASSERT_TRUE(port.OpenPort(this, device, 1, baud));
        port.StartMonitor();
    }
    void Send(const Bytes& bytes) { ASSERT_TRUE(port.RequestWrite(bytes.data(), bytes.size())); }
    void Send(const SettingsPacket& p) { Send(Bytes(p.begin(), p.end())); }
    size_t Count(SinkEvent::Kind kind) const {
        return static_cast<size_t>(std::count_if(sink.events.begin(), sink.events.end(),
                                                 [&](const SinkEvent& e) { return e.kind == kind; }));
    }
    // True once a bus-state query is answered: the line works both ways.
    bool Linked() {
        const size_t before = Count(SinkEvent::BusStateReport);
        Send(BuildBusStateQuery());
        return PumpUntil(port, [&] { return Count(SinkEvent::BusStateReport) > before; }, 3s);
    }

    RxAssembler assembler;
    test::RecordingSink sink;
    std::vector<std::string> errors;
    CSerialPort port;
};

class ConverterOnTheLine : public ::testing::Test {
protected:
    void SetUp() override {
        converter.Start();
        host.Open(converter.DevicePath(), 115200);
        ASSERT_TRUE(host.Linked());
        host.sink.events.clear();
    }

    VirtualConverter converter;
    Host host;
};

TEST_F(ConverterOnTheLine, TrafficWaitsForTheStartAndPassesTheFilters) {
    TrafficPlan plan;
    plan.count = 40;
    plan.firstId = 0x100;
    plan.idCount = 4;  // 0x100 .. 0x103
    converter.Generate(plan);
    PumpFor(host.port, 100ms);
    EXPECT_TRUE(host.sink.events.empty());
    EXPECT_EQ(converter.Generated(), 0u);

    const uint32_t ids[] = {0x101, 0x102, 0x103};
    host.Send(BuildReceiveIdsPacket(ids));
    host.Send(BuildStartPacket(3, {FrameFormat::Standard, 0x100, 0x7FE, 0, false}));  // 0x100 and 0x101
    ASSERT_TRUE(converter.WaitGenerated(20s));
    ASSERT_TRUE(PumpUntil(host.port, [&] { return host.sink.events.size() >= 10; }));
    PumpFor(host.port, 50ms);
    EXPECT_EQ(converter.Generated(), 10u);
    EXPECT_EQ(converter.Filtered(), 30u);
    ASSERT_EQ(host.sink.events.size(), 10u);
    for (const SinkEvent& e : host.sink.events) {
        ASSERT_EQ(e.kind, SinkEvent::DataPacketFrame);
        EXPECT_EQ(DecodeDataPacket(e.bytes).id, 0x101u);
    }
}

TEST_F(ConverterOnTheLine, LoopBackModeReturnsTheHostFrames) {
    host.Send(BuildStartPacket(1, {FrameFormat::Extended, 0, 0, 1, false}));
    CanFrame frame;
    frame.id = 0x18FF0001;
    frame.format = FrameFormat::Extended;
    frame.length = 1;
    frame.data[0] = 0x5A;
    host.Send(BuildDataPacket(frame));
    host.Send(BuildFramePacket(frame));
    ASSERT_TRUE(PumpUntil(host.port, [&] { return host.Count(SinkEvent::FramePacket) == 1; }));
    EXPECT_EQ(host.sink.events[0].bytes, BuildDataPacket(frame));
    EXPECT_EQ(converter.State().hostFrames.size(), 2u);
}

TEST_F(ConverterOnTheLine, NewComBaudRateNeedsTheHostToReopenAtIt) {
    host.Send(BuildComBaudPacket(1));  // 1228800
    ASSERT_TRUE(WaitUntil([&] { return converter.LineSpeed() == 1228800u; }));
    EXPECT_EQ(converter.State().comBaudCode, 1);
    EXPECT_FALSE(host.Linked()) << "the old rate still got through";

    host.port.ClosePort();
    host.Open(converter.DevicePath(), 1228800);
    EXPECT_TRUE(host.Linked());
}

TEST_F(ConverterOnTheLine, BusStateAnswerCarriesTheConverterCounters) {
    converter.SetErrors({200, 7, true, false, true, 5});
    ASSERT_TRUE(host.Linked());
    ASSERT_EQ(host.Count(SinkEvent::BusStateReport), 1u);
    const SinkEvent& report = host.sink.events.back();
    EXPECT_EQ(report.bytes, (Bytes{200, 7, 1, 0, 1, 5}));
}

}  // namespace
}  // namespace tovrin::sim
