#include "reference/ui/special_solution.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "base/check_messages.h"
#include "base/ui/ok_cancel_buttons.h"
#include "base/ui/text_codec.h"
#include "reference/condition_rules.h"
#include "reference/layer_setting_tables.h"
#include "reference/solution_defaults.h"

namespace klv {
namespace {

constexpr int kShownLayers = 4;
constexpr int kNameColumnChars = 8;
constexpr int kListPadding = 8;
constexpr int kColumnGap = 12;

std::string PairText(std::uint8_t solution, std::uint8_t alloySolution) {
    return std::string(GetTestSolutionName(solution)) + "  " +
           std::string(GetTestSolutionName(alloySolution));
}

}  // namespace

CSpecialSolution::CSpecialSolution(MeasFileData& d, Operator& op, QWidget* parent)
    : QDialog(parent), m_data(d), m_op(op) {
    setObjectName(QStringLiteral("specialSolution"));
    setWindowTitle(ToQString("Test solution for a special material"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(kColumnGap);
    const int columnWidth = fontMetrics().horizontalAdvance(QString(kNameColumnChars, 'X'));
    for (int k = 0; k < kShownLayers; ++k) {
        auto* name = new QLabel(ToQString(GetCoatName(d, k)), this);
        name->setObjectName(QStringLiteral("layerName%1").arg(k));
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("solutionList%1").arg(k));
        list->setMaximumHeight(4 * list->fontMetrics().height());
        std::array<SpecialSolutionPair, 2> pairs{};
        const bool special = GetSpecialSolutionPairs(d, k, pairs);
        const int code = d.coat[k].bCode;
        if (special) {
            for (const SpecialSolutionPair& p : pairs)
                list->addItem(ToQString(PairText(p.solution, p.alloySolution)));
            connect(list, &QListWidget::itemDoubleClicked, this, &CSpecialSolution::accept);
        } else if (code != 0 && code != kAlloyLayerCode) {
            list->addItem(ToQString(std::string(GetTestSolutionName(d.coat[k].bSolution))));
            list->setEnabled(false);
        } else {
            list->setEnabled(false);
            // An empty box under no name would look like a choice left to make.
            list->setHidden(code == 0);
        }
        // As wide as its pairs and its layer's name, not as a list's default.
        list->setFixedWidth(
            std::max({columnWidth, name->sizeHint().width(),
                      list->sizeHintForColumn(0) + 2 * list->frameWidth() + kListPadding}));
        grid->addWidget(name, 0, k);
        grid->addWidget(list, 1, k);
        m_lists[static_cast<std::size_t>(k)] = list;
    }
    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CSpecialSolution::accept() {
    for (QListWidget* list : m_lists) {
        if (list->isEnabled() && list->selectedItems().isEmpty()) {
            m_op.ShowMessage(std::string(kMsgNotSelected), MsgIcon::Exclamation, MsgButtons::Ok);
            list->setFocus();
            return;
        }
    }
    for (int k = 0; k < kShownLayers; ++k) {
        QListWidget* list = m_lists[static_cast<std::size_t>(k)];
        if (list->isEnabled())
            ApplySpecialSolutionPair(m_data, k, list->row(list->selectedItems().front()));
    }
    QDialog::accept();
}

}  // namespace klv
