#include "app/kelvara_dlg.h"

namespace tovrin {

// Both lists edit in place; column 0 holds the row number and is never edited.
void CKelvaraDlg::PrepareEditableLists() {
    m_listFrames.AddReadOnlyColumn(0);
    m_listFrames.AddComboColumn(1);
    m_listFrames.AddComboColumn(2);
    m_listFrames.SetColumnChars(3, "0123456789abcdefABCDEF");
    m_listFrames.SetColumnChars(4, "0123456789abcdefABCDEF ");
    m_listFrames.SetOwner([this](size_t column) { return OnFrameListGetItems(column); },
                          [](size_t, size_t, const std::string&) {});

    m_listReceiveIds.AddReadOnlyColumn(0);
    m_listReceiveIds.SetColumnChars(1, "0123456789abcdefABCDEF");
    m_listReceiveIds.SetOwner([](size_t) { return std::vector<std::string>{}; },
                              [](size_t, size_t, const std::string&) {});
}

}  // namespace tovrin
