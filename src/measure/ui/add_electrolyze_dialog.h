#pragma once

#include <cstdint>

#include "measure/ui/check_dialog.h"
#include "reference/calibration_store.h"
#include "reference/meas_file_data.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace klv {

class Operator;

// "Additional electrolysis": dissolves the layer measured before a little further, by a number
// of counts or up to the potential's jump, and adds up the counts of its runs.
class CAddElectrolyze final : public CCheckDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 442;

    CAddElectrolyze(CDeviceProtocol& protocol, CEventSounds& sounds, Operator& op,
                    const MeasFileData& d, int layer, const CalibrationStore& calibration,
                    QWidget* parent = nullptr);

    // The counts of every run that ended; 0 when none did.
    std::uint32_t AccumulatedCount() const { return m_accumulated; }

protected:
    void OnPollingNotify(const PollingData& poll) override;
    void BeforeClose() override;

private:
    void UpdateControls();
    void Start();

    Operator& m_op;
    const MeasFileData& m_d;
    int m_layer;
    const CalibrationStore& m_calibration;
    QRadioButton* m_byCount = nullptr;
    QRadioButton* m_toJump = nullptr;
    QLineEdit* m_count = nullptr;
    QCheckBox* m_blanking = nullptr;
    QLineEdit* m_seconds = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_start = nullptr;
    bool m_running = false;
    std::uint32_t m_accumulated = 0;
};

}  // namespace klv
