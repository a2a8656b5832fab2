#include "reference/ui/meas_file_calibrate.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "base/check_messages.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

CMeasFileCalibrate::CMeasFileCalibrate(MeasFileSheetState& s, QWidget* parent)
    : CMeasFileStructurePage(s, parent, 2, 3, false) {
    setObjectName(QStringLiteral("measFileCalibrate"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(StructureGrid());
    layout->addStretch();
    Refresh();
}

bool CMeasFileCalibrate::BoxClickable(int k) const {
    return k == 0 && CMeasFileStructurePage::BoxClickable(k);
}

void CMeasFileCalibrate::Refresh() {
    RefreshStructure();
    // The second row is there only for the alloy layer under the standard's coating.
    const bool alloy = IsAlloyLayer(D().coat[1]);
    QGridLayout* grid = StructureGrid();
    for (int column = 0; column < grid->columnCount(); ++column)
        if (QLayoutItem* item = grid->itemAtPosition(1, column); item && item->widget())
            item->widget()->setVisible(alloy);
}

bool CMeasFileCalibrate::Confirm() {
    // Only gaskets A to C can be calibrated on a standard.
    if (D().bGasket == kGasketWT)
        return Report(
            ConditionCheck{ConditionField::Gasket, -1, std::string(kMsgLackOfItem), true});
    return ConfirmStructure();
}

}  // namespace klv
