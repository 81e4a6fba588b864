#include "cli_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "support/temp_dir.h"
#include "support/thread_states.h"

namespace tovrin::test {
namespace {

int OpenForOutput(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + path);
    return fd;
}

}  // namespace

CliRun::CliRun(const std::vector<std::string>& words, const std::string& directory)
    : m_outPath(directory + "/cli.out"), m_errPath(directory + "/cli.err") {
    std::vector<std::string> argvText{TOVRIN_CLI_PATH};
    argvText.insert(argvText.end(), words.begin(), words.end());
    std::vector<char*> argv;
    for (std::string& word : argvText) argv.push_back(word.data());
    argv.push_back(nullptr);
    const int out = OpenForOutput(m_outPath), err = OpenForOutput(m_errPath);
    const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);

    m_pid = fork();
    if (m_pid == 0) {
        if (chdir(directory.c_str()) != 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out);
    close(err);
    close(in);
    if (m_pid < 0) throw std::runtime_error("fork failed");
}

CliRun::~CliRun() {
    if (m_ended || m_pid <= 0) return;
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
}

bool CliRun::WaitListening(std::chrono::milliseconds timeout) const {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const std::string states = ThreadStates(m_pid);
        if (states.size() >= 2 && states.find_first_not_of('S') == std::string::npos) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(5ms);
    }
}

void CliRun::Signal(int signal) const { kill(m_pid, signal); }

int CliRun::Wait(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (waitpid(m_pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            m_ended = true;
            return -1;
        }
        std::this_thread::sleep_for(2ms);
    }
    m_ended = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string CliRun::Out() const { return ReadFileBytes(m_outPath); }
std::string CliRun::Err() const { return ReadFileBytes(m_errPath); }

CliResult RunCli(const std::vector<std::string>& words, const std::string& directory) {
    CliRun run(words, directory);
    const int status = run.Wait();
    return {status, run.Out(), run.Err()};
}

Bytes ReadAvailable(const sim::PseudoTerminal& pty) {
    Bytes bytes;
    uint8_t chunk[4096];
    pollfd fd{pty.MasterFd(), POLLIN, 0};
    while (poll(&fd, 1, 50) == 1) {
        const ssize_t n = read(pty.MasterFd(), chunk, sizeof chunk);
        if (n <= 0) break;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace tovrin::test
