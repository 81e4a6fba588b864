// Handlers whose behaviour lands with the sending work; empty until then.
#include "app/kelvara_dlg.h"

namespace tovrin {

void CKelvaraDlg::OnSendRow(int) {}
void CKelvaraDlg::OnSendRowTypeChange(int) {}
void CKelvaraDlg::OnSendRowIdChange(int) {}
void CKelvaraDlg::OnSendRowDataChange(int) {}
void CKelvaraDlg::OnAddFrameRow() {}
void CKelvaraDlg::OnDeleteFrameRow() {}
void CKelvaraDlg::OnClearFrameRows() {}
void CKelvaraDlg::OnIntervalChange() {}
void CKelvaraDlg::OnSendMultiple() {}
void CKelvaraDlg::OnStopSending() {}
void CKelvaraDlg::OnSendTimer() {}
void CKelvaraDlg::OnAutoAnswerCheck() {}
void CKelvaraDlg::OnFrameListKillFocus() {}
std::vector<std::string> CKelvaraDlg::OnFrameListGetItems(size_t) { return {}; }
void CKelvaraDlg::CheckAutoAnswer(const SettingsPacket&) {}
void CKelvaraDlg::SaveFrameList() {}

}  // namespace tovrin
