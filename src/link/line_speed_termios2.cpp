// Only the kernel's terminal definitions here: they clash with <termios.h>.
#include <asm/termbits.h>
#include <sys/ioctl.h>

#include "link/line_speed.h"

namespace tovrin {

bool SetCustomLineSpeed(int fd, unsigned baud) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) return false;
    tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ospeed = baud;
    tio.c_ispeed = baud;
    return ioctl(fd, TCSETS2, &tio) == 0;
}

std::optional<unsigned> ReadLineSpeed(int fd) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) return std::nullopt;
    return tio.c_ospeed;
}

}  // namespace tovrin
