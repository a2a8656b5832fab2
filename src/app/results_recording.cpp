#include "app/results_recording.h"

#include <cstring>

#include "records/record_builder.h"

namespace klv {

void CResultsRecording::Measured(const MeasFileData& d, int index, std::uint32_t number,
                                 std::span<const MsrLogRecord> records, bool calibrationOverdue) {
    if (m_recorder == nullptr)
        return;
    const LocalTime now = m_clock.Now();
    MeasurementRecord m = BuildMeasurementRecord(d, index, number, records, &m_calibration, &now);
    m.calibrationOverdue = calibrationOverdue;
    m_recorder->Record(std::move(m));
}

EventRecord CResultsRecording::Event(RecordEventKind kind, const MeasFileData& d, int index,
                                     std::uint32_t number) {
    EventRecord e;
    e.kind = kind;
    e.channel = index + 1;
    e.number = number;
    e.at = FormatIsoDateTime(m_clock.Now());
    e.by = RecordTextToUtf8(std::string_view(d.szTester, strnlen(d.szTester, sizeof d.szTester)));
    return e;
}

void CResultsRecording::Cancelled(const MeasFileData& d, int index, std::uint32_t number) {
    if (m_recorder != nullptr)
        m_recorder->Record(Event(RecordEventKind::Cancellation, d, index, number));
}

void CResultsRecording::AddedElectrolysis(const MeasFileData& d, int index, std::uint32_t number,
                                          int layer, float before, float after) {
    if (m_recorder == nullptr)
        return;
    EventRecord e = Event(RecordEventKind::AdditionalElectrolysis, d, index, number);
    e.layer = layer;
    e.before = before;
    e.after = after;
    m_recorder->Record(e);
}

void CResultsRecording::MeasurementCorrected(const MeasFileData& d, int index, std::uint32_t number,
                                             std::span<const MsrLogRecord> before,
                                             std::span<const MsrLogRecord> after) {
    if (m_recorder == nullptr)
        return;
    for (std::size_t k = 0; k < before.size() && k < after.size(); ++k) {
        if (before[k].lMeasValue == after[k].lMeasValue && before[k].bFlags == after[k].bFlags)
            continue;
        EventRecord e = Event(RecordEventKind::Correction, d, index, number);
        e.layer = static_cast<int>(k);
        if ((before[k].bFlags & kRecordNoValue) == 0)
            e.before = before[k].lMeasValue;
        if ((after[k].bFlags & kRecordNoValue) == 0)
            e.after = after[k].lMeasValue;
        m_recorder->Record(e);
    }
}

void CResultsRecording::MeasurementsRemoved(const MeasFileData& d, int index,
                                            std::span<const std::uint32_t> numbers) {
    if (m_recorder == nullptr)
        return;
    for (std::uint32_t number : numbers)
        m_recorder->Record(Event(RecordEventKind::Removal, d, index, number));
}

std::string OutboxStatusText(const RecorderStatus& status) {
    if (status.waiting == 0)
        return {};
    return std::to_string(status.waiting) +
           (status.waiting == 1 ? " result waits" : " results wait") + " for the results database";
}

}  // namespace klv
