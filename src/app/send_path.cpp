// The path every sent frame takes: its packet to the port, its record to the traffic list.
#include "app/kelvara_dlg.h"
#include "records/frame_texts.h"

namespace tovrin {

void CKelvaraDlg::TransmitDataPacket(const ComposedFrame& frame) { RequestWrite(BuildDataPacket(ToCanFrame(frame))); }

// The No text is left to placement.
TrafficRecord CKelvaraDlg::SentRecord(const std::string& frameType, const std::string& frameFormat,
                                      const ComposedFrame& frame) const {
    const LocalTime now = m_platform.Now();
    TrafficRecord record;
    record[TrafficColumn::Direction] = DirectionText(Direction::Send, m_bEnglish);
    record[TrafficColumn::TimeScale] = TimeScaleText(now);
    record[TrafficColumn::FrameType] = frameType;
    record[TrafficColumn::FrameFormat] = frameFormat;
    record[TrafficColumn::FrameId] = frame.id.text;
    record[TrafficColumn::DataLength] = frame.lengthText;
    record[TrafficColumn::Data] = frame.dataText;
    record.epochMicros = now.epochMicros;
    record.frame = ToCanFrame(frame);
    record.direction = Direction::Send;
    return record;
}

// Every sender starts a new automatic file when its record wraps the counter.
void CKelvaraDlg::WrapRecordCounterForSend() {
    if (WrapRecordCounter(m_nRecordCounter, m_nBufferFrames)) RollAutoSaveFile();
}

void CKelvaraDlg::RecordSentFrame(const std::string& frameType, const std::string& frameFormat,
                                  const ComposedFrame& frame) {
    if (!m_bDisplayOn) return;
    WrapRecordCounterForSend();
    // A hidden sent frame still takes its number, so the numbers show the gap.
    if (m_bReceiveOnly) ++m_nRecordCounter;
    else AddTrafficRecord(SentRecord(frameType, frameFormat, frame), true);
    UpdateData(false);
}

}  // namespace tovrin
