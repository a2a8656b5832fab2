#include "reference/ui/meas_item_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/condition_rules.h"

namespace klv {

namespace {

constexpr int kFirstControlRow = 2;
constexpr const char* kOrdinals[kMaxLayers] = {"1st layer", "2nd layer", "3rd layer", "4th layer",
                                               "5th layer"};

QLabel* LayerName(const MeasFileData& d, int k, QWidget* parent) {
    auto* name = new QLabel(ToQString(GetCoatName(d, k)), parent);
    name->setObjectName(QStringLiteral("layerName%1").arg(k + 1));
    name->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    name->setMinimumWidth(name->fontMetrics().horizontalAdvance(QStringLiteral("Alloy layer")) + 8);
    return name;
}

}  // namespace

QStringList CodeTexts(int count, const std::function<std::string_view(int)>& name) {
    QStringList texts;
    for (int code = 1; code <= count; ++code)
        texts << ToQString(std::string(name(code)));
    return texts;
}

CMeasItemDialog::CMeasItemDialog(const char* objectName, const char* title,
                                 ConditionEditContext& ctx, const MeasFileData& d, int index,
                                 QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_data(d), m_index(index) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(ToQString(title));

    m_grid = new QGridLayout;
    for (int k = 0; k < kMaxLayers; ++k) {
        auto* ordinal = new QLabel(ToQString(kOrdinals[k]), this);
        ordinal->setEnabled(LayerUsed(k));
        m_grid->addWidget(ordinal, 0, 1 + k);
        m_grid->addWidget(LayerName(m_data, k, this), 1, 1 + k);
    }
    m_body = new QVBoxLayout;

    auto* ok = new QPushButton(ToQString("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(ToQString("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_grid);
    layout->addLayout(m_body);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &CMeasItemDialog::Confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CMeasItemDialog::AddCaption(int row, const QString& caption) {
    m_grid->addWidget(new QLabel(caption, this), kFirstControlRow + row, 0);
}

void CMeasItemDialog::AddLayerControl(int row, int k, QWidget* control) {
    control->setEnabled(LayerUsed(k));
    m_grid->addWidget(control, kFirstControlRow + row, 1 + k);
}

CMeasItemDialog::LayerCombos CMeasItemDialog::AddLayerCombos(
    int row, const QString& caption, const char* name, const QStringList& items,
    const std::function<int(const LayerCondition&)>& index) {
    AddCaption(row, caption);
    LayerCombos combos{};
    for (int k = 0; k < kMaxLayers; ++k) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(k + 1));
        combo->addItems(items);
        const int current = LayerUsed(k) ? index(m_data.coat[k]) : -1;
        combo->setCurrentIndex(current >= 0 && current < items.size() ? current : -1);
        AddLayerControl(row, k, combo);
        combos[k] = combo;
    }
    return combos;
}

bool CMeasItemDialog::CombosSelected(const LayerCombos& combos) {
    for (int k = 0; k < GetCoatCount(m_data); ++k)
        if (combos[k]->isEnabled() && !CheckComboSelected(Op(), combos[k]))
            return false;
    return true;
}

void CMeasItemDialog::Confirm() {
    MeasFileData edited = m_data;
    if (!ReadControls(edited))
        return;
    // The store has told the operator why a write failed; the entries stay for another try.
    if (!m_ctx.store.WriteConditionFile(m_index, edited))
        return;
    m_data = edited;
    accept();
}

}  // namespace klv
