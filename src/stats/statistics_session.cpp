#include "stats/statistics_session.h"

#include <algorithm>
#include <functional>

#include "base/number_format.h"
#include "base/number_parse.h"
#include "reference/condition_store.h"
#include "reference/unit_conversion.h"
#include "results/measurement_log.h"
#include "stats/calc_statistics.h"
#include "stats/stat_columns.h"

namespace klv {

CStatisticsSession::CStatisticsSession(ConditionStore& store, MeasFileData& condition, int index,
                                       StatisticsSelection selection)
    : m_store(store), m_condition(condition), m_index(index), m_selection(selection) {}

void CStatisticsSession::Recalculate() {
    FormGroups(m_store, m_index, m_condition, m_selection, m_stored, m_formed);
    m_result = CalcStatistics(m_formed, m_condition);
    m_refresh = (1u << kStatisticsPageCount) - 1;
}

std::uint32_t CStatisticsSession::DataCount() const {
    const auto layers = static_cast<std::uint32_t>(Layers());
    return layers == 0 ? 0 : m_condition.nItemCt / layers;
}

CapabilityFigures CStatisticsSession::Capability(int k) const {
    return ComputeCapability(m_condition, m_stored, DataCount(), m_formed, m_selection, k);
}

std::vector<CapabilityFigures> CStatisticsSession::Capabilities() const {
    std::vector<CapabilityFigures> all;
    for (int k = 0; k < GetStatColumnCount(m_condition); ++k)
        all.push_back(Capability(k));
    return all;
}

bool CStatisticsSession::IsPageEnabled(int page) const {
    switch (page) {
        case kPageGeneral:
        case kPageMeasData:
            return true;
        case kPageHistogram:
        case kPageProfile:
            return m_formed.nDataCt > 1;
        case kPageXbarR:
            return (m_selection.mode == GroupMode::FixedGroupAverage ||
                    m_selection.mode == GroupMode::DailyAverage) &&
                   m_formed.bXbarR;
        default:
            return false;
    }
}

void CStatisticsSession::SelectLayer(int k) {
    if (k == m_selectedLayer)
        return;
    m_selectedLayer = k;
    for (int page : {kPageHistogram, kPageProfile, kPageXbarR})
        m_refresh |= 1u << page;
}

bool CStatisticsSession::TakeRefresh(int page) {
    const unsigned bit = 1u << page;
    const bool marked = (m_refresh & bit) != 0;
    m_refresh &= ~bit;
    return marked;
}

bool CStatisticsSession::Correct(std::uint32_t row, std::span<const float> valuesInUnit) {
    const auto layers = static_cast<std::size_t>(Layers());
    const std::size_t at = static_cast<std::size_t>(row) * layers;
    if (row >= DataCount() || valuesInUnit.size() < layers || at + layers > m_stored.size())
        return false;
    const std::vector<MsrLogRecord> records = MakeCorrectedRecords(
        std::span(m_stored).subspan(at, layers), valuesInUnit, m_condition.bUnit);
    if (!RewriteMeasurement(m_store, m_condition, m_index, row + 1, records))
        return false;
    if (m_changes != nullptr)
        m_changes->MeasurementCorrected(m_condition, m_index, row + 1,
                                        std::span(m_stored).subspan(at, layers), records);
    std::copy(records.begin(), records.end(), m_stored.begin() + static_cast<std::ptrdiff_t>(at));
    Recalculate();
    return true;
}

bool CStatisticsSession::Delete(std::span<const std::uint32_t> rows) {
    std::vector<std::uint32_t> numbers;
    for (std::uint32_t row : rows)
        numbers.push_back(row + 1);
    const bool removed = RemoveMeasurements(m_store, m_condition, m_index, numbers);
    if (removed && m_changes != nullptr) {
        std::sort(numbers.begin(), numbers.end(), std::greater<>());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
        m_changes->MeasurementsRemoved(m_condition, m_index, numbers);
    }
    Recalculate();
    return removed;
}

bool CStatisticsSession::CoversAllData(std::size_t selectedRows) const {
    return selectedRows >= DataCount();
}

std::vector<std::uint32_t> CStatisticsSession::AllRows() const {
    std::vector<std::uint32_t> rows(GetDataQuantity(m_condition));
    for (std::uint32_t i = 0; i < rows.size(); ++i)
        rows[i] = i;
    return rows;
}

std::vector<MsrLogRecord> MakeCorrectedRecords(std::span<const MsrLogRecord> stored,
                                               std::span<const float> valuesInUnit, int unit) {
    std::vector<MsrLogRecord> records(stored.begin(), stored.end());
    for (std::size_t k = 0; k < records.size() && k < valuesInUnit.size(); ++k) {
        records[k].lMeasValue = FromUnit(valuesInUnit[k], unit);
        records[k].bFlags =
            static_cast<std::uint8_t>((records[k].bFlags | kRecordMeasured) & ~kRecordNoValue);
    }
    return records;
}

CorrectionCheck CheckCorrection(const std::string& text, float& value) {
    const std::optional<double> parsed = ParseFloat(text);
    if (!parsed)
        return CorrectionCheck::NotNumber;
    if (*parsed < 0.0)
        return CorrectionCheck::Negative;
    value = static_cast<float>(*parsed);
    return CorrectionCheck::Ok;
}

std::string FormatCorrectionEdit(const MeasFileData& d, int k, const MsrLogRecord& r) {
    const std::string text =
        FitNumberText(FormatFixed(ToUnit(r.lMeasValue, d.bUnit), GetLayerDecimals(d, k)), 6);
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string JoinCopyRows(const std::vector<std::vector<std::string>>& rows) {
    auto trimmed = [](const std::string& cell) {
        auto blank = [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return u >= 1 && u <= 32;
        };
        const auto begin = std::find_if_not(cell.begin(), cell.end(), blank);
        const auto end = std::find_if_not(cell.rbegin(), cell.rend(), blank).base();
        return begin < end ? std::string(begin, end) : std::string();
    };
    std::string text;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            text += (i == 0 ? "" : "\t") + trimmed(row[i]);
        text += "\r\n";
    }
    return text;
}

}  // namespace klv
