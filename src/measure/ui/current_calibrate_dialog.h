#pragma once

#include <array>

#include "measure/current_calibration_sheet.h"
#include "measure/ui/check_dialog.h"

class QLabel;
class QLineEdit;

namespace klv {

class Operator;
class ReportPrinter;

// "Calibration of constant current": each output point is put out at its nominal value, the
// operator types what the meter reads, and OK stores the errors in the instrument.
class CCurrentCalibrate final : public CCheckDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 447;
    static constexpr const char* kAccessCode = "9438";

    // Without a printer "Print out" stays disabled.
    CCurrentCalibrate(CDeviceProtocol& protocol, CEventSounds& sounds, Operator& op,
                      ReportPrinter* printer, QWidget* parent = nullptr);

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
    void ShowReadValues(const CurrentCalibration& cal);
    // The typed block, or none after the message that names the point to correct.
    std::optional<CurrentCalibration> CheckedReadings();
    void TryInCurrentCheck();
    // The typed values and their errors on the page printer, when all are numbers.
    void Print();

    Operator& m_op;
    ReportPrinter* m_printer;
    std::array<Point, kOutputPointCount> m_points;
};

// Asks for the access code, then runs the dialog; a wrong code or a failed read ends it.
void RunCurrentCalibration(CDeviceProtocol& protocol, CEventSounds& sounds, Operator& op,
                           ReportPrinter* printer, QWidget* parent);

}  // namespace klv
