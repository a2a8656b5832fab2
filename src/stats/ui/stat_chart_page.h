#pragma once

#include <string>
#include <vector>

#include "stats/chart_lists.h"
#include "stats/statistics_session.h"
#include "stats/ui/stat_page.h"
#include "stats/ui/statistics_links.h"

class QComboBox;
class QHBoxLayout;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;

namespace klv {

class CChartView;

// A chart page over the window's selected layer: the coating list, "Auto scale" where the page
// has one, "Scale set", the chart and what the page lists around it. Copy puts the chart on the
// clipboard as a picture; print sends the chart report.
class CStatChartPage : public CStatPage {
    Q_OBJECT
public:
    CStatChartPage(CStatisticsSession& session, StatisticsLinks& links, int page,
                   std::string reportTitle, bool autoScaleButton, QWidget* parent);

    void Refresh() override;
    void Print() override;
    bool Copy() override;

    bool IsAutoScale() const { return m_auto; }
    CChartView& ChartView() const { return *m_chart; }
    // Draws the chart into any device; `print` selects the printed look.
    virtual void Draw(QPainter& p, const QRect& area, int ratio, bool print) const = 0;

protected:
    // Recomputes the page for the selected layer, with the automatic scale when asked; false
    // when it could not (the message was shown).
    virtual bool Compute(bool autoScale) = 0;
    // Opens the scale dialog; true when OK changed the scale.
    virtual bool EditScale() = 0;
    // After a computation or a scale change: the lists.
    virtual void ShowLists() = 0;
    // The label-value lines of the chart report.
    virtual std::vector<std::string> ReportLines() const = 0;
    // A scale change the page keeps until its next refresh; false when it recomputes instead.
    virtual bool KeepsEditedScale() const { return false; }

    int Layer() const { return m_session.SelectedLayer(); }
    // Room beside the chart and below it for the page's lists.
    QVBoxLayout& Below() const { return *m_below; }
    QHBoxLayout& Controls() const { return *m_controls; }
    // A list of one or more rows in the given columns.
    static void FillList(QTreeWidget& list, const ChartList& content);
    QTreeWidget* MakeList(const char* name);
    void ShortOfMemory();

    CStatisticsSession& m_session;
    StatisticsLinks& m_links;

private:
    void FillCoatings();
    void OnCoatingChanged(int index);
    void OnAutoScale();
    void OnScaleSet();
    void SetAutoScale(bool on);
    void Recompute();

    int m_page;
    std::string m_reportTitle;
    bool m_auto = true;
    int m_shownLayer = -1;
    QComboBox* m_coating = nullptr;
    QPushButton* m_autoScale = nullptr;
    QPushButton* m_scaleSet = nullptr;
    QHBoxLayout* m_controls = nullptr;
    CChartView* m_chart = nullptr;
    QVBoxLayout* m_below = nullptr;
};

}  // namespace klv
