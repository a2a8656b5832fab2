#include "measure/ui/check_setting_groups.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

#include "reference/layer_setting_tables.h"
#include "reference/unit_gasket_tables.h"

namespace klv {
namespace {

QString Latin1(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

CCheckSettingGroups::CCheckSettingGroups(int coatingButtons, bool withSensitivity, QWidget* parent)
    : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_coatings = AddGroup("Coating", "coating", coatingButtons, 2, [](int i) {
        return Latin1(GetCurrentFactorRow(kCheckCoatingRows[static_cast<std::size_t>(i)]).name);
    });
    m_gaskets = AddGroup("Gasket", "gasket", kCheckGasketCount, 1,
                         [](int i) { return Latin1(GetGasketName(i + 1)); });
    m_ranges = AddGroup("Current range", "range", kCheckRangeCount, 1,
                        [](int i) { return Latin1(GetRangeName(i + 1)); });
    if (withSensitivity)
        m_sensitivities = AddGroup("Sensitivity", "sensitivity", 9, 1,
                                   [](int i) { return Latin1(GetSensitivityName(i + 1)); });
}

QButtonGroup* CCheckSettingGroups::AddGroup(const char* title, const char* name, int count,
                                            int columns,
                                            const std::function<QString(int)>& caption) {
    auto* box = new QGroupBox(QString::fromLatin1(title), this);
    auto* grid = new QGridLayout(box);
    grid->setAlignment(Qt::AlignTop);
    auto* group = new QButtonGroup(box);
    const int perColumn = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i) {
        auto* button = new QRadioButton(caption(i), box);
        button->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i));
        group->addButton(button, i);
        grid->addWidget(button, i % perColumn, i / perColumn);
    }
    group->button(0)->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, &CCheckSettingGroups::changed);
    layout()->addWidget(box);
    return group;
}

int CCheckSettingGroups::FactorRow() const {
    return kCheckCoatingRows[static_cast<std::size_t>(m_coatings->checkedId())];
}

int CCheckSettingGroups::Gasket() const {
    return m_gaskets->checkedId() + 1;
}

int CCheckSettingGroups::Range() const {
    return m_ranges->checkedId() + 1;
}

int CCheckSettingGroups::Sensitivity() const {
    return m_sensitivities ? m_sensitivities->checkedId() + 1 : 0;
}

}  // namespace klv
