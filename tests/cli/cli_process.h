#pragma once
#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

#include "link/packet.h"
#include "sim/pseudo_terminal.h"

namespace tovrin::test {

using namespace std::chrono_literals;

// Generous: the tests run on a loaded machine, sometimes under sanitizers.
constexpr std::chrono::milliseconds CLI_TIMEOUT = 20s;

// tovrin-cli running in the background, in a directory of the test's own (where it
// looks for cfgCANA.ini), its standard output and error going to files there.
class CliRun {
public:
    CliRun(const std::vector<std::string>& words, const std::string& directory);
    ~CliRun();  // kills it if it still runs
    CliRun(const CliRun&) = delete;
    CliRun& operator=(const CliRun&) = delete;

    // True once the port's monitor thread runs and both threads wait: nothing sent to
    // the port from now on is purged by the open.
    bool WaitListening(std::chrono::milliseconds timeout = CLI_TIMEOUT) const;
    void Signal(int signal) const;
    // The exit status (128 + signal when a signal ended it), or -1 when it did not
    // end in time; then it is killed.
    int Wait(std::chrono::milliseconds timeout = CLI_TIMEOUT);

    std::string Out() const;
    std::string Err() const;

private:
    pid_t m_pid = -1;
    std::string m_outPath, m_errPath;
    bool m_ended = false;
};

struct CliResult {
    int status;
    std::string out, err;
};

// Runs tovrin-cli to its end.
CliResult RunCli(const std::vector<std::string>& words, const std::string& directory);

// What the program wrote to the far end of a pseudo-terminal, waiting for no more.
Bytes ReadAvailable(const sim::PseudoTerminal& pty);

std::vector<std::string> SplitLines(const std::string& text);

}  // namespace tovrin::test
