#include "base/file_messages.h"
#include "reference/interrupted_measurement.h"
#include "reference/unit_conversion.h"
#include "results/measurement_log.h"

namespace klv {

namespace {

std::uint16_t Today(Clock& clock) {
    const LocalTime now = clock.Now();
    return PackDate(now.year, now.month, now.day);
}

}  // namespace

bool CanAcceptMeasurement(const MeasFileData& d) {
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    return layers != 0 && d.nItemCt / layers <= kMaxMeasurements - 1;
}

bool AddMsrLogRecord(ConditionStore& store, Clock& clock, MeasFileData& d, int index,
                     MeasurementBuffer& buffer, int k, float valueInUnit, bool noValue) {
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    if (layers == 0 || k < 0 || static_cast<std::uint32_t>(k) >= layers) {
        ShowFileError(store.Op(), kMsgDataNotInput);
        return false;
    }
    // A measurement left unfinished keeps its stored layers, as when the channel is selected,
    // and the new one follows it.
    if (k == 0 && !CompleteInterruptedMeasurement(store, index, d))
        return false;
    MeasFileData next = d;
    if (k == 0) {
        if (!CanAcceptMeasurement(next)) {
            store.Op().ShowMessage(kMsgMeasurementLimit, MsgIcon::Exclamation, MsgButtons::Ok);
            return false;
        }
        buffer.fill(MsrLogRecord{0.0f, 0, 0, 0});
        for (std::uint32_t i = 0; i < layers; ++i)
            buffer[i].bFlags = kRecordNoValue;
        if (!WriteMsrLogFile(store, index, buffer.data(), next.nItemCt, layers))
            return false;
    } else if (next.nItemCt % layers != static_cast<std::uint32_t>(k)) {
        // Layers are stored in order; any other layer would land in a foreign measurement.
        ShowFileError(store.Op(), kMsgDataNotInput);
        return false;
    }

    MsrLogRecord& r = buffer[static_cast<std::size_t>(k)];
    r.wDate = Today(clock);
    r.reserved5 = 0;
    r.bFlags = kRecordMeasured | (noValue ? kRecordNoValue : 0);
    r.lMeasValue = noValue ? 0.0f : FromUnit(valueInUnit, d.bUnit);

    const std::uint32_t start = next.nItemCt - next.nItemCt % layers;
    if (!WriteMsrLogFile(store, index, buffer.data(), start, layers))
        return false;
    next.nItemCt += 1;
    next.wLastDate = r.wDate;
    if (next.wFirstDate == 0)
        next.wFirstDate = r.wDate;
    if (!store.WriteConditionFile(index, next))
        return false;
    d = next;
    return true;
}

}  // namespace klv

namespace klv {

bool RestoreLastLayerRecord(ConditionStore& store, const MeasFileData& d, int index,
                            MeasurementBuffer& buffer, int k, float valueInUnit) {
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    // Only the layer stored last, in a measurement not yet complete.
    if (layers == 0 || k < 0 || static_cast<std::uint32_t>(k) + 1 >= layers ||
        d.nItemCt % layers != static_cast<std::uint32_t>(k) + 1) {
        ShowFileError(store.Op(), kMsgDataNotInput);
        return false;
    }
    MeasurementBuffer next = buffer;
    MsrLogRecord& r = next[static_cast<std::size_t>(k)];
    r.bFlags = kRecordMeasured;
    r.lMeasValue = FromUnit(valueInUnit, d.bUnit);
    // The records go back where they were and the count stays: no moment of the rewrite
    // leaves the layer out of the log.
    const std::uint32_t start = d.nItemCt - d.nItemCt % layers;
    if (!WriteMsrLogFile(store, index, next.data(), start, layers))
        return false;
    buffer = next;
    return true;
}

}  // namespace klv
