#include "records/received_record.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "link/packet.h"
#include "records/frame_texts.h"

namespace tovrin {
namespace {

const LocalTime kTime{2026, 3, 4, 14, 3, 27, 45, 1'772'633'007'045'000};

using Cells = std::array<std::string, TRAFFIC_COLUMN_COUNT>;

SettingsPacket FramePacket(std::vector<uint8_t> fields) { return BuildSettingsPacket(CMD_FRAME, fields); }

TEST(ReceivedRecord, FromDataPacket) {
    struct Case {
        std::vector<uint8_t> packet;
        bool english;
        Cells cells;
    } const cases[] = {
        {{0xAA, 0xC2, 0x23, 0x01, 0x11, 0x22, 0x55}, true,
         {"", "Receive", "14:03:27:045", "Data frame", "Standard frame", "00000123", "2", "11 22 "}},
        {{0xAA, 0xF0, 0x01, 0x00, 0xFF, 0x18, 0x55}, true,
         {"", "Receive", "14:03:27:045", "Remote frame", "Extended frame", "18ff0001", "0", ""}},
        {{0xAA, 0xF0, 0x01, 0x00, 0xFF, 0x18, 0x55}, false,
         {"", "接受", "14:03:27:045", "远程帧", "扩展帧", "18ff0001", "0", ""}},
        {{0xAA, 0xC3, 0xFF, 0x07, 0x00, 0xAB, 0x0F, 0x55}, false,
         {"", "接受", "14:03:27:045", "数据帧", "标准帧", "000007ff", "3", "00 ab 0f "}},
    };
    for (const Case& c : cases) {
        const TrafficRecord record = ReceivedRecordFromDataPacket(c.packet, kTime, c.english);
        EXPECT_EQ(record.cells, c.cells);
        EXPECT_EQ(record.epochMicros, kTime.epochMicros);
    }
}

TEST(ReceivedRecord, FromFramePacket) {
    struct Case {
        SettingsPacket packet;
        bool english;
        Cells cells;
    } const cases[] = {
        {FramePacket({1, 1, 0x23, 0x01, 0, 0, 2, 0x11, 0x22}), true,
         {"", "Receive", "14:03:27:045", "Data frame", "Standard frame", "00000123", "2", "11 22 "}},
        // A standard frame still shows all four identifier bytes.
        {FramePacket({1, 1, 0x78, 0x56, 0x34, 0x12, 0}), false,
         {"", "接受", "14:03:27:045", "数据帧", "标准帧", "12345678", "0", ""}},
        // Any format other than 1 is extended, any type other than 1 remote.
        {FramePacket({0, 7, 0x01, 0x00, 0xFF, 0x18, 1, 0xFE}), true,
         {"", "Receive", "14:03:27:045", "Remote frame", "Extended frame", "18ff0001", "1", "fe "}},
        // A length above 8 is shown, but only the packet's eight data bytes are read.
        {FramePacket({2, 1, 0, 0, 0, 0, 12, 1, 2, 3, 4, 5, 6, 7, 8, 0x99}), true,
         {"", "Receive", "14:03:27:045", "Data frame", "Extended frame", "00000000", "12",
          "01 02 03 04 05 06 07 08 "}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReceivedRecordFromFramePacket(c.packet, kTime, c.english).cells, c.cells);
}

TEST(FrameTexts, SentFramesAndSelectorsSayExtendedFrameWithCapitalF) {
    EXPECT_EQ(FrameFormatText(FrameFormat::Extended, Direction::Send, true), "Extended Frame");
    EXPECT_EQ(FrameFormatText(FrameFormat::Extended, Direction::Send, false), "扩展帧");
    EXPECT_EQ(FrameFormatText(FrameFormat::Standard, Direction::Send, true), "Standard frame");
    EXPECT_EQ(DirectionText(Direction::Send, true), "Send");
    EXPECT_EQ(DirectionText(Direction::Send, false), "发送");
}

TEST(FrameTexts, TimeScalePadsEveryField) {
    EXPECT_EQ(TimeScaleText(LocalTime{2026, 1, 1, 0, 0, 0, 0, 0}), "00:00:00:000");
    EXPECT_EQ(TimeScaleText(LocalTime{2026, 1, 1, 23, 59, 9, 999, 0}), "23:59:09:999");
}

}  // namespace
}  // namespace tovrin
