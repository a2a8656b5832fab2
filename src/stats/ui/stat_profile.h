#pragma once

#include <vector>

#include "stats/profile_chart.h"
#include "stats/ui/stat_chart_page.h"

namespace klv {

// "Profile": the selected layer's values in data order.
class CStatProfile : public CStatChartPage {
    Q_OBJECT
public:
    CStatProfile(CStatisticsSession& session, StatisticsLinks& links, QWidget* parent);

    const ProfileScale& Scale() const { return m_scale; }
    const QTreeWidget& List() const { return *m_list; }
    void Draw(QPainter& p, const QRect& area, int ratio, bool print) const override;

protected:
    bool Compute(bool autoScale) override;
    bool EditScale() override;
    void ShowLists() override;
    std::vector<std::string> ReportLines() const override;

private:
    std::vector<double> m_values;
    ProfileValues m_walk;
    ProfileScale m_scale;
    ChartStatistics m_stats;
    QTreeWidget* m_list;
};

}  // namespace klv
