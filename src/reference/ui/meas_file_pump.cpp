#include "reference/ui/meas_file_pump.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/text_codec.h"
#include "reference/condition_rules.h"
#include "reference/layer_setting_tables.h"

namespace klv {

namespace {

constexpr int kMaxPumpHz = 10;

}  // namespace

CMeasFilePump::CMeasFilePump(MeasFileSheetState& s, QWidget* parent) : CMeasFilePage(s, parent) {
    setObjectName(QStringLiteral("measFilePump"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(ToQString("Pump[Hz]"), this), 0, 1);
    grid->addWidget(new QLabel(ToQString("Test solution"), this), 0, 2);
    grid->addWidget(new QLabel(ToQString("Sensitivity"), this), 0, 3);
    for (int k = 0; k < kMaxLayers; ++k) {
        m_pump[k] = new QComboBox(this);
        m_pump[k]->setObjectName(LayerObjectName("pumpCombo", k));
        for (int hz = 0; hz <= kMaxPumpHz; ++hz)
            m_pump[k]->addItem(QString::number(hz));
        m_solution[k] = new QPushButton(this);
        m_solution[k]->setObjectName(LayerObjectName("solutionBox", k));
        m_solution[k]->setMinimumWidth(90);
        m_sensitivity[k] = new QComboBox(this);
        m_sensitivity[k]->setObjectName(LayerObjectName("sensitivityCombo", k));
        for (int c = 1; c <= kSensitivityCount; ++c)
            m_sensitivity[k]->addItem(ToQString(std::string(GetSensitivityName(c))));
        QLabel* name = MakeLayerLabel(k);
        grid->addWidget(name, k + 1, 0);
        grid->addWidget(m_pump[k], k + 1, 1);
        grid->addWidget(m_solution[k], k + 1, 2);
        grid->addWidget(m_sensitivity[k], k + 1, 3);
        m_rows.push_back({name, m_pump[k], m_solution[k], m_sensitivity[k]});
        connect(m_solution[k], &QPushButton::clicked, this, [this, k] { ClickSolution(k); });
    }
    grid->setColumnStretch(4, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    Refresh();
}

void CMeasFilePump::Refresh() {
    const MeasFileData& d = D();
    ShowLayerNames();
    ShowUsedRows(m_rows);
    for (int k = 0; k < kMaxLayers; ++k) {
        const LayerCondition& c = d.coat[k];
        m_pump[k]->setCurrentIndex(c.bPump <= kMaxPumpHz ? c.bPump : -1);
        m_solution[k]->setText(ToQString(std::string(GetTestSolutionName(c.bSolution))));
        const int sensitivity = c.bSensitivity;
        m_sensitivity[k]->setCurrentIndex(
            sensitivity >= 1 && sensitivity <= kSensitivityCount ? sensitivity - 1 : -1);
    }
}

QWidget* CMeasFilePump::ControlFor(ConditionField field, int layer) {
    if (layer < 0 || layer >= kMaxLayers)
        return nullptr;
    if (field == ConditionField::Solution)
        return m_solution[layer];
    if (field == ConditionField::Sensitivity)
        return m_sensitivity[layer];
    return nullptr;
}

void CMeasFilePump::ClickSolution(int k) {
    const int coating = D().coat[k].bCode & ~kAlloyLayerCode;
    const int code = m_s.seams.selectSolution(coating, D().bBaseCode, this);
    if (code <= 0)
        return;
    D().coat[k].bSolution = static_cast<std::uint8_t>(code);
    m_solution[k]->setText(ToQString(std::string(GetTestSolutionName(code))));
}

bool CMeasFilePump::Confirm() {
    MeasFileData& d = D();
    for (int k = 0; k < GetCoatCount(d); ++k) {
        // A pump speed from a damaged file shows no selection and is kept until one is made.
        if (m_pump[k]->currentIndex() >= 0)
            d.coat[k].bPump = static_cast<std::uint8_t>(m_pump[k]->currentIndex());
        d.coat[k].bSensitivity = static_cast<std::uint8_t>(m_sensitivity[k]->currentIndex() + 1);
    }
    return Report(CheckSolutions(d));
}

}  // namespace klv
