#include <gtest/gtest.h>

#include <string>

#include "app/control_ids.h"
#include "link/packet.h"
#include "support/dialog_fixture.h"

namespace tovrin {
namespace {

using test::DialogTest;

class DamagedSettings : public DialogTest {};

std::string Garbage(size_t size) {
    std::string bytes;
    for (size_t i = 0; i < size; ++i) bytes.push_back(static_cast<char>((i * 131 + 7) % 256));
    return bytes;
}

// Whatever the file holds, start-up completes in English; what cannot be read takes
// its default, and the keys the file does not damage still read.
TEST_F(DamagedSettings, StartUpCompletesWithDefaultsForWhatCannotBeRead) {
    struct Case {
        const char* what;
        std::string ini;
        int controlId;
        const char* expected;
    };
    const Case cases[] = {
        {"binary garbage", Garbage(20000), id::COM_BAUD, "2000000"},
        {"garbage around a good line", Garbage(3000) + "\n[SEND SETTING]\nINTERVAL=250\n" + Garbage(3000),
         id::INTERVAL, "250"},
        {"number of twenty digits", "[RECEIVE SETTING]\r\nTotal=99999999999999999999\r\n", id::INTERVAL, "1000"},
        {"interval of 100,000 digits", "[SEND SETTING]\r\nINTERVAL=" + std::string(100000, '7') + "\r\n",
         id::BUFFER_FRAMES, "5000"},
        {"a value of a million bytes", "[COM]\r\nCOM=" + std::string(1000000, 'x') + "\r\n", id::COM_BAUD,
         "2000000"},
        {"invalid UTF-8", "[COM]\r\nCOM=\xff\xfe\x80\xc3\r\nCOM Baud rate=115200\r\n", id::COM_BAUD, "115200"},
        {"section without an end", "[SEND SETTING", id::INTERVAL, "1000"},
        {"NUL bytes", std::string("[SEND SETTING]\r\nINTERVAL=3\0\0\0""4\r\n", 24), id::BUFFER_FRAMES, "5000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dlg.reset();
        WriteSettings(c.ini);
        Start();
        EXPECT_TRUE(dlg->english());
        EXPECT_EQ(C(c.controlId).text, c.expected);
        EXPECT_EQ(C(id::BUS_STATE).text, "Normal");
        EXPECT_TRUE(C(id::OPEN).enabled);
    }
}

TEST_F(DamagedSettings, DamagedListValuesGiveBoundedRows) {
    struct Case {
        const char* what;
        std::string value;
        size_t minRows, maxRows;
    };
    const Case cases[] = {
        {"a count of 10^9 with no cells", "1000000000:", 1, 4095},
        {"a count past every integer", "99999999999999999999999:", 0, 4095},
        {"a negative count", "-3:0;1;", 0, 0},
        {"no colon", "3", 0, 0},
        {"cells missing", "3:0;1;", 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dlg.reset();
        WriteSettings("[SEND SETTING]\r\nMUL FLAMES=" + c.value + "\r\n[RECEIVE SETTING]\r\ncfgCANA.ini RECEIVE ID=" +
                      c.value + "\r\n");
        Start();
        for (const ListModel* list : {&dlg->frameList(), &dlg->receiveIdList()}) {
            EXPECT_GE(list->RowCount(), c.minRows);
            EXPECT_LE(list->RowCount(), c.maxRows);
        }
    }
}

TEST_F(DamagedSettings, CellsMissingFromAStoredRowAreEmpty) {
    WriteSettings("[SEND SETTING]\r\nMUL FLAMES=3:0;1;\r\n");
    Start();
    ASSERT_EQ(dlg->frameList().RowCount(), 3u);
    EXPECT_EQ(dlg->frameList().Cell(0, 0), "0");
    EXPECT_EQ(dlg->frameList().Cell(0, 1), "1");
    for (size_t column = 2; column < 5; ++column) EXPECT_EQ(dlg->frameList().Cell(0, column), "") << column;
    for (size_t column = 0; column < 5; ++column) EXPECT_EQ(dlg->frameList().Cell(2, column), "") << column;
}

// A buffer frame count far above what memory holds is only a wrap point: the ring
// grows with the records that arrive, never to the count.
TEST_F(DamagedSettings, HugeBufferCountNeverAllocatesTheRing) {
    WriteSettings("[RECEIVE SETTING]\r\nTotal=99999999999999999999\r\n");
    Start();
    const int frames = 50;
    for (int n = 0; n < frames; ++n) {
        CanFrame frame;
        frame.format = FrameFormat::Standard;
        frame.id = 0x100 + static_cast<uint32_t>(n);
        frame.length = 1;
        frame.data[0] = static_cast<uint8_t>(n);
        for (uint8_t byte : BuildDataPacket(frame)) dlg->OnRxByte(byte, 1);
    }
    EXPECT_EQ(dlg->trafficList().size(), frames);
    EXPECT_EQ(dlg->recordCounter(), frames);
}

}  // namespace
}  // namespace tovrin
