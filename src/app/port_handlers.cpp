#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "app/control_ids.h"
#include "app/kelvara_dlg.h"
#include "app/selector_restore.h"
#include "sim/virtual_converter.h"

namespace tovrin {
namespace {

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// "COM<n>" as typed by users of the converter's older tools: the n-th USB serial
// adapter, else the n-th ACM device, else the n-th on-board port.
std::string DeviceForComNumber(unsigned n) {
    const std::string index = std::to_string(n == 0 ? 0 : n - 1);
    for (const char* base : {"/dev/ttyUSB", "/dev/ttyACM", "/dev/ttyS"})
        if (Exists(base + index)) return base + index;
    return "/dev/ttyUSB" + index;
}

unsigned ComNumber(const std::string& text) {
    unsigned n = 0;
    for (size_t i = 3; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) n = n * 10 + (text[i] - '0');
    return n;
}

bool IsComName(const std::string& text) {
    return (text.size() == 4 || text.size() == 5) && (text[0] == 'C' || text[0] == 'c') &&
           (text[1] == 'O' || text[1] == 'o') && (text[2] == 'M' || text[2] == 'm');
}

}  // namespace

void CKelvaraDlg::EnumerateSerialPorts() {
    const auto ports = m_platform.ListSerialPorts();
    if (!ports) return;
    std::vector<std::string> names;
    for (const PortInfo& p : *ports) names.push_back(p.name);
    names.push_back(VIRTUAL_PORT_NAME);
    m_controls.SetItems(id::PORT, names);
}

std::string CKelvaraDlg::DevicePathFor(const std::string& portText, unsigned& portNumber) {
    portNumber = 1;
    if (portText == VIRTUAL_PORT_NAME) {
        m_virtualConverter.reset();
        m_virtualConverter = std::make_unique<sim::VirtualConverter>();
        m_virtualConverter->EnableDemoTraffic();
        m_virtualConverter->Start();
        return m_virtualConverter->DevicePath();
    }
    if (IsComName(portText)) {
        portNumber = ComNumber(portText);
        return DeviceForComNumber(portNumber);
    }
    return portText;
}

void CKelvaraDlg::OnOpenPort() {
    UpdateData(true);
    if (m_strPort.size() >= 4) {
        unsigned portNumber = 0;
        const std::string device = DevicePathFor(m_strPort, portNumber);
        const unsigned baud = static_cast<unsigned>(std::strtoul(m_strComBaud.c_str(), nullptr, 10));
        const int dataBits = m_strDataBits.empty() ? 0 : m_strDataBits[0] - '0';
        const char parity = m_strParity.empty() ? 'N' : m_strParity[0];
        const int stopBits = std::atoi(m_strStopBits.c_str());

        if (m_port.OpenPort(this, device, portNumber, baud, parity, dataBits, stopBits)) {
            m_port.StartMonitor();
            m_bPortOpen = true;
            m_controls.Enable(id::OPEN, false);
            EnableControls({id::CLOSE, id::SET_AND_START, id::BUS_MONITOR, id::TRANSPARENT, id::RECEIVE_ID_DISABLE,
                            id::RECEIVE_ID_ENABLE, id::CHANGE_BAUD},
                           true);
            m_profile.WriteText("COM", "COM", m_strPort);
            m_profile.WriteText("COM", "COM Baud rate", m_strComBaud);
        } else {
            std::string text = "该端口不存在";
            if (m_port.LastOpenError() == EACCES)
                text += "\n\n" + device +
                        ": permission denied. Add your user to the group that owns the device "
                        "(usually: sudo usermod -aG dialout $USER), then log in again.";
            Message(text, BoxIcon::Warning);
            m_controls.SetItems(id::PORT, {});
            m_controls.SetText(id::PORT, "");
            m_strPort.clear();
        }
    }
    UpdateData(false);
}

void CKelvaraDlg::OnClosePort() {
    UpdateData(true);
    m_platform.StopTimer(SEND_TIMER);
    if (m_bPortOpen) {
        m_port.ClosePort();
        m_controls.Enable(id::CLOSE, false);
        m_controls.Enable(id::OPEN, true);
        for (const id::SendRowIds& row : id::SEND_ROWS) m_controls.Enable(row.button, false);
        EnableControls({id::SET_AND_START, id::SEND_MULTIPLE, id::STOP_SENDING, id::STATISTICS, id::BUS_MONITOR,
                        id::TRANSPARENT, id::RECEIVE_ID_DISABLE, id::RECEIVE_ID_ENABLE, id::CHANGE_BAUD},
                       false);
    }
    UpdateData(false);
}

void CKelvaraDlg::OnRefreshPorts() {
    const std::string current = m_controls.Get(id::PORT).text;
    EnumerateSerialPorts();
    const int found = FindBySelectorRule(m_controls.Get(id::PORT).items, current);
    if (found >= 0) m_controls.Select(id::PORT, found);
}

}  // namespace tovrin
