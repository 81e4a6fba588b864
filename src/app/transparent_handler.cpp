#include "app/control_ids.h"
#include "app/kelvara_dlg.h"
#include "config/transparent.h"

namespace tovrin {

// Nothing of the mode is kept: each press asks afresh and only sends.
void CKelvaraDlg::OnTransparent() {
    const TransparentDialogResult answer = m_platform.RunTransparentDialog(m_bEnglish);
    UpdateData(true);
    const Checked<SettingsPacket> command = BuildTransparentCommand(answer, m_controls.Get(id::FRAME_TYPE).selection);
    if (!command.value) {
        Message(std::string(command.refusal.For(m_bEnglish)));
        return;
    }
    RequestWrite(*command.value);
}

}  // namespace tovrin
