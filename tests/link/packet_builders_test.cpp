#include <gtest/gtest.h>

#include <functional>

#include "link/packet.h"
#include "support/hex.h"

namespace tovrin {
namespace {

using test::Hex;
using test::ToHex;

Bytes AsBytes(const SettingsPacket& p) { return Bytes(p.begin(), p.end()); }

CanFrame Frame(uint32_t id, FrameFormat format, FrameType type, Bytes data) {
    CanFrame f;
    f.id = id;
    f.format = format;
    f.type = type;
    f.length = static_cast<uint8_t>(data.size());
    std::copy(data.begin(), data.end(), f.data.begin());
    return f;
}

StartSettings ExtendedNormal() { return {FrameFormat::Extended, 0, 0, 0, false}; }

struct BuilderCase {
    const char* name;
    std::function<Bytes()> build;
    const char* expected;
};

// Every packet the converter's users have seen quoted, byte for byte.
const BuilderCase CASES[] = {
    {"BusStateQuery", [] { return AsBytes(BuildBusStateQuery()); }, "AA 55 04 00x16 04"},
    {"FramePacketStandardData",
     [] { return AsBytes(BuildFramePacket(Frame(0x123, FrameFormat::Standard, FrameType::Data, {0x11, 0x22}))); },
     "AA 55 01 01 01 23 01 00 00 02 11 22 00x7 5C"},
    {"TransparentConfirmedExtended",
     [] { return AsBytes(BuildTransparentPacket({false, FrameFormat::Extended, 0x456, 0x123})); },
     "AA 55 07 00 02 56 04 00 00 23 01 00 00 00x6 87"},
    {"TransparentConfirmedStandard",
     [] { return AsBytes(BuildTransparentPacket({false, FrameFormat::Standard, 0x456, 0x123})); },
     "AA 55 07 00 01 56 04 00 00 23 01 00 00 00 00 00 00 00 00 86"},
    {"TransparentCancelledExtended",
     [] { return AsBytes(BuildTransparentPacket({true, FrameFormat::Extended, 0, 0})); }, "AA 55 07 AA 02 00x14 B3"},
    {"TransparentFullWidthIdentifier",
     [] { return AsBytes(BuildTransparentPacket({false, FrameFormat::Extended, 0x1FFFFFFF, 0})); },
     "AA 55 07 00 02 FF FF FF 1F 00x10 25"},
    {"ReceiveIdsTwo",
     [] {
         const uint32_t ids[] = {0x12345678, 0x123};
         return BuildReceiveIdsPacket(ids);
     },
     "AA 55 10 02 78 56 34 12 23 01 00 00 4A"},
    {"ReceiveIdsOneAndTwo",
     [] {
         const uint32_t ids[] = {1, 2};
         return BuildReceiveIdsPacket(ids);
     },
     "AA 55 10 02 01 00 00 00 02 00 00 00 15"},
    {"ReceiveIdsNone", [] { return BuildReceiveIdsPacket({}); }, "AA 55 10 00 10"},
    {"DataPacketStandardData",
     [] { return BuildDataPacket(Frame(0x123, FrameFormat::Standard, FrameType::Data, {0x11, 0x22})); },
     "AA C2 23 01 11 22 55"},
    {"DataPacketExtendedRemote",
     [] { return BuildDataPacket(Frame(0x18FF0001, FrameFormat::Extended, FrameType::Remote, {})); },
     "AA F0 01 00 FF 18 55"},
    {"DataPacketStandardEmpty",
     [] { return BuildDataPacket(Frame(0x123, FrameFormat::Standard, FrameType::Data, {})); }, "AA C0 23 01 55"},
    {"Start250kExtendedNormal", [] { return AsBytes(BuildStartPacket(5, ExtendedNormal())); },
     "AA 55 12 05 02 00x14 19"},
    {"StartFilterBytesLowFirst",
     [] {
         StartSettings s = ExtendedNormal();
         s.filterId = 0x12345678;
         return AsBytes(BuildStartPacket(5, s));
     },
     "AA 55 12 05 02 78 56 34 12 00x10 2D"},
    {"StartNoRetransmit",
     [] {
         StartSettings s = ExtendedNormal();
         s.noRetransmit = true;
         return AsBytes(BuildStartPacket(5, s));
     },
     "AA 55 12 05 02 00x9 01 00x4 1A"},
    {"StartCustomBs5Bs4Prescaler12",
     [] { return AsBytes(BuildStartCustomPacket({0, 5, 4, 12}, ExtendedNormal())); },
     "AA 55 13 01 02 00x8 00 05 04 0C 00 00 2B"},
    {"StartCustomNoRetransmit",
     [] {
         StartSettings s = ExtendedNormal();
         s.noRetransmit = true;
         return AsBytes(BuildStartCustomPacket({0, 5, 4, 12}, s));
     },
     "AA 55 13 00 02 00x8 00 05 04 0C 00 00 2A"},
    {"ComBaud115200", [] { return AsBytes(BuildComBaudPacket(2)); }, "AA 55 06 02 00x15 08"},
    {"ComBaud2000000", [] { return AsBytes(BuildComBaudPacket(0)); }, "AA 55 06 00 00x15 06"},
    {"ComBaud9600", [] { return AsBytes(BuildComBaudPacket(5)); }, "AA 55 06 05 00x15 0B"},
};

class PacketBuilder : public ::testing::TestWithParam<BuilderCase> {};

TEST_P(PacketBuilder, GivesTheQuotedBytes) { EXPECT_EQ(ToHex(GetParam().build()), ToHex(Hex(GetParam().expected))); }

INSTANTIATE_TEST_SUITE_P(Quoted, PacketBuilder, ::testing::ValuesIn(CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReceiveIdsPacket, CarriesAtMost255IdentifiersWithItsChecksumLast) {
    const std::vector<uint32_t> ids(300, 0x01020304);
    const Bytes packet = BuildReceiveIdsPacket(ids);
    ASSERT_EQ(packet.size(), 4u * 255 + 5);
    EXPECT_EQ(packet[3], 255);
    EXPECT_EQ(packet.back(), ChecksumOf(packet, packet.size() - 1));
}

TEST(Checksum, ReceivedBusStateReportIsGoodOnlyWithItsOwnLastByte) {
    SettingsPacket report{};
    const Bytes quoted = Hex("AA 55 04 10 05 00 01 00 03 00x10 1D");
    std::copy(quoted.begin(), quoted.end(), report.begin());
    EXPECT_TRUE(HasGoodChecksum(report));
    report[19] = 0x1E;
    EXPECT_FALSE(HasGoodChecksum(report));
}

TEST(DecodeDataPacket, ReadsBackWhatWasBuilt) {
    const CanFrame sent = Frame(0x18FF0001, FrameFormat::Extended, FrameType::Data, {1, 2, 3, 4, 5, 6, 7, 8});
    const CanFrame got = DecodeDataPacket(BuildDataPacket(sent));
    EXPECT_EQ(got.id, sent.id);
    EXPECT_TRUE(got.extended());
    EXPECT_FALSE(got.remote());
    EXPECT_EQ(got.length, 8);
    EXPECT_EQ(got.carried, 8);
    EXPECT_EQ(got.data, sent.data);
}

TEST(DecodeFramePacket, KeepsAnOverlongLengthButTakesOnlyTheEightDataBytes) {
    SettingsPacket p = BuildFramePacket(Frame(0x7FF, FrameFormat::Standard, FrameType::Remote, {9, 9}));
    p[9] = 12;
    const CanFrame got = DecodeFramePacket(p);
    EXPECT_EQ(got.id, 0x7FFu);
    EXPECT_FALSE(got.extended());
    EXPECT_TRUE(got.remote());
    EXPECT_EQ(got.length, 12);
    EXPECT_EQ(got.carried, 8);
}

}  // namespace
}  // namespace tovrin
