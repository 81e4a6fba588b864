// Editing the frame list and keeping it, with its interval, in the settings file.
#include "app/kelvara_dlg.h"
#include "controls/list_syntax.h"
#include "transmit/frame_list_row.h"

namespace tovrin {

void CKelvaraDlg::SaveFrameList() {
    m_profile.WriteText("SEND SETTING", "MUL FLAMES", FormatListValue(m_listFrames.Rows()));
}

void CKelvaraDlg::OnAddFrameRow() {
    UpdateData(true);
    const size_t row = m_listFrames.RowCount();
    m_listFrames.InsertRow(row, NewFrameListRow(row, m_bEnglish));
    m_listFrames.EnsureVisible(row);
    m_listFrames.SelectRow(row);
    UpdateData(false);
    SaveFrameList();
}

// Always the last row, whichever is selected.
void CKelvaraDlg::OnDeleteFrameRow() {
    UpdateData(true);
    if (const size_t rows = m_listFrames.RowCount(); rows > 0) {
        m_listFrames.DeleteRow(rows - 1);
        if (rows > 1) m_listFrames.SelectRow(rows - 2);
    }
    UpdateData(false);
    SaveFrameList();
}

void CKelvaraDlg::OnClearFrameRows() {
    UpdateData(true);
    m_listFrames.DeleteAllRows();
    UpdateData(false);
    SaveFrameList();
}

void CKelvaraDlg::OnIntervalChange() {
    UpdateData(true);
    m_profile.WriteText("SEND SETTING", "INTERVAL", std::to_string(m_nInterval));
}

// In-place edits reach the file when the list loses the focus.
void CKelvaraDlg::OnFrameListKillFocus() {
    UpdateData(true);
    SaveFrameList();
}

// Only the frame list asks, and only while it holds the focus.
std::vector<std::string> CKelvaraDlg::OnFrameListGetItems(size_t column) {
    return FrameListComboItems(column, m_bEnglish);
}

}  // namespace tovrin
