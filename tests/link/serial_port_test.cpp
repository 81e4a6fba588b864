#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "link/packet.h"
#include "link/port_error.h"
#include "link/serial_port.h"
#include "sim/virtual_converter.h"
#include "support/hex.h"
#include "support/process_census.h"
#include "support/pump.h"
#include "support/recording_owner.h"

namespace tovrin {
namespace {

using namespace std::chrono_literals;
using test::PumpFor;
using test::PumpUntil;
using test::RecordingOwner;
using test::WaitUntil;

constexpr unsigned PORT = 3;

CanFrame Frame(uint32_t id, FrameFormat format, FrameType type, Bytes data) {
    CanFrame f;
    f.id = id;
    f.format = format;
    f.type = type;
    f.length = f.carried = static_cast<uint8_t>(data.size());
    std::copy(data.begin(), data.end(), f.data.begin());
    return f;
}

// The bytes a plan sends when nothing holds its frames back.
Bytes PlannedStream(const sim::TrafficPlan& plan) {
    Bytes stream;
    for (uint64_t k = 0; k < plan.count; ++k) {
        const Bytes packet = sim::EncodeFrame(sim::PlannedFrame(plan, k), sim::PlannedForm(plan, k));
        const Bytes noise = sim::PlannedNoise(plan, k);
        stream.insert(stream.end(), packet.begin(), packet.end());
        stream.insert(stream.end(), noise.begin(), noise.end());
    }
    return stream;
}

bool Readable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, 0) == 1;
}

class SerialChannel : public ::testing::Test {
protected:
    void SetUp() override { converter.Start(); }

    void Open(unsigned baud = 115200) {
        ASSERT_TRUE(port.OpenPort(&owner, converter.DevicePath(), PORT, baud)) << std::strerror(port.LastOpenError());
        port.StartMonitor();
    }

    void Send(const Bytes& bytes) { ASSERT_TRUE(port.RequestWrite(bytes.data(), bytes.size())); }
    void Send(const SettingsPacket& packet) { Send(Bytes(packet.begin(), packet.end())); }

    // The converter's answer proves that the monitor thread runs, so traffic from now
    // on reaches the owner.
    void AwaitLink(RecordingOwner& who) {
        const uint64_t queries = converter.State().busStateQueries;
        Send(BuildBusStateQuery());
        ASSERT_TRUE(WaitUntil([&] { return converter.State().busStateQueries > queries; }));
        ASSERT_TRUE(PumpUntil(port, [&] { return who.bytes.size() >= SETTINGS_PACKET_SIZE; }));
        who.bytes.clear();
    }
    void AwaitLink() { AwaitLink(owner); }

    sim::VirtualConverter converter;
    RecordingOwner owner;
    CSerialPort port;
};

TEST_F(SerialChannel, HostPacketsReachTheConverterWholeAndInOrder) {
    Open();
    const CanFrame sent[] = {
        Frame(0x123, FrameFormat::Standard, FrameType::Data, {0x11, 0x22}),
        Frame(0x18FF0001, FrameFormat::Extended, FrameType::Remote, {}),
        Frame(0x7FF, FrameFormat::Standard, FrameType::Data, {1, 2, 3, 4, 5, 6, 7, 8}),
    };
    // Requests in quick succession, before the monitor thread can have written any.
    for (int round = 0; round < 20; ++round) {
        for (const CanFrame& f : sent) Send(BuildDataPacket(f));
        Send(BuildFramePacket(sent[round % 3]));
    }
    ASSERT_TRUE(WaitUntil([&] { return converter.State().hostFrames.size() >= 80; }));

    const auto got = converter.State().hostFrames;
    ASSERT_EQ(got.size(), 80u);
    for (size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        const bool framePacket = i % 4 == 3;
        const CanFrame& expected = framePacket ? sent[(i / 4) % 3] : sent[i % 4];
        EXPECT_EQ(got[i].form, framePacket ? sim::PacketForm::FramePacket : sim::PacketForm::DataPacket);
        EXPECT_EQ(got[i].frame.id, expected.id);
        EXPECT_EQ(got[i].frame.format, expected.format);
        EXPECT_EQ(got[i].frame.type, expected.type);
        EXPECT_EQ(got[i].frame.length, expected.length);
        EXPECT_EQ(got[i].frame.data, expected.data);
    }
}

