#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/clock.h"
#include "records/results_recorder.h"
#include "reference/calibration_store.h"
#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"
#include "stats/statistics_session.h"

namespace klv {

// What the program did to its data logs, told to the lab's results; nothing while no
// recorder is set. Every call comes after the log took the change.
class CResultsRecording final : public StoredDataChanges {
public:
    CResultsRecording(const CalibrationStore& calibration, Clock& clock)
        : m_calibration(calibration), m_clock(clock) {}

    void SetRecorder(CResultsRecorder* recorder) { m_recorder = recorder; }
    CResultsRecorder* Recorder() const { return m_recorder; }

    // `number` is the measurement's data number (1-based); `index` the channel's (0-49);
    // `calibrationOverdue` whether it was taken while the gasket's calibration was due.
    void Measured(const MeasFileData& d, int index, std::uint32_t number,
                  std::span<const MsrLogRecord> records, bool calibrationOverdue = false);
    void Cancelled(const MeasFileData& d, int index, std::uint32_t number);
    void AddedElectrolysis(const MeasFileData& d, int index, std::uint32_t number, int layer,
                           float before, float after);

    // StoredDataChanges
    void MeasurementCorrected(const MeasFileData& d, int index, std::uint32_t number,
                              std::span<const MsrLogRecord> before,
                              std::span<const MsrLogRecord> after) override;
    void MeasurementsRemoved(const MeasFileData& d, int index,
                             std::span<const std::uint32_t> numbers) override;

private:
    EventRecord Event(RecordEventKind kind, const MeasFileData& d, int index, std::uint32_t number);

    const CalibrationStore& m_calibration;
    Clock& m_clock;
    CResultsRecorder* m_recorder = nullptr;
};

// The status line's part: how many records wait for the results database; empty when none.
std::string OutboxStatusText(const RecorderStatus& status);

}  // namespace klv
