#include "reference/ui/meas_file_auto_stop.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/condition_rules.h"
#include "reference/condition_texts.h"
#include "reference/layer_value_format.h"
#include "reference/unit_conversion.h"

namespace klv {

namespace {

constexpr int kBlankingChars = 4;
constexpr int kAutoStopChars = 6;
constexpr int kBlankingMax = 40;

}  // namespace

CMeasFileAutoStop::CMeasFileAutoStop(MeasFileSheetState& s, QWidget* parent)
    : CMeasFilePage(s, parent) {
    setObjectName(QStringLiteral("measFileAutoStop"));
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(ToQString("Blanking time"), this), 0, 1, 1, 2);
    grid->addWidget(new QLabel(ToQString("Auto stop"), this), 0, 3, 1, 3);
    for (int k = 0; k < kMaxLayers; ++k) {
        m_blanking[k] = MakeLineEdit(this, LayerObjectName("blankingEdit", k), kBlankingChars);
        m_blanking[k]->setValidator(digits);
        auto* second = new QLabel(ToQString("Second"), this);
        m_nil[k] = new QCheckBox(ToQString("Nil"), this);
        m_nil[k]->setObjectName(LayerObjectName("nilCheck", k));
        m_autoStop[k] = MakeLineEdit(this, LayerObjectName("autoStopEdit", k), kAutoStopChars);
        m_unit[k] = new QLabel(this);
        m_unit[k]->setObjectName(LayerObjectName("autoStopUnit", k));
        QLabel* name = MakeLayerLabel(k);
        const int row = k + 1;
        grid->addWidget(name, row, 0);
        grid->addWidget(m_blanking[k], row, 1);
        grid->addWidget(second, row, 2);
        grid->addWidget(m_nil[k], row, 3);
        grid->addWidget(m_autoStop[k], row, 4);
        grid->addWidget(m_unit[k], row, 5);
        m_rows.push_back({name, m_blanking[k], second, m_nil[k], m_autoStop[k], m_unit[k]});
        connect(m_nil[k], &QCheckBox::toggled, m_autoStop[k], &QWidget::setDisabled);
    }
    grid->setColumnStretch(6, 1);
    m_reference = new QLabel(this);
    // The reference table is aligned with blanks.
    m_reference->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_reference->setObjectName(QStringLiteral("referenceLabel"));
    m_weightCount = new QCheckBox(ToQString("Plating weight count"), this);
    m_weightCount->setObjectName(QStringLiteral("weightCountCheck"));
    m_weightCount->setVisible(!s.calibration);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    auto* reference = new QGridLayout;
    reference->addWidget(new QLabel(ToQString("Reference"), this), 0, 0, Qt::AlignTop);
    reference->addWidget(m_reference, 0, 1);
    reference->setColumnStretch(1, 1);
    layout->addLayout(reference);
    layout->addWidget(m_weightCount);
    layout->addStretch();
    Refresh();
}

void CMeasFileAutoStop::Refresh() {
    const MeasFileData& d = D();
    ShowLayerNames();
    ShowUsedRows(m_rows);
    for (int k = 0; k < GetCoatCount(d); ++k) {
        const LayerCondition& c = d.coat[k];
        m_blanking[k]->setText(QString::number(c.bBlanking));
        m_nil[k]->setChecked((c.bLayerFlags & kLayerAutoStopOn) == 0);
        m_autoStop[k]->setText(c.fAutoStop > 0.0f ? ToQString(FormatRangeBound(c.fAutoStop, d, k))
                                                  : QString());
        m_autoStop[k]->setModified(false);
        m_autoStop[k]->setEnabled(!m_nil[k]->isChecked());
        m_unit[k]->setText(QStringLiteral("[") + ToQString(GetLayerUnitName(d, k)) +
                           QStringLiteral("]"));
    }
    m_reference->setText(ToQString(FormatAutoStopReference(d)));
    m_weightCount->setChecked((d.bWtFlags & kWtPlatingWeightCount) != 0);
}

QWidget* CMeasFileAutoStop::ControlFor(ConditionField field, int layer) {
    if (layer < 0 || layer >= kMaxLayers)
        return nullptr;
    if (field == ConditionField::Blanking)
        return m_blanking[layer];
    if (field == ConditionField::AutoStop)
        return m_autoStop[layer];
    return nullptr;
}

bool CMeasFileAutoStop::ConfirmLayer(int k) {
    LayerCondition& c = D().coat[k];
    int blanking = 0;
    if (!ReadInt(m_blanking[k], blanking))
        return false;
    if (blanking < 0 || blanking > kBlankingMax) {
        ShowRangeError(Op(), m_blanking[k], 0, kBlankingMax);
        return false;
    }
    c.bBlanking = static_cast<std::uint8_t>(blanking);
    if (m_nil[k]->isChecked()) {
        c.bLayerFlags &= static_cast<std::uint8_t>(~kLayerAutoStopOn);
        return true;
    }
    c.bLayerFlags |= kLayerAutoStopOn;
    // The shown value is cut to the display; an untouched edit keeps the stored thickness.
    if (!m_autoStop[k]->isModified())
        return true;
    float value = 0.0f;
    if (!ReadFloat(m_autoStop[k], value))
        return false;
    const std::string message = CheckAutoStopValue(D(), k, value);
    if (!message.empty()) {
        ShowValidationMessage(Op(), m_autoStop[k], message);
        return false;
    }
    c.fAutoStop = FromUnit(value, D().bUnit);
    m_autoStop[k]->setModified(false);
    return true;
}

bool CMeasFileAutoStop::Confirm() {
    MeasFileData& d = D();
    for (int k = 0; k < GetCoatCount(d); ++k)
        if (!ConfirmLayer(k))
            return false;
    if (!m_s.calibration) {
        d.bWtFlags = m_weightCount->isChecked()
                         ? static_cast<std::uint8_t>(d.bWtFlags | kWtPlatingWeightCount)
                         : static_cast<std::uint8_t>(d.bWtFlags & ~kWtPlatingWeightCount);
    }
    return Report(CheckBlanking(d)) && Report(CheckAutoStop(d));
}

}  // namespace klv