TEST_F(SerialChannel, ConverterTrafficReachesTheOwnerByteExact) {
    Open();
    AwaitLink();
    sim::TrafficPlan plan;
    plan.count = 3000;
    plan.raw = true;
    plan.idCount = 7;
    plan.format = sim::IdFormat::Mixed;
    plan.form = sim::FormMix::Mixed;
    plan.data = sim::DataPattern::Random;
    plan.noise = 0.1;
    converter.Generate(plan);
    const Bytes expected = PlannedStream(plan);
    ASSERT_TRUE(PumpUntil(port, [&] { return owner.bytes.size() >= expected.size(); }));
    PumpFor(port, 50ms);
    EXPECT_EQ(owner.bytes, expected);
    EXPECT_EQ(owner.portNumbers, std::vector<long>{PORT});
    EXPECT_TRUE(owner.errors.empty());
}

// The line is emptied when the port opens, not again when its thread starts: bytes
// that arrive in between are the converter's, however late the thread runs.
TEST_F(SerialChannel, BytesArrivingBeforeTheMonitorStartsReachTheOwner) {
    ASSERT_TRUE(port.OpenPort(&owner, converter.DevicePath(), PORT, 115200));
    sim::TrafficPlan plan;
    plan.count = 5;
    plan.raw = true;
    converter.Generate(plan);
    ASSERT_TRUE(converter.WaitGenerated(5s));
    port.StartMonitor();
    const Bytes expected = PlannedStream(plan);
    ASSERT_TRUE(PumpUntil(port, [&] { return owner.bytes.size() >= expected.size(); }));
    EXPECT_EQ(owner.bytes, expected);
}

TEST_F(SerialChannel, RequestLongerThanTheOldSlotIsWrittenWhole) {
    Open();
    std::vector<uint32_t> ids(255);
    for (uint32_t i = 0; i < ids.size(); ++i) ids[i] = 0x100 + i;
    const Bytes packet = BuildReceiveIdsPacket(ids);
    ASSERT_GT(packet.size(), 1024u);
    Send(packet);
    ASSERT_TRUE(WaitUntil([&] { return converter.State().receiveIds.size() == 255; }));
    EXPECT_EQ(converter.State().receiveIds, ids);
}

TEST_F(SerialChannel, FullTransmitQueueRefusesTheRequestAndSaysSo) {
    // No monitor thread yet, so nothing drains the queue.
    ASSERT_TRUE(port.OpenPort(&owner, converter.DevicePath(), PORT, 115200));
    size_t accepted = 0;
    for (; accepted < 10000; ++accepted) {  // an unbounded queue takes them all
        CanFrame f = Frame(0x100, FrameFormat::Standard, FrameType::Data, {});
        f.length = f.carried = 8;
        for (size_t i = 0; i < 8; ++i) f.data[i] = static_cast<uint8_t>(accepted >> (8 * i));
        const Bytes packet = BuildDataPacket(f);
        if (!port.RequestWrite(packet.data(), packet.size())) break;
    }
    EXPECT_EQ(accepted, 64u * 1024 / 13);
    ASSERT_TRUE(PumpUntil(port, [&] { return !owner.errors.empty(); }));
    ASSERT_EQ(owner.errors.size(), 1u);
    EXPECT_NE(owner.errors[0].text.find("WARNING:  WriteFile() Failed with the following error: \n"), std::string::npos);
    EXPECT_NE(owner.errors[0].text.find("transmit queue is full"), std::string::npos);
    EXPECT_EQ(owner.errors[0].caption, "Application Error");

    // Everything accepted is still written, in order, once the thread runs.
    port.StartMonitor();
    ASSERT_TRUE(WaitUntil([&] { return converter.State().hostFrames.size() >= accepted; }));
    const auto frames = converter.State().hostFrames;
    ASSERT_EQ(frames.size(), accepted);
    for (size_t k = 0; k < frames.size(); ++k) {
        uint64_t n = 0;
        for (size_t i = 0; i < 8; ++i) n |= static_cast<uint64_t>(frames[k].frame.data[i]) << (8 * i);
        ASSERT_EQ(n, k);
    }
}

