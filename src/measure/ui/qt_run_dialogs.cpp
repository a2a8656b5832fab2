#include "measure/ui/qt_run_dialogs.h"

#include "base/ui/place_clear_of.h"
#include "measure/ui/meas_auto_stop_dialog.h"
#include "measure/ui/meas_data_modify_dialog.h"
#include "measure/ui/measure_stop_dialog.h"

namespace klv {

int CQtRunDialogs::AskMeasureStop(float valueInUnit, const MeasFileData& d, int k) {
    CMeasureStop dialog(valueInUnit, d, k, m_owner);
    if (m_valueView)
        PlaceClearOf(dialog, *m_valueView);
    return dialog.exec();
}

int CQtRunDialogs::AskAutoStop() {
    CMeasAutoStop dialog(m_sounds, m_owner);
    return dialog.exec();
}

float CQtRunDialogs::AskCorrectedValue(float valueInUnit, const MeasFileData& d, int k) {
    CMeasDataModify dialog(valueInUnit, d, k, m_operator, m_owner);
    dialog.exec();
    return dialog.Value();
}

}  // namespace klv
