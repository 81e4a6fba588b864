#include "config/bit_timing.h"

#include <gtest/gtest.h>

#include <string>

namespace tovrin {
namespace {

struct CustomRateCase {
    int sjw, bs1, bs2, prescaler;
    int rate;
    const char* text;
};

void PrintTo(const CustomRateCase& c, std::ostream* os) {
    *os << c.sjw << "/" << c.bs1 << "/" << c.bs2 << " prescaler " << c.prescaler;
}

class CustomRateTest : public testing::TestWithParam<CustomRateCase> {};

TEST_P(CustomRateTest, ComputesAndFormats) {
    const CustomRateCase& c = GetParam();
    const int rate = ComputeCustomRate(c.sjw, c.bs1, c.bs2, c.prescaler);
    EXPECT_EQ(rate, c.rate);
    EXPECT_EQ(FormatCanBitRate(rate), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Timings, CustomRateTest,
    testing::Values(CustomRateCase{0, 5, 4, 12, 250000, "250kbps"},       // 6 + 5 tq
                    CustomRateCase{0, 5, 4, 3, 1000000, "1000kbps"},      // never "1Mbps"
                    CustomRateCase{0, 3, 7, 39, 71005, "71.005kbps"},     // truncated, zeros kept
                    CustomRateCase{0, 15, 7, 1024, 1406, "1.406kbps"},    // 16 + 8 tq
                    CustomRateCase{0, 0, 0, 1, 12000000, "12000kbps"},    // all 1 tq
                    CustomRateCase{0, -1, 4, 12, 500000, "500kbps"},      // no BS1 selection counts 0
                    CustomRateCase{0, 16, 4, 12, 500000, "500kbps"},      // past the BS1 list
                    CustomRateCase{-1, -1, -1, 12, 0, "0kbps"},           // nothing to divide by
                    CustomRateCase{0, 5, 4, 0, 0, "0kbps"}));

TEST(FormatCanBitRate, ThreeDigitsAfterThePoint) {
    EXPECT_EQ(FormatCanBitRate(999), "0.999kbps");
    EXPECT_EQ(FormatCanBitRate(1001), "1.001kbps");
    EXPECT_EQ(FormatCanBitRate(33333), "33.333kbps");
    EXPECT_EQ(FormatCanBitRate(5000), "5kbps");
}

TEST(StandardBitRates, EveryEntryTimingGivesItsRate) {
    const int rates[] = {1000000, 800000, 500000, 400000, 250000, 200000, 125000, 100000, 50000, 20000, 10000, 5000};
    const char* texts[] = {"1Mbps",  "800kbps", "500kbps", "400kbps", "250kbps", "200kbps",
                           "125kbps", "100kbps", "50kbps",  "20kbps",  "10kbps",  "5kbps"};
    ASSERT_EQ(STANDARD_BIT_RATES.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        const StandardBitRate r = *StandardBitRateAt(i);
        EXPECT_EQ(r.text, texts[i]);
        EXPECT_EQ(r.code, i + 1);
        EXPECT_EQ(ComputeCustomRate(0, r.bs1Entry, r.bs2Entry, r.prescaler), rates[i]) << r.text;
    }
    EXPECT_FALSE(StandardBitRateAt(-1));
    EXPECT_FALSE(StandardBitRateAt(12));
}

TEST(StandardBitRates, EightHundredKbpsPutsItsEntriesInTheSelectors) {
    const StandardBitRate r = *StandardBitRateAt(1);
    EXPECT_EQ(BS1_ENTRY_TEXTS[static_cast<size_t>(r.bs1Entry)], "CAN_BS1_8tq");
    EXPECT_EQ(Bs2EntryTexts()[static_cast<size_t>(r.bs2Entry)], "CAN_BS1_6tq");
    EXPECT_EQ(r.prescaler, 3);
}

TEST(SelectorTexts, EntriesAsTheSelectorsShowThem) {
    EXPECT_EQ(SJW_ENTRY_TEXTS.front(), "CAN_SJW_1tq");
    EXPECT_EQ(SJW_ENTRY_TEXTS.back(), "CAN_SJW_4tq");
    ASSERT_EQ(BS1_ENTRY_TEXTS.size(), 16u);
    for (size_t k = 0; k < BS1_ENTRY_TEXTS.size(); ++k) {
        const std::string expected = k == 10 ? "CAN_BS1_11q" : "CAN_BS1_" + std::to_string(k + 1) + "tq";
        EXPECT_EQ(BS1_ENTRY_TEXTS[k], expected);
    }
    ASSERT_EQ(Bs2EntryTexts().size(), 8u);
    EXPECT_EQ(Bs2EntryTexts().front(), "CAN_BS1_1tq");
    EXPECT_EQ(Bs2EntryTexts().back(), "CAN_BS1_8tq");
}

TEST(AcceptPrescaler, LeadingDigitsWithinOneTo1024) {
    EXPECT_EQ(AcceptPrescaler("0"), std::nullopt);
    EXPECT_EQ(AcceptPrescaler("1"), 1);
    EXPECT_EQ(AcceptPrescaler("1024"), 1024);
    EXPECT_EQ(AcceptPrescaler("1025"), std::nullopt);
    EXPECT_EQ(AcceptPrescaler(""), std::nullopt);
    EXPECT_EQ(AcceptPrescaler("abc"), std::nullopt);
    EXPECT_EQ(AcceptPrescaler("12abc"), 12);
    EXPECT_EQ(AcceptPrescaler("0012"), 12);
    EXPECT_EQ(AcceptPrescaler("99999999999999999999999"), std::nullopt);
}

struct PrescalerEditCase {
    const char* previous;
    const char* typed;
    const char* shown;
    std::optional<int> accepted;
};

void PrintTo(const PrescalerEditCase& c, std::ostream* os) { *os << '"' << c.previous << "\" -> \"" << c.typed << '"'; }

class PrescalerEditTest : public testing::TestWithParam<PrescalerEditCase> {};

TEST_P(PrescalerEditTest, RejectedValuesBringThePreviousTextBack) {
    const PrescalerDecision d = DecidePrescaler(GetParam().previous, GetParam().typed);
    EXPECT_EQ(d.text, GetParam().shown);
    EXPECT_EQ(d.accepted, GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Edits, PrescalerEditTest,
                         testing::Values(PrescalerEditCase{"12", "30", "30", 30},
                                         PrescalerEditCase{"102", "1025", "102", std::nullopt},
                                         PrescalerEditCase{"12", "0", "12", std::nullopt},
                                         PrescalerEditCase{"12", "", "12", 12},  // emptied: the old value holds
                                         PrescalerEditCase{"abc", "", "abc", std::nullopt},
                                         PrescalerEditCase{"", "", "", std::nullopt}));

TEST(StartUpPrescaler, StoredTextOutsideTheRangeGivesTheDefault) {
    EXPECT_EQ(StartUpPrescaler("600"), 600);
    EXPECT_EQ(StartUpPrescaler("12"), 12);
    EXPECT_EQ(StartUpPrescaler("abc"), DEFAULT_PRESCALER);
    EXPECT_EQ(StartUpPrescaler("2000"), DEFAULT_PRESCALER);
    EXPECT_EQ(StartUpPrescaler(""), DEFAULT_PRESCALER);
}

TEST(SamplePoint, PerCentWithOneDecimal) {
    EXPECT_EQ(SamplePointText(7, 2), "75.0%");    // 9 of 12
    EXPECT_EQ(SamplePointText(5, 4), "58.3%");    // 7 of 12
    EXPECT_EQ(SamplePointText(0, 0), "66.7%");    // 2 of 3, rounded
    EXPECT_EQ(SamplePointText(15, 7), "68.0%");   // 17 of 25
    EXPECT_EQ(SamplePointText(-1, -1), "100.0%"); // no selections
}

TEST(StoredSegmentEntries, ClampedIntoTheSelectors) {
    EXPECT_EQ(ClampBs1Entry(0), 0);
    EXPECT_EQ(ClampBs1Entry(15), 15);
    EXPECT_EQ(ClampBs1Entry(16), 15);
    EXPECT_EQ(ClampBs1Entry(-3), 0);
    EXPECT_EQ(ClampBs2Entry(7), 7);
    EXPECT_EQ(ClampBs2Entry(8), 7);
    EXPECT_EQ(ClampBs2Entry(5), 5);
}

TEST(StandardEntryForTiming, FindsTheEntryWithTheSameTiming) {
    for (int i = 0; i < 12; ++i) {
        const StandardBitRate r = *StandardBitRateAt(i);
        EXPECT_EQ(StandardEntryForTiming(r.bs1Entry, r.bs2Entry, r.prescaler), i) << r.text;
    }
    EXPECT_EQ(StandardEntryForTiming(5, 4, 13), DEFAULT_STANDARD_ENTRY);
    EXPECT_EQ(StandardEntryForTiming(7, 4, 3), DEFAULT_STANDARD_ENTRY);
    EXPECT_EQ(StandardBitRateAt(DEFAULT_STANDARD_ENTRY)->text, "250kbps");
}

}  // namespace
}  // namespace tovrin
