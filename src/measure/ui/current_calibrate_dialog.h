#pragma once

#include <array>

#include "measure/current_calibration_sheet.h"
#include "measure/ui/check_dialog.h"

class QLabel;
class QLineEdit;

namespace klv {

class Operator;

// "Calibration of constant current": each output point is put out at its nominal value, the
// operator types what the meter reads, and OK stores the errors in the instrument.
class CCurrentCalibrate final : public CCheckDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 447;
    static constexpr const char* kAccessCode = "9438";

    CCurrentCalibrate(CDeviceProtocol& protocol, CEventSounds& sounds, Operator& op,
                      QWidget* parent = nullptr);

    // Reads the stored block into the edits; false when that failed.
    bool Load();
    void accept() override;

private:
    struct Point {
        QPushButton* output = nullptr;
        QLineEdit* read = nullptr;
        QLabel* error = nullptr;
    };

    void ChoosePoint(int index);
    void ClearPoints();
    void ShowError(int index);
    std::array<std::string, kOutputPointCount> Typed() const;
    void TryInCurrentCheck();

    Operator& m_op;
    std::array<Point, kOutputPointCount> m_points;
};

// Asks for the access code, then runs the dialog; a wrong code or a failed read ends it.
void RunCurrentCalibration(CDeviceProtocol& protocol, CEventSounds& sounds, Operator& op,
                           QWidget* parent);

}  // namespace klv
