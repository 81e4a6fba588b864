#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "sending_fixture.h"

namespace tovrin {
namespace {

using Packets = std::vector<std::string>;
using test::Hex;

// The answer: a standard remote frame 123 with two bytes, then an extended data frame.
const ListCells kAnswerRows = {{"0", "Standard frame", "Remote frame", "123", "11 22"},
                               {"1", "Extended Frame", "Data frame", "18FF0001", "33"}};
constexpr const char* kFirstAnswer = "AA 55 01 01 02 23 01 00 00 02 11 22 00 00 00 00 00 00 00 5D";
constexpr const char* kSecondAnswer = "AA E1 01 00 FF 18 33 55";

class AutoAnswer : public test::SendingTest {
protected:
    // Row 1 is the pattern: its format from the CAN frame type selector, its type and
    // identifier its own.
    void Pattern(bool standard, bool remote, const std::string& id) {
        dlg->Choose(id::FRAME_TYPE, standard ? 0 : 1);
        dlg->Choose(id::SEND_ROWS[0].frameType, remote ? 1 : 0);
        dlg->Type(id::SEND_ROWS[0].identifier, id);
        dlg->Type(id::SEND_ROWS[0].data, "");
    }

    void StartAnswering() {
        StartWithPort();
        dlg->frameList().ReplaceRows(kAnswerRows);
        Pattern(true, false, "123");
        dlg->Click(id::AUTO_ANSWER);
    }

    // A received frame packet: format, type, identifier bytes 0..3.
    void ReceiveFrame(uint8_t command, std::vector<uint8_t> fields) {
        fields.resize(7);  // length 0
        Receive(BuildSettingsPacket(command, fields));
    }

