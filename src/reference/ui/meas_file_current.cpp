#include "reference/ui/meas_file_current.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/number_format.h"
#include "base/number_parse.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/condition_rules.h"
#include "reference/layer_output_current.h"
#include "reference/solution_combination_table.h"

namespace klv {

namespace {

constexpr int kCurrentChars = 6;
constexpr float kMicroPerMilli = 1000.0f;

// The automatic current needs a combination row of the layer's coating.
bool CanBeAutomatic(const MeasFileData& d, int k) {
    return FindCombination(GetUnderSubstance(d, k).coating, 0, true) != nullptr;
}

}  // namespace

CMeasFileCurrent::CMeasFileCurrent(MeasFileSheetState& s, QWidget* parent)
    : CMeasFilePage(s, parent) {
    setObjectName(QStringLiteral("measFileCurrent"));
    m_mA = new QRadioButton(ToQString("mA"), this);
    m_mA->setObjectName(QStringLiteral("milliAmpRadio"));
    m_mA->setChecked(true);
    m_uA = new QRadioButton(ToQString("um"), this);
    m_uA->setObjectName(QStringLiteral("microAmpRadio"));
    auto* units = new QHBoxLayout;
    units->addWidget(m_mA);
    units->addWidget(m_uA);
    units->addStretch();

    auto* grid = new QGridLayout;
    for (int k = 0; k < kMaxLayers; ++k) {
        m_auto[k] = new QCheckBox(ToQString("Auto"), this);
        m_auto[k]->setObjectName(LayerObjectName("autoCheck", k));
        m_current[k] = MakeLineEdit(this, LayerObjectName("currentEdit", k), kCurrentChars);
        m_confirm[k] = new QPushButton(ToQString("Output confirmation"), this);
        m_confirm[k]->setObjectName(LayerObjectName("outputConfirmButton", k));
        QLabel* name = MakeLayerLabel(k);
        grid->addWidget(name, k, 0);
        grid->addWidget(m_auto[k], k, 1);
        grid->addWidget(m_current[k], k, 2);
        grid->addWidget(m_confirm[k], k, 3);
        m_rows.push_back({name, m_auto[k], m_current[k], m_confirm[k]});
        connect(m_auto[k], &QCheckBox::toggled, this, [this, k](bool on) { ToggleAuto(k, on); });
        connect(m_confirm[k], &QPushButton::clicked, this, [this, k] { ConfirmOutput(k); });
    }
    grid->setColumnStretch(4, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(units);
    layout->addLayout(grid);
    layout->addStretch();
    connect(m_uA, &QRadioButton::toggled, this, &CMeasFileCurrent::SwitchUnit);
    Refresh();
}

void CMeasFileCurrent::Refresh() {
    MeasFileData& d = D();
    ShowLayerNames();
    ShowUsedRows(m_rows);
    for (int k = 0; k < GetCoatCount(d); ++k) {
        const bool can = CanBeAutomatic(d, k);
        if (!can)
            d.coat[k].bLayerFlags &= static_cast<std::uint8_t>(~kLayerCurrentAuto);
        const QSignalBlocker block(m_auto[k]);
        m_auto[k]->setEnabled(can);
        m_auto[k]->setChecked((d.coat[k].bLayerFlags & kLayerCurrentAuto) != 0);
        m_confirm[k]->setEnabled(static_cast<bool>(m_s.ctx.confirmOutputCurrent));
        ShowCurrent(k);
    }
}

void CMeasFileCurrent::ShowCurrent(int k) {
    const LayerCondition& c = D().coat[k];
    const bool automatic = (c.bLayerFlags & kLayerCurrentAuto) != 0;
    float mA = automatic ? GetOutputCurrent(D(), k, false) : c.fCurrent;
    m_current[k]->setText(
        ToQString(FormatNumberWidth(m_micro ? mA * kMicroPerMilli : mA, kCurrentChars)));
    m_current[k]->setEnabled(!automatic);
}

void CMeasFileCurrent::ToggleAuto(int k, bool on) {
    std::uint8_t& flags = D().coat[k].bLayerFlags;
    flags = on ? static_cast<std::uint8_t>(flags | kLayerCurrentAuto)
               : static_cast<std::uint8_t>(flags & ~kLayerCurrentAuto);
    ShowCurrent(k);
}

void CMeasFileCurrent::SwitchUnit(bool micro) {
    if (micro == m_micro)
        return;
    m_micro = micro;
    const float factor = micro ? kMicroPerMilli : 1.0f / kMicroPerMilli;
    for (int k = 0; k < kMaxLayers; ++k) {
        // A text that is no number stays as typed, for the check to point at.
        const std::optional<double> v = ParseFloat(TrimmedText(m_current[k]));
        if (!v)
            continue;
        const bool typed = m_current[k]->isModified();
        m_current[k]->setText(
            ToQString(FormatNumberWidth(static_cast<float>(*v) * factor, kCurrentChars)));
        m_current[k]->setModified(typed);
    }
}

bool CMeasFileCurrent::ReadCurrent(int k, float& milliAmps) {
    float value = 0.0f;
    if (!ReadFloat(m_current[k], value))
        return false;
    const std::string message = CheckOutputCurrentValue(value, m_micro);
    if (!message.empty()) {
        ShowValidationMessage(Op(), m_current[k], message);
        return false;
    }
    milliAmps = m_micro ? value / kMicroPerMilli : value;
    return true;
}

void CMeasFileCurrent::ConfirmOutput(int k) {
    float mA = 0.0f;
    if (m_s.ctx.confirmOutputCurrent && ReadCurrent(k, mA))
        m_s.ctx.confirmOutputCurrent(mA, D(), k, this);
}

QWidget* CMeasFileCurrent::ControlFor(ConditionField field, int layer) {
    if (field == ConditionField::Current && layer >= 0 && layer < kMaxLayers)
        return m_current[layer];
    return nullptr;
}

bool CMeasFileCurrent::Confirm() {
    MeasFileData& d = D();
    for (int k = 0; k < GetCoatCount(d); ++k) {
        // An untouched edit keeps the stored current with all its digits.
        if ((d.coat[k].bLayerFlags & kLayerCurrentAuto) != 0 || !m_current[k]->isModified())
            continue;
        if (!ReadCurrent(k, d.coat[k].fCurrent))
            return false;
    }
    return Report(CheckOutputCurrent(d));
}

}  // namespace klv
