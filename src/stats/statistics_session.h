#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"
#include "stats/capability.h"
#include "stats/form_groups.h"
#include "stats/statistics_result.h"
#include "stats/statistics_selection.h"

namespace klv {

class ConditionStore;

// The pages of the statistics window, in tab order.
enum StatisticsPage : int {
    kPageGeneral = 0,
    kPageMeasData = 1,
    kPageHistogram = 2,
    kPageProfile = 3,
    kPageXbarR = 4,
    kStatisticsPageCount = 5,
};

inline constexpr char kMsgDeleteSelected[] = "Delete the selected data.";
inline constexpr char kMsgDataRunOut[] =
    "Data will be run out. After deleting the data \n, ending statistics process.";
inline constexpr char kMsgDeleteAllData[] =
    "Delete all the data. After deleting the data \n, ending statistics process.";

// Hears what the statistics window changed in a channel's log, after the log took it.
class StoredDataChanges {
public:
    virtual ~StoredDataChanges() = default;
    virtual void MeasurementCorrected(const MeasFileData& d, int index, std::uint32_t number,
                                      std::span<const MsrLogRecord> before,
                                      std::span<const MsrLogRecord> after) = 0;
    // `numbers` as they were before the removal, each once, highest first.
    virtual void MeasurementsRemoved(const MeasFileData& d, int index,
                                     std::span<const std::uint32_t> numbers) = 0;
};

// What the statistics window holds over one channel while it is open: the condition, the
// stored data, the statistics data formed from them and their statistics.
class CStatisticsSession {
public:
    CStatisticsSession(ConditionStore& store, MeasFileData& condition, int index,
                       StatisticsSelection selection);

    void SetChanges(StoredDataChanges* changes) { m_changes = changes; }
    // Forms the statistics data again from the data log and marks every page for refresh.
    void Recalculate();

    const MeasFileData& Condition() const { return m_condition; }
    // The print items the reports store in it.
    MeasFileData& EditCondition() { return m_condition; }
    int Index() const { return m_index; }
    StatisticsSelection& Selection() { return m_selection; }
    const StatisticsSelection& Selection() const { return m_selection; }
    std::span<const MsrLogRecord> Stored() const { return m_stored; }
    const FormedData& Formed() const { return m_formed; }
    const StatisticsResult& Result() const { return m_result; }
    int Layers() const { return GetCoatCount(m_condition); }
    // Complete data stored: the rows of the measurement data page.
    std::uint32_t DataCount() const;
    // The process capability of statistics column k, and of every column.
    CapabilityFigures Capability(int k) const;
    std::vector<CapabilityFigures> Capabilities() const;

    // The layer the histogram, profile and X-bar/R pages show.
    int SelectedLayer() const { return m_selectedLayer; }
    // A new layer marks every chart page for refresh.
    void SelectLayer(int k);

    bool IsPageEnabled(int page) const;
    // True once after each recalculation for each page: the page then refreshes.
    bool TakeRefresh(int page);

    // Writes the corrected layer values (in the unit) of data `row` (0-based) to the data log.
    // False, with the writer's message shown, leaves everything as it was.
    bool Correct(std::uint32_t row, std::span<const float> valuesInUnit);
    // Removes the data of the given rows (0-based, any order) and writes the condition. False
    // after a shown message.
    bool Delete(std::span<const std::uint32_t> rows);
    // True when the rows are every row of the list, so deleting them ends the window.
    bool CoversAllData(std::size_t selectedRows) const;
    // Every measurement, a partly stored last one too: what deleting all of them removes, so
    // that nothing outlives "all".
    std::vector<std::uint32_t> AllRows() const;

private:
    ConditionStore& m_store;
    MeasFileData& m_condition;
    int m_index;
    StatisticsSelection m_selection;
    std::vector<MsrLogRecord> m_stored;
    FormedData m_formed;
    StatisticsResult m_result{};
    unsigned m_refresh = 0;
    int m_selectedLayer = 0;
    StoredDataChanges* m_changes = nullptr;
};

// The stored records of a correction: the values in µm, recorded, with a value.
std::vector<MsrLogRecord> MakeCorrectedRecords(std::span<const MsrLogRecord> stored,
                                               std::span<const float> valuesInUnit, int unit);

enum class CorrectionCheck { Ok, NotNumber, Negative };
// One edit of "Measurement data correction".
CorrectionCheck CheckCorrection(const std::string& text, float& value);

// The correction edit's text: the value in the unit with the layer's decimals, 6 characters.
std::string FormatCorrectionEdit(const MeasFileData& d, int k, const MsrLogRecord& r);

// Rows of cells as the clipboard takes them: the cells without leading and trailing control
// characters and blanks, tab-separated, each row ending with CR LF.
std::string JoinCopyRows(const std::vector<std::vector<std::string>>& rows);

}  // namespace klv
