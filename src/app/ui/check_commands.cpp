#include "app/ui/check_commands.h"

#include "app/klv570_app.h"
#include "app/settings_access.h"
#include "app/settings_keys.h"
#include "measure/ui/add_electrolyze_dialog.h"
#include "measure/ui/current_calibrate_dialog.h"
#include "measure/ui/current_check_dialog.h"
#include "measure/ui/device_status_dialog.h"
#include "measure/ui/mechanical_check_dialog.h"
#include "measure/ui/pump_check_dialog.h"
#include "measure/ui/reverse_current_dialog.h"
#include "measure/ui/sensitive_test_dialog.h"

namespace klv {

void RunReverseCurrent(CKLV570App& app, CDeviceProtocol& protocol, QWidget* parent) {
    ProfileFile& ini = app.Profile();
    const ReverseCurrentSettings stored{ReadSetting(ini, ini::kReverseCurrentValue),
                                        ReadSetting(ini, ini::kReverseOutputTime)};
    CReverseCurrent dialog(
        protocol, app.EventSounds(), app.Op(), app.Time(), stored,
        [&ini](const ReverseCurrentSettings& s) {
            ProfileBatch batch(ini);
            WriteSetting(ini, ini::kReverseCurrentValue, s.current);
            WriteSetting(ini, ini::kReverseOutputTime, s.seconds);
        },
        parent);
    dialog.exec();
}

std::uint32_t RunAdditionalElectrolysis(CKLV570App& app, CDeviceProtocol& protocol,
                                        const MeasFileData& d, int layer, QWidget* parent) {
    CAddElectrolyze dialog(protocol, app.EventSounds(), app.Op(), d, layer, app.Calibration(),
                           parent);
    dialog.exec();
    return dialog.AccumulatedCount();
}

void RunPumpCheck(CKLV570App& app, CDeviceProtocol& protocol, QWidget* parent) {
    CPumpCheck dialog(protocol, app.EventSounds(), parent);
    dialog.exec();
}

void RunCurrentCheck(CKLV570App& app, CDeviceProtocol& protocol, QWidget* parent) {
    CCurrentCheck dialog(protocol, app.EventSounds(), nullptr, parent);
    dialog.exec();
}

void RunSensitivityTest(CKLV570App& app, CDeviceProtocol& protocol, QWidget* parent) {
    CSensitiveTest dialog(protocol, app.EventSounds(), parent);
    dialog.exec();
}

void RunDeviceCheck(CKLV570App& app, CDeviceProtocol& protocol, QWidget* parent) {
    CMechanicalCheck dialog(protocol, app.EventSounds(), parent);
    dialog.exec();
}

void RunCurrentCalibrate(CKLV570App& app, CDeviceProtocol& protocol, ReportPrinter* printer,
                         QWidget* parent) {
    RunCurrentCalibration(protocol, app.EventSounds(), app.Op(), printer, parent);
}

void RunDeviceStatus(CDeviceProtocol& protocol, QWidget* parent) {
    CDeviceStatus dialog(protocol, parent);
    dialog.exec();
}

}  // namespace klv
