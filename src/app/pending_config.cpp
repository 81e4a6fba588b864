// Handlers whose behaviour lands with the converter-configuration work; empty until then.
#include "app/kelvara_dlg.h"

namespace tovrin {

void CKelvaraDlg::RestoreBitTiming() {}
void CKelvaraDlg::OnStandardBitRateSelect() {}
void CKelvaraDlg::OnCustomBitRateCheck() {}
void CKelvaraDlg::OnSegmentSelect() {}
void CKelvaraDlg::OnPrescalerEdit() {}
void CKelvaraDlg::OnSetAndStart() {}
void CKelvaraDlg::OnFrameTypeSelect() {}
void CKelvaraDlg::OnWorkModeSelect() {}
void CKelvaraDlg::OnFilterIdEdit() {}
void CKelvaraDlg::OnMaskIdEdit() {}
void CKelvaraDlg::OnAddReceiveId() {}
void CKelvaraDlg::OnDeleteReceiveId() {}
void CKelvaraDlg::OnEnableReceiveIds() {}
void CKelvaraDlg::OnDisableReceiveIds() {}
void CKelvaraDlg::OnReceiveIdListKillFocus() {}
void CKelvaraDlg::SaveReceiveIdList() {}
void CKelvaraDlg::OnTransparent() {}
void CKelvaraDlg::OnChangeConverterBaud() {}

}  // namespace tovrin
