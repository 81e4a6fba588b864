#include "config/com_baud.h"

#include <gtest/gtest.h>

#include <string>

#include "hex_bytes.h"

namespace tovrin {
namespace {

struct ComBaudCase {
    int entry;
    const char* packet;
};

void PrintTo(const ComBaudCase& c, std::ostream* os) { *os << "entry " << c.entry; }

class ComBaudCommandTest : public testing::TestWithParam<ComBaudCase> {};

TEST_P(ComBaudCommandTest, OkSendsTheEntrysCode) {
    const std::optional<SettingsPacket> packet = BuildComBaudCommand(true, GetParam().entry);
    ASSERT_TRUE(packet);
    EXPECT_EQ(BytesOf(*packet), HexBytes(GetParam().packet));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ComBaudCommandTest,
    testing::Values(ComBaudCase{CONVERTER_BAUD_INITIAL_ENTRY, "AA 55 06 02 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 08"},
                    ComBaudCase{5, "AA 55 06 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 06"},
                    ComBaudCase{0, "AA 55 06 05 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 0B"},
                    ComBaudCase{-1, "AA 55 06 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 06"}));

TEST(ComBaudCommand, CancelSendsNothing) {
    EXPECT_FALSE(BuildComBaudCommand(false, 3));
    EXPECT_FALSE(BuildComBaudCommand(false, -1));
}

TEST(ConverterBaud, CodesAndRates) {
    const int rates[] = {2000000, 1228800, 115200, 38400, 19200, 9600};
    for (uint8_t code = 0; code < 6; ++code) EXPECT_EQ(ConverterBaudOfCode(code), rates[code]);
    EXPECT_FALSE(ConverterBaudOfCode(6));
    EXPECT_FALSE(ConverterBaudOfCode(0xFF));

    const char* listOrder[] = {"9600", "19200", "38400", "115200", "1228800", "2000000"};
    for (size_t i = 0; i < CONVERTER_BAUD_ENTRIES.size(); ++i) {
        EXPECT_EQ(CONVERTER_BAUD_ENTRIES[i].text, listOrder[i]);
        EXPECT_EQ(CONVERTER_BAUD_ENTRIES[i].text, std::to_string(CONVERTER_BAUD_ENTRIES[i].baud));
        EXPECT_EQ(ConverterBaudOfCode(BaudCodeOfEntry(static_cast<int>(i))), CONVERTER_BAUD_ENTRIES[i].baud);
    }
    EXPECT_EQ(CONVERTER_BAUD_ENTRIES[CONVERTER_BAUD_INITIAL_ENTRY].text, "115200");
}

// Line k of the flash table names the rate of code k (k + 1 flashes), in both languages.
TEST(ComBaudDialog, FlashLinesNameTheRateOfTheirCode) {
    for (const bool english : {false, true}) {
        const ComBaudDialogTexts& texts = ComBaudDialogFor(english);
        for (uint8_t code = 0; code < 6; ++code) {
            const std::string line(texts.flashLines[code]);
            EXPECT_NE(line.find(std::to_string(*ConverterBaudOfCode(code))), std::string::npos) << line;
        }
    }
    EXPECT_EQ(ComBaudDialogFor(false).flashLines[0], "上电时收发指示灯同时闪1下——2000000bps");
    EXPECT_EQ(ComBaudDialogFor(true).flashLines[2], "flash three times at the same time, the COM baud rate to 115200 BPS");
}

TEST(ComBaudDialog, TextsOfEachLanguage) {
    const ComBaudDialogTexts& zh = ComBaudDialogFor(false);
    EXPECT_EQ(zh.templateId, 134);
    EXPECT_EQ(zh.title, "更改波特率");
    EXPECT_EQ(DisplayTitle(zh), "更改波特率");
    EXPECT_EQ(zh.okCaption, "更改");
    EXPECT_EQ(zh.cancelCaption, "取消");
    EXPECT_EQ(zh.listLabel, "波特率：");
    EXPECT_EQ(zh.note, "注意更改波特率后需要把主界面的波特率重新配置为更改后波特率才能使用");
    EXPECT_EQ(zh.flashHeading, "转换器的波特率可以在转换器上电的时候查看，具体显示如下：");

    const ComBaudDialogTexts& en = ComBaudDialogFor(true);
    EXPECT_EQ(en.templateId, 135);
    EXPECT_EQ(en.title, "Change the baud rate\n");
    EXPECT_EQ(DisplayTitle(en), "Change the baud rate");
    EXPECT_EQ(en.okCaption, "Change");
    EXPECT_EQ(en.cancelCaption, "Cancel");
    EXPECT_EQ(en.listLabel, "COM bps:");
    EXPECT_TRUE(en.note.empty());
    EXPECT_EQ(en.flashHeading, "Tovrin power on when to send and receive light:");
}

}  // namespace
}  // namespace tovrin
