#include "stats/form_groups.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <stdexcept>

#include "reference/condition_store.h"

namespace klv {

namespace {

// The data that enter the statistics, as runs of consecutive data: each run is one statistics
// data in the averaging modes, and is copied whole in the others.
struct Run {
    std::uint32_t first;
    std::uint32_t count;
};

// Runs `work`; when memory runs out on the way, shows "Short of memory" and answers false.
template <typename Work>
bool WithMemory(Operator& op, Work&& work) {
    try {
        work();
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    op.ShowMessage(kMsgShortOfMemory, MsgIcon::Stop, MsgButtons::Ok);
    return false;
}

// Data of a day: those after the first whose first layer carries the first one's date. A data
// measured across midnight belongs to the day it was started, with all its layers, so that every
// layer averages the same data and every data counts once.
std::uint32_t DayRunLength(std::span<const MsrLogRecord> stored, std::uint32_t layers,
                           std::uint32_t first, std::uint32_t complete) {
    const std::uint16_t day = stored[std::size_t{first} * layers].wDate;
    std::uint32_t n = 1;
    while (first + n < complete && stored[std::size_t{first + n} * layers].wDate == day)
        ++n;
    return n;
}

std::vector<Run> SelectRuns(std::span<const MsrLogRecord> stored, std::uint32_t layers,
                            std::uint32_t complete, const StatisticsSelection& s) {
    std::vector<Run> runs;
    switch (s.mode) {
        case GroupMode::AllData:
            runs.push_back({0, complete});
            break;
        case GroupMode::PartialData: {
            const std::int64_t end =
                std::min<std::int64_t>(complete, std::int64_t{s.nPartialEnd} + 1);
            const std::int64_t begin = std::max(s.nPartialBegin, 0);
            if (begin < end)
                runs.push_back(
                    {static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(end - begin)});
            break;
        }
        case GroupMode::RegularInterval: {
            // An interval below 1 (a hand-edited settings file) would never advance.
            const std::int64_t step = std::max(s.nInterval, 1);
            for (std::int64_t n = std::max(s.nRegularBegin, 0); n < complete; n += step)
                runs.push_back({static_cast<std::uint32_t>(n), 1});
            break;
        }
        case GroupMode::FixedGroupAverage: {
            const std::uint32_t size = static_cast<std::uint32_t>(std::max(s.nGroupSize, 1));
            for (std::uint32_t n = 0; n < complete; n += std::min(size, complete - n))
                runs.push_back({n, std::min(size, complete - n)});
            break;
        }
        case GroupMode::DailyAverage:
            for (std::uint32_t n = 0; n < complete;) {
                const std::uint32_t length = DayRunLength(stored, layers, n, complete);
                runs.push_back({n, length});
                n += length;
            }
            break;
    }
    return runs;
}

bool IsAveraging(GroupMode mode) {
    return mode == GroupMode::FixedGroupAverage || mode == GroupMode::DailyAverage;
}

// Layer k of the run's first data with the average, in single precision, of the run's values of
// that layer that exist: no-value items and items that never reached the log add nothing.
MsrLogRecord AverageItem(std::span<const MsrLogRecord> stored, std::uint32_t layers, Run run,
                         std::uint32_t k) {
    MsrLogRecord item = stored[std::size_t{run.first} * layers + k];
    float sum = 0.0f;
    std::uint32_t n = 0;
    for (std::uint32_t i = run.first; i < run.first + run.count; ++i) {
        const MsrLogRecord& r = stored[std::size_t{i} * layers + k];
        if ((r.bFlags & kRecordNoValue) == 0 && (r.bFlags & kRecordMeasured) != 0) {
            sum += r.lMeasValue;
            ++n;
        }
    }
    item.lMeasValue = n == 0 ? 0.0f : sum / static_cast<float>(n);
    // A group without any value has none either, so that the statistics leave it out.
    item.bFlags = static_cast<std::uint8_t>(n == 0 ? item.bFlags | kRecordNoValue
                                                   : item.bFlags & ~kRecordNoValue);
    return item;
}

bool AllowsXbarR(const StatisticsSelection& s, const std::vector<Run>& runs) {
    if (runs.size() < 2)
        return false;
    // Single data get the individuals and moving-range chart.
    if (s.mode == GroupMode::FixedGroupAverage)
        return s.nGroupSize >= 1;
    if (s.mode == GroupMode::DailyAverage)
        return runs.back().count >= 2;
    return false;
}

}  // namespace

FormedData FormStatisticsData(const MeasFileData& d, std::span<const MsrLogRecord> stored,
                              const StatisticsSelection& s, Operator& op) {
    FormedData formed;
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    if (layers == 0)
        return formed;
    // Never past the items given, whatever the count says.
    const auto complete =
        static_cast<std::uint32_t>(std::min<std::size_t>(d.nItemCt, stored.size()) / layers);
    const bool ok = WithMemory(op, [&] {
        const std::vector<Run> runs = SelectRuns(stored, layers, complete, s);
        const bool averaging = IsAveraging(s.mode);
        std::size_t dataCount = 0;
        for (const Run& r : runs)
            dataCount += averaging ? 1 : r.count;
        formed.items.reserve(dataCount * layers);
        for (const Run& r : runs) {
            if (averaging) {
                for (std::uint32_t k = 0; k < layers; ++k)
                    formed.items.push_back(AverageItem(stored, layers, r, k));
            } else {
                const auto first = stored.begin() + std::ptrdiff_t{r.first} * layers;
                formed.items.insert(formed.items.end(), first,
                                    first + std::ptrdiff_t{r.count} * layers);
            }
        }
        if (formed.items.empty())
            formed.items.push_back(MsrLogRecord{});
        formed.nDataCt = static_cast<std::uint32_t>(dataCount);
        formed.bXbarR = AllowsXbarR(s, runs);
    });
    if (!ok)
        formed = FormedData{};
    return formed;
}

bool FormGroups(ConditionStore& store, int index, const MeasFileData& d,
                const StatisticsSelection& s, std::vector<MsrLogRecord>& stored,
                FormedData& formed) {
    formed = FormedData{};
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    if (layers == 0) {
        stored.clear();
        return true;
    }
    const std::size_t rounded = (std::size_t{d.nItemCt} + layers - 1) / layers * layers;
    // The read fills the first nItemCt items; only the rest of an incomplete data is zeroed.
    if (!WithMemory(store.Op(), [&] { stored.resize(rounded); }))
        return false;
    std::fill(stored.begin() + d.nItemCt, stored.end(), MsrLogRecord{});
    if (d.nItemCt > 0 && !ReadMsrLogFile(store, index, stored.data(), 0, d.nItemCt, true))
        return false;
    formed = FormStatisticsData(d, stored, s, store.Op());
    return !formed.items.empty();
}

}  // namespace klv
