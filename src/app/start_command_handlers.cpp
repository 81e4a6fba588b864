#include "app/control_ids.h"
#include "app/kelvara_dlg.h"
#include "config/start_command.h"

namespace tovrin {

// The identifier fields and the custom-mode flag are current: their own handlers pull.
void CKelvaraDlg::OnSetAndStart() {
    // The box has no handler; read it now, or a click just before Set and Start
    // would go out with the state it had at the last tick.
    m_bNoRetransmit = m_controls.Get(id::NO_RETRANSMIT).check;

    StartCommandInput input;
    input.customBitRate = m_bCustomBitRate != 0;
    input.standardEntry = m_controls.Get(id::STANDARD_BIT_RATE).selection;
    input.sjwEntry = m_controls.Get(id::SJW).selection;
    input.bs1Entry = m_controls.Get(id::BS1).selection;
    input.bs2Entry = m_controls.Get(id::BS2).selection;
    input.prescaler = m_nPrescaler;
    input.frameTypeEntry = m_controls.Get(id::FRAME_TYPE).selection;
    input.workModeEntry = m_controls.Get(id::WORK_MODE).selection;
    input.filterId = m_strFilterId;
    input.maskId = m_strMaskId;
    input.noRetransmit = m_bNoRetransmit != 0;

    const Checked<SettingsPacket> command = BuildStartCommand(input);
    if (!command.value) {
        Message(std::string(command.refusal.For(m_bEnglish)));
        return;
    }
    RequestWrite(*command.value);
    for (const id::SendRowIds& row : id::SEND_ROWS) m_controls.Enable(row.button, true);
    m_controls.Enable(id::SEND_MULTIPLE, true);
}

void CKelvaraDlg::OnFrameTypeSelect() { m_profile.WriteText("CAN", "TYPE", m_controls.Get(id::FRAME_TYPE).text); }

void CKelvaraDlg::OnWorkModeSelect() { m_profile.WriteText("CAN", "MODE", m_controls.Get(id::WORK_MODE).text); }

void CKelvaraDlg::OnFilterIdEdit() {
    UpdateData(true);
    m_profile.WriteText("CAN", "Filter ID", m_strFilterId);
}

void CKelvaraDlg::OnMaskIdEdit() {
    UpdateData(true);
    m_profile.WriteText("CAN", "Mask ID", m_strMaskId);
}

}  // namespace tovrin
