#include "support/host_line.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>

#include "app/control_ids.h"

namespace tovrin::test {

Bytes HostLine::Next(size_t count, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (m_unread.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd fd{m_pty.MasterFd(), POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(left.count())) <= 0) continue;
        uint8_t chunk[256];
        const ssize_t n = read(m_pty.MasterFd(), chunk, sizeof chunk);
        if (n > 0) m_unread.insert(m_unread.end(), chunk, chunk + n);
    }
    const auto taken = m_unread.begin() + static_cast<std::ptrdiff_t>(std::min(count, m_unread.size()));
    Bytes next(m_unread.begin(), taken);
    m_unread.erase(m_unread.begin(), taken);
    return next;
}

CKelvaraDlg& HostLineTest::StartOnLine() {
    Start();
    OpenPortOn(*dlg, line.DevicePath());
    EXPECT_TRUE(dlg->port().IsOpen());
    return *dlg;
}

void OpenPortOn(CKelvaraDlg& dlg, const std::string& devicePath) {
    dlg.controls().SetText(id::PORT, devicePath);
    dlg.Click(id::OPEN);
}

}  // namespace tovrin::test
