// The traffic list: received frames placed in it, and the controls around it.
#include "app/control_ids.h"
#include "app/kelvara_dlg.h"
#include "records/received_record.h"

namespace tovrin {

// Received rows take part in automatic saving whichever packet carried them, so
// the automatic file holds the whole traffic, not only the 0x01 packets.
void CKelvaraDlg::RecordReceivedFrame(const CanFrame& frame) {
    if (WrapRecordCounter(m_nRecordCounter, m_nBufferFrames)) RollAutoSaveFile();
    TrafficRecord record = ReceivedRecord(frame, m_platform.Now(), m_bEnglish);
    if (m_bStatisticsMode) MergeTrafficRecord(std::move(record));
    else AddTrafficRecord(std::move(record), true);
    m_bRecordsChanged = true;
}

void CKelvaraDlg::AddTrafficRecord(TrafficRecord record, bool autoSave) {
    RecordFileResult saved;
    SavingStep saveRow;
    if (autoSave) saveRow = [&](int position) { saved = AppendAutoSaveRecord(position); };
    m_nLastPlacedRow = tovrin::AddTrafficRecord(m_listTraffic, m_nRecordCounter, std::move(record), saveRow);
    // Told only now: the box lets more records in, and they must find the counter moved on.
    TellAutoSaveTrouble(saved);
}

void CKelvaraDlg::MergeTrafficRecord(TrafficRecord record, MergedNumber numbering) {
    m_nLastPlacedRow = tovrin::MergeTrafficRecord(m_listTraffic, m_nRecordCounter, std::move(record), numbering);
}

void CKelvaraDlg::OnClearList() {
    UpdateData(true);
    m_nRecordCounter = 0;
    m_listTraffic.Clear();
    m_nLastPlacedRow = -1;
    UpdateData(false);
}

void CKelvaraDlg::OnPause() { SetRecording(false); }

void CKelvaraDlg::OnContinue() { SetRecording(true); }

// Pause and Continue: exactly one of the two buttons is usable.
void CKelvaraDlg::SetRecording(bool on) {
    UpdateData(true);
    m_controls.Enable(id::PAUSE, on);
    m_controls.Enable(id::CONTINUE, !on);
    m_bDisplayOn = on;
    UpdateData(false);
}

void CKelvaraDlg::OnBufferFramesChange() {
    UpdateData(true);
    m_profile.WriteText("RECEIVE SETTING", "Total", std::to_string(m_nBufferFrames));
}

// Statistics mode replaces rows by identifier, which only makes sense while sent
// frames stay out of the list.
void CKelvaraDlg::OnReceiveOnly() {
    UpdateData(true);
    m_controls.Enable(id::STATISTICS, m_bReceiveOnly != 0);
    if (!m_bReceiveOnly) m_bStatisticsMode = 0;
    UpdateData(false);
}

}  // namespace tovrin
