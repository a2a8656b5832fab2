#include "app/ui/roll_paper_link.h"

#include <vector>

#include "app/klv570_app.h"
#include "app/system_flags.h"
#include "base/fixed_text.h"
#include "base/ui/text_codec.h"

namespace klv {

CRollPaperLink::CRollPaperLink(CKLV570App& app)
    : m_app(app),
      m_printer(app.PrinterQueue(), app.Op()),
      m_output(m_printer, m_drawer, app.Conditions()) {
    ApplySettings();
}

CRollPaperLink::~CRollPaperLink() {
    Shutdown();
}

void CRollPaperLink::ApplySettings() {
    m_output.SetSelected((m_app.SystemFlags() & kFlagRollPaperPrinter) != 0);
    m_output.SetMode(m_app.MeasDataPrint());
    m_printer.SetModel(m_app.PrinterName());
    const PrinterFont& font = m_app.LinePrinterFont();
    m_drawer.SetFont(UiTextCodec().ToQString(GetFixedText(font.font.lfFaceName)), font.size);
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
