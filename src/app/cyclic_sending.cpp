// Sending the frame list: once through, or over and over, one row per timer tick.
#include "app/control_ids.h"
#include "app/kelvara_dlg.h"
#include "transmit/frame_list_row.h"

namespace tovrin {

// An invalid row stops the timer and leaves the buttons as they are, so the user sees
// that the run did not finish.
bool CKelvaraDlg::SendFrameListRow(size_t row) {
    const std::optional<ComposedFrame> frame =
        row < m_listFrames.RowCount() ? ParseFrameListRow(m_listFrames.RowCells(row)) : std::nullopt;
    if (!frame) {
        m_platform.StopTimer(SEND_TIMER);
        return false;
    }
    TransmitDataPacket(*frame);
    // The cells' own texts, in whichever language they were stored.
    RecordSentFrame(m_listFrames.Cell(row, FRAME_LIST_TYPE_COLUMN), m_listFrames.Cell(row, FRAME_LIST_FORMAT_COLUMN),
                    *frame);
    return true;
}

void CKelvaraDlg::StartSendRun() {
    m_controls.Enable(id::STOP_SENDING, true);
    m_controls.Enable(id::SEND_MULTIPLE, false);
    m_platform.StartTimer(SEND_TIMER, SendTimerPeriodMs(m_nInterval));
}

void CKelvaraDlg::EndSendRun() {
    m_platform.StopTimer(SEND_TIMER);
    m_controls.Enable(id::SEND_MULTIPLE, true);
    m_controls.Enable(id::STOP_SENDING, false);
    m_controls.Enable(id::SEND_ROWS[0].button, true);
}

void CKelvaraDlg::OnSendMultiple() {
    UpdateData(true);
    m_nFrameIndex = 0;
    if (m_listFrames.RowCount() == 0) return;
    StartSendRun();
    if (SendFrameListRow(0)) {
        UpdateData(false);
        m_nFrameIndex = 1;
    }
}

void CKelvaraDlg::OnSendTimer() {
    const SendTick tick =
        PlanSendTick(static_cast<size_t>(m_nFrameIndex), m_listFrames.RowCount(), m_bCyclic != 0);
    m_nFrameIndex = static_cast<int>(tick.frameIndex);
    if (tick.row && SendFrameListRow(*tick.row)) {
        UpdateData(false);
        m_nFrameIndex = static_cast<int>(*tick.row + 1);
    }
    if (tick.runEnds) {
        EndSendRun();
        UpdateData(false);
    }
}

void CKelvaraDlg::OnStopSending() {
    UpdateData(true);
    EndSendRun();
    m_nFrameIndex = 0;
    UpdateData(false);
}

}  // namespace tovrin
