#pragma once

#include <span>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

class QWidget;

namespace klv {

class CKLV570App;

// "Text output of measurement data" for a channel's loaded records, with the choices of the
// settings file, which it writes back afterwards (OK or Cancel) unless there was nothing to
// output. For the statistics window's "Text output" button.
void RunTextOutput(CKLV570App& app, const MeasFileData& d, std::span<const MsrLogRecord> records,
                   QWidget* parent);

}  // namespace klv
