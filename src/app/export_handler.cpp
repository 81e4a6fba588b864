// Exporting the whole traffic list as a bus log, from the list's context menu.
#include <algorithm>
#include <optional>
#include <string>

#include "app/captions.h"
#include "app/kelvara_dlg.h"
#include "app/record_file_notice.h"
#include "records/save_path.h"

namespace tovrin {

void CKelvaraDlg::OnExportRecords(RecordFormat format) {
    const auto entries = ExportMenuEntries();
    const auto entry = std::ranges::find(entries, format, &ExportEntry::format);
    if (entry == entries.end()) return;  // the window's own record files are saved by Save
    const std::string fileType = m_bEnglish ? entry->englishFileType : entry->chineseFileType;
    const std::string filter = fileType + " (*" + std::string(RecordFileExtension(format)) + ")";
    const std::optional<SaveChoice> choice = m_platform.AskSaveFile({filter});
    if (!choice) return;
    const std::string path = ExportPathFor(choice->path, format);
    const RecordFileResult result = MakeRecordWriter(format, path, m_bEnglish)->Create(m_listTraffic);
    if (const std::optional<std::string> notice = RecordFileNotice(result, path, m_bEnglish)) Message(*notice);
}

}  // namespace tovrin
