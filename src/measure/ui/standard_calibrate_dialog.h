#pragma once

#include <functional>
#include <string>

#include "base/clock.h"
#include "base/profile.h"
#include "measure/meas_run.h"
#include "measure/standard_calibration.h"
#include "measure/ui/run_window.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace klv {

inline constexpr int kIdStandardCalibrateDialog = 540;
// Returns of the dialog.
inline constexpr int kCalibrationClosed = 1;
inline constexpr int kCalibrationCancelled = 2;

// What the standard calibration works with; all outlive the dialog.
struct StandardCalibrateSeams {
    CMeasRun& run;
    RunInstrument& instrument;
    RunSounds& sounds;
    Operator& op;
    CalibrationStore& store;
    std::string calibrationPath;
    ProfileFile& profile;
    Clock& clock;
    CKeyRoutingTable& keys;
    PotentialTraceHooks& trace;
    // "Setting change": the condition sheet in calibration mode over `parent`; true on OK.
    std::function<bool(MeasFileData& d, QWidget* parent)> editCondition;
};

// "Standard calibration" (dialog 540): measures a thickness standard with the gasket's
// calibration condition and stores the mean deviation as the gasket's calibration value.
class CStandardCalibrate final : public CRunWindow {
    Q_OBJECT
public:
    CStandardCalibrate(const StandardCalibrateSeams& seams, const MeasFileData* current,
                       QWidget* parent = nullptr);
    ~CStandardCalibrate() override;

    const GasketCalibrationRecord& Record() const { return m_record; }
    int Layer() const { return m_calibration.Layer(); }
    bool IsMeasuring() const { return m_measuring; }

    void StartMeasurement() override;
    void StopMeasurement() override;
    void OnPollingNotify() override;
    void ChangeSetting();
    void DeleteData();
    void EndCalibration();

    void done(int result) override;
    void reject() override;

private:
    void ShowHeader();
    void SetIdle();
    void SetMeasuringState();
    void AddResult(float deviation);
    void ShowAverage();
    void Finish(int result);

    StandardCalibrateSeams m_seams;
    GasketCalibrationRecord m_record;
    MeasFileData m_condition{};
    CCalibrationRun m_calibration;
    bool m_measuring = false;
    bool m_closing = false;

    QLabel* m_gasket = nullptr;
    QLabel* m_coatBase = nullptr;
    QTreeWidget* m_layers = nullptr;
    QLineEdit* m_standard = nullptr;
    QLabel* m_unit = nullptr;
    QLabel* m_status = nullptr;
    QListWidget* m_values = nullptr;
    QLabel* m_average = nullptr;
    QLabel* m_guidance = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_setting = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_end = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace klv
