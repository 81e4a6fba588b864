// Handlers whose behaviour lands with the traffic-records work; empty until then.
#include "app/kelvara_dlg.h"

namespace tovrin {

void CKelvaraDlg::RecordReceivedFrame(const CanFrame&, bool) {}
void CKelvaraDlg::OnClearList() {}
void CKelvaraDlg::OnPause() {}
void CKelvaraDlg::OnContinue() {}
void CKelvaraDlg::OnBufferFramesChange() {}
void CKelvaraDlg::OnReceiveOnly() {}
void CKelvaraDlg::OnBusMonitor() {}
void CKelvaraDlg::ShowBusState(const uint8_t[6]) {}
void CKelvaraDlg::OnSaveRecords() {}
void CKelvaraDlg::OnAutoSaveOption() {}
void CKelvaraDlg::RollAutoSaveFile() {}
void CKelvaraDlg::AppendAutoSaveRecord() {}
void CKelvaraDlg::OnTrafficListDblClk() {}
void CKelvaraDlg::AddTrafficRecord(TrafficRecord, bool) {}
void CKelvaraDlg::MergeTrafficRecord(TrafficRecord, MergedNumber) {}

}  // namespace tovrin
