#include "reference/ui/meas_file_structure_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "base/check_messages.h"
#include "base/fixed_text.h"
#include "base/ui/text_codec.h"
#include "reference/condition_rules.h"
#include "reference/layer_setting_tables.h"
#include "reference/solution_defaults.h"
#include "reference/substance_table.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

constexpr const char* kLayerTitles[kMaxLayers] = {"1st layer", "2nd layer", "3rd layer",
                                                  "4th layer", "5th layer"};

QComboBox* MakeCombo(QWidget* parent, const QString& name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    return combo;
}

void SelectCode(QComboBox* combo, int code) {
    combo->setCurrentIndex(code >= 1 && code <= combo->count() ? code - 1 : -1);
}

// An alloy layer keeps the range of the layer above it.
void FollowRangesIntoAlloyLayers(MeasFileData& d) {
    for (int k = 1; k < kMaxLayers; ++k)
        if (IsAlloyLayer(d.coat[k]))
            d.coat[k].bRange = d.coat[k - 1].bRange;
}

}  // namespace

CMeasFileStructurePage::CMeasFileStructurePage(MeasFileSheetState& s, QWidget* parent, int boxes,
                                               int gaskets, bool allowDelete, int firstRow)
    : CMeasFilePage(s, parent), m_boxes(boxes), m_allowDelete(allowDelete) {
    m_grid = new QGridLayout;
    for (int k = 0; k < m_boxes; ++k) {
        auto* title = new QLabel(ToQString(kLayerTitles[k]), this);
        title->setObjectName(LayerObjectName("layerTitle", k));
        m_coatBoxes[k] = new QPushButton(this);
        m_coatBoxes[k]->setObjectName(LayerObjectName("coatBox", k));
        m_coatBoxes[k]->setMinimumWidth(110);
        auto* rangeLabel = new QLabel(ToQString("Range"), this);
        m_rangeCombos[k] = MakeCombo(this, LayerObjectName("rangeCombo", k));
        for (int r = 1; r <= kCurrentRangeCount; ++r)
            m_rangeCombos[k]->addItem(ToQString(std::string(GetRangeName(r))));
        const int row = firstRow + k;
        m_grid->addWidget(title, row, 0);
        m_grid->addWidget(m_coatBoxes[k], row, 1);
        m_grid->addWidget(rangeLabel, row, 2);
        m_grid->addWidget(m_rangeCombos[k], row, 3);
        connect(m_coatBoxes[k], &QPushButton::clicked, this, [this, k] { ClickCoating(k); });
        connect(m_rangeCombos[k], &QComboBox::activated, this,
                [this, k](int index) { ChooseRange(k, index); });
    }
    int row = firstRow + m_boxes;
    m_alloyCheck = new QCheckBox(ToQString("Testing alloy layer"), this);
    m_alloyCheck->setObjectName(QStringLiteral("alloyCheck"));
    m_alloyCheck->setChecked(true);
    m_grid->addWidget(m_alloyCheck, row++, 1, 1, 3);

    m_baseBox = new QPushButton(this);
    m_baseBox->setObjectName(QStringLiteral("baseBox"));
    m_grid->addWidget(new QLabel(ToQString("Base material"), this), row, 0);
    m_grid->addWidget(m_baseBox, row++, 1);
    m_unitCombo = MakeCombo(this, QStringLiteral("unitCombo"));
    for (int u = 1; u <= kUnitCount; ++u)
        m_unitCombo->addItem(ToQString(std::string(GetUnitName(u))));
    m_grid->addWidget(new QLabel(ToQString("Unit"), this), row, 0);
    m_grid->addWidget(m_unitCombo, row++, 1);
    m_gasketCombo = MakeCombo(this, QStringLiteral("gasketCombo"));
    for (int g = 1; g <= gaskets; ++g)
        m_gasketCombo->addItem(ToQString(std::string(GetGasketName(g))));
    m_grid->addWidget(new QLabel(ToQString("Gasket"), this), row, 0);
    m_grid->addWidget(m_gasketCombo, row, 1);
    m_grid->setColumnStretch(4, 1);

    connect(m_alloyCheck, &QCheckBox::clicked, this, &CMeasFileStructurePage::ToggleAlloy);
    connect(m_baseBox, &QPushButton::clicked, this, &CMeasFileStructurePage::ClickBase);
    connect(m_unitCombo, &QComboBox::activated, this,
            [this](int index) { D().bUnit = static_cast<std::uint8_t>(index + 1); });
    connect(m_gasketCombo, &QComboBox::activated, this, [this](int index) {
        D().bGasket = static_cast<std::uint8_t>(index + 1);
        emit structureChanged();
    });
}

