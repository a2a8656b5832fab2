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

namespace {

// A crash or a damaged disk can leave the reserved records of the measurement being taken short
// or unreadable: each such record reads as never stored. The log before them must read, or the
// loss is larger than this measurement and its readers report it.
bool ReadGroupByRecord(ConditionStore& store, int index, MsrLogRecord* group, std::uint32_t start,
                       std::uint32_t count) {
    MsrLogRecord before{};
    if (start > 0 && !ReadMsrLogFile(store, index, &before, start - 1, 1, true))
        return false;
    for (std::uint32_t i = 0; i < count; ++i)
        (void)ReadMsrLogFile(store, index, &group[i], start + i, 1, false);
    return true;
}

}  // namespace

bool CompleteInterruptedMeasurement(ConditionStore& store, int index, MeasFileData& d) {
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    if (layers == 0 || d.nItemCt == 0)
        return true;
    const std::uint32_t inCount = d.nItemCt % layers != 0 ? d.nItemCt % layers : layers;
    const std::uint32_t start = d.nItemCt - inCount;
    const bool partial = inCount != layers;
    MsrLogRecord group[kMaxLayers] = {};
    if (!ReadMsrLogFile(store, index, group, start, inCount, false)) {
        if (!partial)
            return true;  // a whole measurement that cannot be read is for its readers to report
        if (!ReadGroupByRecord(store, index, group, start, inCount))
            return false;
    }
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