TEST_F(SerialChannel, OpenAndCloseManyTimesLeavesNoFdOrThread) {
    const size_t fds = test::OpenFdCount();
    const size_t threads = test::ThreadCount();
    const Bytes query = [] {
        const SettingsPacket p = BuildBusStateQuery();
        return Bytes(p.begin(), p.end());
    }();
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(port.OpenPort(&owner, converter.DevicePath(), PORT, 115200)) << i;
        port.StartMonitor();
        ASSERT_TRUE(port.RequestWrite(query.data(), query.size()));
        if (i % 10 == 0) PumpFor(port, 5ms);
        port.ClosePort();
        ASSERT_FALSE(port.IsOpen());
    }
    port.DeliverPending();
    // Threads of earlier tests may still be on their way out, so the counts may end lower.
    EXPECT_TRUE(WaitUntil([&] { return test::OpenFdCount() <= fds && test::ThreadCount() <= threads; }))
        << "fds " << test::OpenFdCount() << " (was " << fds << "), threads " << test::ThreadCount() << " (was "
        << threads << ")";

    // The channel still works after all that.
    Open();
    AwaitLink();
}

TEST_F(SerialChannel, BytesNotYetDeliveredAreDroppedByTheClose) {
    Open();
    AwaitLink();
    converter.SendRaw(test::Hex("AA C2 23 01 11 22 55"));
    ASSERT_TRUE(WaitUntil([&] { return Readable(port.NotifyFd()); }));
    port.ClosePort();
    port.DeliverPending();
    EXPECT_TRUE(owner.bytes.empty());
    EXPECT_FALSE(Readable(port.NotifyFd()));
}

TEST_F(SerialChannel, PeerVanishingIsReportedOnceAndTheThreadEndsWithoutSpinning) {
    const size_t threads = test::ThreadCount();  // the converter's thread is counted already
    Open();
    AwaitLink();
    converter.Vanish();
    ASSERT_TRUE(PumpUntil(port, [&] { return !owner.errors.empty(); }));
    EXPECT_TRUE(WaitUntil([&] { return test::ThreadCount() + 1 <= threads; }));  // monitor and converter gone

    const double cpuBefore = test::CpuSecondsUsed();
    PumpFor(port, 500ms);
    EXPECT_LT(test::CpuSecondsUsed() - cpuBefore, 0.25);

    ASSERT_EQ(owner.errors.size(), 1u);
    EXPECT_EQ(owner.errors[0].text,
              "WARNING:  ReadFile() Failed with the following error: \nInput/output error: the device is gone "
              "(unplugged?). Press Close, reconnect the converter and press Open.\nPort: 3\n");
    EXPECT_EQ(owner.errors[0].caption, "Application Error");
    EXPECT_TRUE(port.IsOpen());
    const Bytes packet = test::Hex("AA C0 23 01 55");
    EXPECT_FALSE(port.RequestWrite(packet.data(), packet.size()));
    port.ClosePort();
}

TEST_F(SerialChannel, OwnerMayDeliverAgainFromInsideAHandler) {
    struct NestingOwner : RecordingOwner {
        CSerialPort* port = nullptr;
        void OnRxByte(uint8_t byte, long portNumber) override {
            RecordingOwner::OnRxByte(byte, portNumber);
            if (bytes.size() % 3 == 0) port->DeliverPending();  // a modal loop inside a handler does this
        }
    } nesting;
    nesting.port = &port;
    ASSERT_TRUE(port.OpenPort(&nesting, converter.DevicePath(), PORT, 115200));
    port.StartMonitor();
    AwaitLink(nesting);
    sim::TrafficPlan plan;
    plan.count = 500;
    plan.raw = true;
    converter.Generate(plan);
    const Bytes expected = PlannedStream(plan);
    ASSERT_TRUE(PumpUntil(port, [&] { return nesting.bytes.size() >= expected.size(); }));
    EXPECT_EQ(nesting.bytes, expected);
}

TEST_F(SerialChannel, OwnerMayCloseFromInsideAHandler) {
    struct ClosingOwner : RecordingOwner {
        CSerialPort* port = nullptr;
        void OnRxByte(uint8_t byte, long portNumber) override {
            RecordingOwner::OnRxByte(byte, portNumber);
            port->ClosePort();
        }
    } closing;
    closing.port = &port;
    ASSERT_TRUE(port.OpenPort(&closing, converter.DevicePath(), PORT, 115200));
    port.StartMonitor();
    Send(BuildBusStateQuery());
    ASSERT_TRUE(PumpUntil(port, [&] { return !closing.bytes.empty(); }));
    PumpFor(port, 50ms);
    EXPECT_EQ(closing.bytes.size(), 1u);
    EXPECT_FALSE(port.IsOpen());
}

