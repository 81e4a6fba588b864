#include "app/kelvara_dlg.h"

#include "app/captions.h"
#include "app/control_ids.h"
#include "app/selector_restore.h"
#include "sim/virtual_converter.h"

namespace tovrin {
namespace {

const char* const kRowIdDefaults[8] = {"00000000", "00000001", "00000002", "00000003",
                                       "00000004", "00000005", "00000006", "00000007"};
constexpr const char* kDefaultRowData = "11 22 33 44 55 66 77 88";

}  // namespace

CKelvaraDlg::CKelvaraDlg(Platform& platform, std::string settingsPath)
    : m_platform(platform), m_profile(std::move(settingsPath)) {
    for (int row = 0; row < 8; ++row) {
        m_strRowId[row] = kRowIdDefaults[row];
        m_strRowData[row] = "00 01 02 03 04 05 06 07";
    }
    CreateControls();
}

CKelvaraDlg::~CKelvaraDlg() = default;

BoxResult CKelvaraDlg::Message(const std::string& text, BoxIcon icon, BoxButtons buttons) {
    return m_platform.MessageBox(text, APP_TITLE, icon, buttons);
}

void CKelvaraDlg::EnableControls(std::initializer_list<int> ids, bool enabled) {
    for (int controlId : ids) m_controls.Enable(controlId, enabled);
}

void CKelvaraDlg::RequestWrite(std::span<const uint8_t> bytes) { m_port.RequestWrite(bytes.data(), bytes.size()); }

void CKelvaraDlg::OnInitDialog() {
    UpdateData(false);
    EnumerateSerialPorts();

    const std::string remembered = m_profile.ReadText("COM", "COM", "");
    if (int found = FindBySelectorRule(m_controls.Get(id::PORT).items, remembered); found >= 0) {
        m_controls.Select(id::PORT, found);
    } else {
        m_profile.WriteText("COM", "COM", m_controls.Get(id::PORT).text);
        m_controls.Select(id::PORT, 0);
    }

    m_controls.SetItems(id::COM_BAUD, {"9600", "19200", "38400", "115200", "1228800", "2000000"});
    m_controls.Select(id::COM_BAUD, 5);
    const std::string rate = m_profile.ReadText("COM", "COM Baud rate", "");
    if (int found = FindBySelectorRule(m_controls.Get(id::COM_BAUD).items, rate); found >= 0) {
        m_controls.Select(id::COM_BAUD, found);
    } else {
        m_controls.Select(id::COM_BAUD, 5);
        m_profile.WriteText("COM", "COM Baud rate", "2000000");
    }

    m_controls.SetItems(id::DATA_BITS, {"8", "7", "6"});
    m_controls.SetItems(id::PARITY, {"NONE", "ODD", "EVEN", "MARK", "SPACE"});
    m_controls.SetItems(id::STOP_BITS, {"1", "1.5", "2"});
    for (int framing : {id::DATA_BITS, id::PARITY, id::STOP_BITS}) m_controls.Select(framing, 0);

    UpdateData(true);
    ReadStartupSettings();
    RestoreBitTiming();
    PrepareEditableLists();

    m_controls.Enable(id::OPEN, true);
    EnableControls({id::CLOSE, id::SET_AND_START, id::SEND_MULTIPLE, id::STOP_SENDING, id::CONTINUE, id::STATISTICS,
                    id::BUS_MONITOR, id::TRANSPARENT, id::RECEIVE_ID_DISABLE, id::RECEIVE_ID_ENABLE,
                    id::CHANGE_BAUD},
                   false);
    for (const id::SendRowIds& row : id::SEND_ROWS) m_controls.Enable(row.button, false);

    UpdateData(false);
    OnLanguageSwitch();
    m_platform.StartTimer(REFRESH_TIMER, REFRESH_PERIOD_MS);
}

void CKelvaraDlg::ReadStartupSettings() {
    m_strFilterId = m_profile.ReadText("CAN", "Filter ID", "00000000");
    m_strMaskId = m_profile.ReadText("CAN", "Mask ID", "00000000");
    for (int row = 0; row < 8; ++row) {
        const std::string suffix = row == 0 ? "" : std::to_string(row);
        m_strRowId[row] = m_profile.ReadText("SEND SETTING", "ID" + suffix, kRowIdDefaults[row]);
    }
    for (int row = 0; row < 8; ++row) {
        const std::string suffix = row == 0 ? "" : std::to_string(row);
        m_strRowData[row] = m_profile.ReadText("SEND SETTING", "DATA" + suffix, kDefaultRowData);
    }
    m_nInterval = m_profile.ReadInt("SEND SETTING", "INTERVAL", 1000);
    if (m_nInterval < 1) m_nInterval = 1000;
    m_nBufferFrames = m_profile.ReadInt("RECEIVE SETTING", "Total", 5000);
    if (m_nBufferFrames < 1) m_nBufferFrames = 5000;
}

void CKelvaraDlg::OnTimer(int timerId) {
    m_bBackground = true;
    UpdateData(true);
    if (timerId == SEND_TIMER) {
        OnSendTimer();
    } else if (timerId == REFRESH_TIMER && m_bRecordsChanged) {
        m_bRecordsChanged = false;
        UpdateData(false);
    }
    m_bBackground = false;
}

void CKelvaraDlg::OnRxByte(uint8_t byte, long portNumber) {
    if (portNumber < 1 || portNumber > 255) return;
    m_bBackground = true;
    UpdateData(true);
    m_rx.Feed(byte, *this);
    m_bBackground = false;
}

void CKelvaraDlg::OnPortError(const std::string& text, const std::string& caption) {
    m_platform.MessageBox(text, caption, BoxIcon::Stop);
}

void CKelvaraDlg::OnDataPacketFrame(std::span<const uint8_t> packet) { RecordReceivedFrame(DecodeDataPacket(packet)); }

void CKelvaraDlg::OnFramePacket(const SettingsPacket& packet) { RecordReceivedFrame(DecodeFramePacket(packet)); }

void CKelvaraDlg::OnBusStateReport(const uint8_t fields[6]) { ShowBusState(fields); }

void CKelvaraDlg::SystemCommand(int command) {
    if ((command & 0xFFF0) == 16) m_platform.ShowAbout();
}

void CKelvaraDlg::ReleasePort() {
    if (!m_bPortOpen) return;
    m_port.ClosePort();
    m_virtualConverter.reset();
}

void CKelvaraDlg::OnExit() {
    ReleasePort();
    if (UpdateData(true)) m_platform.EndDialog(1);
}

void CKelvaraDlg::CloseWindow() {
    ReleasePort();
    m_platform.EndDialog(2);
}

}  // namespace tovrin
