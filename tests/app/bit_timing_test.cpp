#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "support/host_line.h"

namespace tovrin {
namespace {

using test::HostLineTest;

class BitTiming : public HostLineTest {
protected:
    std::string Stored(const std::string& key) const { return dlg->profile().ReadText("CAN", key, "<absent>"); }

    void ExpectStoredTiming(const std::string& bp1, const std::string& bp2, const std::string& prescaler,
                            const std::string& rate) const {
        EXPECT_EQ(Stored("BP1"), bp1);
        EXPECT_EQ(Stored("BP2"), bp2);
        EXPECT_EQ(Stored("Pre F"), prescaler);
        EXPECT_EQ(Stored("CAN Baud rate"), rate);
    }

    void ExpectMode(bool custom) const {
        EXPECT_EQ(C(id::CUSTOM_BIT_RATE_CHECK).check, custom ? 1 : 0);
        EXPECT_EQ(C(id::CUSTOM_BIT_RATE).visible, custom);
        EXPECT_EQ(C(id::STANDARD_BIT_RATE).visible, !custom);
        for (int timing : {id::BS1, id::BS2, id::PRESCALER}) EXPECT_EQ(C(timing).enabled, custom) << timing;
        EXPECT_FALSE(C(id::SJW).enabled);
        EXPECT_EQ(C(id::SJW).selection, 0);
    }
};

TEST_F(BitTiming, EmptySettingsStartIn250kbpsStandardMode) {
    Start();
    ExpectMode(false);
    EXPECT_EQ(C(id::STANDARD_BIT_RATE).items.size(), 12u);
    EXPECT_EQ(C(id::STANDARD_BIT_RATE).items.front(), "1Mbps");
    EXPECT_EQ(C(id::STANDARD_BIT_RATE).items.back(), "5kbps");
    EXPECT_EQ(C(id::STANDARD_BIT_RATE).text, "250kbps");
    EXPECT_EQ(C(id::SJW).items, (std::vector<std::string>{"CAN_SJW_1tq", "CAN_SJW_2tq", "CAN_SJW_3tq", "CAN_SJW_4tq"}));
    ASSERT_EQ(C(id::BS1).items.size(), 16u);
    EXPECT_EQ(C(id::BS1).items[10], "CAN_BS1_11q");
    EXPECT_EQ(C(id::BS1).items[15], "CAN_BS1_16tq");
    EXPECT_EQ(C(id::BS2).items, std::vector<std::string>(C(id::BS1).items.begin(), C(id::BS1).items.begin() + 8));
    EXPECT_EQ(C(id::BS1).text, "CAN_BS1_6tq");
    EXPECT_EQ(C(id::BS2).text, "CAN_BS1_5tq");
    EXPECT_EQ(C(id::PRESCALER).text, "12");
    EXPECT_EQ(dlg->samplePointText(), "");
}

TEST_F(BitTiming, StoredRateTextFindsItsStandardEntry) {
    const struct {
        const char* stored;
        int entry;
    } cases[] = {
        {"500kbps", 2},
        {"10KBPS", 10},     // case ignored
        {"1M", 0},          // found only when the search wraps to the first entry
        {"1", 6},           // "125kbps" is the first met from the second entry on
        {"33.333kbps", 4},  // a custom rate text: "250kbps"
        {"", 4},
    };
    for (const auto& c : cases) {
        WriteSettings(std::string("[CAN]\r\nCAN Baud rate=") + c.stored + "\r\n");
        Start();
        EXPECT_EQ(C(id::STANDARD_BIT_RATE).selection, c.entry) << c.stored;
        ExpectMode(false);
    }
}

TEST_F(BitTiming, CustomModeStartShowsTheStoredTiming) {
    WriteSettings("[CAN]\r\nAUTO SET CAN BSP=1\r\nCAN Baud rate=71.005kbps\r\nBP1=3\r\nBP2=7\r\nPre F=39\r\n");
    Start();
    ExpectMode(true);
    EXPECT_EQ(C(id::CUSTOM_BIT_RATE).text, "71.005kbps");
    EXPECT_EQ(C(id::STANDARD_BIT_RATE).selection, -1);
    EXPECT_EQ(C(id::BS1).selection, 3);
    EXPECT_EQ(C(id::BS2).selection, 7);
    EXPECT_EQ(C(id::PRESCALER).text, "39");
    EXPECT_EQ(dlg->samplePointText(), "Sample point 38.5%");  // 5 of 13 quanta
}

TEST_F(BitTiming, StoredSegmentsOutsideTheSelectorsAreClamped) {
    WriteSettings("[CAN]\r\nAUTO SET CAN BSP=1\r\nBP1=40\r\nBP2=9\r\n");
    Start();
    EXPECT_EQ(C(id::BS1).selection, 15);
    EXPECT_EQ(C(id::BS2).selection, 7);
}

TEST_F(BitTiming, CustomStartSendsTheStoredPrescalerOrTwelveForARefusedOne) {
    const struct {
        const char* stored;
        const char* packet;
    } cases[] = {
        {"39", "AA 55 13 01 02 00x8 00 05 04 27 00 00 46"},
        {"0", "AA 55 13 01 02 00x8 00 05 04 0C 00 00 2B"},
        {"abc", "AA 55 13 01 02 00x8 00 05 04 0C 00 00 2B"},
    };
    for (const auto& c : cases) {
        test::HostLine peer;
        WriteSettings(std::string("[CAN]\r\nAUTO SET CAN BSP=1\r\nBP1=5\r\nBP2=4\r\nPre F=") + c.stored + "\r\n");
        Start();
        EXPECT_EQ(C(id::PRESCALER).text, c.stored) << "shown as stored";
        test::OpenPortOn(*dlg, peer.DevicePath());
        dlg->Click(id::SET_AND_START);
        EXPECT_EQ(test::ToHex(peer.Next(20)), test::ToHex(test::Hex(c.packet))) << c.stored;
        dlg.reset();
    }
}

TEST_F(BitTiming, CustomRateFollowsTheSegmentsAndThePrescaler) {
    const struct {
        int bs1, bs2;
        const char* prescaler;
        const char* rate;
    } cases[] = {
        {5, 4, "12", "250kbps"},      {5, 4, "3", "1000kbps"},        // never "1Mbps"
        {3, 7, "39", "71.005kbps"},   {15, 7, "1024", "1.406kbps"},  // zeros after the point kept
        {0, 0, "1", "12000kbps"},
    };
    for (const auto& c : cases) {
        WriteSettings("");
        Start();
        dlg->Click(id::CUSTOM_BIT_RATE_CHECK);
        dlg->Choose(id::BS1, c.bs1);
        dlg->Choose(id::BS2, c.bs2);
        dlg->Type(id::PRESCALER, c.prescaler);
        EXPECT_EQ(C(id::CUSTOM_BIT_RATE).text, c.rate);
        EXPECT_EQ(Stored("AUTO SET CAN BSP"), "1");
        ExpectStoredTiming(std::to_string(c.bs1), std::to_string(c.bs2), c.prescaler, c.rate);
    }
}

TEST_F(BitTiming, RefusedPrescalerBringsThePreviousTextBack) {
    Start();
    dlg->Click(id::CUSTOM_BIT_RATE_CHECK);
    dlg->Type(id::PRESCALER, "102");
    ASSERT_EQ(C(id::CUSTOM_BIT_RATE).text, "29.411kbps");
    for (const char* typed : {"1025", "0", "", "99999999999"}) {
        dlg->Type(id::PRESCALER, typed);
        EXPECT_EQ(C(id::PRESCALER).text, "102") << typed;
        EXPECT_EQ(C(id::CUSTOM_BIT_RATE).text, "29.411kbps") << typed;
        ExpectStoredTiming("5", "4", "102", "29.411kbps");
    }
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(BitTiming, SegmentChoiceWithARefusedPrescalerEmptiesTheRateAndStoresNothing) {
    WriteSettings("[CAN]\r\nAUTO SET CAN BSP=1\r\nCAN Baud rate=250kbps\r\nBP1=5\r\nBP2=4\r\nPre F=0\r\n");
    Start();
    dlg->Choose(id::BS1, 7);
    EXPECT_EQ(C(id::CUSTOM_BIT_RATE).text, "");
    EXPECT_EQ(C(id::PRESCALER).text, "0");
    ExpectStoredTiming("5", "4", "0", "250kbps");

    dlg->Type(id::PRESCALER, "6");  // 36 MHz / 14 quanta / 6
    EXPECT_EQ(C(id::CUSTOM_BIT_RATE).text, "428.571kbps");
    ExpectStoredTiming("7", "4", "6", "428.571kbps");
}

TEST_F(BitTiming, StandardEntryPutsItsTimingIntoTheCustomFields) {
    const struct {
        int entry;
        const char *bs1, *bs2, *prescaler;
        const char *bp1, *bp2, *rate;
    } cases[] = {
        {1, "CAN_BS1_8tq", "CAN_BS1_6tq", "3", "7", "5", "800kbps"},
        {9, "CAN_BS1_5tq", "CAN_BS1_4tq", "180", "4", "3", "20kbps"},
        {11, "CAN_BS1_6tq", "CAN_BS1_5tq", "600", "5", "4", "5kbps"},
    };
    Start();
    for (const auto& c : cases) {
        dlg->Choose(id::STANDARD_BIT_RATE, c.entry);
        EXPECT_EQ(C(id::BS1).text, c.bs1) << c.rate;
        EXPECT_EQ(C(id::BS2).text, c.bs2) << c.rate;
        EXPECT_EQ(C(id::PRESCALER).text, c.prescaler) << c.rate;
        ExpectStoredTiming(c.bp1, c.bp2, c.prescaler, c.rate);
        ExpectMode(false);
    }
}

TEST_F(BitTiming, TickingStoresOnlyTheModeAndClearingRewritesAllFiveKeys) {
    const std::string before = "[CAN]\r\nAUTO SET CAN BSP=0\r\nCAN Baud rate=500kbps\r\nBP1=5\r\nBP2=4\r\nPre F=6\r\n";
    WriteSettings(before);
    Start();
    const std::string started = Settings();

    dlg->Click(id::CUSTOM_BIT_RATE_CHECK);
    ExpectMode(true);
    EXPECT_EQ(C(id::CUSTOM_BIT_RATE).text, "500kbps");
    std::string expected = started;
    expected.replace(expected.find("AUTO SET CAN BSP=0"), 18, "AUTO SET CAN BSP=1");
    EXPECT_EQ(Settings(), expected);

    dlg->Choose(id::BS1, 7);
    ExpectStoredTiming("7", "4", "6", "428.571kbps");

    dlg->Click(id::CUSTOM_BIT_RATE_CHECK);
    ExpectMode(false);
    EXPECT_EQ(C(id::STANDARD_BIT_RATE).text, "500kbps");
    EXPECT_EQ(C(id::BS1).selection, 5);
    EXPECT_EQ(C(id::PRESCALER).text, "6");
    EXPECT_EQ(Stored("AUTO SET CAN BSP"), "0");
    ExpectStoredTiming("5", "4", "6", "500kbps");
}

TEST_F(BitTiming, LeavingCustomModeAfterACustomStartTakesTheMatchingStandardEntry) {
    const struct {
        const char *bp1, *bp2, *prescaler;
        const char* entry;
        const char *storedBp1, *storedBp2, *storedPrescaler;
    } cases[] = {
        {"5", "4", "24", "125kbps", "5", "4", "24"},
        {"4", "3", "180", "20kbps", "4", "3", "180"},
        {"3", "7", "39", "250kbps", "5", "4", "12"},  // no entry has this timing
    };
    for (const auto& c : cases) {
        WriteSettings(std::string("[CAN]\r\nAUTO SET CAN BSP=1\r\nCAN Baud rate=x\r\nBP1=") + c.bp1 + "\r\nBP2=" + c.bp2 +
                      "\r\nPre F=" + c.prescaler + "\r\n");
        Start();
        dlg->Click(id::CUSTOM_BIT_RATE_CHECK);
        ExpectMode(false);
        EXPECT_EQ(C(id::STANDARD_BIT_RATE).text, c.entry);
        EXPECT_EQ(C(id::PRESCALER).text, c.storedPrescaler);
        ExpectStoredTiming(c.storedBp1, c.storedBp2, c.storedPrescaler, c.entry);
    }
}

TEST_F(BitTiming, SamplePointFollowsTheSegmentsInCustomModeOnly) {
    Start();
    EXPECT_EQ(dlg->samplePointText(), "");
    dlg->Click(id::CUSTOM_BIT_RATE_CHECK);
    EXPECT_EQ(dlg->samplePointText(), "Sample point 58.3%");  // 7 of 12 quanta
    dlg->Choose(id::BS1, 15);
    dlg->Choose(id::BS2, 0);
    EXPECT_EQ(dlg->samplePointText(), "Sample point 94.4%");  // 17 of 18
    dlg->OnLanguageSwitch();
    EXPECT_EQ(dlg->samplePointText(), "采样点 94.4%");
}

}  // namespace
}  // namespace tovrin
