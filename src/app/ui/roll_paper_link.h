#pragma once

#include <memory>
#include <span>

#include "output/raster_rows.h"
#include "output/roll_paper_output.h"
#include "output/ui/line_printer_simulate.h"
#include "output/ui/print_report.h"
#include "output/ui/roll_paper_drawer.h"
#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"
#include "results/measurement_log.h"

class QWidget;

namespace klv {

class CKLV570App;

// The program's printers: the settings they print with, the roll-paper print image window of
// print simulation, the lines of the open channel's measurements and the reports.
class CRollPaperLink final : public CancellationPrinter {
public:
    explicit CRollPaperLink(CKLV570App& app);
    ~CRollPaperLink() override;

    CRollPaperOutput& Output() { return m_output; }
    const CQtRollPaperDrawer& Drawer() const { return m_drawer; }
    CPrintReporter& Reports() { return m_reporter; }
    // Null without print simulation.
    CLinePrinterSimulate* SimulationWindow() { return m_window.get(); }

    // The width the print image will take beside `owner` when StartUp places it there, as on
    // a first start under print simulation; else 0.
    int ImageRoomBeside(const QWidget& owner) const;
    // Takes the printer kind, model, mode and font from the application's settings.
    void ApplySettings();
    // Opens the print image window under print simulation, else tells a missing roll-paper
    // printer once when it is the chosen one.
    void StartUp(QWidget* parent);
    void Shutdown();
    // "Printer set": a pending five-data line goes out when its mode is left; the accepted
    // settings are stored, written and used from then on.
    void RunPrinterSetup(QWidget* parent, const OpenChannelRef& channel);

    // The lines after layer `layer` of the channel's last measurement.
    void PrintLayer(const MeasFileData& d, int index, int layer);
    void PrintMeasurement(const MeasFileData& d, int index, std::span<const MsrLogRecord> records);
    // CancellationPrinter
    void PrintCancellationLine(const std::string& line) override;

private:
    CKLV570App& m_app;
    CQtRollPaperDrawer m_drawer;
    CRollPaperPrinter m_printer;
    CRollPaperOutput m_output;
    CPrintReporter m_reporter;
    std::unique_ptr<CLinePrinterSimulate> m_window;
};

}  // namespace klv
