#include "reference/ui/meas_item_alloy.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/number_format.h"
#include "base/number_parse.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/alloy_content_table.h"
#include "reference/condition_checks.h"
#include "reference/condition_rules.h"

namespace klv {

namespace {

constexpr int kCoefficientChars = 5;
constexpr int kContentChars = 3;

QString CoefficientText(float value) {
    return ToQString(FormatNumberWidth(value, kCoefficientChars));
}

}  // namespace

CMeasItemAlloy::CMeasItemAlloy(ConditionEditContext& ctx, const MeasFileData& d, int index,
                               QWidget* parent)
    : CMeasItemDialog("measItemAlloy", "Setting of alloy coefficient", ctx, d, index, parent),
      m_contentRow(FindAlloyContent(d)) {
    m_sn = AddCoefficientRow("Coefficient of Sn", "alloyCoefSn", d.fAlloyCoefSn,
                             kStandardAlloyCoefSn, HasAlloySn(d).has_value());
    m_cu = AddCoefficientRow("Coefficient of Cu", "alloyCoefCu", d.fAlloyCoefCu,
                             kStandardAlloyCoefCu, HasAlloyCu(d).has_value());
    if (m_contentRow != nullptr)
        AddContentRow(d.bContent);
}

QLineEdit* CMeasItemAlloy::AddCoefficientRow(const char* label, const char* name, float value,
                                             float standard, bool enabled) {
    auto* caption = new QLabel(ToQString(label), this);
    auto* edit = new QLineEdit(CoefficientText(value), this);
    edit->setObjectName(QStringLiteral("%1Edit").arg(QLatin1String(name)));
    edit->setMaxLength(kCoefficientChars);
    auto* reset = new QPushButton(ToQString("Reset for the standard value"), this);
    reset->setObjectName(QStringLiteral("%1Reset").arg(QLatin1String(name)));
    for (QWidget* w : {static_cast<QWidget*>(caption), static_cast<QWidget*>(edit),
                       static_cast<QWidget*>(reset)})
        w->setEnabled(enabled);
    connect(reset, &QPushButton::clicked, edit,
            [edit, standard] { edit->setText(CoefficientText(standard)); });
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(edit);
    row->addWidget(reset);
    row->addStretch();
    Body()->addLayout(row);
    return edit;
}

void CMeasItemAlloy::AddContentRow(int content) {
    auto* caption =
        new QLabel(ToQString("Content of  " + std::string(m_contentRow->element)), this);
    caption->setObjectName(QStringLiteral("contentLabel"));
    m_content = new QLineEdit(QString::number(content), this);
    m_content->setObjectName(QStringLiteral("contentEdit"));
    m_content->setMaxLength(kContentChars);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(m_content);
    row->addWidget(new QLabel(ToQString("W%"), this));
    row->addStretch();
    Body()->addLayout(row);
}

bool CMeasItemAlloy::ReadCoefficient(QLineEdit* edit, float& value) {
    if (!edit->isEnabled())
        return true;
    const std::optional<double> typed = ParseFloat(FromQString(edit->text()));
    if (!typed) {
        ShowNumberError(Op(), edit);
        return false;
    }
    value = static_cast<float>(*typed);
    return true;
}

bool CMeasItemAlloy::ReadContent(MeasFileData& d) {
    if (m_content == nullptr)
        return true;
    const std::optional<int> typed = ParseInt(FromQString(m_content->text()));
    if (!typed) {
        ShowNumberError(Op(), m_content);
        return false;
    }
    if (*typed < 0 || *typed > m_contentRow->maxContent) {
        ShowRangeError(Op(), m_content, 0, m_contentRow->maxContent);
        return false;
    }
    d.bContent = static_cast<std::uint8_t>(*typed);
    return true;
}

bool CMeasItemAlloy::ReadControls(MeasFileData& d) {
    if (!ReadCoefficient(m_sn, d.fAlloyCoefSn) || !ReadCoefficient(m_cu, d.fAlloyCoefCu) ||
        !ReadContent(d))
        return false;
    const ConditionCheck check = CheckAlloyValues(d);
    if (check.ok())
        return true;
    QWidget* control = m_sn;
    if (check.field == ConditionField::AlloyCoefCu)
        control = m_cu;
    else if (check.field == ConditionField::AlloyContent && m_content != nullptr)
        control = m_content;
    ShowValidationMessage(Op(), control, check.message);
    return false;
}

}  // namespace klv
