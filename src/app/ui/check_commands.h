#pragma once

#include <cstdint>

#include "reference/meas_file_data.h"

class QWidget;

namespace klv {

class CDeviceProtocol;
class CKLV570App;
class ReportPrinter;

// The maintenance dialogs of the main window, each on the instrument of the device link.
void RunReverseCurrent(CKLV570App& app, CDeviceProtocol& protocol, QWidget* parent);
// "Additional electrolysis" of layer `layer` of the condition: the counts its runs added.
std::uint32_t RunAdditionalElectrolysis(CKLV570App& app, CDeviceProtocol& protocol,
                                        const MeasFileData& d, int layer, QWidget* parent);
void RunPumpCheck(CKLV570App& app, CDeviceProtocol& protocol, QWidget* parent);
void RunCurrentCheck(CKLV570App& app, CDeviceProtocol& protocol, QWidget* parent);
void RunSensitivityTest(CKLV570App& app, CDeviceProtocol& protocol, QWidget* parent);
void RunDeviceCheck(CKLV570App& app, CDeviceProtocol& protocol, QWidget* parent);
void RunCurrentCalibrate(CKLV570App& app, CDeviceProtocol& protocol, ReportPrinter* printer,
                         QWidget* parent);
void RunDeviceStatus(CDeviceProtocol& protocol, QWidget* parent);

}  // namespace klv
