#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "link/assembler.h"
#include "link/serial_port.h"
#include "support/pump.h"
#include "support/recording_owner.h"

extern char** environ;

namespace tovrin {
namespace {

using namespace std::chrono_literals;

// tovrin-sim run as its users run it, with its standard output read here.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> args) {
        const char* path = std::getenv("TOVRIN_SIM");
        if (!path) return;
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        args.insert(args.begin(), path);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, path, &actions, nullptr, argv.data(), environ) != 0) m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        m_out = fdopen(out[0], "r");
    }
    ~SimProcess() {
        if (m_pid > 0 && !m_exited) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        if (m_out) fclose(m_out);
    }

    bool started() const { return m_pid > 0 && m_out; }
    std::string ReadLine() {
        char line[512] = {};
        if (!fgets(line, sizeof line, m_out)) return {};
        std::string text(line);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        return text;
    }
    std::string ReadAll() {
        std::string text;
        for (int c; (c = fgetc(m_out)) != EOF;) text += static_cast<char>(c);
        return text;
    }
    void Signal(int signal) { kill(m_pid, signal); }
    // The exit status, once the process ends within `timeout`.
    std::optional<int> WaitExit(std::chrono::milliseconds timeout) {
        int status = 0;
        const bool ended = test::WaitUntil([&] { return waitpid(m_pid, &status, WNOHANG) == m_pid; }, timeout);
        if (!ended) return std::nullopt;
        m_exited = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    pid_t m_pid = -1;
    FILE* m_out = nullptr;
    bool m_exited = false;
};

#define START_SIM(name, ...)                                            \
    SimProcess name(__VA_ARGS__);                                       \
    if (!std::getenv("TOVRIN_SIM")) GTEST_SKIP() << "TOVRIN_SIM not set"; \
    ASSERT_TRUE(name.started())

TEST(SimProgram, PrintsTheDeviceFirstAndEndsOnSigterm) {
    START_SIM(sim, std::vector<std::string>{});
    const std::string device = sim.ReadLine();
    EXPECT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;
    EXPECT_EQ(access(device.c_str(), R_OK | W_OK), 0);
    sim.Signal(SIGTERM);
    EXPECT_EQ(sim.WaitExit(10s), 0);
}

TEST(SimProgram, SendsItsCountAfterAStartAndExits) {
    START_SIM(sim, std::vector<std::string>{"--count", "25", "--id", "321", "--form", "settings", "--exit-after"});
    const std::string device = sim.ReadLine();
    test::RecordingOwner owner;
    CSerialPort port;
    ASSERT_TRUE(port.OpenPort(&owner, device, 1, 115200));
    port.StartMonitor();
    const SettingsPacket start = BuildStartPacket(1, {});
    ASSERT_TRUE(port.RequestWrite(start.data(), start.size()));
    ASSERT_TRUE(test::PumpUntil(port, [&] { return owner.bytes.size() >= 25 * SETTINGS_PACKET_SIZE; }));
    EXPECT_EQ(sim.WaitExit(10s), 0);
    port.DeliverPending();
    ASSERT_EQ(owner.bytes.size(), 25 * SETTINGS_PACKET_SIZE);
    SettingsPacket last{};
    std::copy_n(owner.bytes.end() - SETTINGS_PACKET_SIZE, SETTINGS_PACKET_SIZE, last.begin());
    EXPECT_TRUE(HasGoodChecksum(last));
    EXPECT_EQ(DecodeFramePacket(last).id, 0x321u);
    EXPECT_EQ(DecodeFramePacket(last).data[0], 24);
}

TEST(SimProgram, HelpAndBadOptions) {
    {
        START_SIM(help, std::vector<std::string>{"--help"});
        EXPECT_NE(help.ReadAll().find("--exit-after"), std::string::npos);
        EXPECT_EQ(help.WaitExit(10s), 0);
    }
    START_SIM(bad, std::vector<std::string>{"--no-such-option"});
    EXPECT_EQ(bad.ReadAll(), "");
    EXPECT_EQ(bad.WaitExit(10s), 2);
}

}  // namespace
}  // namespace tovrin
