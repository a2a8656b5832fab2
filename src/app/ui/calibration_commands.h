#pragma once

class QWidget;

namespace klv {

class CKLV570App;
class CKeyRoutingTable;
class CMainChannel;
class RunInstrument;
class ReportPrinter;
struct ConditionEditContext;

// "Standard calibration": dialog 540 on the open channel's gasket; then the window refreshes.
void RunStandardCalibration(CKLV570App& app, CMainChannel& channel, RunInstrument& instrument,
                            CKeyRoutingTable& keys, ConditionEditContext& editContext,
                            QWidget* parent);
// "Observation measurement of potential graph": dialog 580 on the open channel.
void RunObservationMeasurement(CKLV570App& app, CMainChannel& channel, RunInstrument& instrument,
                               CKeyRoutingTable& keys, ReportPrinter* printer, QWidget* parent);
// "Guess calibration": dialog 541 with the open channel's gasket preselected.
void RunGuessCalibration(CKLV570App& app, const CMainChannel& channel, QWidget* parent);

}  // namespace klv
