#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

namespace klv {

class ConditionStore;

// A record without the measured flag holds no stored layer. Inside the record count it is what an
// interrupted write leaves behind: the file grew, but the layer's bytes never reached it.
inline bool IsRecordedLayer(const MsrLogRecord& r) {
    return (r.bFlags & kRecordMeasured) != 0;
}

// Turns the layers of a measurement that were never stored into layers stored without value, as
// the program stores a layer that ended without a result. Answers how many were stored before;
// 0 means the measurement was interrupted before any layer was stored.
int SettleUnrecordedLayers(std::span<MsrLogRecord> records);

// "Data number %d was interrupted before any layer was stored."
std::string NeverStoredMessage(std::uint32_t number);

// Brings the end of the channel's log into shape before it is measured again, keeping every
// stored layer: a last measurement without any stored layer is dropped, a partly stored one is
// completed by its missing layers without value. Reserved records that the file lost or holds
// damaged count as missing layers. Writes what changes; false after a reported failure.
bool CompleteInterruptedMeasurement(ConditionStore& store, int index, MeasFileData& d);

}  // namespace klv
