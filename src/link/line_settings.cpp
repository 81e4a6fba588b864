#include "link/line_settings.h"

#include <termios.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <utility>

#include "link/line_speed.h"

namespace tovrin {
namespace {

constexpr std::array<std::pair<unsigned, speed_t>, 30> STANDARD_SPEEDS{{
    {50, B50},           {75, B75},           {110, B110},         {134, B134},         {150, B150},
    {200, B200},         {300, B300},         {600, B600},         {1200, B1200},       {1800, B1800},
    {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
    {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
    {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
}};

std::optional<speed_t> StandardSpeed(unsigned baud) {
    for (const auto& [rate, code] : STANDARD_SPEEDS)
        if (rate == baud) return code;
    return std::nullopt;
}

// Raw 8-bit transfer with the requested framing; false when the framing is not one a UART has.
bool SetFraming(termios& tio, const LineSettings& s) {
    static constexpr std::array<tcflag_t, 4> SIZES{CS5, CS6, CS7, CS8};
    if (s.dataBits < 5 || s.dataBits > 8 || (s.stopBits != 1 && s.stopBits != 2)) return false;

    cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    tio.c_cflag |= CLOCAL | CREAD | SIZES[static_cast<size_t>(s.dataBits - 5)];
    if (s.stopBits == 2) tio.c_cflag |= CSTOPB;
    switch (std::toupper(static_cast<unsigned char>(s.parity))) {
        case 'N': break;
        case 'E': tio.c_cflag |= PARENB; break;
        case 'O': tio.c_cflag |= PARENB | PARODD; break;
        case 'M': tio.c_cflag |= PARENB | PARODD | CMSPAR; break;
        case 'S': tio.c_cflag |= PARENB | CMSPAR; break;
        default: return false;
    }
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    return true;
}

}  // namespace

std::optional<LineSettingsFailure> ApplyLineSettings(int fd, const LineSettings& settings) {
    termios previous{};
    if (tcgetattr(fd, &previous) != 0) return LineSettingsFailure{"GetCommState()", errno};

    termios tio = previous;
    // Rate 0 would mean "hang up" to a terminal, not a line speed.
    if (settings.baud == 0 || !SetFraming(tio, settings)) return LineSettingsFailure{"BuildCommDCB()", EINVAL};

    const std::optional<speed_t> standard = StandardSpeed(settings.baud);
    if (standard) cfsetspeed(&tio, *standard);
    if (tcsetattr(fd, TCSANOW, &tio) != 0) {
        const int error = errno;
        tcsetattr(fd, TCSANOW, &previous);
        return LineSettingsFailure{"BuildCommDCB()", error};
    }
    if (!standard && !SetCustomLineSpeed(fd, settings.baud)) {
        const int error = errno;
        tcsetattr(fd, TCSANOW, &previous);
        return LineSettingsFailure{"BuildCommDCB()", error};
    }
    return std::nullopt;
}

}  // namespace tovrin
