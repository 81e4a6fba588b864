#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "cli_process.h"
#include "support/temp_dir.h"

namespace tovrin {
namespace {

namespace fs = std::filesystem;

// Terminals with a device behind them, leaving out UART slots without a chip.
std::set<std::string> PortsInSysfs() {
    std::set<std::string> paths;
    for (const fs::directory_entry& tty : fs::directory_iterator("/sys/class/tty")) {
        if (!fs::exists(tty.path() / "device")) continue;
        std::string type;
        std::ifstream(tty.path() / "type") >> type;
        if (type != "0") paths.insert("/dev/" + tty.path().filename().string());
    }
    return paths;
}

TEST(CliPorts, ListsEverySerialPortWithADescription) {
    test::TempDir dir;
    const test::CliResult result = test::RunCli({"ports"}, dir.path().string());
    ASSERT_EQ(result.status, 0) << result.err;
    std::set<std::string> listed;
    for (const std::string& line : test::SplitLines(result.out)) {
        const size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        EXPECT_EQ(line.find('\t', tab + 1), std::string::npos) << line;
        EXPECT_GT(line.size(), tab + 1) << line;
        listed.insert(line.substr(0, tab));
    }
    EXPECT_EQ(listed, PortsInSysfs());
}

}  // namespace
}  // namespace tovrin
