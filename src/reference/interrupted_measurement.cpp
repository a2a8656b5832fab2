#include "reference/interrupted_measurement.h"

#include <cstdio>

#include "reference/condition_store.h"

namespace klv {

int SettleUnrecordedLayers(std::span<MsrLogRecord> records) {
    int stored = 0;
    for (MsrLogRecord& r : records) {
        if (IsRecordedLayer(r)) {
            ++stored;
            continue;
        }
        r.lMeasValue = 0.0f;
        r.bFlags = kRecordMeasured | kRecordNoValue;
        r.reserved5 = 0;
    }
    return stored;
}

std::string NeverStoredMessage(std::uint32_t number) {
    char text[96];
    std::snprintf(text, sizeof text, "Data number %u was interrupted before any layer was stored.",
                  static_cast<unsigned>(number));
    return text;
}

bool CompleteInterruptedMeasurement(ConditionStore& store, int index, MeasFileData& d) {
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    if (layers == 0 || d.nItemCt == 0)
        return true;
    const std::uint32_t inCount = d.nItemCt % layers != 0 ? d.nItemCt % layers : layers;
    const std::uint32_t start = d.nItemCt - inCount;
    const bool partial = inCount != layers;
    // Records past the count may be missing from the file; they count as never stored.
    MsrLogRecord group[kMaxLayers] = {};
    if (!ReadMsrLogFile(store, index, group, start, inCount, partial))
        return !partial;  // a whole measurement that cannot be read is for its readers to report
    const int stored = SettleUnrecordedLayers(std::span<MsrLogRecord>(group, layers));
    if (static_cast<std::uint32_t>(stored) == layers)
        return true;
    MeasFileData next = d;
    if (stored == 0) {
        next.nItemCt = start;
        if (start == 0) {
            next.wFirstDate = 0;
            next.wLastDate = 0;
        }
    } else {
        if (!WriteMsrLogFile(store, index, group, start, layers))
            return false;
        next.nItemCt = start + layers;
    }
    if (!store.WriteConditionFile(index, next))
        return false;
    d = next;
    return true;
}

}  // namespace klv
