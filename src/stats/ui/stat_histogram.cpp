#include "stats/ui/stat_histogram.h"

#include <QTreeWidget>
#include <QVBoxLayout>
#include <new>

#include "stats/chart_report.h"
#include "stats/ui/chart_scale_dialogs.h"
#include "stats/ui/chart_view.h"
#include "stats/ui/histogram_drawing.h"

namespace klv {

CStatHistogram::CStatHistogram(CStatisticsSession& session, StatisticsLinks& links, QWidget* parent)
    : CStatChartPage(session, links, kPageHistogram, "Histogram", true, parent) {
    setObjectName(QStringLiteral("CStatHistogram"));
    m_list = MakeList("histogramList");
    Below().addWidget(m_list);
}

bool CStatHistogram::Compute(bool autoScale) {
    const int k = Layer();
    const MeasFileData& d = m_session.Condition();
    const FormedData& formed = m_session.Formed();
    m_stats = ToChartUnits(m_session.Result().layer[k], d);
    const HistogramScale scale =
        autoScale ? AutoHistogramScale(m_stats, formed.nDataCt) : m_hist.scale;
    try {
        m_hist =
            ComputeHistogram(LayerChartValues(formed.items, formed.nDataCt, d, k), scale, m_stats);
        m_capability = m_session.Capability(k);
    } catch (const std::bad_alloc&) {
        ShortOfMemory();
        return false;
    }
    return true;
}

bool CStatHistogram::EditScale() {
    HistogramScale scale = m_hist.scale;
    CHistogramSetting dialog(m_session.Condition(), Layer(), scale, m_links.op, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Changed())
        return false;
    m_hist.scale = scale;
    return true;
}

ChartList CStatHistogram::Content() const {
    return HistogramList(m_session.Condition(), Layer(), m_session.Formed().nDataCt,
                         m_session.Result().layer[Layer()], m_hist, m_capability);
}

void CStatHistogram::ShowLists() {
    FillList(*m_list, Content());
}

std::vector<std::string> CStatHistogram::ReportLines() const {
    return ChartListLines(Content());
}

void CStatHistogram::Draw(QPainter& p, const QRect& area, int ratio, bool print) const {
    DrawHistogramChart(p, area, {&m_session.Condition(), Layer(), m_hist, m_stats}, ratio, print,
                       palette().color(QPalette::Base));
}

}  // namespace klv
