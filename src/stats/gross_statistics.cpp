#include "stats/gross_statistics.h"

#include "stats/gross_statistics_reached.h"

namespace klv {

GrossStatisticsOutcome RunGrossStatistics(const MeasFileData& d, GrossStatisticsSteps& steps,
                                          Operator& op) {
    if (!GrossStatisticsReached(d))
        return GrossStatisticsOutcome::GoOn;
    if (steps.CanShowStatisticsWindow() &&
        op.ShowMessage(kMsgGrossStatisticsStage, MsgIcon::Question, MsgButtons::YesNo) == IDYES)
        steps.ShowStatisticsWindow(kGrossStatisticsCaption);
    while (GrossStatisticsReached(d)) {
        switch (steps.AskDataOver()) {
            case DataOverChoice::DeleteData:
                steps.DeleteMeasurementData();
                break;
            case DataOverChoice::ChangeItems:
                steps.EditStatisticsItems();
                break;
            case DataOverChoice::AnotherChannel:
                return GrossStatisticsOutcome::Stop;
        }
    }
    return GrossStatisticsOutcome::GoOn;
}

}  // namespace klv
