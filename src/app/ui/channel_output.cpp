#include "app/ui/channel_output.h"

#include "app/klv570_app.h"
#include "app/ui/main_channel.h"
#include "app/ui/roll_paper_link.h"
#include "output/result_transmission.h"
#include "stats/ui/data_over.h"
#include "stats/ui/simple_stat.h"
#include "stats/ui/stat_item_set.h"

namespace klv {

CChannelOutput::CChannelOutput(CKLV570App& app, CMainChannel& channel, CSimpleStat& panel,
                               QWidget& window)
    : m_app(app), m_channel(channel), m_panel(panel), m_window(window) {}

bool CChannelOutput::DoStatisticsItemSet() {
    if (!m_channel.IsOpen())
        return false;
    CStatItemSet dialog(m_channel.WorkingCondition(), m_app.Conditions(), m_channel.Index(),
                        m_app.Op(), &m_window);
    const bool changed = dialog.exec() == QDialog::Accepted;
    m_channel.DisplayLastMeasureResult(false);
    m_panel.Display();
    return changed;
}

void CChannelOutput::RefreshTemporaryStatistics() {
    m_panel.Display();
}

void CChannelOutput::PrintLayer(const MeasFileData& d, int layer) {
    if (m_rollPaper != nullptr)
        m_rollPaper->PrintLayer(d, m_channel.Index(), layer);
}

void CChannelOutput::PrintMeasurement(const MeasFileData& d,
                                      std::span<const MsrLogRecord> records) {
    if (m_rollPaper != nullptr)
        m_rollPaper->PrintMeasurement(d, m_channel.Index(), records);
}

void CChannelOutput::TransmitMeasurement(const MeasFileData& d,
                                         std::span<const MsrLogRecord> records,
                                         std::uint32_t recordNumber) {
    if (CResultTransmission* transmission = m_app.Transmission())
        transmission->SendMeasurement(d, records, recordNumber);
}

void CChannelOutput::RecordMeasurement(const MeasFileData& d, std::span<const MsrLogRecord> records,
                                       std::uint32_t recordNumber) {
    m_app.Recording().Measured(d, m_channel.Index(), recordNumber, records,
                               m_channel.TakenWithDueCalibration(recordNumber));
}

void CChannelOutput::RecordAddedElectrolysis(const MeasFileData& d, std::uint32_t recordNumber,
                                             int layer, float before, float after) {
    m_app.Recording().AddedElectrolysis(d, m_channel.Index(), recordNumber, layer, before, after);
}

void CChannelOutput::ResetTemporaryStatistics() {
    m_panel.Reset(true);
}

bool CChannelOutput::RunGrossStatistics(const MeasFileData& d) {
    return klv::RunGrossStatistics(d, *this, m_app.Op()) == GrossStatisticsOutcome::Stop;
}

void CChannelOutput::ShowStatisticsWindow(const std::string& caption) {
    m_statisticsWindow(caption);
    m_channel.DisplayLastMeasureResult(false);
    m_panel.Display();
}

DataOverChoice CChannelOutput::AskDataOver() {
    CDataOver dialog(&m_window);
    dialog.exec();
    return dialog.Choice();
}

void CChannelOutput::DeleteMeasurementData() {
    m_channel.DeleteData();
}

}  // namespace klv
