#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/receiving_fixture.h"

namespace tovrin {
namespace {

using Rows = std::vector<std::string>;
using sim::PacketForm;

constexpr int64_t kStart = 1796997807045000;  // the fake clock's moment

class TrafficStatistics : public test::ReceivingTest {
protected:
    void SetUp() override { Start(); }

    void TurnStatisticsOn() {
        dlg->Click(id::RECEIVE_ONLY);
        dlg->Click(id::STATISTICS);
    }

    void ReceiveAt(int64_t microsAfterStart, uint32_t id, PacketForm form = PacketForm::DataPacket) {
        platform.now.epochMicros = kStart + microsAfterStart;
        ReceiveFrame(id, form);
    }

    // "Frame ID|Count|Cycle" of every row, top to bottom.
    Rows Statistics() const {
        Rows rows;
        for (int p = 0; p < dlg->trafficList().size(); ++p) {
            const RowStatistics& s = dlg->trafficList().statistics(p);
            rows.push_back(dlg->trafficList().row(p)[TrafficColumn::FrameId] + "|" +
                           StatisticsText(s, StatisticsColumn::Count) + "|" +
                           StatisticsText(s, StatisticsColumn::Cycle));
        }
        return rows;
    }
};

TEST_F(TrafficStatistics, EachIdentifierCountsItsFramesAndTheTimeBetweenTheLastTwo) {
    TurnStatisticsOn();
    ReceiveAt(0, 0x100);
    ReceiveAt(5000, 0x200, PacketForm::FramePacket);
    EXPECT_EQ(Statistics(), (Rows{"00000100|1|", "00000200|1|"}));
    ReceiveAt(10300, 0x100, PacketForm::FramePacket);
    ReceiveAt(20300, 0x100);
    ReceiveAt(1005000, 0x200);
    EXPECT_EQ(Statistics(), (Rows{"00000100|3|10.0", "00000200|2|1000.0"}));
    EXPECT_EQ(dlg->trafficList().row(0)[TrafficColumn::Data], "11 22 ") << "the record's texts stay as they were";
}

TEST_F(TrafficStatistics, ClearingStartsEveryCountAgain) {
    TurnStatisticsOn();
    ReceiveAt(0, 0x100);
    ReceiveAt(1000, 0x100);
    dlg->Click(id::CLEAR_LIST);
    ReceiveAt(2500, 0x100);
    EXPECT_EQ(Statistics(), (Rows{"00000100|1|"}));
}

TEST_F(TrafficStatistics, ARowTheRingOverwritesCountsFromItsNewFrame) {
    dlg->Type(id::BUFFER_FRAMES, "2");
    TurnStatisticsOn();
    ReceiveAt(0, 0x1);
    ReceiveAt(1000, 0x1);
    ReceiveAt(2000, 0x2);
    ReceiveAt(3000, 0x3);  // the counter wraps: row 0 goes to the new identifier
    EXPECT_EQ(Statistics(), (Rows{"00000003|1|", "00000002|1|"}));
    ReceiveAt(3500, 0x3);
    EXPECT_EQ(Statistics(), (Rows{"00000003|2|0.5", "00000002|1|"}));
}

TEST_F(TrafficStatistics, NormalPlacementCountsEachRowsOwnFrameOnly) {
    ReceiveAt(0, 0x100);
    ReceiveAt(1000, 0x100);
    EXPECT_EQ(Statistics(), (Rows{"00000100|1|", "00000100|1|"}));

    // Turned on later, a row counts on from the frame it already holds.
    TurnStatisticsOn();
    ReceiveAt(4000, 0x100);
    EXPECT_EQ(Statistics(), (Rows{"00000100|2|4.0", "00000100|1|"}));
}

TEST_F(TrafficStatistics, HeadingsFollowTheRecordsEightInBothLanguages) {
    const auto lastTwo = [this] {
        const std::vector<std::string>& items = C(id::TRAFFIC_LIST).items;
        EXPECT_EQ(items.size(), 10u);
        return Rows(items.end() - 2, items.end());
    };
    EXPECT_EQ(lastTwo(), (Rows{"Count", "Cycle (ms)"}));
    EXPECT_EQ(C(id::TRAFFIC_LIST).items[7], "Data(LDouble-click Hex->Dec)");
    dlg->OnLanguageSwitch();
    EXPECT_EQ(lastTwo(), (Rows{"计数", "周期(ms)"}));
}

}  // namespace
}  // namespace tovrin
