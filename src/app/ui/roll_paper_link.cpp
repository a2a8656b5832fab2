#include "app/ui/roll_paper_link.h"

#include <vector>

#include "app/klv570_app.h"
#include "app/print_settings.h"
#include "app/system_flags.h"
#include "base/fixed_text.h"
#include "base/ui/text_codec.h"
#include "output/ui/printer_setup.h"

namespace klv {

CRollPaperLink::CRollPaperLink(CKLV570App& app)
    : m_app(app),
      m_printer(app.PrinterQueue(), app.Op()),
      m_output(m_printer, m_drawer, app.Conditions()),
      m_reporter(m_output, app.Op(), app.Time(), &app.Profile()) {
    ApplySettings();
}

CRollPaperLink::~CRollPaperLink() {
    Shutdown();
}

void CRollPaperLink::ApplySettings() {
    m_output.SetSelected((m_app.SystemFlags() & kFlagRollPaperPrinter) != 0);
    m_output.SetMode(m_app.MeasDataPrint());
    m_printer.SetModel(m_app.PrinterName());
    const PrinterFont& line = m_app.LinePrinterFont();
    const QString lineFace = UiTextCodec().ToQString(GetFixedText(line.font.lfFaceName));
    m_drawer.SetFont(lineFace, line.size);
    m_reporter.SetRollPaperFont({lineFace, line.size});
    const PrinterFont& page = m_app.PagePrinterFont();
    m_reporter.SetPageFont(
        {UiTextCodec().ToQString(GetFixedText(page.font.lfFaceName)), page.size});
    m_reporter.SetPrintSimulation((m_app.SystemFlags() & kFlagPrintSimulation) != 0);
}

int CRollPaperLink::ImageRoomBeside(const QWidget& owner) const {
    if ((m_app.SystemFlags() & kFlagPrintSimulation) == 0 ||
        CLinePrinterSimulate::IsPlaced(m_app.Profile()))
        return 0;
    return CLinePrinterSimulate::RoomBeside(owner);
}

void CRollPaperLink::StartUp(QWidget* parent) {
    if ((m_app.SystemFlags() & kFlagPrintSimulation) != 0) {
        m_window = std::make_unique<CLinePrinterSimulate>(&m_app.Profile(), parent);
        m_printer.SetSimulation(m_window.get());
        m_window->Open();
        return;
    }
    if (m_output.IsSelected())
        m_printer.ProbeRollPaperPrinter(true, true);
}

void CRollPaperLink::Shutdown() {
    m_printer.SetSimulation(nullptr);
    if (m_window)
        m_window->Shutdown();
    m_window.reset();
}

void CRollPaperLink::RunPrinterSetup(QWidget* parent, const OpenChannelRef& channel) {
    CPrinterSetup::ModelProbe probe;
    if (!m_printer.IsSimulation())
        probe = [this](int model) { return m_printer.ProbeModel(model, true); };
    const PrinterSetupValues before = GetPrinterSetupValues(m_app);
    CPrinterSetup dialog(before, probe, m_app.Op(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PrinterSetupValues& after = dialog.Values();
    // A line left pending would never print once its mode or printer is gone.
    if (before.rollPaper && (!after.rollPaper || LeavesFiveDataMode(before.mode, after.mode)))
        m_output.FlushFiveDataLine(channel);
    ApplyPrinterSetupValues(m_app, after);
    ApplySettings();
}

void CRollPaperLink::PrintLayer(const MeasFileData& d, int index, int layer) {
    const int layers = GetCoatCount(d);
    if (layers <= 0 || layer < 0 || layer >= layers || d.nItemCt == 0)
        return;
    // The measurement's layers so far; the later ones stay unmeasured.
    const auto count = static_cast<std::uint32_t>(layers);
    const std::uint32_t first = (d.nItemCt - 1) / count * count;
    std::vector<MsrLogRecord> records(count);
    if (!ReadMsrLogFile(m_app.Conditions(), index, records.data(), first,
                        static_cast<std::uint32_t>(layer) + 1, true))
        return;
    m_output.PrintMeasurementLines({&d, index}, records, layer);
}

void CRollPaperLink::PrintMeasurement(const MeasFileData& d, int index,
                                      std::span<const MsrLogRecord> records) {
    m_output.PrintMeasurementLines({&d, index}, records, static_cast<int>(records.size()) - 1);
}

void CRollPaperLink::PrintCancellationLine(const std::string& line) {
    m_output.PrintRollPaperLine(line);
}

}  // namespace klv
