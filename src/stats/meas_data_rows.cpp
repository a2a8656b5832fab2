#include "stats/meas_data_rows.h"

#include <cstdio>

#include "base/fixed_text.h"
#include "reference/layer_value_format.h"
#include "results/synthetic_result.h"

namespace klv {

CMeasDataRows::CMeasDataRows(const MeasFileData& d, std::span<const MsrLogRecord> stored)
    : m_d(d), m_stored(stored), m_layers(GetCoatCount(d)) {
    const std::size_t complete =
        m_layers == 0 ? 0 : std::min<std::size_t>(d.nItemCt, stored.size()) / m_layers;
    m_rows = static_cast<int>(complete);
}

std::string CMeasDataRows::Cell(int row, int column) const {
    if (row < 0 || row >= m_rows || column < 0 || column >= ColumnCount())
        return {};
    if (column == 0) {
        char text[16];
        std::snprintf(text, sizeof text, "%4d", row + 1);
        return text;
    }
    const auto records = m_stored.subspan(static_cast<std::size_t>(row) * m_layers,
                                          static_cast<std::size_t>(m_layers));
    if (column == m_layers + 1)
        return FormatPackedDate(records[0].wDate);
    SyntheticResult r;
    EditSyntheticResult(m_d, records, r, false);
    const SyntheticItem& item = r.item[column - 1];
    if (!IsItemUsed(item) || item.uIsAlloy != kItemOfLayer)
        return {};
    return GetFixedText(item.szMeasValue) + " " + GetFixedText(item.szUnit);
}

}  // namespace klv
