#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/control_ids.h"
#include "sending_fixture.h"
#include "support/hex.h"

namespace tovrin {
namespace {

using Cells = std::vector<std::string>;
using Packets = std::vector<std::string>;

class SendRows : public test::SendingTest {
protected:
    void Describe(int row, bool standard, bool remote, const std::string& id, const std::string& data) {
        const id::SendRowIds& ids = id::SEND_ROWS[row - 1];
        dlg->Choose(id::FRAME_TYPE, standard ? 0 : 1);
        dlg->Choose(ids.frameType, remote ? 1 : 0);
        dlg->Type(ids.identifier, id);
        dlg->Type(ids.data, data);
    }
    void Press(int row) { dlg->Click(id::SEND_ROWS[row - 1].button); }
};

// Automatic record files are written to the working directory.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& path) : m_old(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~WorkingDirectory() { std::filesystem::current_path(m_old); }

private:
    std::filesystem::path m_old;
};

size_t TextFilesIn(const std::filesystem::path& dir) {
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) count += entry.path().extension() == ".txt";
    return count;
}

TEST_F(SendRows, EachPressSendsAndRecordsTheFrameItsRowDescribes) {
    StartWithPort();
    const struct {
        int row;
        bool standard, remote;
        const char* id;
        const char* data;
        const char* packet;
        Cells record;  // Frame Type, Frame Format, Frame ID, Data Length, Data
    } cases[] = {
        {1, true, false, "123", "11 22", "AA C2 23 01 11 22 55",
         {"Data frame", "Standard frame", "00000123", "2", "11 22"}},
        {2, false, true, "18FF0001", "", "AA F0 01 00 FF 18 55",
         {"Remote frame", "Extended Frame", "18FF0001", "0", ""}},
        {3, true, false, "1", "", "AA C0 01 00 55", {"Data frame", "Standard frame", "00000001", "0", ""}},
        {4, false, false, "1", "", "AA E0 01 00 00 00 55", {"Data frame", "Extended Frame", "00000001", "0", ""}},
        // A standard frame carries only the two low identifier bytes; the record keeps the text.
        {5, true, false, "12345678", "", "AA C0 78 56 55", {"Data frame", "Standard frame", "12345678", "0", ""}},
        {6, true, false, "0", "00 01 02 03 04 05 06 07", "AA C8 00 00 00 01 02 03 04 05 06 07 55",
         {"Data frame", "Standard frame", "00000000", "8", "00 01 02 03 04 05 06 07"}},
        {7, true, false, "0", "0102", "AA C1 00 00 01 55", {"Data frame", "Standard frame", "00000000", "1", "0102"}},
        {8, true, false, "0", "GG", "AA C1 00 00 00 55", {"Data frame", "Standard frame", "00000000", "1", "GG"}},
        {1, true, true, "0", "AA BB", "AA D2 00 00 AA BB 55",
         {"Remote frame", "Standard frame", "00000000", "2", "AA BB"}},
    };
    Packets expected;
    for (const auto& c : cases) {
        Describe(c.row, c.standard, c.remote, c.id, c.data);
        Press(c.row);
        expected.push_back(c.packet);
    }
    EXPECT_EQ(Transmitted(), expected);

    ASSERT_EQ(dlg->trafficList().size(), static_cast<int>(std::size(cases)));
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        EXPECT_EQ(SentCells(i), cases[i].record) << "row " << cases[i].row << " id " << cases[i].id;
        const TrafficRecord& r = dlg->trafficList().row(i);
        EXPECT_EQ(r[TrafficColumn::No], std::to_string(i));
        EXPECT_EQ(r[TrafficColumn::Direction], "Send");
        EXPECT_EQ(r[TrafficColumn::TimeScale], "14:03:27:045");
        // Log exports read the frame kept beside the texts.
        EXPECT_EQ(r.direction, Direction::Send);
        EXPECT_EQ(test::ToHex(BuildDataPacket(r.frame)), cases[i].packet);
    }
    EXPECT_EQ(dlg->recordCounter(), static_cast<int>(std::size(cases)));
}

