#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "cli_process.h"
#include "sim/pseudo_terminal.h"
#include "sim/virtual_converter.h"
#include "support/hex.h"
#include "support/temp_dir.h"

namespace tovrin {
namespace {

using namespace std::chrono_literals;

struct PacketCase {
    std::vector<std::string> words;
    std::string ini;       // cfgCANA.ini in the working directory, if any
    std::string expected;  // every byte written to the port, in order
};

class CommandPackets : public ::testing::TestWithParam<PacketCase> {};

TEST_P(CommandPackets, WritesExactlyThesePackets) {
    const PacketCase& c = GetParam();
    test::TempDir dir;
    sim::PseudoTerminal pty;
    if (!c.ini.empty()) test::WriteFileBytes(dir.File("cfgCANA.ini"), c.ini);
    std::vector<std::string> words = c.words;
    words.insert(words.end(), {"--port", pty.SlavePath()});
    const test::CliResult result = test::RunCli(words, dir.path());
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(test::ToHex(test::ReadAvailable(pty)), test::ToHex(test::Hex(c.expected)));
}

constexpr char SAVED_CUSTOM[] =
    "[CAN]\nAUTO SET CAN BSP=1\nCAN Baud rate=400kbps\nBP1=7\nBP2=5\nPre F=3\nTYPE=Standard frame\n"
    "MODE=Loop back mode\nFilter ID=00000123\n";

INSTANTIATE_TEST_SUITE_P(
    Start, CommandPackets,
    ::testing::Values(
        // Nothing saved: the window's defaults, 250kbps, extended, normal.
        PacketCase{{"start"}, "", "AA 55 12 05 02 00x14 19"},
        PacketCase{{"start", "--custom", "6:5:12"}, "", "AA 55 13 01 02 00x8 00 05 04 0C 00 00 2B"},
        PacketCase{
            {"start", "--bitrate", "1mbps", "--type", "std", "--mode", "silent", "--filter", "12345678", "--once"},
            "",
            "AA 55 12 01 01 78 56 34 12 00 00 00 00 02 01 00 00 00 00 2B"},
        // --once turns the 0x13 flag off: it says "retransmission on".
        PacketCase{{"start", "--custom", "16:8:1024", "--once", "--mode", "loopback-silent", "--mask", "1FFFFFFF"},
                   "",
                   "AA 55 13 00 02 00 00 00 00 FF FF FF 1F 00 0F 07 00 04 03 4E"},
        PacketCase{{"start"}, SAVED_CUSTOM, "AA 55 13 01 01 23 01 00 00 00 00 00 00 00 07 05 03 00 01 49"},
        PacketCase{{"start", "--bitrate", "500kbps"},
                   SAVED_CUSTOM,
                   "AA 55 12 03 01 23 01 00 00 00 00 00 00 01 00 00 00 00 00 3B"},
        PacketCase{{"start"}, "[CAN]\nCAN Baud rate=125kbps\n", "AA 55 12 07 02 00x14 1B"}));

INSTANTIATE_TEST_SUITE_P(
    Send, CommandPackets,
    ::testing::Values(PacketCase{{"send", "123#1122"}, "", "AA C2 23 01 11 22 55"},
                      PacketCase{{"send", "18FF0001#R"}, "", "AA F0 01 00 FF 18 55"},
                      PacketCase{{"send", "123#R3"}, "", "AA D3 23 01 00 00 00 55"},
                      PacketCase{{"send", "7ff#11.22.33"}, "", "AA C3 FF 07 11 22 33 55"},
                      PacketCase{{"send", "123#11", "7FF#", "--repeat", "2"},
                                 "",
                                 "AA C1 23 01 11 55 AA C0 FF 07 55 AA C1 23 01 11 55 AA C0 FF 07 55"},
                      PacketCase{{"send", "00000ABC#0102030405060708", "--every", "5", "--repeat", "3"},
                                 "",
                                 "AA E8 BC 0A 00 00 01 02 03 04 05 06 07 08 55 AA E8 BC 0A 00 00 01 02 03 04 05 06 "
                                 "07 08 55 AA E8 BC 0A 00 00 01 02 03 04 05 06 07 08 55"}));

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandPackets,
    ::testing::Values(PacketCase{{"receive-ids", "12345678", "123"}, "", "AA 55 10 02 78 56 34 12 23 01 00 00 4A"},
                      PacketCase{{"receive-ids"}, "", "AA 55 10 00 10"},
                      PacketCase{{"set-baud", "115200"}, "", "AA 55 06 02 00x15 08"},
                      PacketCase{{"set-baud", "9600"}, "", "AA 55 06 05 00x15 0B"},
                      PacketCase{{"transparent", "123", "456", "--type", "std"},
                                 "",
                                 "AA 55 07 00 01 56 04 00 00 23 01 00 00 00x6 86"},
                      PacketCase{{"transparent", "123", "456"},
                                 "[CAN]\nTYPE=Extended Frame\n",
                                 "AA 55 07 00 02 56 04 00 00 23 01 00 00 00x6 87"},
                      PacketCase{{"transparent", "--cancel"}, "", "AA 55 07 AA 02 00x14 B3"}));

TEST(CliSend, ManyFramesAllArriveInOrder) {
    // More than the transmit queue holds at once: the command must wait for room.
    test::TempDir dir;
    sim::VirtualConverter converter;
    converter.Start();
    const test::CliResult result = test::RunCli(
        {"send", "123#1122334455667788", "18FF0001#R", "--repeat", "4000", "--port", converter.DevicePath()},
        dir.path());
    ASSERT_EQ(result.status, 0) << result.err;
    std::vector<sim::HostFrame> frames;
    const auto deadline = std::chrono::steady_clock::now() + test::CLI_TIMEOUT;
    while ((frames = converter.State().hostFrames).size() < 8000 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    ASSERT_EQ(frames.size(), 8000u);
    for (size_t i = 0; i < frames.size(); ++i) {
        ASSERT_EQ(frames[i].frame.id, i % 2 ? 0x18FF0001u : 0x123u) << i;
        ASSERT_EQ(frames[i].frame.remote(), i % 2 == 1) << i;
    }
}

TEST(CliSetBaud, TellsWhatToUseNext) {
    test::TempDir dir;
    sim::PseudoTerminal pty;
    const test::CliResult result = test::RunCli({"set-baud", "38400", "--port", pty.SlavePath()}, dir.path());
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "the converter now talks at 38400 baud: use --baud 38400 from now on\n");
}

}  // namespace
}  // namespace tovrin
