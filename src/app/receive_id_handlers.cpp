#include <string>
#include <vector>

#include "app/kelvara_dlg.h"
#include "config/receive_id_filter.h"
#include "controls/list_syntax.h"

namespace tovrin {
namespace {

constexpr size_t ID_COLUMN = 1;

}  // namespace

void CKelvaraDlg::OnAddReceiveId() {
    UpdateData(true);
    const size_t at = m_listReceiveIds.RowCount();
    const Checked<ReceiveIdRow> row = NewReceiveIdRow(at);
    if (!row.value) {
        Message(std::string(row.refusal.For(m_bEnglish)));
        return;
    }
    m_listReceiveIds.InsertRow(at, {row.value->number, row.value->id});
    m_listReceiveIds.EnsureVisible(at);
    m_listReceiveIds.SelectRow(at);
    UpdateData(false);
    SaveReceiveIdList();
}

// Always the last row, whatever row is selected, so the numbers stay without gaps.
void CKelvaraDlg::OnDeleteReceiveId() {
    UpdateData(true);
    if (const auto last = ReceiveIdRowToDelete(m_listReceiveIds.RowCount())) {
        m_listReceiveIds.DeleteRow(*last);
        if (*last > 0) m_listReceiveIds.SelectRow(*last - 1);
    }
    UpdateData(false);
    UpdateData(true);
    SaveReceiveIdList();
}

void CKelvaraDlg::OnEnableReceiveIds() {
    UpdateData(true);
    std::vector<std::string> ids;
    for (size_t row = 0; row < m_listReceiveIds.RowCount(); ++row) ids.push_back(m_listReceiveIds.Cell(row, ID_COLUMN));
    const Checked<Bytes> packet = BuildEnableReceiveIds(ids);
    if (!packet.value) {
        Message(std::string(packet.refusal.For(m_bEnglish)));
        return;
    }
    RequestWrite(*packet.value);
}

// Neither the list nor the settings change: Enable sends the same list again.
void CKelvaraDlg::OnDisableReceiveIds() { RequestWrite(BuildDisableReceiveIds()); }

void CKelvaraDlg::OnReceiveIdListKillFocus() {
    UpdateData(true);
    SaveReceiveIdList();
}

void CKelvaraDlg::SaveReceiveIdList() {
    m_profile.WriteText("RECEIVE SETTING", "cfgCANA.ini RECEIVE ID", FormatListValue(m_listReceiveIds.Rows()));
}

}  // namespace tovrin
