// The number-base view: one box per selected row of the traffic list.
#include <string>
#include <vector>

#include "app/kelvara_dlg.h"
#include "records/hex_dec_view.h"

namespace tovrin {

void CKelvaraDlg::OnTrafficListDblClk() {
    // A copy: while a box is open the view may change the selection.
    const std::vector<int> selected = m_trafficSelection;
    for (int position : selected) {
        if (position >= m_listTraffic.size()) break;
        m_platform.MessageBox(HexDecViewText(m_listTraffic.row(position), m_bEnglish),
                              std::string(HexDecViewCaption(m_bEnglish)), BoxIcon::None);
    }
}

}  // namespace tovrin
