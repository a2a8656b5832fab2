#include "stats/ui/stat_xbarr.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <new>

#include "base/ui/list_row_delegate.h"
#include "base/ui/text_codec.h"
#include "stats/chart_report.h"
#include "stats/stat_columns.h"
#include "stats/ui/chart_scale_dialogs.h"
#include "stats/ui/chart_view.h"
#include "stats/ui/control_chart_drawing.h"
#include "stats/ui/ct_per_pack.h"

namespace klv {

namespace {

QLabel* Static(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 8);
    return label;
}

}  // namespace

CStatXbarR::CStatXbarR(CStatisticsSession& session, StatisticsLinks& links, QWidget* parent)
    : CStatChartPage(session, links, kPageXbarR, "%5-R Control chart", false, parent) {
    setObjectName(QStringLiteral("CStatXbarR"));
    ChartView().SetChartFont(ControlChartFont());
    m_unit = Static("unit", this);
    m_groupCount = Static("groupCount", this);
    m_groupSize = Static("groupDataNumber", this);
    auto* statics = new QHBoxLayout;
    for (const auto& [text, label] :
         {std::pair{"Unit", m_unit}, std::pair{"Number of groups", m_groupCount},
          std::pair{"Data number of one group", m_groupSize}}) {
        statics->addWidget(new QLabel(QString::fromLatin1(text), this));
        statics->addWidget(label);
    }
    statics->addStretch(1);
    m_limits = MakeList("limitList");
    m_limits->setItemDelegate(new CListRowDelegate(*m_limits, [] { return QModelIndex(); }));
    m_factorList = MakeList("factorList");
    m_rules = new QListWidget(this);
    m_rules->setObjectName(QStringLiteral("ruleBreaks"));
    m_rules->setSelectionMode(QAbstractItemView::NoSelection);
    m_rules->setFocusPolicy(Qt::NoFocus);
    m_rules->setMaximumHeight(m_rules->fontMetrics().height() * 4);
    auto* lists = new QHBoxLayout;
    lists->addWidget(m_limits, 3);
    lists->addWidget(m_factorList, 1);
    Below().addLayout(statics);
    Below().addLayout(lists);
    Below().addWidget(m_rules);
}

bool CStatXbarR::Compute(bool) {
    const MeasFileData& d = m_session.Condition();
    const StatisticsSelection& s = m_session.Selection();
    try {
        const ChartGroups g = FormChartGroups(m_session.Stored(), m_session.DataCount(), d, Layer(),
                                              s.mode, s.nGroupSize, m_session.Formed().nDataCt);
        m_groups = g.groups;
        m_n = g.n;
    } catch (const std::bad_alloc&) {
        ShortOfMemory();
        m_groups.clear();
        m_n = 0;
    }
    if (m_n == 0 && !m_groups.empty()) {
        m_links.sounds.Beep();
        m_n = AskGroupDataNumber(m_links.op, this);
    }
    m_enabledRules = LoadRunRules(m_links.ini);
    m_factors = ComputeControlChartFactors(std::max(m_n, 2));
    m_chart = Individuals() ? ComputeIndividualsChart(m_groups)
                            : ComputeControlChart(m_groups, m_factors);
    return true;
}

ChartRuleBreaks CStatXbarR::RuleBreaks() const {
    return FindChartRuleBreaks(Series(), m_chart, m_enabledRules);
}

bool CStatXbarR::EditScale() {
    ControlChart chart = m_chart;
    unsigned rules = m_enabledRules;
    CXbarRSetting dialog(m_session.Condition(), Layer(), chart, rules, Individuals(), m_links.op,
                         this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Changed())
        return false;
    m_chart = chart;
    if (rules != m_enabledRules) {
        m_enabledRules = rules;
        SaveRunRules(m_links.ini, rules);
    }
    return true;
}

void CStatXbarR::ShowLists() {
    const MeasFileData& d = m_session.Condition();
    m_unit->setText(ToQString(GetStatUnitName(d, Layer())));
    m_groupCount->setText(QString::number(m_groups.size()));
    m_groupSize->setText(QString::number(m_n));
    FillList(*m_limits, ControlLimitList(d, Layer(), m_chart, Individuals()));
    FillList(*m_factorList, ControlFactorList(m_factors, Individuals()));
    m_rules->clear();
    for (const std::string& line : RunRuleLines(Series(), RuleBreaks()))
        m_rules->addItem(ToQString(line));
    m_rules->setVisible(m_rules->count() != 0);
}

std::vector<std::string> CStatXbarR::ReportLines() const {
    const MeasFileData& d = m_session.Condition();
    std::vector<std::string> lines = ControlChartLines(
        d, Layer(), m_groups.size(), m_n, ControlLimitList(d, Layer(), m_chart, Individuals()),
        ControlFactorList(m_factors, Individuals()));
    // A few lines, so that the chart keeps most of the page.
    constexpr std::size_t kPrintedBreaks = 6;
    for (std::string& line :
         RuleBreakReportLines(RunRuleLines(Series(), RuleBreaks()), kPrintedBreaks))
        lines.push_back(std::move(line));
    return lines;
}

void CStatXbarR::Draw(QPainter& p, const QRect& area, int ratio, bool) const {
    const ControlChartSeries series = Series();
    const ChartRuleBreaks rules = RuleBreaks();
    DrawControlChart(p, area, {&m_session.Condition(), Layer(), m_groups, &series, m_chart, &rules},
                     ratio, palette().color(QPalette::Base));
}

}  // namespace klv
