#include <cstdio>
#include <cstdlib>
#include <variant>
#include <vector>

#include "app/control_ids.h"
#include "app/kelvara_dlg.h"

namespace tovrin {
namespace {

enum class Bind { Text, ComboText, Check, Int, Radio };

struct Binding {
    int controlId;
    Bind kind;
    std::variant<std::string*, int*> field;
};

// "%d" of the first 63 characters: blanks and a sign may lead, digits must follow.
bool ScanInt(const std::string& text, int& out) {
    const std::string head = text.substr(0, 63);
    const char* p = head.c_str();
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v') ++p;
    const char* digits = (*p == '+' || *p == '-') ? p + 1 : p;
    if (*digits < '0' || *digits > '9') return false;
    long long value = std::strtoll(p, nullptr, 10);
    if (value > INT32_MAX) value = INT32_MAX;
    if (value < INT32_MIN) value = INT32_MIN;
    out = static_cast<int>(value);
    return true;
}

}  // namespace

// Copies controls into fields (saveAndValidate) or fields into controls, visiting the
// bindings in the window's fixed order. A numeric field that does not scan stops the
// read there; later fields keep their values.
bool CKelvaraDlg::UpdateData(bool saveAndValidate) {
    if (saveAndValidate && m_controls.ChangeCount() == m_nExchangedChanges) return true;

    std::vector<Binding> bindings = {
        {id::PORT, Bind::ComboText, &m_strPort},
        {id::COM_BAUD, Bind::ComboText, &m_strComBaud},
        {id::DATA_BITS, Bind::ComboText, &m_strDataBits},
        {id::PARITY, Bind::ComboText, &m_strParity},
        {id::STOP_BITS, Bind::ComboText, &m_strStopBits},
        {id::SEND_ROWS[0].data, Bind::Text, &m_strRowData[0]},
        {id::SEND_ROWS[0].frameType, Bind::ComboText, &m_strRow1Type},
        {id::SEND_ROWS[0].identifier, Bind::Text, &m_strRowId[0]},
        {id::FILTER_ID, Bind::Text, &m_strFilterId},
        {id::MASK_ID, Bind::Text, &m_strMaskId},
        {id::INTERVAL, Bind::Int, &m_nInterval},
        {id::CYCLE, Bind::Check, &m_bCyclic},
        {id::BUFFER_FRAMES, Bind::Int, &m_nBufferFrames},
        {id::AUTO_ANSWER, Bind::Check, &m_bAutoAnswer},
        {id::CUSTOM_BIT_RATE_CHECK, Bind::Check, &m_bCustomBitRate},
        {id::RECEIVE_ONLY, Bind::Check, &m_bReceiveOnly},
        {id::STATISTICS, Bind::Check, &m_bStatisticsMode},
        {id::BUS_STATE, Bind::Text, &m_strBusState},
        {id::NO_RETRANSMIT, Bind::Check, &m_bNoRetransmit},
    };
    for (int row = 1; row < 8; ++row) {
        bindings.push_back({id::SEND_ROWS[row].identifier, Bind::Text, &m_strRowId[row]});
        bindings.push_back({id::SEND_ROWS[row].data, Bind::Text, &m_strRowData[row]});
    }
    bindings.push_back({id::AUTO_SAVE, Bind::Check, &m_bAutoSave});
    bindings.push_back({id::AUTO_SAVE_TXT, Bind::Radio, &m_nAutoSaveFormat});
    bindings.push_back({id::CUSTOM_BIT_RATE, Bind::Text, &m_strCustomBitRate});
    bindings.push_back({id::PRESCALER, Bind::Text, &m_strPrescaler});

    for (const Binding& b : bindings) {
        const Control& c = m_controls.Get(b.controlId);
        switch (b.kind) {
            case Bind::Text:
            case Bind::ComboText: {
                std::string& field = *std::get<std::string*>(b.field);
                if (saveAndValidate) field = c.text;
                else if (b.kind == Bind::Text) m_controls.SetText(b.controlId, field);
                else m_controls.SelectByPrefixOrSetText(b.controlId, field);
                break;
            }
            case Bind::Check: {
                int& field = *std::get<int*>(b.field);
                if (saveAndValidate) field = c.check;
                else m_controls.SetCheck(b.controlId, field);
                break;
            }
            case Bind::Radio: {
                // The option buttons 1119 and 1120 form one group.
                int& field = *std::get<int*>(b.field);
                if (saveAndValidate) {
                    field = m_controls.Get(id::AUTO_SAVE_TXT).check ? 0
                            : m_controls.Get(id::AUTO_SAVE_XLS).check ? 1 : -1;
                } else {
                    m_controls.SetCheck(id::AUTO_SAVE_TXT, field == 0);
                    m_controls.SetCheck(id::AUTO_SAVE_XLS, field == 1);
                }
                break;
            }
            case Bind::Int: {
                int& field = *std::get<int*>(b.field);
                if (!saveAndValidate) {
                    m_controls.SetText(b.controlId, std::to_string(field));
                } else if (!ScanInt(c.text, field)) {
                    // Background work keeps the previous value without a box: a box per
                    // received byte would bury the user.
                    if (!m_bBackground) {
                        Message("Enter an integer.", BoxIcon::Warning);
                        m_controls.RequestFocus(b.controlId);
                    }
                    return false;
                }
                break;
            }
        }
    }
    if (saveAndValidate) m_nExchangedChanges = m_controls.ChangeCount();
    return true;
}

}  // namespace tovrin
