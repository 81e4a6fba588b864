#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "app/control_model.h"
#include "app/platform.h"
#include "app/profile.h"
#include "controls/list_model.h"
#include "link/assembler.h"
#include "link/serial_port.h"
#include "records/auto_save.h"
#include "records/placement.h"
#include "records/traffic_list.h"
#include "transmit/frame_composer.h"
#include "transmit/send_timer.h"

namespace tovrin {

namespace sim {
class VirtualConverter;
}

enum class Notify { Clicked, SelChange, TextChange, KillFocus, DoubleClick };

constexpr int REFRESH_TIMER = 4;
constexpr int REFRESH_PERIOD_MS = 200;
constexpr const char* APP_TITLE = "Tovrin V7.10A";
constexpr const char* VIRTUAL_PORT_NAME = "virtual converter (demo)";

// The main window's behaviour over a model of its controls. Every control
// notification, timer tick and received byte arrives here on the UI thread.
class CKelvaraDlg : public CSerialPort::Owner, private RxSink {
public:
    CKelvaraDlg(Platform& platform, std::string settingsPath = "cfgCANA.ini");
    ~CKelvaraDlg() override;

    // --- what a user does in the view (tests do the same) -------------------------
    void Click(int controlId);  // check and option buttons toggle first
    void Type(int controlId, const std::string& text);
    void Choose(int controlId, int index);
    void LoseFocus(int controlId);
    void DoubleClick(int controlId);
    void CloseWindow();  // close box, Alt+F4
    void SystemCommand(int command);

    // --- start-up, exchange, routing ----------------------------------------------
    void OnInitDialog();
    bool UpdateData(bool saveAndValidate);
    void Route(int controlId, Notify code);
    void OnTimer(int timerId);
    void OnRxByte(uint8_t byte, long portNumber) override;
    void OnPortError(const std::string& text, const std::string& caption) override;

    ControlModel& controls() { return m_controls; }
    const ControlModel& controls() const { return m_controls; }
    TrafficList& trafficList() { return m_listTraffic; }
    ListModel& frameList() { return m_listFrames; }
    ListModel& receiveIdList() { return m_listReceiveIds; }
    CSerialPort& port() { return m_port; }
    const Profile& profile() const { return m_profile; }
    bool english() const { return m_bEnglish; }
    int recordCounter() const { return m_nRecordCounter; }
    // Row of the traffic list the last record went to, for the view to scroll to.
    int lastPlacedRow() const { return m_nLastPlacedRow; }
    // Rows of the traffic list the view has selected, in list order; the double click
    // shows them.
    void SetTrafficSelection(std::vector<int> rows);
    const std::vector<int>& trafficSelection() const;

    // --- application shell --------------------------------------------------------
    void EnumerateSerialPorts();
    void OnOpenPort();
    void OnClosePort();
    void OnRefreshPorts();
    void OnExit();
    void OnLanguageSwitch();

    // --- traffic list, bus state, saving, number-base view --------------------------
    void OnClearList();
    void OnPause();
    void OnContinue();
    void OnBufferFramesChange();
    void OnReceiveOnly();
    void OnBusMonitor();
    void ShowBusState(const uint8_t fields[6]);
    void OnSaveRecords();
    // The traffic list's context menu: every row, in list order, as a bus log file.
    void OnExportRecords(RecordFormat format);
    void OnAutoSaveOption();
    void RollAutoSaveFile();
    // Appends the row just placed at position to the automatic file; the caller tells
    // the trouble once its placement is complete.
    RecordFileResult AppendAutoSaveRecord(int position);
    void OnTrafficListDblClk();
    // Placement at the record counter; autoSave appends the placed row to the automatic file.
    void AddTrafficRecord(TrafficRecord record, bool autoSave);
    void MergeTrafficRecord(TrafficRecord record, MergedNumber numbering = MergedNumber::RowPosition);

    // --- sending ------------------------------------------------------------------
    void OnSendRow(int row);  // 1..8
    void OnSendRowTypeChange(int row);
    void OnSendRowIdChange(int row);
    void OnSendRowDataChange(int row);
    void OnAddFrameRow();
    void OnDeleteFrameRow();
    void OnClearFrameRows();
    void OnIntervalChange();
    void OnSendMultiple();
    void OnStopSending();
    void OnSendTimer();
    void OnAutoAnswerCheck();
    void OnFrameListKillFocus();
    std::vector<std::string> OnFrameListGetItems(size_t column);
    void CheckAutoAnswer(const SettingsPacket& packet);
    void SaveFrameList();

