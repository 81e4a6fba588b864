// The bus state monitor: one query per click, one text per report.
#include "app/kelvara_dlg.h"
#include "records/bus_state_text.h"

namespace tovrin {

void CKelvaraDlg::OnBusMonitor() { RequestWrite(BuildBusStateQuery()); }

void CKelvaraDlg::ShowBusState(const uint8_t fields[6]) {
    m_strBusState = BusStateText(BusStateFields(fields, 6), m_bEnglish);
    UpdateData(false);
}

}  // namespace tovrin
