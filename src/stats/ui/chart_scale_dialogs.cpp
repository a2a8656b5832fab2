#include "stats/ui/chart_scale_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/glyph_label.h"
#include "base/ui/ok_cancel_buttons.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "stats/chart_lists.h"
#include "stats/chart_scale_input.h"
#include "stats/run_rules.h"
#include "stats/stat_columns.h"

namespace klv {

CChartScaleDialog::CChartScaleDialog(const MeasFileData& d, int k, Operator& op, const char* name,
                                     const char* title, QWidget* parent)
    : QDialog(parent), m_d(d), m_k(k), m_op(op) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromLatin1(title));
}

QLineEdit* CChartScaleDialog::AddEdit(const char* name, double stored, int maxLength) {
    auto* edit = new QLineEdit(ToQString(ChartValueText(stored, m_d, m_k)), this);
    edit->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    m_initial.emplace_back(edit, edit->text());
    return edit;
}

bool CChartScaleDialog::ReadBound(QLineEdit* edit, bool rangeChart, double& value) {
    std::string message;
    const std::optional<double> v =
        ParseChartBound(FromQString(edit->text()), m_d, rangeChart, message);
    if (!v) {
        ShowValidationMessage(m_op, edit, message);
        return false;
    }
    value = *v;
    return true;
}

bool CChartScaleDialog::AnyEdited() const {
    for (const auto& [edit, text] : m_initial)
        if (edit->text() != text)
            return true;
    return false;
}

void CChartScaleDialog::Finish(QGridLayout* grid) {
    auto* buttons = MakeOkCancelButtons(*this);
    auto* page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addWidget(buttons);
    if (!m_initial.empty()) {
        QLineEdit* first = m_initial.front().first;
        first->setFocus();
        first->selectAll();
    }
}

CHistogramSetting::CHistogramSetting(const MeasFileData& d, int k, HistogramScale& scale,
                                     Operator& op, QWidget* parent)
    : CChartScaleDialog(d, k, op, "CHistogramSetting", "Setting of histogram", parent),
      m_scale(scale) {
    m_lower = AddEdit("lower", scale.lower);
    m_upper = AddEdit("upper", scale.upper);
    m_divisions = new QLineEdit(QString::number(scale.divisions), this);
    m_divisions->setObjectName(QStringLiteral("divisions"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Range of value"), this), 0, 0);
    grid->addWidget(m_lower, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("--"), this), 0, 2);
    grid->addWidget(m_upper, 0, 3);
    grid->addWidget(new QLabel(ToQString(GetStatUnitName(d, k)), this), 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("Division number"), this), 1, 0);
    grid->addWidget(m_divisions, 1, 1);
    Finish(grid);
}

void CHistogramSetting::accept() {
    double lower = 0;
    double upper = 0;
    if (!ReadBound(m_lower, false, lower) || !ReadBound(m_upper, false, upper))
        return;
    std::string message;
    const std::optional<unsigned> divisions =
        ParseDivisionNumber(FromQString(m_divisions->text()), message);
    if (!divisions) {
        ShowValidationMessage(m_op, m_divisions, message);
        return;
    }
    OrderBounds(lower, upper);
    m_changed = AnyEdited() || *divisions != m_scale.divisions;
    if (m_changed)
        m_scale = {lower, upper, *divisions};
    QDialog::accept();
}

CProfileSetting::CProfileSetting(const MeasFileData& d, int k, ProfileScale& scale, Operator& op,
                                 QWidget* parent)
    : CChartScaleDialog(d, k, op, "CProfileSetting", "Setting of profile", parent), m_scale(scale) {
    m_lower = AddEdit("lower", scale.lower, 8);
    m_upper = AddEdit("upper", scale.upper, 8);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Range of vertical axis expression"), this), 0, 0);
    grid->addWidget(m_lower, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("--"), this), 0, 2);
    grid->addWidget(m_upper, 0, 3);
    grid->addWidget(new QLabel(ToQString(GetStatUnitName(d, k)), this), 0, 4);
    Finish(grid);
}

