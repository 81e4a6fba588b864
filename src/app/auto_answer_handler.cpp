// The automatic answer: a received frame that matches single-frame row 1 starts the
// frame list, its first frame as a frame packet and the rest on the send timer.
#include "app/captions.h"
#include "app/control_ids.h"
#include "app/kelvara_dlg.h"
#include "transmit/auto_answer.h"
#include "transmit/frame_list_row.h"

namespace tovrin {

void CKelvaraDlg::OnAutoAnswerCheck() {
    UpdateData(true);
    if (m_bAutoAnswer) {
        // The answer runs the list once: a cyclic run would answer for ever.
        m_bCyclic = 0;
        m_controls.SetText(id::SEND_ROWS[0].button, AutoAnswerButtonCaption(m_bEnglish));
        EnableControls({id::CYCLE, id::SEND_MULTIPLE, id::STOP_SENDING, id::CONTINUE}, false);
    } else {
        for (const id::SendRowIds& row : id::SEND_ROWS) m_controls.SetText(row.button, CaptionFor(row.button, m_bEnglish));
        EnableControls({id::CYCLE, id::SEND_MULTIPLE, id::STOP_SENDING, id::CONTINUE}, true);
    }
    UpdateData(false);
}

void CKelvaraDlg::CheckAutoAnswer(const SettingsPacket& packet) {
    UpdateData(true);
    const std::optional<FrameFormat> format = SelectedFrameFormat();
    const std::optional<FrameType> type = SelectedRowFrameType(0);
    std::optional<FrameId> id = format && type ? TakeRowId(0) : std::nullopt;
    const std::optional<FrameData> data = id ? ParseFrameData(m_strRowData[0]) : std::nullopt;
    if (!data || !MatchesAutoAnswer(packet, ComposeFrame(*format, *type, std::move(*id), *data, m_strRowData[0]))) {
        UpdateData(false);
        return;
    }

    m_nFrameIndex = 0;
    if (m_listFrames.RowCount() == 0) return;
    StartSendRun();
    m_controls.Enable(id::SEND_ROWS[0].button, false);
    const std::optional<ComposedFrame> frame = ParseFrameListRow(m_listFrames.RowCells(0));
    if (!frame) {
        m_platform.StopTimer(SEND_TIMER);
        UpdateData(false);
        return;
    }

    const SettingsPacket answer = BuildAnswerPacket(*frame);
    RequestWrite(answer);
    // Placed like a received record, and shown even while sent frames are hidden.
    if (m_bDisplayOn) {
        WrapRecordCounterForSend();
        TrafficRecord record = SentRecord(m_listFrames.Cell(0, FRAME_LIST_TYPE_COLUMN),
                                          m_listFrames.Cell(0, FRAME_LIST_FORMAT_COLUMN), *frame);
        if (m_bStatisticsMode) MergeTrafficRecord(std::move(record), MergedNumber::RecordCounter);
        else AddTrafficRecord(std::move(record), true);
    }
    UpdateData(false);
    m_nFrameIndex = 1;
}

}  // namespace tovrin
