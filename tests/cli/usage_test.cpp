#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"
#include "sim/pseudo_terminal.h"
#include "support/temp_dir.h"

namespace tovrin {
namespace {

using test::RunCli;
using test::SplitLines;

const std::vector<std::string> COMMANDS = {"ports",     "start",       "monitor",  "send",
                                           "bus-state", "receive-ids", "set-baud", "transparent"};

// A port that cannot be opened: a run that reaches the port fails with 1, not 2.
constexpr char NO_SUCH_PORT[] = "/nonexistent/ttyUSB9";

void ExpectOneLineOnStderr(const test::CliResult& result) {
    const std::vector<std::string> lines = SplitLines(result.err);
    ASSERT_EQ(lines.size(), 1u) << result.err;
    EXPECT_EQ(lines[0].rfind("tovrin-cli: ", 0), 0u) << lines[0];
    EXPECT_EQ(result.out, "");
}

TEST(CliUsage, EveryCommandHasItsHelp) {
    test::TempDir dir;
    for (const std::string& command : COMMANDS) {
        SCOPED_TRACE(command);
        const test::CliResult result = RunCli({command, "--help"}, dir.path());
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out.rfind("usage: tovrin-cli " + command, 0), 0u) << result.out;
        EXPECT_NE(result.out.find("--port PATH"), std::string::npos);
        EXPECT_EQ(result.err, "");
    }
    const test::CliResult overview = RunCli({"--help"}, dir.path());
    EXPECT_EQ(overview.status, 0);
    for (const std::string& command : COMMANDS) EXPECT_NE(overview.out.find("  " + command + " "), std::string::npos);
}

TEST(CliUsage, BadUsageExitsWithTwoAndOneLine) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"start", "--bitrate", "3Mbps"},
        {"start", "--bitrate", "1Mbps", "--custom", "6:5:12"},
        {"start", "--custom", "17:5:12"},
        {"start", "--custom", "0:5:12"},
        {"start", "--custom", "6:9:12"},
        {"start", "--custom", "6:5:1025"},
        {"start", "--custom", "6:5"},
        {"start", "--filter", "123456789"},
        {"start", "--mask", "12G"},
        {"start", "--type", "extended"},
        {"start", "--mode", "quiet"},
        {"start", "--once=yes"},
        {"start", "--once", "--once"},
        {"start", "--bitrate"},
        {"start", "extra"},
        {"monitor", "--count", "0"},
        {"monitor", "--count", "ten"},
        {"monitor", "--seconds", "-1"},
        {"monitor", "--seconds", "nan"},
        {"monitor", "--format", "json"},
        {"monitor", "--save", "bus.bin"},
        {"send"},
        {"send", "123"},
        {"send", "1234#11"},
        {"send", "800#11"},
        {"send", "20000000#11"},
        {"send", "123#112"},
        {"send", "123#1G"},
        {"send", "123#112233445566778899"},
        {"send", "123#R9"},
        {"send", "123#11", "--every", "0"},
        {"send", "123#11", "--repeat", "-1"},
        {"receive-ids", "12G"},
        {"receive-ids", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"},
        {"set-baud"},
        {"set-baud", "57600"},
        {"transparent", "123"},
        {"transparent", "123", "456789012"},
        {"transparent", "--cancel", "123", "456"},
        {"bus-state", "now"},
        {"ports", "--all"},
    };
    test::TempDir dir;
    for (std::vector<std::string> words : cases) {
        std::string shown;
        for (const std::string& w : words) shown += w + " ";
        SCOPED_TRACE(shown);
        if (!words.empty()) words.insert(words.end(), {"--port", NO_SUCH_PORT});
        const test::CliResult result = RunCli(words, dir.path());
        EXPECT_EQ(result.status, 2);
        if (!words.empty()) ExpectOneLineOnStderr(result);
    }
}

TEST(CliUsage, NoPortAnywhereIsBadUsage) {
    test::TempDir dir;
    const test::CliResult result = RunCli({"bus-state"}, dir.path());
    EXPECT_EQ(result.status, 2);
    ExpectOneLineOnStderr(result);
}

TEST(CliUsage, PortFailuresExitWithOneAndSayWhy) {
    struct Case {
        std::vector<std::string> words;
        std::string ini;
        std::string said;
    };
    const std::vector<Case> cases = {
        {{"start", "--port", NO_SUCH_PORT}, "", "cannot open /nonexistent/ttyUSB9: No such file or directory"},
        {{"send", "123#11", "--port", "/dev/null"}, "", "cannot open /dev/null:"},
        // Without --port the window's remembered port is taken.
        {{"receive-ids"}, "[COM]\nCOM=/nonexistent/ttyACM4\n", "cannot open /nonexistent/ttyACM4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said);
        test::TempDir dir;
        if (!c.ini.empty()) test::WriteFileBytes(dir.File("cfgCANA.ini"), c.ini);
        const test::CliResult result = RunCli(c.words, dir.path());
        EXPECT_EQ(result.status, 1);
        ExpectOneLineOnStderr(result);
        EXPECT_NE(result.err.find(c.said), std::string::npos) << result.err;
    }
}

TEST(CliUsage, BaudComesFromTheOptionThenTheSettingsThenTwoMegabaud) {
    struct Case {
        std::vector<std::string> extra;
        std::string ini;
        unsigned baud;
    };
    const std::vector<Case> cases = {
        {{}, "", 2000000},
        {{}, "[COM]\nCOM Baud rate=115200\n", 115200},
        {{}, "[COM]\nCOM Baud rate=57600\n", 2000000},  // not in the window's list
        {{"--baud", "38400"}, "[COM]\nCOM Baud rate=115200\n", 38400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.baud);
        test::TempDir dir;
        sim::PseudoTerminal pty;
        if (!c.ini.empty()) test::WriteFileBytes(dir.File("cfgCANA.ini"), c.ini);
        std::vector<std::string> words = {"receive-ids", "--port", pty.SlavePath()};
        words.insert(words.end(), c.extra.begin(), c.extra.end());
        const test::CliResult result = RunCli(words, dir.path());
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(pty.HostLineSpeed(), c.baud);
    }
}

}  // namespace
}  // namespace tovrin
