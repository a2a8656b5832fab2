#include "reference/ui/meas_file_wt.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <tuple>

#include "base/check_messages.h"
#include "base/number_format.h"
#include "base/ui/glyph_label.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/wt_coefficient.h"

namespace klv {

namespace {

constexpr int kValueChars = 8;

QString ValueText(float value) {
    return value > 0.0f ? ToQString(FormatNumberWidth(value, kValueChars)) : QString();
}

}  // namespace

CMeasFileWT::CMeasFileWT(MeasFileSheetState& s, QWidget* parent) : CMeasFilePage(s, parent) {
    setObjectName(QStringLiteral("measFileWT"));
    m_diameter = MakeLineEdit(this, "diameterEdit", kValueChars);
    m_roundLength = MakeLineEdit(this, "roundLengthEdit", kValueChars);
    m_sideA = MakeLineEdit(this, "sideAEdit", kValueChars);
    m_sideB = MakeLineEdit(this, "sideBEdit", kValueChars);
    m_squareLength = MakeLineEdit(this, "squareLengthEdit", kValueChars);
    m_area = MakeLineEdit(this, "areaEdit", kValueChars);
    m_coef = MakeLineEdit(this, "coefEdit", kValueChars);

    struct ModeLayout {
        const char* radio;
        const char* radioName;
        // Label, edit and the unit of its value.
        std::vector<std::tuple<const char*, QLineEdit*, const char*>> edits;
        const char* later;
        const char* laterName;
        QLineEdit* laterEdit;
    };
    const std::vector<ModeLayout> layouts = {
        {"Round rod",
         "roundRadio",
         {{"Diameter", m_diameter, "mm"}, {"Length", m_roundLength, "mm"}},
         "Input z length later",
         "roundLaterCheck",
         m_roundLength},
        {"Square rod",
         "squareRadio",
         {{"Side a", m_sideA, "mm"}, {"Side b", m_sideB, "mm"}, {"Length", m_squareLength, "mm"}},
         "Input the length later",
         "squareLaterCheck",
         m_squareLength},
        {"small parts",
         "smallRadio",
         {{"Area", m_area, "mm%0"}},
         "Input the area later",
         "areaLaterCheck",
         m_area},
        {"WT Coefficient",
         "coefRadio",
         {{"Coefficient", m_coef, ""}},
         "Input the coefficient later",
         "coefLaterCheck",
         m_coef},
    };
    auto* grid = new QGridLayout;
    int row = 0;
    for (const ModeLayout& layout : layouts) {
        Mode mode{new QRadioButton(ToQString(layout.radio), this), {}, nullptr, layout.laterEdit};
        mode.radio->setObjectName(QString::fromLatin1(layout.radioName));
        grid->addWidget(mode.radio, row++, 0, 1, 3);
        for (const auto& [label, edit, unit] : layout.edits) {
            grid->addWidget(new QLabel(ToQString(label), this), row, 1);
            grid->addWidget(edit, row, 2);
            grid->addWidget(new CGlyphLabel(ToQString(unit), this), row++, 3);
            mode.edits.push_back(edit);
        }
        mode.later = new QCheckBox(ToQString(layout.later), this);
        mode.later->setObjectName(QString::fromLatin1(layout.laterName));
        grid->addWidget(mode.later, row++, 1, 1, 2);
        connect(mode.radio, &QRadioButton::toggled, this, &CMeasFileWT::EnableModes);
        connect(mode.later, &QCheckBox::toggled, this, &CMeasFileWT::EnableModes);
        m_modes.push_back(mode);
    }
    grid->setColumnMinimumWidth(0, 16);
    grid->setColumnStretch(4, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    Refresh();
}

int CMeasFileWT::CheckedMode() const {
    for (std::size_t i = 0; i < m_modes.size(); ++i)
        if (m_modes[i].radio->isChecked())
            return static_cast<int>(i) + 1;
    return kWtModeNone;
}

void CMeasFileWT::EnableModes() {
    const int checked = CheckedMode();
    for (std::size_t i = 0; i < m_modes.size(); ++i) {
        const Mode& mode = m_modes[i];
        const bool on = static_cast<int>(i) + 1 == checked;
        for (QLineEdit* edit : mode.edits)
            edit->setEnabled(on && !(edit == mode.laterEdit && mode.later->isChecked()));
        mode.later->setEnabled(on);
    }
}

void CMeasFileWT::Refresh() {
    const MeasFileData& d = D();
    m_diameter->setText(ValueText(d.fWtDiameter));
    m_roundLength->setText(ValueText(d.fWtLength));
    m_sideA->setText(ValueText(d.fWtSideA));
    m_sideB->setText(ValueText(d.fWtSideB));
    m_squareLength->setText(ValueText(d.fWtLength));
    m_area->setText(ValueText(d.fWtArea));
    m_coef->setText(ValueText(d.fWtCoef));
    // No radio button is checked before a mode is chosen.
    for (Mode& mode : m_modes)
        mode.radio->setAutoExclusive(false);
    for (std::size_t i = 0; i < m_modes.size(); ++i) {
        const int modeCode = static_cast<int>(i) + 1;
        m_modes[i].radio->setChecked(d.bWtMode == modeCode);
        const std::uint8_t flag = GetWtLaterFlag(static_cast<std::uint8_t>(modeCode));
        m_modes[i].later->setChecked((d.bWtFlags & flag) != 0);
    }
    for (Mode& mode : m_modes)
        mode.radio->setAutoExclusive(true);
    EnableModes();
}

QWidget* CMeasFileWT::ControlFor(ConditionField field, int) {
    switch (field) {
        case ConditionField::WtMode:
            return m_modes[0].radio;
        case ConditionField::WtDiameter:
            return m_diameter;
        case ConditionField::WtSideA:
            return m_sideA;
        case ConditionField::WtSideB:
            return m_sideB;
        case ConditionField::WtLength:
            return D().bWtMode == kWtModeSquareRod ? m_squareLength : m_roundLength;
        case ConditionField::WtArea:
            return m_area;
        case ConditionField::WtCoef:
            return m_coef;
        default:
            return nullptr;
    }
}

bool CMeasFileWT::ReadPositive(QLineEdit* edit, float& value) {
    float v = 0.0f;
    if (!ReadFloat(edit, v))
        return false;
    if (v <= 0.0f) {
        ShowNotPositiveError(Op(), edit);
        return false;
    }
    value = v;
    return true;
}

bool CMeasFileWT::Confirm() {
    MeasFileData& d = D();
    const int modeCode = CheckedMode();
    if (modeCode == kWtModeNone) {
        ShowValidationMessage(Op(), m_modes[0].radio, std::string(kMsgNotSelected));
        return false;
    }
    const Mode& mode = m_modes[static_cast<std::size_t>(modeCode - 1)];
    const std::pair<QLineEdit*, float*> targets[] = {
        {m_diameter, &d.fWtDiameter}, {m_roundLength, &d.fWtLength},  {m_sideA, &d.fWtSideA},
        {m_sideB, &d.fWtSideB},       {m_squareLength, &d.fWtLength}, {m_area, &d.fWtArea},
        {m_coef, &d.fWtCoef}};
    for (QLineEdit* edit : mode.edits) {
        if (!edit->isEnabled())
            continue;
        for (const auto& [e, field] : targets)
            if (e == edit && !ReadPositive(edit, *field))
                return false;
    }
    d.bWtMode = static_cast<std::uint8_t>(modeCode);
    d.bWtFlags &= static_cast<std::uint8_t>(~(kWtLengthLater | kWtAreaLater | kWtCoefLater));
    if (mode.later->isChecked())
        d.bWtFlags |= GetWtLaterFlag(d.bWtMode);
    ApplyWtCoefficient(d);
    return Report(CheckWt(d));
}

}  // namespace klv
