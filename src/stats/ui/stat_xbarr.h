#pragma once

#include <vector>

#include "stats/control_chart.h"
#include "stats/run_rules.h"
#include "stats/ui/stat_chart_page.h"

class QLabel;
class QListWidget;

namespace klv {

// "%5-R Control chart": the mean and range of each group of the selected layer with their
// centre lines, control limits and run rule breaks; single data get the individuals and
// moving-range chart.
class CStatXbarR : public CStatChartPage {
    Q_OBJECT
public:
    CStatXbarR(CStatisticsSession& session, StatisticsLinks& links, QWidget* parent);

    const ControlChart& Chart() const { return m_chart; }
    const std::vector<ChartGroup>& Groups() const { return m_groups; }
    int GroupDataNumber() const { return m_n; }
    bool Individuals() const { return m_n == 1; }
    unsigned EnabledRules() const { return m_enabledRules; }
    const QTreeWidget& LimitList() const { return *m_limits; }
    const QListWidget& RuleList() const { return *m_rules; }
    void Draw(QPainter& p, const QRect& area, int ratio, bool print) const override;

protected:
    bool Compute(bool autoScale) override;
    bool EditScale() override;
    void ShowLists() override;
    std::vector<std::string> ReportLines() const override;
    bool KeepsEditedScale() const override { return true; }

private:
    // From the chart as it stands, so that an edited centre line or limit moves them too.
    ChartRuleBreaks RuleBreaks() const;
    ControlChartSeries Series() const { return ChartSeriesOf(m_groups, Individuals()); }

    std::vector<ChartGroup> m_groups;
    int m_n = 0;
    ControlChartFactors m_factors;
    ControlChart m_chart;
    unsigned m_enabledRules = kDefaultRunRules;
    QLabel* m_unit;
    QLabel* m_groupCount;
    QLabel* m_groupSize;
    QTreeWidget* m_limits;
    QTreeWidget* m_factorList;
    QListWidget* m_rules;
};

}  // namespace klv
