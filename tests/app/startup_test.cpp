#include <gtest/gtest.h>

#include "app/captions.h"
#include "app/control_ids.h"
#include "support/dialog_fixture.h"

namespace tovrin {
namespace {

using test::DialogTest;

class Startup : public DialogTest {};

TEST_F(Startup, EmptySettingsGiveTheDefaultsInEnglish) {
    platform.ports = std::vector<PortInfo>{{"/dev/ttyUSB0", "adapter"}, {"/dev/ttyUSB1", ""}};
    Start();

    EXPECT_TRUE(dlg->english());
    EXPECT_EQ(C(id::PORT).selection, 0);
    EXPECT_EQ(C(id::PORT).text, "/dev/ttyUSB0");
    EXPECT_EQ(C(id::PORT).items.back(), VIRTUAL_PORT_NAME);
    EXPECT_EQ(C(id::COM_BAUD).text, "2000000");
    EXPECT_EQ(C(id::INTERVAL).text, "1000");
    EXPECT_EQ(C(id::BUFFER_FRAMES).text, "5000");
    EXPECT_EQ(C(id::FRAME_TYPE).text, "Extended Frame");
    EXPECT_EQ(C(id::WORK_MODE).text, "Normal mode");
    EXPECT_EQ(C(id::SEND_ROWS[0].frameType).text, "Data frame");
    EXPECT_EQ(C(id::SEND_ROWS[3].identifier).text, "00000003");
    EXPECT_EQ(C(id::SEND_ROWS[7].data).text, "11 22 33 44 55 66 77 88");
    EXPECT_EQ(C(id::BUS_STATE).text, "Normal");
    EXPECT_EQ(C(id::LANGUAGE).text, "Chinese");
    EXPECT_EQ(platform.timers.at(REFRESH_TIMER), 200);

    const std::string ini = Settings();
    EXPECT_NE(ini.find("COM=\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("COM Baud rate=2000000\r\n"), std::string::npos) << ini;
}

TEST_F(Startup, EveryCaptionIsEnglishAndHiddenControlsStayHidden) {
    Start();
    for (const Caption& c : CaptionTable()) EXPECT_EQ(C(c.id).text, c.english) << c.id;
    for (int hidden : {1007, 1008, 1009, 1038, 1074, 1119, 1120}) EXPECT_FALSE(C(hidden).visible) << hidden;
}

TEST_F(Startup, CommandsThatNeedAPortStartDisabled) {
    Start();
    EXPECT_TRUE(C(id::OPEN).enabled);
    for (int off : {1014, 1012, 1045, 1075, 1085, 1092, 1099, 1106, 1113, 1023, 1031, 1036, 1034, 1044, 1049, 1074,
                    1073, 1069, 1018})
        EXPECT_FALSE(C(off).enabled) << off;
}

TEST_F(Startup, RememberedPortIsFoundByPrefixFromTheSecondEntry) {
    const struct {
        const char* remembered;
        int expected;
        const char* storedAfter;
    } cases[] = {
        {"COM1", 2, "COM1"},        // COM10 (entry 2) is met before COM1 (entry 0)
        {"com3", 1, "com3"},        // case ignored
        {"COM9", 0, ""},            // not listed: entry 0, and the name is cleared
        {"", 0, ""},                // empty finds nothing
    };
    for (const auto& c : cases) {
        platform.ports = std::vector<PortInfo>{{"COM1", ""}, {"COM3", ""}, {"COM10", ""}};
        WriteSettings(std::string("[COM]\r\nCOM=") + c.remembered + "\r\nCOM Baud rate=115200\r\n");
        Start();
        EXPECT_EQ(C(id::PORT).selection, c.expected) << c.remembered;
        EXPECT_EQ(C(id::COM_BAUD).text, "115200");
        EXPECT_NE(Settings().find(std::string("COM=") + c.storedAfter + "\r\n"), std::string::npos) << Settings();
    }
}

TEST_F(Startup, StoredValuesBelowOneFallBack) {
    WriteSettings("[SEND SETTING]\r\nINTERVAL=-5\r\n[RECEIVE SETTING]\r\nTotal=0\r\n");
    Start();
    EXPECT_EQ(C(id::INTERVAL).text, "1000");
    EXPECT_EQ(C(id::BUFFER_FRAMES).text, "5000");
}

TEST_F(Startup, LanguageSwitchTurnsCaptionsChineseAndRestoresSelectionsByStoredText) {
    WriteSettings("[CAN]\r\nTYPE=Standard frame\r\nMODE=Silent mode\r\n");
    Start();
    EXPECT_EQ(C(id::FRAME_TYPE).text, "Standard frame");
    EXPECT_EQ(C(id::WORK_MODE).text, "Silent mode");

    dlg->OnLanguageSwitch();
    for (const Caption& c : CaptionTable()) EXPECT_EQ(C(c.id).text, c.chinese) << c.id;
    EXPECT_EQ(C(id::FRAME_TYPE).text, "扩展帧") << "an English text matches no Chinese entry";
    EXPECT_EQ(C(id::WORK_MODE).text, "正常模式");
    EXPECT_EQ(C(id::TRAFFIC_LIST).items.front(), "序号");

    dlg->OnLanguageSwitch();
    EXPECT_EQ(C(id::FRAME_TYPE).text, "Standard frame");
    EXPECT_NE(Settings().find("TYPE=Standard frame"), std::string::npos) << "the switch does not rewrite settings";
}

TEST_F(Startup, StoredListsAreReloadedExactlyByEachSwitch) {
    WriteSettings(
        "[SEND SETTING]\r\nMUL FLAMES=1:0;Extended Frame;Data frame;00000000;00 01 02 03 04 05 06 07;\r\n"
        "[RECEIVE SETTING]\r\ncfgCANA.ini RECEIVE ID=2:0;00000123;1;000007FF;\r\n");
    Start();
    dlg->OnLanguageSwitch();
    dlg->OnLanguageSwitch();
    ASSERT_EQ(dlg->frameList().RowCount(), 1u);
    EXPECT_EQ(dlg->frameList().Cell(0, 1), "Extended Frame");
    EXPECT_EQ(dlg->frameList().Cell(0, 4), "00 01 02 03 04 05 06 07");
    ASSERT_EQ(dlg->receiveIdList().RowCount(), 2u);
    EXPECT_EQ(dlg->receiveIdList().Cell(1, 1), "000007FF");
}

TEST_F(Startup, AboutBoxOpensForItsSystemCommandOnly) {
    Start();
    dlg->SystemCommand(0x0013);
    dlg->SystemCommand(0xF060);
    EXPECT_EQ(platform.aboutShown, 1);
}

}  // namespace
}  // namespace tovrin
