#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "base/operator.h"
#include "base/profile.h"
#include "base/sound_player.h"
#include "reference/calibration_store.h"
#include "reference/condition_store.h"
#include "reference/msr_log_file.h"
#include "stats/statistics_reports.h"
#include "stats/statistics_text_block.h"

class QWidget;

namespace klv {

class ReportPrinter;
class StoredDataChanges;

// What the statistics window needs of the program around it.
struct StatisticsLinks {
    ConditionStore& store;
    Operator& op;
    ProfileFile& ini;
    SoundPlayer& sounds;
    ReportPrinter& reports;
    const CalibrationStore* calibration = nullptr;
    SenderRecord sender;
    bool modifiable = false;  // the measurement data page may change and delete data
    bool oneClickActivate = false;
    // The statistics texts of every calculation for the result service.
    std::function<void(const StatisticsTextBlock&)> publish;
    // "Text output of measurement data" over the loaded records.
    std::function<void(const MeasFileData&, std::span<const MsrLogRecord>, QWidget*)> textOutput;
    // Prints the roll paper's pending five-data line while the data it numbers are still there;
    // called before every correction and removal.
    std::function<void()> flushPendingLine;
    // Hears corrections and removals; none when nothing records them.
    StoredDataChanges* changes = nullptr;
    // Whether data n (1-based) was measured while its gasket's calibration was due.
    std::function<bool(std::uint32_t)> takenWithDueCalibration;
    // Writes the certificate of conformance of a lot (UTF-8) to a PDF file: true when written;
    // `message` tells the operator either way. None: the "Certificate" button is disabled.
    std::function<bool(const std::string& lot, const std::string& path, std::string& message)>
        certificate = nullptr;
};

}  // namespace klv
