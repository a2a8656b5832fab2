#include "measure/ui/current_calibrate_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/check_messages.h"
#include "base/number_parse.h"
#include "base/operator.h"
#include "base/ui/password_input.h"
#include "base/ui/print_page_context.h"
#include "base/ui/report_drawing.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "device/busy_scope.h"
#include "device/device_protocol.h"
#include "device/usb_transport.h"
#include "measure/current_calibration_write.h"
#include "measure/ui/current_check_dialog.h"

namespace klv {
namespace {

constexpr const char* kEepromFailed =
    "Not possible to input for EEPROM of device.\n\nPossibility of data error.";

}  // namespace

CCurrentCalibrate::CCurrentCalibrate(CDeviceProtocol& protocol, CEventSounds& sounds, Operator& op,
                                     ReportPrinter* printer, QWidget* parent)
    : CCheckDialog(protocol, sounds, "CCurrentCalibrate", "Calibration of constant current",
                   parent),
      m_op(op),
      m_printer(printer) {
    SetSilentOffAtClose();
    auto* grid = new QGridLayout(this);
    const char* headers[] = {"Hi output", "Read value", "Error",
                             "Lo output", "Read value", "Error"};
    for (int c = 0; c < 6; ++c)
        grid->addWidget(new QLabel(QString::fromLatin1(headers[c]), this), 0, c + 1);
    for (int i = 0; i < kOutputPointCount; ++i) {
        const OutputPoint p = OutputPointAt(i);
        Point& point = m_points[static_cast<std::size_t>(i)];
        point.output = new QPushButton(QString::fromLatin1(PointCaption(i)), this);
        point.output->setObjectName(QStringLiteral("output%1").arg(i));
        point.output->setCheckable(true);
        point.output->setAutoDefault(false);
        point.read = new QLineEdit(this);
        point.read->setObjectName(QStringLiteral("read%1").arg(i));
        point.read->setMaxLength(5);
        point.read->setFixedWidth(70);
        point.error = new QLabel(this);
        point.error->setObjectName(QStringLiteral("error%1").arg(i));
        point.error->setMinimumWidth(60);
        connect(point.output, &QPushButton::clicked, this, [this, i] { ChoosePoint(i); });
        connect(point.read, &QLineEdit::editingFinished, this, [this, i] { ShowError(i); });
        const int row = p.range + 1;
        const int column = p.high ? 1 : 4;
        if (p.high)
            grid->addWidget(new QLabel(QStringLiteral("Current range%1").arg(p.range + 1), this),
                            row, 0);
        grid->addWidget(point.output, row, column);
        grid->addWidget(point.read, row, column + 1);
        grid->addWidget(point.error, row, column + 2);
    }
    auto* check = new QPushButton(QStringLiteral("Constant current check"), this);
    check->setObjectName(QStringLiteral("currentCheck"));
    check->setAutoDefault(false);
    connect(check, &QPushButton::clicked, this, &CCurrentCalibrate::TryInCurrentCheck);
    auto* print = new QPushButton(QStringLiteral("Print out"), this);
    print->setObjectName(QStringLiteral("print"));
    print->setAutoDefault(false);
    print->setEnabled(m_printer != nullptr);
    connect(print, &QPushButton::clicked, this, &CCurrentCalibrate::Print);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CCurrentCalibrate::accept);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    grid->addWidget(check, 7, 0, 1, 2);
    grid->addWidget(print, 7, 3);
    grid->addWidget(ok, 7, 5);
    grid->addWidget(cancel, 7, 6);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void CCurrentCalibrate::Print() {
    const std::optional<std::vector<std::string>> lines = CalibrationPrintLines(Typed());
    if (!lines || m_printer == nullptr)
        return;
    m_printer->PrintReport(this, [&](QWidget*, PrintPageContext& pc) {
        ReportPage page(MetricsOf(pc));
        const int stops[] = {pc.charWidth * 12};
        int y = pc.rect.top;
        for (const std::string& line : *lines) {
            page.Tabbed(pc.rect.left, y, line, stops);
            y += 5 * pc.charHeight / 4;
        }
        DrawReportPage(pc, page, pc.font);
        pc.rect.bottom = std::min(pc.rect.bottom, y);
        pc.end = true;
        return false;
    });
    m_printer->FeedRollPaper();
}

bool CCurrentCalibrate::Load() {
    std::array<std::uint8_t, kCalibrationLength> block{};
    int ok = 0;
    {
        CBusyScope scope(Protocol().Busy(), !Protocol().Transport().IsSimulation());
        ok = Protocol().MechaGetCurrentCalibrate(block.data(), true);
    }
    if (ok != 1)
        return false;
    ShowReadValues(CurrentCalibration::FromBlock(block.data()));
    return true;
}

void CCurrentCalibrate::ShowReadValues(const CurrentCalibration& cal) {
    for (int i = 0; i < kOutputPointCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        m_points[k].read->setText(
            QString::fromStdString(FormatReadValue(OutputPointAt(i), cal.fErrors[k])));
        ShowError(i);
    }
}

std::optional<CurrentCalibration> CCurrentCalibrate::CheckedReadings() {
    int bad = 0;
    ReadingFault fault = ReadingFault::None;
    std::optional<CurrentCalibration> cal = CalibrationFromReadings(Typed(), &bad, &fault);
    if (!cal)
        ShowValidationMessage(m_op, m_points[static_cast<std::size_t>(bad)].read,
                              fault == ReadingFault::OutOfRange
                                  ? ReadValueRangeText(OutputPointAt(bad))
                                  : std::string(kMsgNumericError));
    return cal;
}

void CCurrentCalibrate::ChoosePoint(int index) {
    Point& chosen = m_points[static_cast<std::size_t>(index)];
    const bool on = chosen.output->isChecked();
    ClearPoints();
    if (!on) {
        OutputsOff();
        return;
    }
    chosen.output->setChecked(true);
    const OutputPoint p = OutputPointAt(index);
    if (!Send([&] {
            return Protocol().SetOutputCurrent(NominalMa(p), 0.0f, false, false, true, p.range,
                                               true) == 1;
        }))
        chosen.output->setChecked(false);
}

void CCurrentCalibrate::ClearPoints() {
    for (Point& p : m_points)
        p.output->setChecked(false);
}

void CCurrentCalibrate::ShowError(int index) {
    Point& point = m_points[static_cast<std::size_t>(index)];
    const std::optional<double> typed = ParseFloat(FromQString(point.read->text()));
    point.error->setText(
        typed ? QString::fromStdString(FormatReadError(OutputPointAt(index), *typed)) : QString());
}

std::array<std::string, kOutputPointCount> CCurrentCalibrate::Typed() const {
    std::array<std::string, kOutputPointCount> typed;
    for (std::size_t i = 0; i < typed.size(); ++i)
        typed[i] = FromQString(m_points[i].read->text());
    return typed;
}

void CCurrentCalibrate::TryInCurrentCheck() {
    OutputsOff();
    ClearPoints();
    const std::optional<CurrentCalibration> workingCopy = CheckedReadings();
    if (!workingCopy)
        return;
    CCurrentCheck check(Protocol(), Sounds(), &*workingCopy, this);
    check.exec();
}

void CCurrentCalibrate::accept() {
    const std::optional<CurrentCalibration> cal = CheckedReadings();
    if (!cal)
        return;
    CurrentCalibrationWrite written;
    {
        CBusyScope scope(Protocol().Busy(), !Protocol().Transport().IsSimulation());
        written = WriteCurrentCalibration(Protocol(), *cal);
    }
    if (!written.stored) {
        m_op.ShowMessage(kEepromFailed, MsgIcon::Stop, MsgButtons::Ok);
        // What the instrument holds now, so nobody takes the typed values for stored ones.
        if (written.held)
            ShowReadValues(*written.held);
        return;
    }
    CCheckDialog::accept();
}

void RunCurrentCalibration(CDeviceProtocol& protocol, CEventSounds& sounds, Operator& op,
                           ReportPrinter* printer, QWidget* parent) {
    const std::optional<std::string> code = AskPassword(parent);
    if (!code || *code != CCurrentCalibrate::kAccessCode)
        return;
    CCurrentCalibrate dialog(protocol, sounds, op, printer, parent);
    if (dialog.Load())
        dialog.exec();
}

}  // namespace klv
