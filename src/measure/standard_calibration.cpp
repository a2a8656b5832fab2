#include "measure/standard_calibration.h"

#include <cmath>
#include <cstring>
#include <numeric>

#include "base/number_parse.h"
#include "reference/coating_table.h"
#include "reference/condition_rules.h"
#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

constexpr std::uint8_t kAutomaticCurrent = 0x80;
constexpr std::uint8_t kDefaultSolution = 10;  // "E-30"
constexpr std::uint8_t kDefaultRange = 2;
constexpr std::uint8_t kAutomaticSensitivity = 1;
constexpr std::uint8_t kDefaultPumpHz = 6;
constexpr std::uint8_t kDefaultBlankingSeconds = 5;
constexpr std::uint8_t kBaseIron = 1;

void SetName(char (&dest)[7], const char* name) {
    std::memset(dest, 0, sizeof dest);
    std::strncpy(dest, name, sizeof dest - 1);
}

void ApplyDefaultCondition(CalibrationCondition& c) {
    LayerCondition& layer = c.coat[0];
    layer = LayerCondition{};
    layer.bLayerFlags = kAutomaticCurrent;
    layer.bCode = kCoatNickel;
    SetName(layer.Name, "Ni");
    layer.bSolution = kDefaultSolution;
    layer.bRange = kDefaultRange;
    layer.bSensitivity = kAutomaticSensitivity;
    layer.bPump = kDefaultPumpHz;
    layer.bBlanking = kDefaultBlankingSeconds;
    layer.fCurrent = 0;
    c.bBaseCode = kBaseIron;
    SetName(c.baseName, "Fe");
}

}  // namespace

float CalibrationDeviation(float measuredUm, float standardUm) {
    return (measuredUm - standardUm) / standardUm * 100.0f;
}

bool IsWithinGuarantee(float deviation) {
    return deviation >= -kCalibrationGuarantee && deviation <= kCalibrationGuarantee;
}

bool IsGasketWorn(float calibrationValue) {
    return std::fabs(calibrationValue) >= kGasketWornPercent;
}

float AverageCalibration(std::span<const float> values) {
    if (values.empty())
        return 0.0f;
    const double sum = std::accumulate(values.begin(), values.end(), 0.0);
    return static_cast<float>(sum / static_cast<double>(values.size()));
}

void CCalibrationRun::BeginLayer() {
    if (m_layer == 0)
        m_sum = 0;
}

CalibrationStep CCalibrationRun::AddLayerValue(const MeasFileData& d, float value,
                                               float standardUm) {
    const bool alloy = m_layer < kMaxLayers && IsAlloyLayer(d.coat[m_layer]);
    m_sum += alloy ? value * d.fAlloyCoefSn : value;
    if (m_layer + 1 < GetCoatCount(d)) {
        ++m_layer;
        return CalibrationStep::NextLayer;
    }
    m_layer = 0;
    m_deviation = CalibrationDeviation(m_sum * GetUnitFactor(d.bUnit), standardUm);
    return IsWithinGuarantee(m_deviation) ? CalibrationStep::Accepted : CalibrationStep::OutOfRange;
}

GasketCalibrationRecord OpeningRecord(const CalibrationStore& store, const MeasFileData* current) {
    GasketCalibrationRecord record{};
    if (current == nullptr) {
        record.condition.bUnit = kUnitMicrometre;
        record.condition.fAlloyCoefSn = kStandardAlloyCoefSn;
        record.condition.fAlloyCoefCu = kStandardAlloyCoefCu;
    } else if (current->bGasket < kGasketRecordCount) {
        record = store.gasket[current->bGasket];
    }
    if (record.condition.coat[0].bCode == 0) {
        ApplyDefaultCondition(record.condition);
        // An empty record still belongs to the gasket it was opened for.
        if (current != nullptr) {
            record.condition.bGasket = current->bGasket;
            if (record.condition.bUnit == 0)
                record.condition.bUnit = current->bUnit;
            if (record.condition.fAlloyCoefSn == 0.0f && record.condition.fAlloyCoefCu == 0.0f) {
                record.condition.fAlloyCoefSn = current->fAlloyCoefSn;
                record.condition.fAlloyCoefCu = current->fAlloyCoefCu;
            }
        }
    }
    return record;
}

void StoreCalibration(CalibrationStore& store, GasketCalibrationRecord record, float value,
                      std::uint16_t packedDate) {
    record.fCalValue = value;
    record.bCalFlags |= kGasketHasCalibration;
    record.wCalDate = packedDate;
    const std::uint8_t gasket = record.condition.bGasket;
    if (gasket < kGasketRecordCount)
        store.gasket[gasket] = record;
}

std::optional<float> ParseGuessValue(std::string_view text) {
    const std::optional<double> v = ParseFloat(text);
    if (!v || *v < -kCalibrationGuarantee || *v > kCalibrationGuarantee)
        return std::nullopt;
    return static_cast<float>(*v);
}

bool IsGuessGasket(int code) {
    return code >= 1 && code <= kGasketCount && code != kGasketWT;
}

}  // namespace klv
