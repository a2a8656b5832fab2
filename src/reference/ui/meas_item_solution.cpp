#include "reference/ui/meas_item_solution.h"

#include <QPushButton>

#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/layer_setting_tables.h"
#include "reference/ui/solution_select.h"

namespace klv {

namespace {

QString SolutionText(int code) {
    return ToQString(std::string(GetTestSolutionName(code)));
}

}  // namespace

CMeasItemSolution::CMeasItemSolution(ConditionEditContext& ctx, const MeasFileData& d, int index,
                                     QWidget* parent)
    : CMeasItemDialog("measItemSolution", "Setting of test solution", ctx, d, index, parent) {
    AddCaption(0, ToQString("Test solution"));
    for (int k = 0; k < kMaxLayers; ++k) {
        m_solutions[k] = LayerUsed(k) ? d.coat[k].bSolution : 0;
        auto* box = new QPushButton(SolutionText(m_solutions[k]), this);
        box->setObjectName(QStringLiteral("solutionBox%1").arg(k + 1));
        box->setAutoDefault(false);
        AddLayerControl(0, k, box);
        connect(box, &QPushButton::clicked, this, [this, k] { ChooseSolution(k); });
        m_boxes[k] = box;
    }
}

void CMeasItemSolution::ChooseSolution(int k) {
    const int coating = Data().coat[k].bCode & ~kAlloyLayerCode;
    const int code =
        SelectSolution(coating, Data().bBaseCode, Context().ini, Context().oneClickActivate, this);
    if (code == 0)
        return;
    m_solutions[k] = code;
    m_boxes[k]->setText(SolutionText(code));
}

bool CMeasItemSolution::ReadControls(MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d); ++k) {
        if (GetTestSolutionName(m_solutions[k]).empty()) {
            ShowListItemMissing(Op(), m_boxes[k], [this, k] { ChooseSolution(k); });
            return false;
        }
        d.coat[k].bSolution = static_cast<std::uint8_t>(m_solutions[k]);
    }
    return true;
}

}  // namespace klv