void CProfileSetting::accept() {
    double lower = 0;
    double upper = 0;
    if (!ReadBound(m_lower, false, lower) || !ReadBound(m_upper, false, upper))
        return;
    OrderBounds(lower, upper);
    m_changed = AnyEdited();
    if (m_changed)
        m_scale = {lower, upper};
    QDialog::accept();
}

CXbarRSetting::CXbarRSetting(const MeasFileData& d, int k, ControlChart& chart, unsigned& rules,
                             bool individuals, Operator& op, QWidget* parent)
    : CChartScaleDialog(d, k, op, "CXbarRSetting", "Scale set", parent),
      m_chart(chart),
      m_rules(rules) {
    const ControlChartNames chartNames = ControlChartNamesOf(individuals);
    auto* grid = new QGridLayout;
    const char* headers[] = {"Averag", "UCL", "LCL", "Indication range"};
    for (int i = 0; i < 3; ++i)
        grid->addWidget(new QLabel(QString::fromLatin1(headers[i]), this), 0, i + 1);
    grid->addWidget(new QLabel(QString::fromLatin1(headers[3]), this), 0, 4, 1, 3);
    const char* names[] = {"centre", "ucl", "lcl", "bottom", "top"};
    for (int row = 0; row < 2; ++row) {
        const ChartBlock& b = row == 0 ? chart.x : chart.r;
        const float values[] = {b.centre, b.ucl, b.lcl, b.bottom, b.top};
        grid->addWidget(
            new CGlyphLabel(QString::fromLatin1(row == 0 ? chartNames.x : chartNames.r), this),
            row + 1, 0, Qt::AlignCenter);
        for (int i = 0; i < 5; ++i) {
            const std::string name = std::string(row == 0 ? "x-" : "r-") + names[i];
            QLineEdit* edit = AddEdit(name.c_str(), values[i]);
            m_edits[static_cast<std::size_t>(row * 5 + i)] = edit;
            grid->addWidget(edit, row + 1, i < 4 ? i + 1 : 6);
        }
        grid->addWidget(new QLabel(QStringLiteral("--"), this), row + 1, 5);
    }
    grid->addWidget(new QLabel(QStringLiteral("Run rules"), this), 3, 0, 1, 7);
    for (int n = 1; n <= kRunRuleCount; ++n) {
        const RunRule rule = RunRuleOf(n);
        auto* box = new QCheckBox(
            QStringLiteral("%1: %2").arg(n).arg(QString::fromLatin1(RunRuleText(rule))), this);
        box->setObjectName(QStringLiteral("rule%1").arg(n));
        box->setChecked((rules & rule) != 0);
        m_ruleBoxes[static_cast<std::size_t>(n - 1)] = box;
        grid->addWidget(box, 4 + (n - 1) / 2, (n - 1) % 2 == 0 ? 0 : 4, 1,
                        (n - 1) % 2 == 0 ? 4 : 3);
    }
    Finish(grid);
}

unsigned CXbarRSetting::CheckedRules() const {
    unsigned rules = 0;
    for (int n = 1; n <= kRunRuleCount; ++n)
        if (m_ruleBoxes[static_cast<std::size_t>(n - 1)]->isChecked())
            rules |= RunRuleOf(n);
    return rules;
}

void CXbarRSetting::accept() {
    std::array<double, 10> v{};
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        if (!ReadBound(m_edits[i], i >= 5, v[i]))
            return;
    const bool edited = AnyEdited();
    m_changed = edited || CheckedRules() != m_rules;
    if (!m_changed) {
        QDialog::reject();
        return;
    }
    m_rules = CheckedRules();
    // Texts left as shown keep the computed values, not their rounded display.
    for (int row = 0; row < 2 && edited; ++row) {
        ChartBlock& b = row == 0 ? m_chart.x : m_chart.r;
        const double* r = &v[static_cast<std::size_t>(row * 5)];
        double bottom = r[3];
        double top = r[4];
        OrderBounds(bottom, top);
        b.centre = static_cast<float>(r[0]);
        b.ucl = static_cast<float>(r[1]);
        b.lcl = static_cast<float>(r[2]);
        b.bottom = static_cast<float>(bottom);
        b.top = static_cast<float>(top);
        ApplyMinimumSpan(b, row == 1);
    }
    QDialog::accept();
}

}  // namespace klv
