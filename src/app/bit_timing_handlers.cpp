#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/kelvara_dlg.h"
#include "app/selector_restore.h"
#include "config/bilingual_text.h"
#include "config/bit_timing.h"

namespace tovrin {
namespace {

constexpr BilingualText SAMPLE_POINT_LABEL{"采样点 ", "Sample point "};

template <typename Texts>
std::vector<std::string> EntriesOf(const Texts& texts) {
    return {texts.begin(), texts.end()};
}

std::vector<std::string> StandardRateTexts() {
    std::vector<std::string> texts;
    for (const StandardBitRate& rate : STANDARD_BIT_RATES) texts.emplace_back(rate.text);
    return texts;
}

}  // namespace

// Out-of-range stored segments are clamped; a stored prescaler text that is not
// accepted is shown as it is, and the custom start sends 12 until one is accepted.
void CKelvaraDlg::RestoreBitTiming() {
    m_controls.SetItems(id::SJW, EntriesOf(SJW_ENTRY_TEXTS));
    m_controls.Select(id::SJW, 0);
    m_controls.SetItems(id::BS1, EntriesOf(BS1_ENTRY_TEXTS));
    m_controls.SetItems(id::BS2, EntriesOf(Bs2EntryTexts()));
    m_controls.SetItems(id::STANDARD_BIT_RATE, StandardRateTexts());

    m_bCustomBitRate = m_profile.ReadInt("CAN", "AUTO SET CAN BSP", 0) > 0;
    const std::string rate = m_profile.ReadText("CAN", "CAN Baud rate", "250kbps");
    if (m_bCustomBitRate) {
        m_strCustomBitRate = rate;
        m_controls.Select(id::STANDARD_BIT_RATE, -1);
    } else {
        const int found = FindBySelectorRule(m_controls.Get(id::STANDARD_BIT_RATE).items, rate);
        m_controls.Select(id::STANDARD_BIT_RATE, found >= 0 ? found : DEFAULT_STANDARD_ENTRY);
    }
    ShowBitTimingMode(m_bCustomBitRate);

    m_controls.Select(id::BS1, ClampBs1Entry(m_profile.ReadInt("CAN", "BP1", DEFAULT_BS1_ENTRY)));
    m_controls.Select(id::BS2, ClampBs2Entry(m_profile.ReadInt("CAN", "BP2", DEFAULT_BS2_ENTRY)));
    m_strPrescaler = m_profile.ReadText("CAN", "Pre F", std::to_string(DEFAULT_PRESCALER));
    m_nPrescaler = StartUpPrescaler(m_strPrescaler);
}

void CKelvaraDlg::ShowBitTimingMode(bool custom) {
    for (int timing : {id::BS1, id::BS2, id::PRESCALER}) m_controls.Enable(timing, custom);
    m_controls.Show(id::CUSTOM_BIT_RATE, custom);
    m_controls.Show(id::STANDARD_BIT_RATE, !custom);
}

void CKelvaraDlg::OnStandardBitRateSelect() {
    UpdateData(true);
    if (const auto rate = StandardBitRateAt(m_controls.Get(id::STANDARD_BIT_RATE).selection)) {
        m_controls.Select(id::BS1, rate->bs1Entry);
        m_controls.Select(id::BS2, rate->bs2Entry);
        m_nPrescaler = rate->prescaler;
    }
    m_strPrescaler = std::to_string(m_nPrescaler);
    UpdateData(false);
    StoreBitTiming(m_controls.Get(id::STANDARD_BIT_RATE).text);
}

void CKelvaraDlg::OnCustomBitRateCheck() {
    const std::string previous = m_strPrescaler;
    UpdateData(true);
    m_profile.WriteText("CAN", "AUTO SET CAN BSP", std::to_string(m_bCustomBitRate));
    ShowBitTimingMode(m_bCustomBitRate);

    if (m_bCustomBitRate) {
        UpdateData(true);
        if (!TakePrescalerField(previous)) m_strCustomBitRate.clear();
        UpdateData(false);
        return;
    }
    // After a start in custom mode the list has no entry yet: take the one the custom
    // timing matches, so that leaving custom mode keeps the rate where it can.
    if (m_controls.Get(id::STANDARD_BIT_RATE).selection < 0)
        m_controls.Select(id::STANDARD_BIT_RATE, StandardEntryForTiming(m_controls.Get(id::BS1).selection,
                                                                        m_controls.Get(id::BS2).selection,
                                                                        m_nPrescaler));
    OnStandardBitRateSelect();
}

void CKelvaraDlg::OnSegmentSelect() { AcceptCustomTiming(true); }

void CKelvaraDlg::OnPrescalerEdit() { AcceptCustomTiming(false); }

// Only an accepted timing is stored.
void CKelvaraDlg::AcceptCustomTiming(bool emptyRateWhenRefused) {
    const std::string previous = m_strPrescaler;
    UpdateData(true);
    if (TakePrescalerField(previous)) StoreBitTiming(m_strCustomBitRate);
    else if (emptyRateWhenRefused) m_strCustomBitRate.clear();
    UpdateData(false);
}

// An accepted prescaler text becomes the prescaler and the rate display follows; a
// refused one (or an emptied field) brings the previous text back.
bool CKelvaraDlg::TakePrescalerField(const std::string& previous) {
    const PrescalerDecision decision = DecidePrescaler(previous, m_strPrescaler);
    m_strPrescaler = decision.text;
    if (!decision.accepted) return false;
    m_nPrescaler = *decision.accepted;
    m_strCustomBitRate = CustomRateText();
    return true;
}

std::string CKelvaraDlg::CustomRateText() const {
    return FormatCanBitRate(ComputeCustomRate(m_controls.Get(id::SJW).selection, m_controls.Get(id::BS1).selection,
                                              m_controls.Get(id::BS2).selection, m_nPrescaler));
}

void CKelvaraDlg::StoreBitTiming(const std::string& rateText) {
    m_profile.WriteText("CAN", "BP1", std::to_string(m_controls.Get(id::BS1).selection));
    m_profile.WriteText("CAN", "BP2", std::to_string(m_controls.Get(id::BS2).selection));
    m_profile.WriteText("CAN", "Pre F", m_strPrescaler);
    m_profile.WriteText("CAN", "CAN Baud rate", rateText);
}

std::string CKelvaraDlg::samplePointText() const {
    if (!m_bCustomBitRate) return {};
    return std::string(SAMPLE_POINT_LABEL.For(m_bEnglish)) +
           SamplePointText(m_controls.Get(id::BS1).selection, m_controls.Get(id::BS2).selection);
}

}  // namespace tovrin
