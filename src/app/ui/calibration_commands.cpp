#include "app/ui/calibration_commands.h"

#include "app/klv570_app.h"
#include "app/ui/main_channel.h"
#include "app/ui/potential_graph_link.h"
#include "measure/event_run_sounds.h"
#include "measure/ui/guess_calibrate_dialog.h"
#include "measure/ui/potential_measure_dialog.h"
#include "measure/ui/standard_calibrate_dialog.h"
#include "reference/ui/edit_condition.h"

namespace klv {

void RunStandardCalibration(CKLV570App& app, CMainChannel& channel, RunInstrument& instrument,
                            CKeyRoutingTable& keys, ConditionEditContext& editContext,
                            QWidget* parent) {
    CEventRunSounds sounds(app.EventSounds());
    const int index = channel.Index();
    StandardCalibrateSeams seams{channel.Run(),
                                 instrument,
                                 sounds,
                                 app.Op(),
                                 app.Calibration(),
                                 app.CalibrationPath(),
                                 app.Profile(),
                                 app.Time(),
                                 keys,
                                 app.Trace(),
                                 [&editContext, index](MeasFileData& d, QWidget* owner) {
                                     return EditCondition(editContext, d, index, true, owner);
                                 }};
    CStandardCalibrate dialog(seams, channel.Condition(), parent);
    dialog.exec();
}

void RunObservationMeasurement(CKLV570App& app, CMainChannel& channel, RunInstrument& instrument,
                               CKeyRoutingTable& keys, ReportPrinter* printer, QWidget* parent) {
    CMeasurementSession* session = channel.Session();
    if (session == nullptr)
        return;
    const PotentialMeasureSeams seams{*session,
                                      channel.WorkingCondition(),
                                      instrument,
                                      app.Op(),
                                      app.Profile(),
                                      keys,
                                      MakeGraphSeams(app, printer),
                                      LoadGraphSettings(app.Profile()),
                                      [&channel] { return channel.MayStartMeasurement(); }};
    CPotentialMeasure dialog(seams, parent);
    dialog.exec();
}

void RunGuessCalibration(CKLV570App& app, const CMainChannel& channel, QWidget* parent) {
    const MeasFileData* d = channel.Condition();
    CGuessCalibrate dialog(app.Calibration(), app.CalibrationPath(), app.Op(), app.Time(),
                           d != nullptr ? d->bGasket : 0, parent);
    dialog.exec();
}

}  // namespace klv
