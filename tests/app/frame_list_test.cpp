#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "sending_fixture.h"

namespace tovrin {
namespace {

using Packets = std::vector<std::string>;

constexpr const char* kNewRowCells = "Extended Frame;Data frame;00000000;00 01 02 03 04 05 06 07;";

class FrameList : public test::SendingTest {
protected:
    // Rows 0.. of standard data frames whose identifiers count from 1.
    void CountingRows(int count) {
        ListCells rows;
        for (int i = 0; i < count; ++i)
            rows.push_back({std::to_string(i), "Standard frame", "Data frame", std::to_string(i + 1), ""});
        dlg->frameList().ReplaceRows(rows);
    }
    static std::string Counted(int id) { return "AA C0 0" + std::to_string(id) + " 00 55"; }

    void Tick() { dlg->OnTimer(SEND_TIMER); }
    bool Running() const { return platform.TimerRunning(SEND_TIMER); }
    // Send multiple / Stop / row 1's send button.
    std::vector<bool> RunButtons() const {
        return {C(id::SEND_MULTIPLE).enabled, C(id::STOP_SENDING).enabled, C(id::SEND_ROWS[0].button).enabled};
    }
};

const std::vector<bool> kIdle{true, false, true};
const std::vector<bool> kRunning{false, true, true};

TEST_F(FrameList, AddDeleteAndClearKeepTheStoredList) {
    Start();
    for (int i = 0; i < 3; ++i) dlg->Click(id::FRAMES_ADD);
    EXPECT_EQ(SendSetting("MUL FLAMES"),
              std::string("3:0;") + kNewRowCells + "1;" + kNewRowCells + "2;" + kNewRowCells);
    EXPECT_EQ(dlg->frameList().SelectedRow(), 2u);
    EXPECT_EQ(dlg->frameList().FocusedRow(), 2u);

    // Always the last row goes, whichever is selected.
    dlg->frameList().SelectRow(0);
    dlg->Click(id::FRAMES_DELETE);
    EXPECT_EQ(SendSetting("MUL FLAMES"), std::string("2:0;") + kNewRowCells + "1;" + kNewRowCells);
    EXPECT_EQ(dlg->frameList().SelectedRow(), 1u);

    dlg->Click(id::FRAMES_CLEAR);
    EXPECT_EQ(SendSetting("MUL FLAMES"), "0:");
    dlg->Click(id::FRAMES_DELETE);
    EXPECT_EQ(SendSetting("MUL FLAMES"), "0:");
    EXPECT_EQ(dlg->frameList().RowCount(), 0u);
}

TEST_F(FrameList, NewRowsTakeTheCurrentLanguage) {
    Start();
    dlg->OnLanguageSwitch();
    dlg->Click(id::FRAMES_ADD);
    EXPECT_EQ(dlg->frameList().RowCells(0),
              (std::vector<std::string>{"0", "扩展帧", "数据帧", "00000000", "00 01 02 03 04 05 06 07"}));
}

TEST_F(FrameList, DropDownsOfferTheSelectorTextsOfTheCurrentLanguage) {
    Start();
    dlg->frameList().ReplaceRows({{"0", "Standard frame", "Remote frame", "00000000", ""}});
    const struct {
        size_t column;
        std::vector<std::string> english, chinese;
    } cases[] = {
        {1, {"Standard frame", "Extended Frame"}, {"标准帧", "扩展帧"}},
        {2, {"Data frame", "Remote frame"}, {"数据帧", "远程帧"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dlg->OnFrameListGetItems(c.column), c.english);
        dlg->frameList().BeginEditAt(0, c.column);
        ASSERT_TRUE(dlg->frameList().Edit().has_value());
        EXPECT_EQ(dlg->frameList().Edit()->items, c.english);
        EXPECT_EQ(dlg->frameList().Edit()->selectedItem, c.column == 1 ? 0u : 1u);
    }
    for (size_t column : {0u, 3u, 4u}) EXPECT_TRUE(dlg->OnFrameListGetItems(column).empty()) << column;

    // An English cell shown in Chinese opens with nothing chosen.
    dlg->OnLanguageSwitch();
    dlg->frameList().ReplaceRows({{"0", "Standard frame", "Remote frame", "00000000", ""}});
    for (const auto& c : cases) {
        dlg->frameList().BeginEditAt(0, c.column);
        ASSERT_TRUE(dlg->frameList().Edit().has_value());
        EXPECT_EQ(dlg->frameList().Edit()->items, c.chinese);
        EXPECT_FALSE(dlg->frameList().Edit()->selectedItem.has_value());
    }
}

TEST_F(FrameList, CellEditsAreStoredWhenTheListLosesTheFocus) {
    Start();
    dlg->Click(id::FRAMES_ADD);
    dlg->frameList().BeginEditAt(0, 3);
    dlg->frameList().EndEdit("00000123");
    EXPECT_EQ(SendSetting("MUL FLAMES"), std::string("1:0;") + kNewRowCells);
    dlg->LoseFocus(id::FRAME_LIST);
    EXPECT_EQ(SendSetting("MUL FLAMES"), "1:0;Extended Frame;Data frame;00000123;00 01 02 03 04 05 06 07;");
}

TEST_F(FrameList, TheIntervalIsStoredAndGivesTheTimerPeriod) {
    StartWithPort();
    CountingRows(1);
    const struct {
        const char* typed;
        int period;
    } cases[] = {{"0", 10}, {"5", 10}, {"10", 10}, {"11", 11}, {"250", 250}};
    for (const auto& c : cases) {
        dlg->Type(id::INTERVAL, c.typed);
        EXPECT_EQ(SendSetting("INTERVAL"), c.typed);
        dlg->Click(id::SEND_MULTIPLE);
        EXPECT_EQ(platform.timers[SEND_TIMER], c.period) << c.typed;
        dlg->Click(id::STOP_SENDING);
        EXPECT_FALSE(Running());
    }
    // A running timer keeps its period; the next run takes the new one.
    dlg->Click(id::SEND_MULTIPLE);
    dlg->Type(id::INTERVAL, "40");
    EXPECT_EQ(platform.timers[SEND_TIMER], 250);
}

TEST_F(FrameList, AnEmptyListStartsNothing) {
    StartWithPort();
    dlg->Click(id::SEND_MULTIPLE);
    EXPECT_FALSE(Running());
    EXPECT_EQ(RunButtons(), kIdle);
    EXPECT_EQ(Transmitted(), Packets{});
}

TEST_F(FrameList, ARunSendsOneRowPerTickOnceThroughOrOverAndOver) {
    StartWithPort();
    CountingRows(3);
    const struct {
        bool cyclic;
        int ticks;
        Packets sent;
        bool runningAfter;
    } cases[] = {
        {true, 5, {Counted(1), Counted(2), Counted(3), Counted(1), Counted(2), Counted(3)}, true},
        {false, 2, {Counted(1), Counted(2), Counted(3)}, true},
        // The tick after the last row ends the run.
        {false, 3, {Counted(1), Counted(2), Counted(3)}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "cyclic " << c.cyclic << ", ticks " << c.ticks);
        if (C(id::CYCLE).check != c.cyclic) dlg->Click(id::CYCLE);
        const int records = dlg->recordCounter();
        dlg->Click(id::SEND_MULTIPLE);
        EXPECT_EQ(RunButtons(), kRunning);
        for (int i = 0; i < c.ticks; ++i) Tick();
        EXPECT_EQ(Transmitted(), c.sent);
        EXPECT_EQ(Running(), c.runningAfter);
        EXPECT_EQ(RunButtons(), c.runningAfter ? kRunning : kIdle);
        EXPECT_EQ(dlg->recordCounter() - records, static_cast<int>(c.sent.size()));
        dlg->Click(id::STOP_SENDING);
    }
}

TEST_F(FrameList, CellsInEitherLanguageSendAndAreRecordedAsTheyStand) {
    StartWithPort();
    dlg->frameList().ReplaceRows({{"0", "标准帧", "数据帧", "123", "11"}, {"1", "Standard frame", "远程帧", "7FF", ""}});
    dlg->Click(id::SEND_MULTIPLE);
    Tick();
    EXPECT_EQ(Transmitted(), (Packets{"AA C1 23 01 11 55", "AA D0 FF 07 55"}));
    ASSERT_EQ(dlg->trafficList().size(), 2);
    EXPECT_EQ(SentCells(0), (std::vector<std::string>{"数据帧", "标准帧", "00000123", "1", "11"}));
    EXPECT_EQ(SentCells(1), (std::vector<std::string>{"远程帧", "Standard frame", "000007FF", "0", ""}));
    // The cell keeps its text; only the record shows the filled identifier.
    EXPECT_EQ(dlg->frameList().Cell(0, 3), "123");
}

TEST_F(FrameList, AnInvalidRowStopsTheRunThere) {
    StartWithPort();
    const struct {
        size_t column;
        const char* text;
    } cases[] = {
        {1, "Standard Frame"}, {1, "standard frame"}, {1, ""}, {2, "Data Frame"}, {2, "Remote"},
        {3, "123456789"},      {3, ""},               {4, "00 01 02 03 04 05 06 07 08"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "column " << c.column << " '" << c.text << "'");
        CountingRows(3);
        dlg->frameList().SetCell(1, c.column, c.text);
        const int records = dlg->recordCounter();
        dlg->Click(id::SEND_MULTIPLE);
        Tick();
        EXPECT_FALSE(Running());
        // Stop stays usable until pressed.
        EXPECT_EQ(RunButtons(), kRunning);
        EXPECT_EQ(Transmitted(), Packets{Counted(1)});
        EXPECT_EQ(dlg->recordCounter() - records, 1);
        dlg->Click(id::STOP_SENDING);
        EXPECT_EQ(RunButtons(), kIdle);
    }
}

TEST_F(FrameList, StopEndsTheRunAndTheNextStartsAtTheFirstRow) {
    StartWithPort();
    CountingRows(3);
    dlg->Click(id::SEND_MULTIPLE);
    Tick();
    dlg->Click(id::STOP_SENDING);
    EXPECT_FALSE(Running());
    EXPECT_EQ(RunButtons(), kIdle);
    dlg->Click(id::SEND_MULTIPLE);
    EXPECT_EQ(Transmitted(), (Packets{Counted(1), Counted(2), Counted(1)}));
}

TEST_F(FrameList, RowsRemovedDuringARunEndThePassEarly) {
    StartWithPort();
    CountingRows(3);
    dlg->Click(id::SEND_MULTIPLE);
    Tick();
    dlg->Click(id::FRAMES_DELETE);
    dlg->Click(id::FRAMES_DELETE);
    Tick();
    EXPECT_FALSE(Running());
    EXPECT_EQ(Transmitted(), (Packets{Counted(1), Counted(2)}));
}

}  // namespace
}  // namespace tovrin
