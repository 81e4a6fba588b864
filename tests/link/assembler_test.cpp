#include <gtest/gtest.h>

#include "link/assembler.h"
#include "support/hex.h"
#include "support/recording_sink.h"

namespace tovrin {
namespace {

using test::Hex;
using test::RecordingSink;
using test::SinkEvent;

const char* const BUS_STATE_REPORT = "AA 55 04 10 05 00 01 00 03 00x10 1D";
const char* const FRAME_PACKET = "AA 55 01 01 01 23 01 00 00 02 11 22 00x7 5C";
// A DataPacket with a wrong end byte and thirteen more bytes whose last fits as a checksum.
const char* const BROKEN_DATA_PACKET_GOOD_SUM = "AA C2 23 01 11 22 66 00x12 BD";

struct Expected {
    SinkEvent::Kind kind;
    const char* bytes;
};

struct StreamCase {
    const char* name;
    std::string stream;
    bool displayOn;
    bool autoAnswerOn;
    std::vector<Expected> events;
};

std::string Join(std::string a, const std::string& b) { return a + " " + b; }
std::string Join(std::string a, const std::string& b, const std::string& c) { return Join(Join(a, b), c); }

const StreamCase CASES[] = {
    {"StandardDataPacket", "AA C2 23 01 11 22 55", true, false,
     {{SinkEvent::DataPacketFrame, "AA C2 23 01 11 22 55"}}},
    {"EmptyDataPacket", "AA C0 23 01 55", true, false, {{SinkEvent::DataPacketFrame, "AA C0 23 01 55"}}},
    {"ExtendedRemotePacket", "AA F0 01 00 FF 18 55", true, true,
     {{SinkEvent::DataPacketFrame, "AA F0 01 00 FF 18 55"}}},
    {"TwentyByteDataPacketIsTakenAsData", "AA ED 01 02 03 04 00x13 55", true, true,
     {{SinkEvent::DataPacketFrame, "AA ED 01 02 03 04 00x13 55"}}},
    {"BusStateReport", BUS_STATE_REPORT, true, false, {{SinkEvent::BusStateReport, "10 05 00 01 00 03"}}},
    {"BusStateReportOfferedToAutoAnswer", BUS_STATE_REPORT, true, true,
     {{SinkEvent::BusStateReport, "10 05 00 01 00 03"}, {SinkEvent::AutoAnswerOffer, BUS_STATE_REPORT}}},
    {"BusStateReportWhilePaused", BUS_STATE_REPORT, false, false,
     {{SinkEvent::BusStateReport, "10 05 00 01 00 03"}}},
    {"WrongChecksumThenNextByteStartsAPacket", "AA 55 04 10 05 00 01 00 03 00x10 1E AA C2 23 01 11 22 55", true, true,
     {{SinkEvent::DataPacketFrame, "AA C2 23 01 11 22 55"}}},
    {"FramePacket", FRAME_PACKET, true, true,
     {{SinkEvent::FramePacket, FRAME_PACKET}, {SinkEvent::AutoAnswerOffer, FRAME_PACKET}}},
    {"FramePacketWhilePausedReachesOnlyTheAutoAnswer", FRAME_PACKET, false, true,
     {{SinkEvent::AutoAnswerOffer, FRAME_PACKET}}},
    {"DataPacketWhilePausedLeavesNoTrace", "AA C2 23 01 11 22 55", false, true, {}},
    {"BadEndByteIsTestedAsSettingsPacket", BROKEN_DATA_PACKET_GOOD_SUM, true, true,
     {{SinkEvent::AutoAnswerOffer, BROKEN_DATA_PACKET_GOOD_SUM}}},
    {"BadEndByteWithBadSumGivesNothing", "AA C2 23 01 11 22 66 00x12 BE AA C0 23 01 55", true, true,
     {{SinkEvent::DataPacketFrame, "AA C0 23 01 55"}}},
    {"OverlongExtendedPacketIsCutAtTwenty", "AA EE 00x17 EE AA C0 23 01 55", true, true,
     {{SinkEvent::DataPacketFrame, "AA C0 23 01 55"}}},
    {"BadSecondByteDropsTheStartOnly", "AA 00 AA C2 23 01 11 22 55", true, false,
     {{SinkEvent::DataPacketFrame, "AA C2 23 01 11 22 55"}}},
    {"DoubledStartByteLosesThePacket", Join("AA", BUS_STATE_REPORT), true, true, {}},
    {"NoiseBetweenPacketsIsDropped", "00 12 FF 55 AA C0 23 01 55 C2 13 AA C0 24 01 55", true, false,
     {{SinkEvent::DataPacketFrame, "AA C0 23 01 55"}, {SinkEvent::DataPacketFrame, "AA C0 24 01 55"}}},
    {"PacketsBackToBack", Join("AA C0 23 01 55", FRAME_PACKET, "AA F0 01 00 FF 18 55"), true, false,
     {{SinkEvent::DataPacketFrame, "AA C0 23 01 55"},
      {SinkEvent::FramePacket, FRAME_PACKET},
      {SinkEvent::DataPacketFrame, "AA F0 01 00 FF 18 55"}}},
};

class AssemblerStream : public ::testing::TestWithParam<StreamCase> {};

TEST_P(AssemblerStream, HandsOverExactlyTheseEvents) {
    const StreamCase& c = GetParam();
    RecordingSink sink;
    sink.displayOn = c.displayOn;
    sink.autoAnswerOn = c.autoAnswerOn;
    RxAssembler assembler;
    for (const uint8_t b : Hex(c.stream)) assembler.Feed(b, sink);

    std::vector<std::string> expected;
    for (const Expected& e : c.events) expected.push_back(ToString(SinkEvent{e.kind, Hex(e.bytes)}));
    std::vector<std::string> got;
    for (const SinkEvent& e : sink.events) got.push_back(ToString(e));
    EXPECT_EQ(got, expected);
}

INSTANTIATE_TEST_SUITE_P(Streams, AssemblerStream, ::testing::ValuesIn(CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Assembler, PacketCutOffWaitsForItsRestWithoutTimeLimit) {
    RecordingSink sink;
    RxAssembler assembler;
    const Bytes report = Hex(BUS_STATE_REPORT);
    for (size_t i = 0; i < 11; ++i) assembler.Feed(report[i], sink);
    EXPECT_EQ(assembler.index(), 11);
    EXPECT_TRUE(sink.events.empty());
    for (size_t i = 11; i < report.size(); ++i) assembler.Feed(report[i], sink);
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(assembler.index(), 0);
}

TEST(Assembler, IndexStaysWithinTheBufferForAnyByte) {
    RecordingSink sink;
    RxAssembler assembler;
    for (int round = 0; round < 4; ++round) {
        for (int b = 0; b < 256; ++b) {
            assembler.Feed(static_cast<uint8_t>(b), sink);
            ASSERT_GE(assembler.index(), 0);
            ASSERT_LT(assembler.index(), 20);
        }
    }
}

// A handler that feeds bytes itself (a nested delivery) must not change the packet it holds.
struct ReenteringSink : RecordingSink {
    RxAssembler* assembler = nullptr;
    void OnDataPacketFrame(std::span<const uint8_t> packet) override {
        for (const uint8_t b : Hex("AA C0 24 01")) assembler->Feed(b, *this);
        RecordingSink::OnDataPacketFrame(packet);
    }
};

TEST(Assembler, PacketHandedOverSurvivesFeedingFromInsideTheHandler) {
    ReenteringSink sink;
    RxAssembler assembler;
    sink.assembler = &assembler;
    for (const uint8_t b : Hex("AA C2 23 01 11 22 55")) assembler.Feed(b, sink);
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(test::ToHex(sink.events[0].bytes), "AA C2 23 01 11 22 55");
}

}  // namespace
}  // namespace tovrin
