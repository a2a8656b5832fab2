#include "reference/ui/meas_item_meas_unit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/condition_items.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

CMeasItemMeasUnit::CMeasItemMeasUnit(ConditionEditContext& ctx, const MeasFileData& d, int index,
                                     QWidget* parent)
    : CMeasItemDialog("measItemMeasUnit", "Setting of unit", ctx, d, index, parent) {
    m_unit = new QComboBox(this);
    m_unit->setObjectName(QStringLiteral("unitCombo"));
    m_unit->addItems(CodeTexts(kUnitCount, GetUnitName));
    m_unit->setCurrentIndex(d.bUnit >= 1 && d.bUnit <= kUnitCount ? d.bUnit - 1 : -1);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(ToQString("Unit"), this));
    row->addWidget(m_unit);
    row->addStretch();
    Body()->addLayout(row);
}

bool CMeasItemMeasUnit::ReadControls(MeasFileData& d) {
    if (!CheckComboSelected(Op(), m_unit))
        return false;
    const int unit = m_unit->currentIndex() + 1;
    if (!UnitFitsRanges(d, unit)) {
        ShowValidationMessage(Op(), m_unit, std::string(kMsgUnitRangeMismatch));
        return false;
    }
    d.bUnit = static_cast<std::uint8_t>(unit);
    return true;
}

}  // namespace klv
