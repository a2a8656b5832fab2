#pragma once

#include "stats/capability.h"
#include "stats/histogram.h"
#include "stats/ui/stat_chart_page.h"

namespace klv {

// "Histogram": the selected layer's values in classes under the normal curve.
class CStatHistogram : public CStatChartPage {
    Q_OBJECT
public:
    CStatHistogram(CStatisticsSession& session, StatisticsLinks& links, QWidget* parent);

    const Histogram& Shown() const { return m_hist; }
    const QTreeWidget& List() const { return *m_list; }
    void Draw(QPainter& p, const QRect& area, int ratio, bool print) const override;

protected:
    bool Compute(bool autoScale) override;
    bool EditScale() override;
    void ShowLists() override;
    std::vector<std::string> ReportLines() const override;

private:
    ChartList Content() const;

    Histogram m_hist;
    ChartStatistics m_stats;
    CapabilityFigures m_capability;
    QTreeWidget* m_list;
};

}  // namespace klv
