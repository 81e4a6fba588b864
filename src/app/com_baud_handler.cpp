#include "app/kelvara_dlg.h"
#include "config/com_baud.h"

namespace tovrin {

// The port stays at its rate: the user reopens it at the new one, as the dialog says.
void CKelvaraDlg::OnChangeConverterBaud() {
    UpdateData(true);
    const std::optional<int> entry = m_platform.RunChangeBaudDialog(m_bEnglish, CONVERTER_BAUD_INITIAL_ENTRY);
    if (const auto command = BuildComBaudCommand(entry.has_value(), entry.value_or(-1))) RequestWrite(*command);
}

}  // namespace tovrin
