#include "reference/ui/meas_item_auto_stop.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/number_parse.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/condition_checks.h"
#include "reference/condition_rules.h"
#include "reference/condition_texts.h"
#include "reference/layer_value_format.h"
#include "reference/unit_conversion.h"

namespace klv {

namespace {

constexpr int kAutoStopChars = 6;

QString AutoStopEditText(const MeasFileData& d, int k) {
    if ((d.coat[k].bLayerFlags & kLayerAutoStopOn) == 0 && d.coat[k].fAutoStop == 0.0f)
        return {};
    MeasFileData on = d;
    on.coat[k].bLayerFlags |= kLayerAutoStopOn;
    return ToQString(FormatAutoStop(on, k)).trimmed();
}

QString UnitLabel(const MeasFileData& d, int k) {
    return ToQString("[" + GetLayerUnitName(d, k) + "]");
}

}  // namespace

CMeasItemAutoStop::CMeasItemAutoStop(ConditionEditContext& ctx, const MeasFileData& d, int index,
                                     QWidget* parent)
    : CMeasItemDialog("measItemAutoStop", "Setting of Auto stop", ctx, d, index, parent) {
    AddCaption(1, ToQString("Auto stop"));
    for (int k = 0; k < kMaxLayers; ++k) {
        const bool used = LayerUsed(k);
        auto* nil = new QCheckBox(ToQString("Nil"), this);
        nil->setObjectName(QStringLiteral("autoStopNil%1").arg(k + 1));
        nil->setChecked(used && (d.coat[k].bLayerFlags & kLayerAutoStopOn) == 0);
        AddLayerControl(0, k, nil);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("autoStopEdit%1").arg(k + 1));
        edit->setMaxLength(kAutoStopChars);
        if (used)
            edit->setText(AutoStopEditText(d, k));
        AddLayerControl(1, k, edit);
        edit->setEnabled(used && !nil->isChecked());
        auto* unit = new QLabel(used ? UnitLabel(d, k) : QString(), this);
        unit->setObjectName(QStringLiteral("autoStopUnit%1").arg(k + 1));
        AddLayerControl(2, k, unit);
        connect(nil, &QCheckBox::toggled, edit, [edit](bool off) { edit->setEnabled(!off); });
        connect(edit, &QLineEdit::textEdited, this, [this, k] { m_edited[k] = true; });
        m_nil[k] = nil;
        m_edits[k] = edit;
    }
    auto* caption = new QLabel(ToQString("Reference"), this);
    auto* reference = new QLabel(ToQString(FormatAutoStopReference(d)), this);
    reference->setObjectName(QStringLiteral("referenceText"));
    reference->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    reference->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    reference->setMargin(4);
    Body()->addWidget(caption);
    Body()->addWidget(reference);
}

bool CMeasItemAutoStop::ReadControls(MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d); ++k)
        if (!ReadLayer(d, k))
            return false;
    return true;
}

bool CMeasItemAutoStop::ReadLayer(MeasFileData& d, int k) {
    LayerCondition& c = d.coat[k];
    if (m_nil[k]->isChecked()) {
        c.bLayerFlags &= static_cast<std::uint8_t>(~kLayerAutoStopOn);
        return true;
    }
    float valueInUnit = ToUnit(c.fAutoStop, d.bUnit);
    if (m_edited[k]) {
        const std::optional<double> typed = ParseFloat(FromQString(m_edits[k]->text()));
        if (!typed) {
            ShowNumberError(Op(), m_edits[k]);
            return false;
        }
        valueInUnit = static_cast<float>(*typed);
    }
    const std::string refusal = CheckAutoStopValue(d, k, valueInUnit);
    if (!refusal.empty()) {
        ShowValidationMessage(Op(), m_edits[k], refusal);
        return false;
    }
    if (m_edited[k])
        c.fAutoStop = FromUnit(valueInUnit, d.bUnit);
    c.bLayerFlags |= kLayerAutoStopOn;
    return true;
}

}  // namespace klv
