#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/receiving_fixture.h"
#include "support/hex.h"

namespace tovrin {
namespace {

using test::Hex;
using test::ReceivingTest;
using Rows = std::vector<std::string>;

class TrafficList : public ReceivingTest {};

struct ReceivedCase {
    const char* name;
    bool chinese;
    const char* bytes;
    Rows cells;
};

const ReceivedCase kReceivedCases[] = {
    {"DataPacketStandard", false, "AA C2 23 01 11 22 55",
     {"0", "Receive", "14:03:27:045", "Data frame", "Standard frame", "00000123", "2", "11 22 "}},
    {"DataPacketExtendedRemote", false, "AA F0 78 56 34 12 55",
     {"0", "Receive", "14:03:27:045", "Remote frame", "Extended frame", "12345678", "0", ""}},
    {"DataPacketInChinese", true, "AA C1 ff 07 80 55",
     {"0", "接受", "14:03:27:045", "数据帧", "标准帧", "000007ff", "1", "80 "}},
    // 0x01 SettingsPacket: format 2 (extended), type 1 (data), id bytes LSB first, length 3.
    {"FramePacketExtended", false, "AA 55 01 02 01 44 33 22 11 03 0a 0b 0c 00 00 00 00 00 00 D2",
     {"0", "Receive", "14:03:27:045", "Data frame", "Extended frame", "11223344", "3", "0a 0b 0c "}},
};

class ReceivedRecordTexts : public TrafficList, public ::testing::WithParamInterface<ReceivedCase> {};

TEST_P(ReceivedRecordTexts, OneRecordWithTheTextsOfTheCurrentLanguage) {
    Start();
    if (GetParam().chinese) dlg->OnLanguageSwitch();
    Receive(Hex(GetParam().bytes));
    ASSERT_EQ(dlg->trafficList().size(), 1);
    EXPECT_EQ(Cells(0), GetParam().cells);
    EXPECT_EQ(dlg->recordCounter(), 1);
    EXPECT_EQ(dlg->lastPlacedRow(), 0);
}

INSTANTIATE_TEST_SUITE_P(Packets, ReceivedRecordTexts, ::testing::ValuesIn(kReceivedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Frame k of a run has identifier k, so a row shows which record it holds.
struct RingCase {
    const char* name;
    int framesBefore;
    const char* typedBufferFrames;  // nullptr: the 5000 of the settings
    int framesAfter;
    Rows rows;  // "No:Frame ID"
    int counter;
};

const RingCase kRingCases[] = {
    {"FirstRecordIsNumberedZero", 0, nullptr, 1, {"0:00000001"}, 1},
    {"BufferOfThreeWrapsOntoTheOldestRows", 0, "3", 5, {"0:00000004", "1:00000005", "2:00000003"}, 2},
    {"BufferOfZeroKeepsEveryRecordAtRowZero", 0, "0", 3, {"0:00000003"}, 1},
    {"LoweringTheCountRestartsAtRowZero", 4, "2", 1,
     {"0:00000005", "1:00000002", "2:00000003", "3:00000004"}, 1},
};

class Ring : public TrafficList, public ::testing::WithParamInterface<RingCase> {};

TEST_P(Ring, PlacesRecordsAtTheCounter) {
    Start();
    const RingCase& c = GetParam();
    uint32_t id = 1;
    for (int i = 0; i < c.framesBefore; ++i) ReceiveFrame(id++);
    if (c.typedBufferFrames) dlg->Type(id::BUFFER_FRAMES, c.typedBufferFrames);
    for (int i = 0; i < c.framesAfter; ++i) ReceiveFrame(id++);
    EXPECT_EQ(NumbersAndIds(), c.rows);
    EXPECT_EQ(dlg->recordCounter(), c.counter);
}

INSTANTIATE_TEST_SUITE_P(Cases, Ring, ::testing::ValuesIn(kRingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrafficList, BufferFrameCountIsStoredAsTyped) {
    Start();
    dlg->Type(id::BUFFER_FRAMES, "300");
    EXPECT_NE(Settings().find("[RECEIVE SETTING]\r\nTotal=300"), std::string::npos) << Settings();
    dlg->Type(id::BUFFER_FRAMES, "0");
    EXPECT_NE(Settings().find("Total=0"), std::string::npos) << Settings();
}

TEST_F(TrafficList, StatisticsModeKeepsTheNewestFrameOfEachIdentifier) {
    Start();
    dlg->Click(id::RECEIVE_ONLY);
    ASSERT_TRUE(C(id::STATISTICS).enabled);
    dlg->Click(id::STATISTICS);
    ReceiveFrame(0x100, sim::PacketForm::DataPacket, 0x01);
    ReceiveFrame(0x200, sim::PacketForm::FramePacket, 0x02);
    ReceiveFrame(0x100, sim::PacketForm::FramePacket, 0x03);
    EXPECT_EQ(NumbersAndIds(), (Rows{"0:00000100", "1:00000200"}));
    EXPECT_EQ(dlg->trafficList().row(0)[TrafficColumn::Data], "03 22 ");
    EXPECT_EQ(dlg->trafficList().row(1)[TrafficColumn::Data], "02 22 ");
    EXPECT_EQ(dlg->recordCounter(), 2);
    EXPECT_EQ(dlg->lastPlacedRow(), 0);
}

TEST_F(TrafficList, ClearingReceiveOnlyTurnsStatisticsOff) {
    Start();
    EXPECT_FALSE(C(id::STATISTICS).enabled);
    dlg->Click(id::RECEIVE_ONLY);
    dlg->Click(id::STATISTICS);
    dlg->Click(id::RECEIVE_ONLY);
    EXPECT_FALSE(C(id::STATISTICS).enabled);
    EXPECT_EQ(C(id::STATISTICS).check, 0);
    ReceiveFrame(0x100);
    ReceiveFrame(0x100);
    EXPECT_EQ(NumbersAndIds(), (Rows{"0:00000100", "1:00000100"}));
}

TEST_F(TrafficList, PauseLeavesNoRowsAndContinueGoesOnWithTheNextNumber) {
    Start();
    ReceiveFrame(1);
    dlg->Click(id::PAUSE);
    EXPECT_FALSE(C(id::PAUSE).enabled);
    EXPECT_TRUE(C(id::CONTINUE).enabled);
    ReceiveFrame(2);
    ReceiveFrame(3, sim::PacketForm::FramePacket);
    EXPECT_EQ(NumbersAndIds(), (Rows{"0:00000001"}));
    EXPECT_EQ(dlg->recordCounter(), 1);

    dlg->Click(id::CONTINUE);
    EXPECT_TRUE(C(id::PAUSE).enabled);
    EXPECT_FALSE(C(id::CONTINUE).enabled);
    ReceiveFrame(4);
    EXPECT_EQ(NumbersAndIds(), (Rows{"0:00000001", "1:00000004"}));
}

TEST_F(TrafficList, ClearEmptiesTheListAndNumbersFromZeroAgain) {
    Start();
    for (uint32_t id = 1; id <= 3; ++id) ReceiveFrame(id);
    dlg->Click(id::CLEAR_LIST);
    EXPECT_EQ(dlg->trafficList().size(), 0);
    EXPECT_EQ(dlg->recordCounter(), 0);
    ReceiveFrame(9);
    EXPECT_EQ(NumbersAndIds(), (Rows{"0:00000009"}));
}

}  // namespace
}  // namespace tovrin