    // --- converter configuration ----------------------------------------------------
    void RestoreBitTiming();
    void OnStandardBitRateSelect();
    void OnCustomBitRateCheck();
    void OnSegmentSelect();
    void OnPrescalerEdit();
    void OnSetAndStart();
    void OnFrameTypeSelect();
    void OnWorkModeSelect();
    void OnFilterIdEdit();
    void OnMaskIdEdit();
    void OnAddReceiveId();
    void OnDeleteReceiveId();
    void OnEnableReceiveIds();
    void OnDisableReceiveIds();
    void OnReceiveIdListKillFocus();
    void SaveReceiveIdList();
    void OnTransparent();
    void OnChangeConverterBaud();
    // Sample point of the custom timing, for the view to show by the rate display;
    // empty in standard mode.
    std::string samplePointText() const;

private:
    // RxSink: the assembler's packets.
    bool DisplayOn() const override { return m_bDisplayOn; }
    bool AutoAnswerOn() const override { return m_bAutoAnswer != 0; }
    void OnDataPacketFrame(std::span<const uint8_t> packet) override;
    void OnFramePacket(const SettingsPacket& packet) override;
    void OnBusStateReport(const uint8_t fields[6]) override;
    void OnAutoAnswerOffer(const SettingsPacket& packet) override { CheckAutoAnswer(packet); }

    void CreateControls();
    void SetRecording(bool on);
    void PrepareEditableLists();
    void RecordReceivedFrame(const CanFrame& frame);
    RecordFormat AutoSaveFormat() const;
    void TellAutoSaveTrouble(const RecordFileResult& result);
    std::string DevicePathFor(const std::string& portText, unsigned& portNumber);
    void ReleasePort();
    void FillSelector(int controlId, std::vector<std::string> entries, const std::string& section,
                      const std::string& key, int fallback);
    void ReadStartupSettings();
    void EnableControls(std::initializer_list<int> ids, bool enabled);
    BoxResult Message(const std::string& text, BoxIcon icon = BoxIcon::Warning,
                      BoxButtons buttons = BoxButtons::Ok);
    void RequestWrite(std::span<const uint8_t> bytes);

    // converter configuration: the two bit-rate modes and an accepted custom timing
    void ShowBitTimingMode(bool custom);
    void AcceptCustomTiming(bool emptyRateWhenRefused);
    bool TakePrescalerField(const std::string& previous);
    std::string CustomRateText() const;
    void StoreBitTiming(const std::string& rateText);

    // sending: the frame the controls describe, and the send path every sender takes
    std::optional<FrameFormat> SelectedFrameFormat() const;
    std::optional<FrameType> SelectedRowFrameType(int rowIndex) const;
    std::optional<FrameId> TakeRowId(int rowIndex);
    void TransmitDataPacket(const ComposedFrame& frame);
    void RecordSentFrame(const std::string& frameType, const std::string& frameFormat, const ComposedFrame& frame);
    TrafficRecord SentRecord(const std::string& frameType, const std::string& frameFormat,
                             const ComposedFrame& frame) const;
    void WrapRecordCounterForSend();
    bool SendFrameListRow(size_t row);
    void StartSendRun();
    void EndSendRun();

    Platform& m_platform;
    Profile m_profile;
    ControlModel m_controls;
    uint64_t m_nExchangedChanges = UINT64_MAX;  // change count at the last clean read exchange
    bool m_bBackground = false;                 // a byte or a tick is being handled

    // application shell
    std::string m_strPort, m_strComBaud, m_strDataBits, m_strParity, m_strStopBits;
    CSerialPort m_port;
    std::unique_ptr<sim::VirtualConverter> m_virtualConverter;
    bool m_bPortOpen = false;
    bool m_bEnglish = false;

    // receive assembly
    RxAssembler m_rx;

    // traffic list
    TrafficList m_listTraffic;
    int m_nRecordCounter = 0;
    int m_nBufferFrames = 5000;
    bool m_bDisplayOn = true;
    int m_bReceiveOnly = 0;
    int m_bStatisticsMode = 0;
    bool m_bRecordsChanged = false;
    int m_nLastPlacedRow = -1;
    std::vector<int> m_trafficSelection;

    // bus state
    std::string m_strBusState = "正常";

    // record saving
    int m_bAutoSave = 0;
    int m_nAutoSaveFormat = 0;
    AutoSaveFile m_autoSaveFile;
    bool m_bAutoSaveTroubleTold = false;  // the current automatic file has had its one box

    // send rows: row 1 keeps its drop-down text too
    std::string m_strRow1Type;
    std::string m_strRowId[8];
    std::string m_strRowData[8];

    // frame list and automatic answer
    ListModel m_listFrames;
    int m_nInterval = 1000;
    int m_bCyclic = 0;
    int m_bAutoAnswer = 0;
    int m_nFrameIndex = 0;

    // start command
    std::string m_strFilterId = "00000000";
    std::string m_strMaskId = "00000000";
    int m_bNoRetransmit = 0;

    // bit timing
    int m_bCustomBitRate = 0;
    std::string m_strCustomBitRate;
    std::string m_strPrescaler;
    int m_nPrescaler = 3;

    // receive identifiers
    ListModel m_listReceiveIds;
};

}  // namespace tovrin
