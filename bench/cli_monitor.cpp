// tovrin-cli monitor at full rate: a virtual converter sends numbered frames as fast
// as the pseudo-terminal takes them, the program prints them in candump format into a
// file, and the file's lines are counted and checked against the frame numbers.
// Usage: cli_monitor [PATH-OF-tovrin-cli [FRAMES]]
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "sim/virtual_converter.h"
#include "support/thread_states.h"

namespace {

using tovrin::test::ThreadStates;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr uint64_t DEFAULT_FRAMES = 200'000;
constexpr auto LISTEN_TIMEOUT = 20s;
constexpr char RUN_SECONDS[] = "120";  // a run that loses frames still ends

std::string CliPath(int argc, char** argv) {
    if (argc > 1) return argv[1];
    // build/bench/cli_monitor -> build/tovrin-cli
    return (std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "tovrin-cli").string();
}

// Both threads of the program wait once its monitor thread has purged the line:
// frames sent from then on are not thrown away by the open.
bool Listening(pid_t pid) {
    const auto end = Clock::now() + LISTEN_TIMEOUT;
    for (;;) {
        const std::string states = ThreadStates(pid);
        if (states.size() >= 2 && states.find_first_not_of('S') == std::string::npos) return true;
        if (Clock::now() > end) return false;
        std::this_thread::sleep_for(2ms);
    }
}

pid_t StartMonitor(const std::string& cli, const std::string& port, uint64_t frames, const std::string& output) {
    std::vector<std::string> words{cli,         "monitor",  "--format", "candump",
                                   "--port",    port,       "--count",  std::to_string(frames),
                                   "--seconds", RUN_SECONDS};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        if (dup2(out, 1) < 0) _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out);
    return pid;
}

// Each line carries its frame number in its eight data bytes, low byte first.
struct Count {
    uint64_t lines = 0;
    uint64_t inOrder = 0;  // lines whose number is the one expected next
};

Count CountLines(const std::string& path) {
    Count count;
    std::ifstream in(path);
    uint64_t next = 0;
    for (std::string line; std::getline(in, line); ++count.lines) {
        const size_t hash = line.find('#');
        if (hash == std::string::npos || line.size() < hash + 17) continue;
        uint64_t number = 0;
        for (int i = 7; i >= 0; --i)
            number = number << 8 | std::stoul(line.substr(hash + 1 + 2 * static_cast<size_t>(i), 2), nullptr, 16);
        if (number == next) ++count.inOrder;
        next = number + 1;
    }
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string cli = CliPath(argc, argv);
    const uint64_t frames = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : DEFAULT_FRAMES;
    const std::string output = (std::filesystem::temp_directory_path() / "tovrin-cli-monitor-bench.log").string();

    tovrin::sim::VirtualConverter converter;
    converter.Start();
    const pid_t pid = StartMonitor(cli, converter.DevicePath(), frames, output);
    if (pid < 0 || !Listening(pid)) {
        std::fprintf(stderr, "%s did not start listening\n", cli.c_str());
        return 1;
    }

    tovrin::sim::TrafficPlan plan;
    plan.ratePerSecond = 0;
    plan.count = frames;
    plan.raw = true;
    const auto start = Clock::now();
    converter.Generate(plan);
    int status = 0;
    waitpid(pid, &status, 0);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    converter.Stop();

    const Count count = CountLines(output);
    std::filesystem::remove(output);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "tovrin-cli ended with status %d\n", status);
    std::printf("frames=%llu seconds=%.3f lines=%llu\n", static_cast<unsigned long long>(frames), seconds,
                static_cast<unsigned long long>(count.lines));
    std::printf("frames_per_s=%.0f lost=%llu\n", static_cast<double>(count.lines) / seconds,
                static_cast<unsigned long long>(frames - count.inOrder));
    return 0;
}
