#include "reference/ui/meas_item_combo_dialog.h"

#include <QComboBox>

#include "base/ui/text_codec.h"

namespace klv {

CMeasItemComboDialog::CMeasItemComboDialog(const Item& item, ConditionEditContext& ctx,
                                           const MeasFileData& d, int index, QWidget* parent)
    : CMeasItemDialog(item.objectName, item.title, ctx, d, index, parent),
      m_field(item.field),
      m_firstCode(item.firstCode) {
    m_combos = AddLayerCombos(0, ToQString(item.caption), item.comboName, item.texts,
                              [this](const LayerCondition& c) { return c.*m_field - m_firstCode; });
}

bool CMeasItemComboDialog::ReadControls(MeasFileData& d) {
    if (!CombosSelected(m_combos))
        return false;
    for (int k = 0; k < GetCoatCount(d); ++k)
        d.coat[k].*m_field = static_cast<std::uint8_t>(m_combos[k]->currentIndex() + m_firstCode);
    return true;
}

}  // namespace klv
