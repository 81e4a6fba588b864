#include <gtest/gtest.h>

#include "sim/converter_model.h"
#include "support/hex.h"

namespace tovrin::sim {
namespace {

using test::Hex;
using test::ToHex;

Bytes AsBytes(const SettingsPacket& p) { return Bytes(p.begin(), p.end()); }

CanFrame Frame(uint32_t id, FrameFormat format = FrameFormat::Standard) {
    CanFrame f;
    f.id = id;
    f.format = format;
    f.length = f.carried = 2;
    f.data[0] = 0x11;
    f.data[1] = 0x22;
    return f;
}

TEST(ConverterModel, DecodesBothStartCommands) {
    ConverterModel model;
    StartSettings s{FrameFormat::Standard, 0x12345678, 0x1FFFFFFF, 2, true};
    model.Take(AsBytes(BuildStartPacket(7, s)));
    ASSERT_TRUE(model.State().start);
    EXPECT_EQ(model.State().start->bitRateCode, 7);
    EXPECT_FALSE(model.State().start->timing);
    EXPECT_EQ(model.State().start->settings.format, FrameFormat::Standard);
    EXPECT_EQ(model.State().start->settings.filterId, 0x12345678u);
    EXPECT_EQ(model.State().start->settings.maskId, 0x1FFFFFFFu);
    EXPECT_EQ(model.State().start->settings.workMode, 2);
    EXPECT_TRUE(model.State().start->settings.noRetransmit);

    s.noRetransmit = false;
    s.workMode = 3;
    model.Take(AsBytes(BuildStartCustomPacket({0, 5, 4, 600}, s)));
    const StartCommand& custom = *model.State().start;
    EXPECT_FALSE(custom.bitRateCode);
    ASSERT_TRUE(custom.timing);
    EXPECT_EQ(custom.timing->bs1Entry, 5);
    EXPECT_EQ(custom.timing->bs2Entry, 4);
    EXPECT_EQ(custom.timing->prescaler, 600);
    EXPECT_EQ(custom.settings.workMode, 3);
    EXPECT_FALSE(custom.settings.noRetransmit);  // the 0x13 byte has the opposite sense
}

TEST(ConverterModel, RecordsTheOtherSettings) {
    ConverterModel model;
    const uint32_t ids[] = {0x12345678, 0x123};
    model.Take(BuildReceiveIdsPacket(ids));
    model.Take(AsBytes(BuildComBaudPacket(1)));
    model.Take(AsBytes(BuildTransparentPacket({false, FrameFormat::Extended, 0x456, 0x123})));
    EXPECT_EQ(model.State().receiveIds, (std::vector<uint32_t>{0x12345678, 0x123}));
    EXPECT_EQ(model.State().comBaudCode, 1);
    ASSERT_TRUE(model.State().transparent);
    EXPECT_EQ(model.State().transparent->remoteId, 0x456u);
    EXPECT_EQ(model.State().transparent->localId, 0x123u);
    EXPECT_FALSE(model.State().transparent->cancel);
    model.Take(BuildReceiveIdsPacket({}));
    EXPECT_TRUE(model.State().receiveIds.empty());
}

TEST(ConverterModel, AnswersBusStateQueryWithItsCounters) {
    ConverterModel model;
    model.SetErrors({16, 5, false, true, false, 3});
    const Bytes answer = model.Take(AsBytes(BuildBusStateQuery()));
    EXPECT_EQ(ToHex(answer), ToHex(Hex("AA 55 04 10 05 00 01 00 03 00x10 1D")));
    EXPECT_EQ(model.State().busStateQueries, 1u);
}

TEST(ConverterModel, LoopsHostFramesBackOnlyInLoopBackModes) {
    for (uint8_t mode = 0; mode < 4; ++mode) {
        SCOPED_TRACE(static_cast<int>(mode));
        ConverterModel model;
        model.Take(AsBytes(BuildStartPacket(1, {FrameFormat::Extended, 0, 0, mode, false})));
        const Bytes data = BuildDataPacket(Frame(0x123));
        const Bytes settings = AsBytes(BuildFramePacket(Frame(0x456)));
        const bool loops = mode == 1 || mode == 3;
        EXPECT_EQ(model.Take(data), loops ? data : Bytes{});
        EXPECT_EQ(model.Take(settings), loops ? settings : Bytes{});
        ASSERT_EQ(model.State().hostFrames.size(), 2u);
        EXPECT_EQ(model.State().hostFrames[0].form, PacketForm::DataPacket);
        EXPECT_EQ(model.State().hostFrames[1].form, PacketForm::FramePacket);
        EXPECT_EQ(model.State().hostFrames[1].frame.id, 0x456u);
    }
}

struct FilterCase {
    uint32_t filter;
    uint32_t mask;
    std::vector<uint32_t> receiveIds;
    uint32_t id;
    bool passes;
};

class ConverterFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(ConverterFilter, DecidesWhichFramesReachTheHost) {
    const FilterCase& c = GetParam();
    ConverterModel model;
    EXPECT_FALSE(model.Accepts(Frame(c.id))) << "nothing passes before a start";
    model.Take(AsBytes(BuildStartPacket(1, {FrameFormat::Extended, c.filter, c.mask, 0, false})));
    model.Take(BuildReceiveIdsPacket(c.receiveIds));
    EXPECT_EQ(model.Accepts(Frame(c.id)), c.passes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConverterFilter,
    ::testing::Values(FilterCase{0, 0, {}, 0x123, true}, FilterCase{0x120, 0x7F0, {}, 0x123, true},
                      FilterCase{0x120, 0x7F0, {}, 0x133, false}, FilterCase{0x120, 0x7FF, {}, 0x120, true},
                      FilterCase{0, 0, {0x100, 0x123}, 0x123, true}, FilterCase{0, 0, {0x100}, 0x123, false},
                      FilterCase{0x120, 0x7F0, {0x133}, 0x133, false}));

TEST(ComBaudRate, FollowsTheCodeTable) {
    const unsigned rates[] = {2000000, 1228800, 115200, 38400, 19200, 9600};
    for (uint8_t code = 0; code < 6; ++code) EXPECT_EQ(ComBaudRate(code), rates[code]);
    EXPECT_FALSE(ComBaudRate(6));
}

}  // namespace
}  // namespace tovrin::sim
