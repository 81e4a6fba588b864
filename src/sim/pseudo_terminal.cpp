#include "sim/pseudo_terminal.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "link/line_speed.h"

namespace tovrin::sim {
namespace {
[[noreturn]] void Fail(const char* what) { throw std::system_error(errno, std::generic_category(), what); }
}  // namespace

PseudoTerminal::PseudoTerminal() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0) Fail("posix_openpt");
    char name[128];
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0 || ptsname_r(m_master, name, sizeof name) != 0) {
        const int error = errno;
        close(m_master);
        errno = error;
        Fail("pseudo-terminal slave");
    }
    m_slavePath = name;
    m_slave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (m_slave < 0 || tcgetattr(m_slave, &tio) != 0) {
        const int error = errno;
        Close();
        errno = error;
        Fail("open pseudo-terminal slave");
    }
    // No echo and no line editing, before the host ever opens it.
    cfmakeraw(&tio);
    tcsetattr(m_slave, TCSANOW, &tio);
}

PseudoTerminal::~PseudoTerminal() { Close(); }

unsigned PseudoTerminal::HostLineSpeed() const {
    return m_master >= 0 ? ReadLineSpeed(m_master).value_or(0) : 0;
}

size_t PseudoTerminal::HostUnread() const {
    int waiting = 0;
    if (m_slave < 0 || ioctl(m_slave, TIOCINQ, &waiting) != 0) return 0;
    return static_cast<size_t>(waiting);
}

void PseudoTerminal::Close() {
    if (m_master >= 0) close(m_master);
    if (m_slave >= 0) close(m_slave);
    m_master = m_slave = -1;
}

}  // namespace tovrin::sim
