#pragma once

#include <functional>
#include <string>

#include "measure/measurement_view.h"
#include "stats/gross_statistics.h"

class QWidget;

namespace klv {

class CKLV570App;
class CMainChannel;
class CRollPaperLink;
class CSimpleStat;

// Where the open channel's finished layers and measurements go: the temporary statistics
// panel, the gross statistics sequence and the result transmission. Printing has no outlet yet.
class CChannelOutput final : public MeasurementOutput, private GrossStatisticsSteps {
public:
    // Shows the statistics window of the open channel with the caption.
    using StatisticsWindow = std::function<void(const std::string& caption)>;

    CChannelOutput(CKLV570App& app, CMainChannel& channel, CSimpleStat& panel, QWidget& window);

    // Without one, the gross statistics go straight to "Data over".
    void SetStatisticsWindow(StatisticsWindow window) { m_statisticsWindow = std::move(window); }
    bool HasStatisticsWindow() const { return bool(m_statisticsWindow); }
    // The statistics window with the caption; then the last result and the panel follow it.
    void DoStatistics(const std::string& caption) { ShowStatisticsWindow(caption); }
    // "Setting of statistics items" on the open channel's condition; then the last result,
    // the panel and the enabling follow it. True when the items were changed.
    bool DoStatisticsItemSet();
    // The roll-paper printer the lines go to; none prints nothing.
    void SetRollPaper(CRollPaperLink* rollPaper) { m_rollPaper = rollPaper; }
    CRollPaperLink* RollPaper() { return m_rollPaper; }

    // MeasurementOutput
    void RefreshTemporaryStatistics() override;
    void PrintLayer(const MeasFileData& d, int layer) override;
    void PrintMeasurement(const MeasFileData& d, std::span<const MsrLogRecord> records) override;
    void TransmitMeasurement(const MeasFileData& d, std::span<const MsrLogRecord> records,
                             std::uint32_t recordNumber) override;
    bool RunGrossStatistics(const MeasFileData& d) override;
    void ResetTemporaryStatistics() override;
    void RecordMeasurement(const MeasFileData& d, std::span<const MsrLogRecord> records,
                           std::uint32_t recordNumber) override;
    void RecordAddedElectrolysis(const MeasFileData& d, std::uint32_t recordNumber, int layer,
                                 float before, float after) override;

private:
    // GrossStatisticsSteps
    bool CanShowStatisticsWindow() const override { return bool(m_statisticsWindow); }
    void ShowStatisticsWindow(const std::string& caption) override;
    DataOverChoice AskDataOver() override;
    void DeleteMeasurementData() override;
    void EditStatisticsItems() override { DoStatisticsItemSet(); }

    CKLV570App& m_app;
    CMainChannel& m_channel;
    CSimpleStat& m_panel;
    QWidget& m_window;
    StatisticsWindow m_statisticsWindow;
    CRollPaperLink* m_rollPaper = nullptr;
};

}  // namespace klv
