#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <string>

#include "cli_process.h"
#include "sim/pseudo_terminal.h"
#include "support/hex.h"
#include "support/temp_dir.h"

namespace tovrin {
namespace {

// The converter's side played by hand: the query must come, then the report goes.
class BusState : public ::testing::Test {
protected:
    Bytes AwaitQuery() {
        Bytes bytes;
        pollfd fd{pty.MasterFd(), POLLIN, 0};
        while (bytes.size() < 20 && poll(&fd, 1, static_cast<int>(test::CLI_TIMEOUT.count())) == 1) {
            uint8_t chunk[64];
            const ssize_t n = read(pty.MasterFd(), chunk, sizeof chunk);
            if (n <= 0) break;
            bytes.insert(bytes.end(), chunk, chunk + n);
        }
        return bytes;
    }

    test::TempDir dir;
    sim::PseudoTerminal pty;
};

TEST_F(BusState, PrintsTheEnglishTextOfTheReport) {
    test::CliRun cli({"bus-state", "--port", pty.SlavePath()}, dir.path().string());
    EXPECT_EQ(test::ToHex(AwaitQuery()), test::ToHex(test::Hex("AA 55 04 00x16 04")));
    const Bytes report = test::Hex("AA 55 04 10 05 00 01 00 03 00x10 1D");
    ASSERT_EQ(write(pty.MasterFd(), report.data(), report.size()), static_cast<ssize_t>(report.size()));
    ASSERT_EQ(cli.Wait(), 0) << cli.Err();
    EXPECT_EQ(cli.Out(),
              " Transmit error counter:5\t\tReceive error counter:16\n"
              " Error flag: Error passive flag\t\tLast error code:  Acknowledgment Error\n");
}

TEST_F(BusState, NoReportWithinASecondFailsAndSaysSo) {
    test::CliRun cli({"bus-state", "--port", pty.SlavePath()}, dir.path().string());
    EXPECT_EQ(AwaitQuery().size(), 20u);
    // Frames are no answer.
    const Bytes frame = test::Hex("AA C2 23 01 11 22 55");
    ASSERT_EQ(write(pty.MasterFd(), frame.data(), frame.size()), static_cast<ssize_t>(frame.size()));
    EXPECT_EQ(cli.Wait(), 1);
    EXPECT_EQ(cli.Out(), "");
    EXPECT_EQ(cli.Err(), "tovrin-cli: " + pty.SlavePath() + ": no bus state report within 1 s\n");
}

}  // namespace
}  // namespace tovrin
