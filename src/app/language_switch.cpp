#include "app/captions.h"
#include "app/control_ids.h"
#include "app/kelvara_dlg.h"
#include "app/selector_restore.h"
#include "controls/list_syntax.h"
#include "records/bus_state_text.h"
#include "records/frame_texts.h"

namespace tovrin {
namespace {

std::vector<ListColumn> ColumnsOf(std::span<const Heading> headings, bool english) {
    std::vector<ListColumn> columns;
    for (const Heading& h : headings)
        columns.push_back({english ? h.english : h.chinese, english ? h.englishWidth : h.chineseWidth});
    return columns;
}

}  // namespace

void CKelvaraDlg::FillSelector(int controlId, std::vector<std::string> entries, const std::string& section,
                               const std::string& key, int fallback) {
    m_controls.SetItems(controlId, std::move(entries));
    const int found = FindBySelectorRule(m_controls.Get(controlId).items, m_profile.ReadText(section, key, ""));
    m_controls.Select(controlId, found >= 0 ? found : fallback);
}

void CKelvaraDlg::OnLanguageSwitch() {
    m_bEnglish = !m_bEnglish;
    const bool en = m_bEnglish;

    FillSelector(id::FRAME_TYPE, FrameFormatEntries(en), "CAN", "TYPE", 1);
    for (int row = 0; row < 8; ++row) {
        const std::string key = row == 0 ? "FORMAT" : "FORMAT" + std::to_string(row);
        FillSelector(id::SEND_ROWS[row].frameType, FrameTypeEntries(en), "SEND SETTING", key, 0);
    }
    FillSelector(id::WORK_MODE, WorkModeEntries(en), "CAN", "MODE", 0);

    std::vector<std::string> headings;
    for (const Heading& h : TrafficListHeadings()) headings.push_back(en ? h.english : h.chinese);
    m_controls.SetItems(id::TRAFFIC_LIST, headings);

    m_listReceiveIds.SetColumns(ColumnsOf(ReceiveIdListHeadings(), en));
    m_listReceiveIds.ReplaceRows(
        ParseListValue(m_profile.ReadText("RECEIVE SETTING", "cfgCANA.ini RECEIVE ID", "", 4096), 2));
    m_listFrames.SetColumns(ColumnsOf(FrameListHeadings(), en));
    m_listFrames.ReplaceRows(ParseListValue(m_profile.ReadText("SEND SETTING", "MUL FLAMES", "", 4096), 5));

    UpdateData(true);
    for (const Caption& c : CaptionTable()) m_controls.SetText(c.id, en ? c.english : c.chinese);
    m_strBusState = BusStateNormalText(en);
    if (m_bAutoAnswer) m_controls.SetText(id::SEND_ROWS[0].button, AutoAnswerButtonCaption(en));
    UpdateData(false);
}

}  // namespace tovrin