TEST_F(SendRows, EveryRowHasItsOwnControlsAndKeysOneBelowItsNumber) {
    StartWithPort();
    Packets expected;
    for (int row = 1; row <= 8; ++row) {
        const std::string suffix = row == 1 ? "" : std::to_string(row - 1);
        const std::string digit = std::to_string(row);
        Describe(row, false, true, digit, "0" + digit + " 02");
        EXPECT_EQ(SendSetting("FORMAT" + suffix), "Remote frame") << row;
        EXPECT_EQ(SendSetting("ID" + suffix), digit) << row;
        EXPECT_EQ(SendSetting("DATA" + suffix), "0" + digit + " 02") << row;

        Press(row);
        // The identifier is shown and stored in its eight-character form.
        EXPECT_EQ(C(id::SEND_ROWS[row - 1].identifier).text, "0000000" + digit) << row;
        EXPECT_EQ(SendSetting("ID" + suffix), "0000000" + digit) << row;
        expected.push_back("AA F2 0" + digit + " 00 00 00 0" + digit + " 02 55");
    }
    EXPECT_EQ(Transmitted(), expected);
}

TEST_F(SendRows, BadTextsSendAndRecordNothing) {
    StartWithPort();
    const struct {
        const char* id;
        const char* data;
        const char* idShown;
        const char* dataShown;
    } cases[] = {
        {"", "11", "", "11"},
        {"123456789", "11", "123456789", "11"},
        // Nine bytes: the data field is emptied; the identifier was filled already.
        {"7", "00 01 02 03 04 05 06 07 08", "00000007", ""},
    };
    for (const auto& c : cases) {
        Describe(3, true, false, c.id, c.data);
        Press(3);
        EXPECT_EQ(C(id::SEND_ROWS[2].identifier).text, c.idShown) << c.id;
        EXPECT_EQ(C(id::SEND_ROWS[2].data).text, c.dataShown) << c.id;
    }
    EXPECT_EQ(SendSetting("ID2"), "00000007");
    EXPECT_EQ(SendSetting("DATA2"), "00 01 02 03 04 05 06 07 08");
    EXPECT_EQ(Transmitted(), Packets{});
    EXPECT_EQ(dlg->trafficList().size(), 0);
    EXPECT_EQ(dlg->recordCounter(), 0);
}

// Without a format or a type the type byte cannot be made: the press does nothing.
TEST_F(SendRows, ASelectorWithoutAnEntrySendsAndRecordsNothing) {
    StartWithPort();
    for (int selector : {id::FRAME_TYPE, id::SEND_ROWS[3].frameType}) {
        Describe(4, true, false, "1", "11");
        dlg->Choose(selector, -1);
        Press(4);
    }
    EXPECT_EQ(Transmitted(), Packets{});
    EXPECT_EQ(dlg->trafficList().size(), 0);
}

TEST_F(SendRows, WhileAnsweringAutomaticallyOnlyRowOneStaysSilent) {
    StartWithPort();
    Describe(1, true, false, "1", "11");
    Describe(2, true, false, "2", "22");
    dlg->Click(id::AUTO_ANSWER);
    Press(1);
    Press(2);
    EXPECT_EQ(Transmitted(), Packets{"AA C1 02 00 22 55"});
    EXPECT_EQ(dlg->trafficList().size(), 1);
}

TEST_F(SendRows, PausedFramesAreSentButNotRecorded) {
    StartWithPort();
    Describe(2, true, false, "5", "");
    dlg->Click(id::PAUSE);
    Press(2);
    EXPECT_EQ(Transmitted(), Packets{"AA C0 05 00 55"});
    EXPECT_EQ(dlg->trafficList().size(), 0);
    EXPECT_EQ(dlg->recordCounter(), 0);
}

