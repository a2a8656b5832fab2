#include <algorithm>
#include <vector>

#include "base/file_messages.h"
#include "reference/log_move.h"
#include "results/measurement_log.h"

namespace klv {

bool RewriteMeasurement(ConditionStore& store, const MeasFileData& d, int index,
                        std::uint32_t number, std::span<const MsrLogRecord> records) {
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    if (number == 0 || number > GetDataQuantity(d) || records.size() < layers) {
        ShowFileError(store.Op(), kMsgDataNotInput);
        return false;
    }
    return WriteMsrLogFile(store, index, records.data(), (number - 1) * layers, layers);
}

bool RemoveMeasurements(ConditionStore& store, MeasFileData& d, int index,
                        std::span<const std::uint32_t> numbers) {
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    const std::uint32_t quantity = GetDataQuantity(d);
    std::vector<bool> removed(quantity, false);
    std::uint32_t removedCount = 0;
    for (std::uint32_t number : numbers) {
        if (number == 0 || number > quantity) {
            ShowFileError(store.Op(), kMsgDataNotInput);
            return false;
        }
        if (!removed[number - 1]) {
            removed[number - 1] = true;
            ++removedCount;
        }
    }
    if (removedCount == 0)
        return true;

    MeasFileData next = d;
    if (removedCount == quantity) {
        // Stale dates would keep the next first measurement from setting the first date.
        next.nItemCt = 0;
        next.wFirstDate = 0;
        next.wLastDate = 0;
        if (!store.WriteConditionFile(index, next))
            return false;
        d = next;
        return true;
    }

    std::vector<MsrLogRecord> log(d.nItemCt);
    if (!ReadMsrLogFile(store, index, log.data(), 0, d.nItemCt, true))
        return false;
    // The last measurement may be partly stored; it moves with the records it has.
    auto recordsOf = [&](std::uint32_t m) { return std::min(layers, d.nItemCt - m * layers); };
    const auto firstRemoved = static_cast<std::uint32_t>(
        std::find(removed.begin(), removed.end(), true) - removed.begin());
    std::vector<MsrLogRecord> kept;
    std::uint32_t removedRecords = 0;
    for (std::uint32_t m = firstRemoved; m < quantity; ++m) {
        const auto begin = log.begin() + static_cast<std::ptrdiff_t>(m * layers);
        if (removed[m])
            removedRecords += recordsOf(m);
        else
            kept.insert(kept.end(), begin, begin + recordsOf(m));
    }
    // The later measurements move down, then the count shrinks. The moving records are first
    // kept in a file of their own, so that the start after a crash in between finishes the
    // removal instead of finding the last measurement twice or a half-moved log.
    const std::uint32_t start = firstRemoved * layers;
    if (!kept.empty()) {
        if (!WriteLogMove(store, index, {d.nItemCt, start, kept}) ||
            !WriteMsrLogFile(store, index, kept.data(), start,
                             static_cast<std::uint32_t>(kept.size())))
            return false;
    }
    next.nItemCt = d.nItemCt - removedRecords;
    if (!store.WriteConditionFile(index, next))
        return false;
    RemoveLogMove(store, index);
    d = next;
    return true;
}

}  // namespace klv
