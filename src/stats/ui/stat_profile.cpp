#include "stats/ui/stat_profile.h"

#include <QTreeWidget>
#include <QVBoxLayout>
#include <new>

#include "stats/chart_report.h"
#include "stats/ui/chart_scale_dialogs.h"
#include "stats/ui/profile_drawing.h"

namespace klv {

CStatProfile::CStatProfile(CStatisticsSession& session, StatisticsLinks& links, QWidget* parent)
    : CStatChartPage(session, links, kPageProfile, "Profile", true, parent) {
    setObjectName(QStringLiteral("CStatProfile"));
    m_list = MakeList("profileList");
    Below().addWidget(m_list);
}

bool CStatProfile::Compute(bool autoScale) {
    const int k = Layer();
    const MeasFileData& d = m_session.Condition();
    const FormedData& formed = m_session.Formed();
    try {
        m_values = LayerChartValues(formed.items, formed.nDataCt, d, k);
    } catch (const std::bad_alloc&) {
        ShortOfMemory();
        return false;
    }
    m_stats = ToChartUnits(m_session.Result().layer[k], d);
    m_walk = WalkProfile(m_values);
    if (autoScale)
        m_scale = AutoProfileScale(m_walk, d, k);
    return true;
}

bool CStatProfile::EditScale() {
    ProfileScale scale = m_scale;
    CProfileSetting dialog(m_session.Condition(), Layer(), scale, m_links.op, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Changed())
        return false;
    m_scale = scale;
    return true;
}

void CStatProfile::ShowLists() {
    FillList(*m_list, ProfileList(m_session.Condition(), Layer(), m_walk));
}

std::vector<std::string> CStatProfile::ReportLines() const {
    return ChartListLines(ProfileList(m_session.Condition(), Layer(), m_walk));
}

void CStatProfile::Draw(QPainter& p, const QRect& area, int ratio, bool) const {
    DrawProfileChart(p, area, {&m_session.Condition(), Layer(), m_values, m_scale, m_stats}, ratio,
                     palette().color(QPalette::Base));
}

}  // namespace klv
