// The eight single-frame send rows: their send buttons and the settings they keep.
#include "app/control_ids.h"
#include "app/kelvara_dlg.h"
#include "records/frame_texts.h"

namespace tovrin {
namespace {

// Row 1 keeps the plain keys; rows 2 to 8 add the numbers 1 to 7.
std::string RowKey(const char* name, int rowIndex) {
    return rowIndex == 0 ? name : name + std::to_string(rowIndex);
}

const id::SendRowIds& RowIds(int row) { return id::SEND_ROWS[row - 1]; }

}  // namespace

// The one standard/extended selector serves all eight rows.
std::optional<FrameFormat> CKelvaraDlg::SelectedFrameFormat() const {
    switch (m_controls.Get(id::FRAME_TYPE).selection) {
        case 0: return FrameFormat::Standard;
        case 1: return FrameFormat::Extended;
        default: return std::nullopt;
    }
}

std::optional<FrameType> CKelvaraDlg::SelectedRowFrameType(int rowIndex) const {
    switch (m_controls.Get(id::SEND_ROWS[rowIndex].frameType).selection) {
        case 0: return FrameType::Data;
        case 1: return FrameType::Remote;
        default: return std::nullopt;
    }
}

// The row's identifier becomes its 8-character form. The field shows it at the next
// refresh, and a field that changes is stored, so the key takes it now.
std::optional<FrameId> CKelvaraDlg::TakeRowId(int rowIndex) {
    std::optional<FrameId> id = ParseFrameId(m_strRowId[rowIndex]);
    if (id && id->text != m_strRowId[rowIndex]) {
        m_strRowId[rowIndex] = id->text;
        m_profile.WriteText("SEND SETTING", RowKey("ID", rowIndex), id->text);
    }
    return id;
}

void CKelvaraDlg::OnSendRow(int row) {
    // A failed read leaves the rows' fields stale: sending them would send old texts.
    if (!UpdateData(true)) return;
    // Row 1 holds the pattern of the automatic answer meanwhile.
    if (row == 1 && m_bAutoAnswer) return;

    const int index = row - 1;
    const std::optional<FrameFormat> format = SelectedFrameFormat();
    const std::optional<FrameType> type = SelectedRowFrameType(index);
    if (!format || !type) return;
    std::optional<FrameId> id = TakeRowId(index);
    if (!id) return;
    const std::optional<FrameData> data = ParseFrameData(m_strRowData[index]);
    if (!data) {
        m_strRowData[index].clear();
        UpdateData(false);
        return;
    }

    const ComposedFrame frame = ComposeFrame(*format, *type, std::move(*id), *data, m_strRowData[index]);
    RecordSentFrame(std::string(FrameTypeText(*type, m_bEnglish)),
                    std::string(FrameFormatText(*format, Direction::Send, m_bEnglish)), frame);
    TransmitDataPacket(frame);
}

void CKelvaraDlg::OnSendRowTypeChange(int row) {
    UpdateData(true);
    m_profile.WriteText("SEND SETTING", RowKey("FORMAT", row - 1), m_controls.Get(RowIds(row).frameType).text);
}

// The keys take what the fields show: a read that stops early at a bad number would
// leave the members of rows 2 to 8 behind.
void CKelvaraDlg::OnSendRowIdChange(int row) {
    UpdateData(true);
    m_profile.WriteText("SEND SETTING", RowKey("ID", row - 1), m_controls.Get(RowIds(row).identifier).text);
}

void CKelvaraDlg::OnSendRowDataChange(int row) {
    UpdateData(true);
    m_profile.WriteText("SEND SETTING", RowKey("DATA", row - 1), m_controls.Get(RowIds(row).data).text);
}

}  // namespace tovrin
