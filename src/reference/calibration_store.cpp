#include "reference/calibration_store.h"

#include <cmath>
#include <cstring>

#include "base/file_io.h"
#include "base/file_messages.h"
#include "reference/condition_store.h"
#include "reference/msr_log_file.h"

namespace klv {
namespace {

// A gasket record is sound when its condition part would be a sound condition and its
// calibration numbers are usable: no calibration stores a value beyond the guaranteed range,
// and every layer start would correct its current by it.
bool IsSoundGasketRecord(const GasketCalibrationRecord& g) {
    MeasFileData d;
    std::memset(&d, 0, sizeof d);
    ApplyCalibrationCondition(g.condition, d);
    return IsSoundCondition(d) && std::isfinite(g.fStandardThickness) &&
           std::isfinite(g.fCalValue) && std::fabs(g.fCalValue) <= kCalibrationGuarantee &&
           IsPlausiblePackedDate(g.wCalDate);
}

bool IsSoundStore(const CalibrationStore& s) {
    for (const GasketCalibrationRecord& g : s.gasket) {
        if (!IsSoundGasketRecord(g))
            return false;
    }
    return true;
}

bool WriteStoreImage(const std::string& path, const CalibrationStore& store, Operator& op,
                     FileWriteResult& result) {
    result = WriteFileAtomically(path, &store, sizeof store);
    if (result == FileWriteResult::Ok)
        return true;
    ShowFileError(op, WriteFailureText(result));
    return false;
}

}  // namespace

CalibrationCondition ToCalibrationCondition(const MeasFileData& d) {
    CalibrationCondition c;
    std::memcpy(&c, reinterpret_cast<const unsigned char*>(&d) + kCalibrationConditionOffset,
                sizeof c);
    return c;
}

void ApplyCalibrationCondition(const CalibrationCondition& c, MeasFileData& d) {
    std::memcpy(reinterpret_cast<unsigned char*>(&d) + kCalibrationConditionOffset, &c, sizeof c);
}

CalibrationStore DefaultCalibrationStore() {
    CalibrationStore s;
    std::memset(&s, 0, sizeof s);
    MeasFileData fresh = NewMeasFileData();
    for (int g = 0; g < kGasketRecordCount; ++g) {
        fresh.bGasket = static_cast<std::uint8_t>(g);
        s.gasket[g].condition = ToCalibrationCondition(fresh);
    }
    return s;
}

CalibrationLoadResult LoadCalibrationStore(const std::string& path, CalibrationStore& store,
                                           Operator& op) {
    // Defaults only where nothing is: a FIFO or a link to a store that is not mounted is not
    // replaced, it cannot be read.
    if (IsPathMissing(path)) {
        store = DefaultCalibrationStore();
        FileWriteResult r;
        if (WriteStoreImage(path, store, op, r))
            return CalibrationLoadResult::Created;
        return r == FileWriteResult::CannotCreate ? CalibrationLoadResult::CreateFailed
                                                  : CalibrationLoadResult::WriteFailed;
    }
    CalibrationStore read;
    if (ReadFileExact(path, &read, sizeof read) != FileReadResult::Ok || !IsSoundStore(read)) {
        store = DefaultCalibrationStore();
        ShowFileError(op, kMsgDataUnreadable);
        return CalibrationLoadResult::ReadFailed;
    }
    store = read;
    store.dwFlags |= kStoreStatDataModifiable | kStoreLastDataCancellable;
    return CalibrationLoadResult::Loaded;
}

bool WriteCalibrationStore(const std::string& path, const CalibrationStore& store, Operator& op) {
    FileWriteResult r;
    return WriteStoreImage(path, store, op, r);
}

}  // namespace klv
