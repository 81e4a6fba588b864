// Saving the traffic list to record files, by hand and automatically.
#include <optional>
#include <string>

#include "app/kelvara_dlg.h"
#include "app/record_file_notice.h"
#include "records/save_path.h"

namespace tovrin {

void CKelvaraDlg::OnSaveRecords() {
    UpdateData(true);
    const std::optional<SaveChoice> choice = m_platform.AskSaveFile({"文本文档 (*.txt)", "Eecel工作簿 (*.xls)"});
    if (!choice) return;
    const SaveTarget target = SavePathFor(choice->path, choice->filterIndex);
    if (!target.format) return;
    const RecordFileResult result = MakeRecordWriter(*target.format, target.path, m_bEnglish)->Create(m_listTraffic);
    if (const std::optional<std::string> notice = RecordFileNotice(result, target.path, m_bEnglish)) Message(*notice);
}

RecordFormat CKelvaraDlg::AutoSaveFormat() const {
    return m_nAutoSaveFormat == 0 ? RecordFormat::Text : RecordFormat::Workbook;
}

void CKelvaraDlg::OnAutoSaveOption() {
    UpdateData(true);
    if (!m_bAutoSave) return;
    m_bAutoSaveTroubleTold = false;
    TellAutoSaveTrouble(m_autoSaveFile.Start(AutoSaveFormat(), m_platform.Now(), m_listTraffic, m_bEnglish));
}

// Runs with the counter just set back to 0, before the new row replaces the oldest.
void CKelvaraDlg::RollAutoSaveFile() {
    if (!m_bAutoSave) return;
    m_bAutoSaveTroubleTold = false;
    TellAutoSaveTrouble(m_autoSaveFile.Roll(AutoSaveFormat(), m_platform.Now(), m_listTraffic, m_bEnglish));
}

RecordFileResult CKelvaraDlg::AppendAutoSaveRecord(int position) {
    if (!m_bAutoSave) return {};
    return m_autoSaveFile.Append(m_listTraffic.row(position));
}

// A failing automatic file is told once, however many records it refuses.
void CKelvaraDlg::TellAutoSaveTrouble(const RecordFileResult& result) {
    if (m_bAutoSaveTroubleTold) return;
    const std::optional<std::string> notice = RecordFileNotice(result, m_autoSaveFile.fileName(), m_bEnglish);
    if (!notice) return;
    m_bAutoSaveTroubleTold = true;  // before the box, which lets more records in
    Message(*notice);
}

}  // namespace tovrin
