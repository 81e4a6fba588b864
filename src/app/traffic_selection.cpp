#include <algorithm>

#include "app/kelvara_dlg.h"

namespace tovrin {

// The view may hand rows in any order and twice; the double click wants each row
// once, top to bottom.
void CKelvaraDlg::SetTrafficSelection(std::vector<int> rows) {
    std::erase_if(rows, [](int row) { return row < 0; });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    m_trafficSelection = std::move(rows);
}

const std::vector<int>& CKelvaraDlg::trafficSelection() const { return m_trafficSelection; }

}  // namespace tovrin
