#pragma once
#include <cstddef>
#include <string>

namespace tovrin::sim {

// A pseudo-terminal pair: the converter's end (master) and the path the host opens.
// The slave is kept open here too, so the master never sees a hang-up while the host
// has the port closed, and the line settings the host chose survive its close.
class PseudoTerminal {
public:
    PseudoTerminal();  // throws std::system_error when no pair can be had
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int MasterFd() const { return m_master; }
    const std::string& SlavePath() const { return m_slavePath; }
    // The host's current output rate, read through the master.
    unsigned HostLineSpeed() const;
    // Bytes sent to the host that it has not read yet.
    size_t HostUnread() const;
    // Both ends closed: the host's side hangs up.
    void Close();

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
};

}  // namespace tovrin::sim
