#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

namespace klv {

// The cells of the measurement data page, formatted when asked: "No.", one column per layer
// and "Measurement date".
class CMeasDataRows {
public:
    CMeasDataRows(const MeasFileData& d, std::span<const MsrLogRecord> stored);

    int RowCount() const { return m_rows; }
    int ColumnCount() const { return m_layers + 2; }
    std::string Cell(int row, int column) const;

private:
    const MeasFileData& m_d;
    std::span<const MsrLogRecord> m_stored;
    int m_layers;
    int m_rows;
};

}  // namespace klv