TEST_F(SendRows, HiddenSentFramesStillTakeTheirNumber) {
    StartWithPort();
    Describe(2, true, false, "5", "");
    dlg->Click(id::RECEIVE_ONLY);
    Press(2);
    EXPECT_EQ(dlg->trafficList().size(), 0);
    EXPECT_EQ(dlg->recordCounter(), 1);

    dlg->Click(id::RECEIVE_ONLY);
    Press(2);
    ASSERT_EQ(dlg->trafficList().size(), 1);
    EXPECT_EQ(dlg->trafficList().row(0)[TrafficColumn::No], "1");
    EXPECT_EQ(Transmitted().size(), 2u);
}

TEST_F(SendRows, TheCounterWrapsAtTheBufferFrameCount) {
    StartWithPort();
    dlg->Type(id::BUFFER_FRAMES, "2");
    for (const char* id : {"1", "2", "3"}) {
        Describe(5, true, false, id, "");
        Press(5);
    }
    ASSERT_EQ(dlg->trafficList().size(), 2);
    EXPECT_EQ(dlg->trafficList().row(0)[TrafficColumn::No], "0");
    EXPECT_EQ(dlg->trafficList().row(0)[TrafficColumn::FrameId], "00000003");
    EXPECT_EQ(dlg->trafficList().row(1)[TrafficColumn::FrameId], "00000002");
    EXPECT_EQ(dlg->recordCounter(), 1);
}

TEST_F(SendRows, EverySenderStartsANewAutomaticFileWhenItsRecordWrapsTheCounter) {
    StartWithPort();
    const WorkingDirectory here(dir.path());
    dlg->frameList().ReplaceRows({{"0", "Standard frame", "Data frame", "5A", ""}});
    dlg->Click(id::CYCLE);
    Describe(1, true, false, "123", "");
    dlg->Click(id::AUTO_SAVE);
    ASSERT_EQ(TextFilesIn(dir.path()), 1u);

    const struct {
        const char* sender;
        std::function<void()> send;
        int receivedBefore;  // records placed ahead of the sender's own
    } senders[] = {
        {"row 1", [&] { Press(1); }, 0},
        {"row 5", [&] { Press(5); }, 0},
        {"row 8", [&] { Press(8); }, 0},
        {"send multiple frames", [&] { dlg->Click(id::SEND_MULTIPLE); }, 0},
        {"send timer", [&] { dlg->OnTimer(SEND_TIMER); }, 0},
        {"automatic answer",
         [&] {
             dlg->Click(id::STOP_SENDING);
             dlg->Click(id::AUTO_ANSWER);
             Receive(BuildSettingsPacket(CMD_FRAME, std::vector<uint8_t>{1, 1, 0x23, 0x01, 0, 0, 0}));
         },
         1},
    };
    for (const auto& s : senders) {
        // The sender's record is the one that finds the counter at the buffer frame count.
        dlg->Type(id::BUFFER_FRAMES, std::to_string(dlg->recordCounter() + s.receivedBefore));
        const size_t files = TextFilesIn(dir.path());
        s.send();
        EXPECT_EQ(TextFilesIn(dir.path()), files + 1) << s.sender;
        EXPECT_EQ(dlg->recordCounter(), 1) << s.sender;
    }
}

// The rows' fields are read behind the interval; a read stopped there would send old texts.
TEST_F(SendRows, ABadNumberElsewhereStopsThePressButTheKeysKeepWhatWasTyped) {
    StartWithPort();
    dlg->Type(id::INTERVAL, "abc");
    dlg->Type(id::SEND_ROWS[2].identifier, "5");
    EXPECT_EQ(SendSetting("ID2"), "5");
    const size_t boxes = platform.boxes.size();
    Press(3);
    EXPECT_EQ(platform.boxes.size(), boxes + 1);
    EXPECT_EQ(platform.boxes.back().text, "Enter an integer.");
    EXPECT_EQ(Transmitted(), Packets{});
    EXPECT_EQ(dlg->trafficList().size(), 0);
}

}  // namespace
}  // namespace tovrin
