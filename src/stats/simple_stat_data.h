#pragma once

#include <cstdint>

#include "reference/meas_file_data.h"
#include "stats/simple_stat_rows.h"

namespace klv {

class ConditionStore;

inline constexpr int kSimpleStatDefaultDataCt = 100;

// What the temporary statistics panel shows of the selected channel: the latest data from its
// data log, none below the hide index, with their per-layer average and spread.
class CSimpleStatData {
public:
    // A count below 1 (a damaged settings file) shows the default count.
    explicit CSimpleStatData(int shownCount);

    // Rebuilds the texts; a null condition means no condition file is selected. A failed
    // read leaves them empty after the reader's message, memory exhaustion after "Short of
    // memory".
    void Display(ConditionStore& store, const MeasFileData* d, int index);
    void Clear();

    // Reset with the flag: every stored data comes into view again at the next display.
    void ResetHideIndex() { m_hide = 0; }
    // "Delete the indication": the complete data of the last display go out of view.
    void DeleteIndication() { m_hide = m_completeData; }
    bool CanDeleteIndication() const { return m_hide < m_completeData; }
    std::uint32_t HideIndex() const { return m_hide; }

    int ShownCount() const { return m_shown; }
    // False when the count is the one shown already.
    bool SetShownCount(int count);

    const SimpleStatTexts& Texts() const { return m_texts; }

private:
    int m_shown;
    std::uint32_t m_hide = 0;
    std::uint32_t m_completeData = 0;
    SimpleStatTexts m_texts;
};

}  // namespace klv
