#include <array>

#include "app/control_ids.h"
#include "app/kelvara_dlg.h"

namespace tovrin {
namespace {

struct RouteEntry {
    int controlId;
    Notify code;
    void (*handler)(CKelvaraDlg&);
};

template <void (CKelvaraDlg::*Method)()>
void Call(CKelvaraDlg& dlg) {
    (dlg.*Method)();
}

template <int Row>
constexpr std::array<RouteEntry, 4> SendRowRoutes() {
    constexpr id::SendRowIds ids = id::SEND_ROWS[Row];
    return {{
        {ids.button, Notify::Clicked, [](CKelvaraDlg& d) { d.OnSendRow(Row + 1); }},
        {ids.frameType, Notify::SelChange, [](CKelvaraDlg& d) { d.OnSendRowTypeChange(Row + 1); }},
        {ids.identifier, Notify::TextChange, [](CKelvaraDlg& d) { d.OnSendRowIdChange(Row + 1); }},
        {ids.data, Notify::TextChange, [](CKelvaraDlg& d) { d.OnSendRowDataChange(Row + 1); }},
    }};
}

using D = CKelvaraDlg;
constexpr RouteEntry kRoutes[] = {
    {id::OPEN, Notify::Clicked, Call<&D::OnOpenPort>},
    {id::CLOSE, Notify::Clicked, Call<&D::OnClosePort>},
    {id::REFRESH, Notify::Clicked, Call<&D::OnRefreshPorts>},
    {id::EXIT, Notify::Clicked, Call<&D::OnExit>},
    {id::CLEAR_LIST, Notify::Clicked, Call<&D::OnClearList>},
    {id::PAUSE, Notify::Clicked, Call<&D::OnPause>},
    {id::CONTINUE, Notify::Clicked, Call<&D::OnContinue>},
    {id::BUFFER_FRAMES, Notify::TextChange, Call<&D::OnBufferFramesChange>},
    {id::RECEIVE_ONLY, Notify::Clicked, Call<&D::OnReceiveOnly>},
    {id::BUS_MONITOR, Notify::Clicked, Call<&D::OnBusMonitor>},
    {id::SAVE, Notify::Clicked, Call<&D::OnSaveRecords>},
    {id::AUTO_SAVE, Notify::Clicked, Call<&D::OnAutoSaveOption>},
    {id::AUTO_SAVE_TXT, Notify::Clicked, Call<&D::OnAutoSaveOption>},
    {id::AUTO_SAVE_XLS, Notify::Clicked, Call<&D::OnAutoSaveOption>},
    {id::TRAFFIC_LIST, Notify::DoubleClick, Call<&D::OnTrafficListDblClk>},
    {id::FRAMES_CLEAR, Notify::Clicked, Call<&D::OnClearFrameRows>},
    {id::FRAMES_ADD, Notify::Clicked, Call<&D::OnAddFrameRow>},
    {id::FRAMES_DELETE, Notify::Clicked, Call<&D::OnDeleteFrameRow>},
    {id::SEND_MULTIPLE, Notify::Clicked, Call<&D::OnSendMultiple>},
    {id::STOP_SENDING, Notify::Clicked, Call<&D::OnStopSending>},
    {id::AUTO_ANSWER, Notify::Clicked, Call<&D::OnAutoAnswerCheck>},
    {id::INTERVAL, Notify::TextChange, Call<&D::OnIntervalChange>},
    {id::FRAME_LIST, Notify::KillFocus, Call<&D::OnFrameListKillFocus>},
    {id::CUSTOM_BIT_RATE_CHECK, Notify::Clicked, Call<&D::OnCustomBitRateCheck>},
    {id::STANDARD_BIT_RATE, Notify::SelChange, Call<&D::OnStandardBitRateSelect>},
    {id::BS1, Notify::SelChange, Call<&D::OnSegmentSelect>},
    {id::BS2, Notify::SelChange, Call<&D::OnSegmentSelect>},
    {id::PRESCALER, Notify::TextChange, Call<&D::OnPrescalerEdit>},
    {id::SET_AND_START, Notify::Clicked, Call<&D::OnSetAndStart>},
    {id::FRAME_TYPE, Notify::SelChange, Call<&D::OnFrameTypeSelect>},
    {id::WORK_MODE, Notify::SelChange, Call<&D::OnWorkModeSelect>},
    {id::FILTER_ID, Notify::TextChange, Call<&D::OnFilterIdEdit>},
    {id::MASK_ID, Notify::TextChange, Call<&D::OnMaskIdEdit>},
    {id::RECEIVE_ID_ADD, Notify::Clicked, Call<&D::OnAddReceiveId>},
    {id::RECEIVE_ID_DELETE, Notify::Clicked, Call<&D::OnDeleteReceiveId>},
    {id::RECEIVE_ID_ENABLE, Notify::Clicked, Call<&D::OnEnableReceiveIds>},
    {id::RECEIVE_ID_DISABLE, Notify::Clicked, Call<&D::OnDisableReceiveIds>},
    {id::RECEIVE_ID_LIST, Notify::KillFocus, Call<&D::OnReceiveIdListKillFocus>},
    {id::TRANSPARENT, Notify::Clicked, Call<&D::OnTransparent>},
    {id::CHANGE_BAUD, Notify::Clicked, Call<&D::OnChangeConverterBaud>},
    {id::LANGUAGE, Notify::Clicked, Call<&D::OnLanguageSwitch>},
};

constexpr auto kRow1 = SendRowRoutes<0>(), kRow2 = SendRowRoutes<1>(), kRow3 = SendRowRoutes<2>(),
               kRow4 = SendRowRoutes<3>(), kRow5 = SendRowRoutes<4>(), kRow6 = SendRowRoutes<5>(),
               kRow7 = SendRowRoutes<6>(), kRow8 = SendRowRoutes<7>();
constexpr const std::array<RouteEntry, 4>* kRowRoutes[] = {&kRow1, &kRow2, &kRow3, &kRow4,
                                                           &kRow5, &kRow6, &kRow7, &kRow8};

}  // namespace

void CKelvaraDlg::Route(int controlId, Notify code) {
    for (const RouteEntry& r : kRoutes)
        if (r.controlId == controlId && r.code == code) return r.handler(*this);
    for (const auto* rows : kRowRoutes)
        for (const RouteEntry& r : *rows)
            if (r.controlId == controlId && r.code == code) return r.handler(*this);
}

void CKelvaraDlg::Click(int controlId) {
    const Control& c = m_controls.Get(controlId);
    if (!c.enabled || !c.visible) return;
    if (c.kind == ControlKind::CheckBox) m_controls.SetCheck(controlId, c.check ? 0 : 1);
    if (c.kind == ControlKind::OptionButton) {
        m_controls.SetCheck(id::AUTO_SAVE_TXT, controlId == id::AUTO_SAVE_TXT);
        m_controls.SetCheck(id::AUTO_SAVE_XLS, controlId == id::AUTO_SAVE_XLS);
    }
    Route(controlId, Notify::Clicked);
}

void CKelvaraDlg::Type(int controlId, const std::string& text) {
    const Control& c = m_controls.Get(controlId);
    if (!c.enabled || c.readOnly || c.text == text) return;
    m_controls.SetText(controlId, text);
    Route(controlId, Notify::TextChange);
}

void CKelvaraDlg::Choose(int controlId, int index) {
    if (!m_controls.Get(controlId).enabled) return;
    m_controls.Select(controlId, index);
    Route(controlId, Notify::SelChange);
}

void CKelvaraDlg::LoseFocus(int controlId) { Route(controlId, Notify::KillFocus); }

void CKelvaraDlg::DoubleClick(int controlId) { Route(controlId, Notify::DoubleClick); }

}  // namespace tovrin
