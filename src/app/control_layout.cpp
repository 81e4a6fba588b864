#include "app/captions.h"
#include "app/control_ids.h"
#include "app/kelvara_dlg.h"

namespace tovrin {

// Every control of the window with its kind; captions start as the Chinese ones and
// the language switch at start-up turns them English.
void CKelvaraDlg::CreateControls() {
    using K = ControlKind;
    auto add = [this](int controlId, K kind) -> Control& {
        return m_controls.Add(controlId, kind, CaptionFor(controlId, false));
    };

    for (int group : {id::PORT_GROUP, id::CAN_GROUP, id::RECEIVE_ID_GROUP, id::FRAMES_GROUP, id::BUS_STATE_GROUP})
        add(group, K::Group);
    for (int label : {id::PORT_LABEL, id::COM_BAUD_LABEL, id::MODE_LABEL, id::TYPE_LABEL, id::CAN_BPS_LABEL,
                      id::FILTER_LABEL, id::MASK_LABEL, id::SJW_LABEL, id::BS1_LABEL, id::BS2_LABEL,
                      id::PRESCALER_LABEL, id::PRESCALER_LIMIT_LABEL, id::FORMULA_LABEL, id::TOTAL_LABEL,
                      id::INTERVAL_LABEL})
        add(label, K::Static);
    for (int button : {id::EXIT, id::CHANGE_BAUD, id::REFRESH, id::CLOSE, id::OPEN, id::TRANSPARENT,
                       id::SET_AND_START, id::CLEAR_LIST, id::PAUSE, id::CONTINUE, id::SAVE, id::RECEIVE_ID_DELETE,
                       id::RECEIVE_ID_ADD, id::RECEIVE_ID_DISABLE, id::RECEIVE_ID_ENABLE, id::FRAMES_CLEAR,
                       id::FRAMES_DELETE, id::FRAMES_ADD, id::STOP_SENDING, id::SEND_MULTIPLE, id::LANGUAGE,
                       id::BUS_MONITOR})
        add(button, K::Button);
    for (int box : {id::CUSTOM_BIT_RATE_CHECK, id::NO_RETRANSMIT, id::RECEIVE_ONLY, id::STATISTICS, id::AUTO_SAVE,
                    id::CYCLE, id::AUTO_ANSWER})
        add(box, K::CheckBox);
    add(id::AUTO_SAVE_TXT, K::OptionButton).text = "txt";
    add(id::AUTO_SAVE_XLS, K::OptionButton).text = "xls";

    add(id::PORT, K::DropDown);
    add(id::COM_BAUD, K::DropDown);
    for (int framing : {id::DATA_BITS, id::PARITY, id::STOP_BITS}) add(framing, K::DropList).enabled = false;
    for (int selector : {id::WORK_MODE, id::FRAME_TYPE, id::STANDARD_BIT_RATE, id::SJW, id::BS1, id::BS2})
        add(selector, K::DropList);
    m_controls.Enable(id::SJW, false);

    add(id::CUSTOM_BIT_RATE, K::Edit).readOnly = true;
    add(id::FILTER_ID, K::Edit);
    add(id::MASK_ID, K::Edit);
    add(id::PRESCALER, K::Edit).digitsOnly = true;
    add(id::BUFFER_FRAMES, K::Edit).digitsOnly = true;
    add(id::INTERVAL, K::Edit);
    add(id::BUS_STATE, K::MultiLineEdit).readOnly = true;

    for (int list : {id::TRAFFIC_LIST, id::RECEIVE_ID_LIST, id::FRAME_LIST}) add(list, K::List);

    for (const id::SendRowIds& row : id::SEND_ROWS) {
        for (int label : {row.typeLabel, row.idLabel, row.dataLabel}) add(label, K::Static);
        add(row.frameType, K::DropList);
        add(row.identifier, K::Edit);
        add(row.data, K::MultiLineEdit);
        add(row.button, K::Button);
    }

    // Laid out but never shown.
    for (int hidden : {id::DATA_BITS, id::PARITY, id::STOP_BITS, id::LANGUAGE, id::TRANSPARENT, id::AUTO_SAVE_TXT,
                       id::AUTO_SAVE_XLS})
        m_controls.Show(hidden, false);
}

}  // namespace tovrin
