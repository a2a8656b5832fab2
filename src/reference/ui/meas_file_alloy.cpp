#include "reference/ui/meas_file_alloy.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/number_format.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/alloy_content_table.h"
#include "reference/condition_rules.h"
#include "reference/solution_defaults.h"

namespace klv {

namespace {

constexpr int kCoefChars = 5;

QString CoefText(float value) {
    return ToQString(FormatNumberWidth(value, kCoefChars));
}

}  // namespace

CMeasFileAlloy::CMeasFileAlloy(MeasFileSheetState& s, QWidget* parent) : CMeasFilePage(s, parent) {
    setObjectName(QStringLiteral("measFileAlloy"));
    m_sn = MakeLineEdit(this, "snCoefEdit", kCoefChars);
    m_cu = MakeLineEdit(this, "cuCoefEdit", kCoefChars);
    m_snReset = new QPushButton(ToQString("Reset for standard value"), this);
    m_snReset->setObjectName(QStringLiteral("snResetButton"));
    m_cuReset = new QPushButton(ToQString("Reset for standard value"), this);
    m_cuReset->setObjectName(QStringLiteral("cuResetButton"));
    m_contentLabel = new QLabel(this);
    m_contentLabel->setObjectName(QStringLiteral("contentLabel"));
    m_content = MakeLineEdit(this, "contentEdit", 3);
    m_contentUnit = new QLabel(ToQString("W%"), this);
    m_contentUnit->setObjectName(QStringLiteral("contentUnitLabel"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(ToQString("Coefficient of Sn"), this), 0, 0);
    grid->addWidget(m_sn, 0, 1);
    grid->addWidget(m_snReset, 0, 2);
    grid->addWidget(new QLabel(ToQString("Coefficient of Cu"), this), 1, 0);
    grid->addWidget(m_cu, 1, 1);
    grid->addWidget(m_cuReset, 1, 2);
    grid->addWidget(m_contentLabel, 2, 0);
    grid->addWidget(m_content, 2, 1);
    grid->addWidget(m_contentUnit, 2, 2);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();

    connect(m_snReset, &QPushButton::clicked, this,
            [this] { m_sn->setText(CoefText(kStandardAlloyCoefSn)); });
    connect(m_cuReset, &QPushButton::clicked, this,
            [this] { m_cu->setText(CoefText(kStandardAlloyCoefCu)); });
    Refresh();
}

void CMeasFileAlloy::Refresh() {
    const MeasFileData& d = D();
    const bool sn = HasAlloySn(d).has_value();
    const bool cu = HasAlloyCu(d).has_value();
    m_sn->setText(CoefText(d.fAlloyCoefSn));
    m_cu->setText(CoefText(d.fAlloyCoefCu));
    m_sn->setEnabled(sn);
    m_snReset->setEnabled(sn);
    m_cu->setEnabled(cu);
    m_cuReset->setEnabled(cu);
    const AlloyContentRow* row = FindAlloyContent(d);
    if (row != nullptr) {
        m_contentLabel->setText(ToQString("Content of  " + std::string(row->element)));
        m_content->setText(QString::number(d.bContent));
    }
    for (QWidget* w : {static_cast<QWidget*>(m_contentLabel), static_cast<QWidget*>(m_content),
                       static_cast<QWidget*>(m_contentUnit)})
        w->setVisible(row != nullptr);
}

QWidget* CMeasFileAlloy::ControlFor(ConditionField field, int) {
    switch (field) {
        case ConditionField::AlloyCoefSn:
            return m_sn;
        case ConditionField::AlloyCoefCu:
            return m_cu;
        case ConditionField::AlloyContent:
            return m_content;
        default:
            return nullptr;
    }
}

bool CMeasFileAlloy::ReadContent() {
    const AlloyContentRow* row = FindAlloyContent(D());
    if (row == nullptr)
        return true;
    int content = 0;
    if (!ReadInt(m_content, content))
        return false;
    if (content < 0 || content > row->maxContent) {
        ShowRangeError(Op(), m_content, 0, row->maxContent);
        return false;
    }
    D().bContent = static_cast<std::uint8_t>(content);
    return true;
}

bool CMeasFileAlloy::Confirm() {
    MeasFileData& d = D();
    if (m_sn->isEnabled() && !ReadFloat(m_sn, d.fAlloyCoefSn))
        return false;
    if (m_cu->isEnabled() && !ReadFloat(m_cu, d.fAlloyCoefCu))
        return false;
    if (!ReadContent() || !Report(CheckAlloyValues(d)))
        return false;
    if (!m_s.wizard)
        return true;
    // A cancelled choice of the special pair leaves the solutions as they were.
    MeasFileData adjusted = d;
    if (AnySpecialPair(ApplyAlloySolutionRules(adjusted)) &&
        !m_s.seams.chooseSpecialSolution(adjusted, this))
        return false;
    d = adjusted;
    return true;
}

}  // namespace klv
