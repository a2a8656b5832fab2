#pragma once

#include <cstdint>

#include "reference/ui/meas_item_dialog.h"

namespace klv {

// An item dialog with one combo box per layer for one code of the layer.
class CMeasItemComboDialog : public CMeasItemDialog {
    Q_OBJECT
protected:
    struct Item {
        const char* objectName;
        const char* title;
        const char* caption;
        const char* comboName;
        QStringList texts;                    // entry i stands for code firstCode + i
        std::uint8_t LayerCondition::*field;  // the code the combos set
        int firstCode;
    };

    CMeasItemComboDialog(const Item& item, ConditionEditContext& ctx, const MeasFileData& d,
                         int index, QWidget* parent);

    // A selection on every used layer ("Lack of item."), stored in the layers.
    bool ReadControls(MeasFileData& d) override;
    const LayerCombos& Combos() const { return m_combos; }

private:
    std::uint8_t LayerCondition::*m_field;
    int m_firstCode;
    LayerCombos m_combos;
};

}  // namespace klv
