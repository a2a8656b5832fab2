#pragma once

#include <cstdint>
#include <span>

#include "device/device_status.h"
#include "measure/poll_result.h"
#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

namespace klv {

// What the main window shows of a running measurement.
class MeasurementView {
public:
    virtual ~MeasurementView() = default;
    virtual void ClearResultList() = 0;
    // The measuring flag with a refresh of the window.
    virtual void SetMeasuring(bool measuring) = 0;
    virtual void ShowLayerTexts(int layer, const PollResult& result) = 0;
    virtual void ShowMeasurementNumber(std::uint32_t number) = 0;
    virtual void SetBlinking(bool blinking) = 0;
    virtual void UpdateLevelMeter(const PollingData& poll) = 0;
    virtual void ResetLevelMeter() = 0;
    virtual void RedrawResultList() = 0;
    virtual void ShowSyntheticResult(const MeasFileData& d,
                                     std::span<const MsrLogRecord> records) = 0;
    // Enables "Cancelling the just before data".
    virtual void MarkLastMeasurement() = 0;
    // "Input after WT": the operator's coefficient, stored into the condition's WT data.
    virtual float AskWtCoefficient(MeasFileData& d) = 0;
    // "Measurement end": the settings key, pending roll-paper lines, no condition selected.
    virtual void EndCondition() = 0;
};

// Where a finished layer or measurement goes next: statistics, printout and transmission.
class MeasurementOutput {
public:
    virtual ~MeasurementOutput() = default;
    virtual void RefreshTemporaryStatistics() = 0;
    virtual void PrintLayer(const MeasFileData& d, int layer) = 0;
    virtual void PrintMeasurement(const MeasFileData& d, std::span<const MsrLogRecord> records) = 0;
    virtual void TransmitMeasurement(const MeasFileData& d, std::span<const MsrLogRecord> records,
                                     std::uint32_t recordNumber) = 0;
    // True when the operator chose to end work with this condition.
    virtual bool RunGrossStatistics(const MeasFileData& d) = 0;
    virtual void ResetTemporaryStatistics() = 0;
    // Into the lab's results: a measurement just stored whole, and a stored layer of the
    // running measurement that an additional electrolysis changed (µm).
    virtual void RecordMeasurement(const MeasFileData&, std::span<const MsrLogRecord>,
                                   std::uint32_t) {}
    virtual void RecordAddedElectrolysis(const MeasFileData&, std::uint32_t, int, float, float) {}
};

// A measurement kept in its files only: no statistics, printout or transmission.
class CNoMeasurementOutput final : public MeasurementOutput {
public:
    void RefreshTemporaryStatistics() override {}
    void PrintLayer(const MeasFileData&, int) override {}
    void PrintMeasurement(const MeasFileData&, std::span<const MsrLogRecord>) override {}
    void TransmitMeasurement(const MeasFileData&, std::span<const MsrLogRecord>,
                             std::uint32_t) override {}
    bool RunGrossStatistics(const MeasFileData&) override { return false; }
    void ResetTemporaryStatistics() override {}
};

}  // namespace klv