    bool Running() const { return platform.TimerRunning(SEND_TIMER); }
    std::vector<bool> RunButtons() const {
        return {C(id::SEND_MULTIPLE).enabled, C(id::STOP_SENDING).enabled, C(id::SEND_ROWS[0].button).enabled};
    }
};

TEST_F(AutoAnswer, TheCheckBoxSetsTheCaptionsAndTheCommandsOfARun) {
    StartWithPort();
    dlg->Click(id::CYCLE);
    dlg->Click(id::AUTO_ANSWER);
    EXPECT_EQ(C(id::SEND_ROWS[0].button).text, "Receive Data");
    EXPECT_EQ(C(id::SEND_ROWS[1].button).text, "Send a single frame");
    EXPECT_EQ(C(id::CYCLE).check, 0);
    for (int off : {id::CYCLE, id::SEND_MULTIPLE, id::STOP_SENDING, id::CONTINUE}) EXPECT_FALSE(C(off).enabled) << off;

    dlg->Click(id::AUTO_ANSWER);
    for (const id::SendRowIds& row : id::SEND_ROWS) EXPECT_EQ(C(row.button).text, "Send a single frame");
    for (int on : {id::CYCLE, id::SEND_MULTIPLE, id::STOP_SENDING, id::CONTINUE}) EXPECT_TRUE(C(on).enabled) << on;
}

TEST_F(AutoAnswer, OnlyAFrameMatchingRowOneStartsTheAnswer) {
    const struct {
        bool standard, remote;
        const char* pattern;
        uint8_t command;
        std::vector<uint8_t> received;  // format, type, identifier bytes 0..3
        bool answers;
    } cases[] = {
        {true, false, "123", CMD_FRAME, {1, 1, 0x23, 0x01, 0, 0}, true},
        {true, false, "123", CMD_FRAME, {1, 1, 0x23, 0x09, 0, 0}, false},  // the received byte counts whole
        {true, false, "123", CMD_FRAME, {1, 2, 0x23, 0x01, 0, 0}, false},  // remote
        {true, false, "123", CMD_FRAME, {2, 1, 0x23, 0x01, 0, 0}, false},  // extended
        {true, false, "923", CMD_FRAME, {1, 1, 0x23, 0x01, 0, 0}, true},   // 11 bits of the pattern
        {true, false, "0FF", CMD_FRAME, {1, 1, 0xFF, 0x00, 0, 0}, true},
        {true, true, "7FF", CMD_FRAME, {1, 2, 0xFF, 0x07, 0, 0}, true},
        {false, false, "F8FF0001", CMD_FRAME, {2, 1, 0x01, 0x00, 0xFF, 0x18}, true},  // 29 bits
        {false, false, "18FF0001", CMD_FRAME, {2, 1, 0x01, 0x00, 0xFE, 0x18}, false},
        // Only a frame packet carries a frame.
        {true, false, "123", CMD_BUS_STATE, {1, 1, 0x23, 0x01, 0, 0}, false},
    };
    StartWithPort();
    dlg->frameList().ReplaceRows(kAnswerRows);
    dlg->Click(id::AUTO_ANSWER);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        Pattern(c.standard, c.remote, c.pattern);
        ReceiveFrame(c.command, c.received);
        EXPECT_EQ(Running(), c.answers);
        EXPECT_EQ(Transmitted(), c.answers ? Packets{kFirstAnswer} : Packets{});
        dlg->OnStopSending();
    }
}

TEST_F(AutoAnswer, AFrameArrivingAsADataPacketNeverAnswers) {
    StartAnswering();
    for (const char* packet : {"AA C0 23 01 55", "AA C2 23 01 11 22 55"})
        for (uint8_t b : Hex(packet)) dlg->OnRxByte(b, 1);
    EXPECT_FALSE(Running());
    EXPECT_EQ(Transmitted(), Packets{});
}

TEST_F(AutoAnswer, TheAnswerRunsTheListOnceAndGivesTheCommandsBack) {
    StartAnswering();
    ReceiveFrame(CMD_FRAME, {1, 1, 0x23, 0x01});
    EXPECT_EQ(platform.timers[SEND_TIMER], 1000);
    EXPECT_EQ(RunButtons(), (std::vector<bool>{false, true, false}));
    // The pattern's identifier is shown and stored in its eight-character form.
    EXPECT_EQ(C(id::SEND_ROWS[0].identifier).text, "00000123");
    EXPECT_EQ(SendSetting("ID"), "00000123");

    dlg->OnTimer(SEND_TIMER);
    EXPECT_TRUE(Running());
    dlg->OnTimer(SEND_TIMER);
    EXPECT_FALSE(Running());
    EXPECT_EQ(RunButtons(), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(Transmitted(), (Packets{kFirstAnswer, kSecondAnswer}));
}

TEST_F(AutoAnswer, ASecondMatchStartsTheListAgain) {
    StartAnswering();
    ReceiveFrame(CMD_FRAME, {1, 1, 0x23, 0x01});
    dlg->OnTimer(SEND_TIMER);
    ReceiveFrame(CMD_FRAME, {1, 1, 0x23, 0x01});
    dlg->OnTimer(SEND_TIMER);
    EXPECT_EQ(Transmitted(), (Packets{kFirstAnswer, kSecondAnswer, kFirstAnswer, kSecondAnswer}));
}

TEST_F(AutoAnswer, TheFirstFrameIsRecordedAfterTheFrameItAnswers) {
    StartAnswering();
    ReceiveFrame(CMD_FRAME, {1, 1, 0x23, 0x01});
    ASSERT_EQ(dlg->trafficList().size(), 2);
    EXPECT_EQ(dlg->trafficList().row(0)[TrafficColumn::Direction], "Receive");
    const TrafficRecord& answer = dlg->trafficList().row(1);
    EXPECT_EQ(answer[TrafficColumn::No], "1");
    EXPECT_EQ(answer[TrafficColumn::Direction], "Send");
    EXPECT_EQ(SentCells(1), (std::vector<std::string>{"Remote frame", "Standard frame", "00000123", "2", "11 22"}));
}

TEST_F(AutoAnswer, TheFirstFrameIsRecordedEvenWhileSentFramesAreHidden) {
    StartAnswering();
    dlg->Click(id::RECEIVE_ONLY);
    ReceiveFrame(CMD_FRAME, {1, 1, 0x23, 0x01});
    ASSERT_EQ(dlg->trafficList().size(), 2);
    EXPECT_EQ(dlg->trafficList().row(1)[TrafficColumn::Direction], "Send");
    // The timer's frames follow the hiding rule.
    dlg->OnTimer(SEND_TIMER);
    EXPECT_EQ(dlg->trafficList().size(), 2);
    EXPECT_EQ(dlg->recordCounter(), 3);
}

// In statistics mode the answer replaces the row showing its identifier, numbered as a
// new record would be.
TEST_F(AutoAnswer, InStatisticsModeTheAnswerTakesTheCounterAsItsNumber) {
    StartAnswering();
    dlg->Type(id::SEND_ROWS[1].identifier, "123");
    dlg->Click(id::SEND_ROWS[1].button);
    dlg->Click(id::RECEIVE_ONLY);
    dlg->Click(id::STATISTICS);
    ReceiveFrame(CMD_FRAME, {1, 1, 0x23, 0x01});
    ASSERT_EQ(dlg->trafficList().size(), 1);
    EXPECT_EQ(dlg->trafficList().row(0)[TrafficColumn::Direction], "Send");
    EXPECT_EQ(dlg->trafficList().row(0)[TrafficColumn::No], "1");
    EXPECT_EQ(dlg->recordCounter(), 1);
}

TEST_F(AutoAnswer, WhilePausedTheAnswerIsSentButNotRecorded) {
    StartAnswering();
    dlg->Click(id::PAUSE);
    ReceiveFrame(CMD_FRAME, {1, 1, 0x23, 0x01});
    EXPECT_EQ(Transmitted(), Packets{kFirstAnswer});
    EXPECT_EQ(dlg->trafficList().size(), 0);
    EXPECT_EQ(dlg->recordCounter(), 0);
}

TEST_F(AutoAnswer, AMatchWithNothingToSendChangesNothing) {
    const struct {
        ListCells rows;
        bool timerStarted;
    } cases[] = {
        {{}, false},
        {{{"0", "Standard frame", "Data frame", "123456789", ""}}, true},
    };
    for (const auto& c : cases) {
        StartAnswering();
        dlg->frameList().ReplaceRows(c.rows);
        platform.timers.erase(SEND_TIMER);
        ReceiveFrame(CMD_FRAME, {1, 1, 0x23, 0x01});
        EXPECT_FALSE(Running());
        // An invalid first row has started the run before it stopped: Stop stays usable.
        EXPECT_EQ(RunButtons(), c.timerStarted ? (std::vector<bool>{false, true, false})
                                               : (std::vector<bool>{false, false, true}));
        EXPECT_EQ(Transmitted(), Packets{});
    }
}

TEST_F(AutoAnswer, ABadPatternNeverMatches) {
    StartAnswering();
    for (const char* id : {"", "123456789"}) {
        dlg->Type(id::SEND_ROWS[0].identifier, id);
        ReceiveFrame(CMD_FRAME, {1, 1, 0x23, 0x01});
        ReceiveFrame(CMD_FRAME, {1, 1, 0x00, 0x00});
    }
    dlg->Type(id::SEND_ROWS[0].identifier, "123");
    dlg->Type(id::SEND_ROWS[0].data, "00 01 02 03 04 05 06 07 08");
    ReceiveFrame(CMD_FRAME, {1, 1, 0x23, 0x01});
    EXPECT_FALSE(Running());
    EXPECT_EQ(Transmitted(), Packets{});
}

}  // namespace
}  // namespace tovrin
