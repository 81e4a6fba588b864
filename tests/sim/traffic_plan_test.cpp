#include <gtest/gtest.h>

#include <algorithm>

#include "sim/traffic_plan.h"

namespace tovrin::sim {
namespace {

TEST(TrafficPlan, IdentifiersCycleAndKeepToTheirFormat) {
    TrafficPlan plan;
    plan.firstId = 0x7FE;
    plan.idCount = 3;
    EXPECT_EQ(PlannedFrame(plan, 0).id, 0x7FEu);
    EXPECT_EQ(PlannedFrame(plan, 1).id, 0x7FFu);
    EXPECT_EQ(PlannedFrame(plan, 2).id, 0x000u);  // 0x800 has no 11-bit form
    EXPECT_EQ(PlannedFrame(plan, 3).id, 0x7FEu);
    plan.format = IdFormat::Extended;
    EXPECT_EQ(PlannedFrame(plan, 2).id, 0x800u);
    EXPECT_TRUE(PlannedFrame(plan, 2).extended());
}

TEST(TrafficPlan, CounterDataCarriesTheFrameNumber) {
    TrafficPlan plan;
    const CanFrame f = PlannedFrame(plan, 0x0102030405060708ull);
    EXPECT_EQ(f.length, 8);
    EXPECT_EQ(f.data[0], 0x08);
    EXPECT_EQ(f.data[7], 0x01);
    plan.data = DataPattern::Fixed;
    plan.fixedData = {0xAB, 0xCD};
    plan.length = 3;
    const CanFrame fixed = PlannedFrame(plan, 5);
    EXPECT_EQ(fixed.data[0], 0xAB);
    EXPECT_EQ(fixed.data[1], 0xCD);
    EXPECT_EQ(fixed.data[2], 0x00);
}

TEST(TrafficPlan, MixesAreRepeatableAndReallyMixed) {
    TrafficPlan plan;
    plan.format = IdFormat::Mixed;
    plan.form = FormMix::Mixed;
    plan.data = DataPattern::Random;
    int extended = 0;
    int settings = 0;
    for (uint64_t k = 0; k < 1000; ++k) {
        extended += PlannedFrame(plan, k).extended();
        settings += PlannedForm(plan, k) == PacketForm::FramePacket;
        EXPECT_EQ(PlannedFrame(plan, k).data, PlannedFrame(plan, k).data);
    }
    EXPECT_GT(extended, 400);
    EXPECT_LT(extended, 600);
    EXPECT_GT(settings, 400);
    EXPECT_LT(settings, 600);
}

TEST(TrafficPlan, NoiseComesInTheAskedShareAndNeverHoldsAStartByte) {
    TrafficPlan plan;
    plan.noise = 0.25;
    int noisy = 0;
    for (uint64_t k = 0; k < 4000; ++k) {
        const Bytes noise = PlannedNoise(plan, k);
        noisy += !noise.empty();
        EXPECT_LE(noise.size(), 8u);
        EXPECT_EQ(std::count(noise.begin(), noise.end(), PACKET_START), 0);
    }
    EXPECT_GT(noisy, 800);
    EXPECT_LT(noisy, 1200);
    plan.noise = 0;
    EXPECT_TRUE(PlannedNoise(plan, 7).empty());
}

}  // namespace
}  // namespace tovrin::sim
