#pragma once

#include "base/fixed_text.h"
#include "reference/calibration_store.h"
#include "reference/coating_table.h"
#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"
#include "reference/unit_gasket_tables.h"

namespace klv::test {

// Range codes of the current range table.
inline constexpr std::uint8_t kRange2_1 = 1;
inline constexpr std::uint8_t kRange1_1 = 2;
inline constexpr std::uint8_t kRange4_10 = 3;

inline LayerCondition Layer(std::uint8_t code, const char* name, std::uint8_t range = kRange1_1) {
    LayerCondition c{};
    c.bLayerFlags = kLayerCurrentAuto;
    c.bCode = code;
    c.bSolution = 1;
    c.bRange = range;
    c.bSensitivity = 1;
    SetFixedText(c.Name, name);
    return c;
}

inline LayerCondition AlloyLayer(std::uint8_t range = kRange1_1) {
    LayerCondition c = Layer(kAlloyLayerCode, "", range);
    return c;
}

// A complete condition on steel, unit µm, gasket A, with the given layers from the top.
inline MeasFileData Condition(std::initializer_list<LayerCondition> layers) {
    MeasFileData d = NewMeasFileData();
    int k = 0;
    for (const LayerCondition& c : layers)
        d.coat[k++] = c;
    d.bBaseCode = 1;
    SetFixedText(d.baseName, "Fe");
    d.bGasket = 1;
    d.bOldBlanking = kLegacyBlankingMoved;
    SetFixedText(d.szFileName, "Test");
    return d;
}

// A store whose gasket A was calibrated on 2026/03/04 at `percent`.
inline CalibrationStore CalibratedGasketA(float percent) {
    CalibrationStore store{};
    store.gasket[kGasketA].bCalFlags = kGasketHasCalibration;
    store.gasket[kGasketA].wCalDate = PackDate(2026, 3, 4);
    store.gasket[kGasketA].fCalValue = percent;
    return store;
}

inline MsrLogRecord Measured(float micrometres, std::uint16_t date = 0) {
    return MsrLogRecord{micrometres, kRecordMeasured, 0, date};
}

inline MsrLogRecord NoValue(std::uint16_t date = 0) {
    return MsrLogRecord{0.0f, kRecordMeasured | kRecordNoValue, 0, date};
}

}  // namespace klv::test