QWidget* CMeasFileStructurePage::ControlFor(ConditionField field, int layer) {
    const bool ownLayer = layer >= 0 && layer < m_boxes;
    switch (field) {
        case ConditionField::LayerCoating:
            return ownLayer ? m_coatBoxes[layer] : nullptr;
        case ConditionField::Range:
            return ownLayer ? m_rangeCombos[layer] : nullptr;
        case ConditionField::Base:
            return m_baseBox;
        case ConditionField::Unit:
            return m_unitCombo;
        case ConditionField::Gasket:
            return m_gasketCombo;
        default:
            return nullptr;
    }
}

bool CMeasFileStructurePage::BoxClickable(int k) const {
    if (Locked() || IsAlloyLayer(m_s.d.coat[k]))
        return false;
    return !(k == kMaxLayers - 1 && DonotsetLayerNo5(m_s.d));
}

void CMeasFileStructurePage::RefreshStructure() {
    const MeasFileData& d = D();
    const int count = GetCoatCount(d);
    for (int k = 0; k < m_boxes; ++k) {
        m_coatBoxes[k]->setText(ToQString(GetCoatName(d, k)));
        m_coatBoxes[k]->setEnabled(BoxClickable(k));
        SelectCode(m_rangeCombos[k], k < count ? d.coat[k].bRange : 0);
        m_rangeCombos[k]->setEnabled(k < count && !IsAlloyLayer(d.coat[k]));
    }
    std::string base = GetFixedText(d.baseName);
    if (base.empty())
        base = std::string(GetSubstanceShortName(d.bBaseCode));
    m_baseBox->setText(ToQString(base));
    m_baseBox->setEnabled(!Locked());
    SelectCode(m_unitCombo, d.bUnit);
    SelectCode(m_gasketCombo, d.bGasket);
    m_gasketCombo->setEnabled(!Locked());
    if (Locked()) {
        bool hasAlloy = false;
        for (int k = 0; k < count; ++k)
            hasAlloy = hasAlloy || IsAlloyLayer(d.coat[k]);
        m_alloyCheck->setChecked(hasAlloy);
        m_alloyCheck->setEnabled(false);
    } else {
        m_alloyCheck->setEnabled(CanTestAlloyLayer(d));
    }
}

void CMeasFileStructurePage::ClickCoating(int k) {
    // Layers stay contiguous: a box behind an empty one stands for the first empty layer.
    k = std::min(k, GetCoatCount(D()));
    if (k >= m_boxes || !BoxClickable(k))
        return;
    const std::optional<CoatBaseChoice> choice =
        m_s.seams.chooseCoatBase(k, m_allowDelete, D(), m_coatBoxes[k]);
    if (!choice)
        return;
    if (choice->deleteLayer) {
        DeleteLayer(D(), k);
    } else {
        D().coat[k].bCode = static_cast<std::uint8_t>(choice->code);
        SetFixedText(D().coat[k].Name, choice->name, 6);
    }
    AfterStructureChange();
}

void CMeasFileStructurePage::ClickBase() {
    if (Locked())
        return;
    const std::optional<CoatBaseChoice> choice =
        m_s.seams.chooseCoatBase(-1, false, D(), m_baseBox);
    if (!choice || choice->deleteLayer)
        return;
    D().bBaseCode = static_cast<std::uint8_t>(choice->code);
    SetFixedText(D().baseName, choice->name, 6);
    AfterStructureChange();
}

void CMeasFileStructurePage::ToggleAlloy(bool checked) {
    m_keepCopied = false;
    if (checked)
        InsertAlloyLayer(D());
    else
        RemoveAlloyLayers(D());
    RedisplayStructure();
    emit structureChanged();
}

void CMeasFileStructurePage::ChooseRange(int k, int index) {
    D().coat[k].bRange = static_cast<std::uint8_t>(index + 1);
    FollowRangesIntoAlloyLayers(D());
    RedisplayStructure();
    emit structureChanged();
}

void CMeasFileStructurePage::AfterStructureChange() {
    m_keepCopied = false;
    if (m_alloyCheck->isChecked())
        InsertAlloyLayer(D());
    RemoveInvalidAlloyLayers(D());
    FollowRangesIntoAlloyLayers(D());
    RedisplayStructure();
    emit structureChanged();
}

bool CMeasFileStructurePage::ConfirmStructure() {
    ConditionCheck first = CheckLayersAndBase(D());
    const ConditionCheck ranges = CheckRanges(D());
    // The range rows stand above unit and gasket: a missing range is the first missing item.
    const bool belowRanges =
        first.field == ConditionField::Unit || first.field == ConditionField::Gasket;
    if (!first.ok() && belowRanges && !ranges.ok() && ranges.message == kMsgLackOfItem)
        first = ranges;
    if (!Report(first) || !Report(ranges))
        return false;
    if (!m_s.wizard)
        return true;
    const std::string note = CombinationNote(D());
    if (!note.empty())
        Op().ShowMessage(note, MsgIcon::Exclamation, MsgButtons::Ok);
    // An operator who copied a condition expects the copy, not the defaults, in the file.
    if (!m_keepCopied)
        ApplyCombinationDefaults(D());
    return true;
}

}  // namespace klv