TEST(SerialPortOpen, MissingDeviceFailsAndTellsWhyWithoutAReport) {
    RecordingOwner owner;
    CSerialPort port;
    EXPECT_FALSE(port.OpenPort(&owner, "/dev/tovrin-no-such-port", 9, 115200));
    EXPECT_EQ(port.LastOpenError(), ENOENT);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.OpenPort(&owner, "/dev/null", 9, 115200));
    EXPECT_EQ(port.LastOpenError(), ENOTTY);
    PumpFor(port, 20ms);
    EXPECT_TRUE(owner.errors.empty());
    EXPECT_FALSE(port.RequestWrite(nullptr, 0));
}

TEST(SerialPortOpen, ChannelNeverOpenedIsDestroyedAtOnce) {
    const size_t threads = test::ThreadCount();
    { CSerialPort port; }
    EXPECT_EQ(test::ThreadCount(), threads);
}

class LineRate : public ::testing::TestWithParam<unsigned> {};

TEST_P(LineRate, IsSetOnTheLine) {
    sim::VirtualConverter converter;
    RecordingOwner owner;
    CSerialPort port;
    ASSERT_TRUE(port.OpenPort(&owner, converter.DevicePath(), PORT, GetParam()));
    EXPECT_EQ(converter.HostLineSpeed(), GetParam());
    PumpFor(port, 10ms);
    EXPECT_TRUE(owner.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Rates, LineRate, ::testing::Values(9600u, 19200u, 38400u, 115200u, 1228800u, 2000000u, 250000u));

struct BadLine {
    const char* name;
    unsigned baud;
    char parity;
    int dataBits;
    int stopBits;
};

class BadLineSettings : public ::testing::TestWithParam<BadLine> {};

TEST_P(BadLineSettings, AreReportedTheOpenHoldsAndTheOldRateStays) {
    sim::VirtualConverter converter;
    RecordingOwner owner;
    CSerialPort port;
    ASSERT_TRUE(port.OpenPort(&owner, converter.DevicePath(), 12, 19200));
    port.ClosePort();
    const BadLine& bad = GetParam();
    ASSERT_TRUE(port.OpenPort(&owner, converter.DevicePath(), 12, bad.baud, bad.parity, bad.dataBits, bad.stopBits));
    ASSERT_TRUE(PumpUntil(port, [&] { return !owner.errors.empty(); }));
    EXPECT_EQ(owner.errors[0].text, "WARNING:  BuildCommDCB() Failed with the following error: \nInvalid argument\nPort: 12\n");
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(converter.HostLineSpeed(), 19200u);
}

INSTANTIATE_TEST_SUITE_P(Settings, BadLineSettings,
                         ::testing::Values(BadLine{"RateZero", 0, 'N', 8, 1}, BadLine{"Parity", 115200, 'X', 8, 1},
                                           BadLine{"DataBits", 115200, 'N', 9, 1}, BadLine{"StopBits", 115200, 'N', 8, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

// Another user of the machine tries the port: refused while it is open, let in at once
// after the close even though the old monitor thread may still hold its fd.
TEST(SerialPortOpen, PortIsExclusiveUntilClosed) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    sim::VirtualConverter converter;
    converter.Start();
    chmod(converter.DevicePath().c_str(), 0666);
    auto otherUserCanOpen = [&] {
        const pid_t child = fork();
        if (child == 0) {
            if (setuid(65534) != 0) _exit(2);
            const int fd = open(converter.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            _exit(fd >= 0 ? 0 : (errno == EBUSY ? 1 : 3));
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    RecordingOwner owner;
    CSerialPort port;
    ASSERT_TRUE(port.OpenPort(&owner, converter.DevicePath(), PORT, 115200));
    port.StartMonitor();
    EXPECT_EQ(otherUserCanOpen(), 1);
    port.ClosePort();
    EXPECT_EQ(otherUserCanOpen(), 0);
}

}  // namespace
}  // namespace tovrin
