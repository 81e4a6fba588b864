#pragma once
#include <chrono>
#include <cstddef>
#include <string>

#include "link/packet.h"
#include "sim/pseudo_terminal.h"
#include "support/dialog_fixture.h"
#include "support/hex.h"
#include "support/pump.h"

namespace tovrin::test {

// The far end of the window's port as a bare pseudo-terminal: exactly the bytes the
// window writes, in order, and nothing that answers them.
class HostLine {
public:
    const std::string& DevicePath() const { return m_pty.SlavePath(); }

    // The next `count` bytes the window writes; fewer when they do not come in time.
    Bytes Next(size_t count, std::chrono::milliseconds timeout = PUMP_TIMEOUT);

private:
    sim::PseudoTerminal m_pty;
    Bytes m_unread;
};

// A started window with its port open on a HostLine.
class HostLineTest : public DialogTest {
protected:
    ~HostLineTest() override { dlg.reset(); }

    CKelvaraDlg& StartOnLine();
    // The next `count` bytes the window writes, as "AA 55 ..." text.
    std::string Next(size_t count) { return ToHex(line.Next(count)); }

    HostLine line;
};

// Types the device into the port drop-down and clicks Open.
void OpenPortOn(CKelvaraDlg& dlg, const std::string& devicePath);

}  // namespace tovrin::test
