#include <gtest/gtest.h>

#include "sim/host_packet_parser.h"
#include "support/hex.h"

namespace tovrin::sim {
namespace {

using test::Hex;
using test::ToHex;

struct ParseCase {
    const char* name;
    const char* stream;
    std::vector<const char*> packets;
};

const ParseCase CASES[] = {
    {"DataPacket", "AA C2 23 01 11 22 55", {"AA C2 23 01 11 22 55"}},
    {"ExtendedRemote", "AA F0 01 00 FF 18 55", {"AA F0 01 00 FF 18 55"}},
    {"SettingsPacket", "AA 55 04 00x16 04", {"AA 55 04 00x16 04"}},
    {"BadChecksumDropped", "AA 55 04 00x16 05 AA C0 23 01 55", {"AA C0 23 01 55"}},
    {"BadEndByteDropped", "AA C2 23 01 11 22 66 AA C0 23 01 55", {"AA C0 23 01 55"}},
    {"ReceiveIdsEmpty", "AA 55 10 00 10", {"AA 55 10 00 10"}},
    {"ReceiveIdsTwo", "AA 55 10 02 78 56 34 12 23 01 00 00 4A", {"AA 55 10 02 78 56 34 12 23 01 00 00 4A"}},
    {"NoiseAndBadSecondByte", "00 FF AA 00 AA C0 23 01 55", {"AA C0 23 01 55"}},
    {"BackToBack", "AA 55 10 00 10 AA 55 06 02 00x15 08 AA C0 23 01 55",
     {"AA 55 10 00 10", "AA 55 06 02 00x15 08", "AA C0 23 01 55"}},
};

class HostParser : public ::testing::TestWithParam<ParseCase> {};

TEST_P(HostParser, FindsTheseWholePackets) {
    HostPacketParser parser;
    std::vector<std::string> got;
    for (const uint8_t b : Hex(GetParam().stream))
        if (auto packet = parser.Feed(b)) got.push_back(ToHex(*packet));
    std::vector<std::string> expected;
    for (const char* p : GetParam().packets) expected.push_back(ToHex(Hex(p)));
    EXPECT_EQ(got, expected);
}

INSTANTIATE_TEST_SUITE_P(Streams, HostParser, ::testing::ValuesIn(CASES),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tovrin::sim
