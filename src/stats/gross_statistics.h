#pragma once

#include <string>

#include "base/operator.h"
#include "reference/meas_file_data.h"

namespace klv {

inline constexpr char kMsgGrossStatisticsStage[] =
    "Gross statistics stage now.\n\nDoing statistics process?";
inline constexpr char kGrossStatisticsCaption[] = "Gross statistics";
inline constexpr char kTemporaryStatisticsCaption[] = "Temporary statistics";

// The choices of the dialog "Data over".
enum class DataOverChoice { DeleteData, AnotherChannel, ChangeItems };

// What the gross statistics sequence asks of the window that runs it; each step works on the
// condition the sequence was given.
class GrossStatisticsSteps {
public:
    virtual ~GrossStatisticsSteps() = default;
    // False while the program has no statistics window: then nothing is offered.
    virtual bool CanShowStatisticsWindow() const = 0;
    virtual void ShowStatisticsWindow(const std::string& caption) = 0;
    virtual DataOverChoice AskDataOver() = 0;
    // Erases the channel's data once the operator confirms.
    virtual void DeleteMeasurementData() = 0;
    // The statistics items dialog on the condition.
    virtual void EditStatisticsItems() = 0;
};

enum class GrossStatisticsOutcome { GoOn, Stop };

// After a stored data or new statistics items: once the channel holds its total number of
// statistics, offers the statistics window and keeps asking "Data over" until the total is no
// longer reached or the operator leaves the channel (Stop).
GrossStatisticsOutcome RunGrossStatistics(const MeasFileData& d, GrossStatisticsSteps& steps,
                                          Operator& op);

}  // namespace klv
