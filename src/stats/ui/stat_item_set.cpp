#include "stats/ui/stat_item_set.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/number_parse.h"
#include "base/ui/ok_cancel_buttons.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/condition_rules.h"
#include "reference/condition_store.h"
#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"
#include "stats/stat_item_rules.h"
#include "stats/statistics_mode.h"

namespace klv {

namespace {

constexpr int kTotalChars = 8;
constexpr int kLimitChars = 6;

QLabel* NamedLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* NamedEdit(const QString& name, int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

}  // namespace

CStatItemSet::CStatItemSet(MeasFileData& condition, ConditionStore& store, int index, Operator& op,
                           QWidget* parent)
    : QDialog(parent),
      m_condition(condition),
      m_edit(condition),
      m_store(store),
      m_index(index),
      m_op(op) {
    setObjectName(QStringLiteral("CStatItemSet"));
    setWindowTitle(QStringLiteral("Setting of statistics items"));
    const int layers = GetCoatCount(m_edit);

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("Statistics mode"), this), 0, 0);
    m_mode = new QComboBox(this);
    m_mode->setObjectName(QStringLiteral("statMode"));
    for (const StatisticsModeRow& row : StatisticsModeTable)
        m_mode->addItem(ToQString(std::string(row.text)));
    m_mode->setCurrentIndex(m_edit.bStatMode < StatisticsModeTable.size() ? m_edit.bStatMode : -1);
    top->addWidget(m_mode, 0, 1);
    m_totalLabel = NamedLabel(QStringLiteral("Total number of statistics"),
                              QStringLiteral("totalLabel"), this);
    top->addWidget(m_totalLabel, 1, 0);
    m_total = NamedEdit(QStringLiteral("statTotal"), kTotalChars, this);
    m_total->setText(QString::number(m_edit.nStatTotal));
    top->addWidget(m_total, 1, 1);
    top->addWidget(new QLabel(QStringLiteral("Data number"), this), 2, 0);
    const std::uint32_t complete =
        layers > 0 ? m_edit.nItemCt / static_cast<std::uint32_t>(layers) : 0;
    top->addWidget(NamedLabel(QString::number(complete), QStringLiteral("dataNumber"), this), 2, 1);
    top->addWidget(new QLabel(QStringLiteral("Limit check"), this), 3, 0);
    m_limitCheck = new QCheckBox(QStringLiteral("Do"), this);
    m_limitCheck->setObjectName(QStringLiteral("limitCheck"));
    m_limitCheck->setChecked((m_edit.bStatFlags & kStatLimitCheckOn) != 0);
    top->addWidget(m_limitCheck, 3, 1);

    auto* limits = new QGridLayout;
    limits->addWidget(new QLabel(QStringLiteral("Upper limit"), this), 0, 1);
    limits->addWidget(new QLabel(QStringLiteral("Lower limit"), this), 0, 3);
    const QString unit = ToQString(std::string(GetUnitName(m_edit.bUnit)));
    const std::vector<int> shown = LimitRowLayers(m_edit);
    for (int r = 0; r < kMaxLayers; ++r) {
        LimitRow& row = m_rows[static_cast<std::size_t>(r)];
        const bool used = static_cast<std::size_t>(r) < shown.size();
        row.layer = used ? shown[static_cast<std::size_t>(r)] : -1;
        const QString n = QString::number(r + 1);
        row.upper = NamedEdit(QStringLiteral("upperLimit") + n, kLimitChars, this);
        row.lower = NamedEdit(QStringLiteral("lowerLimit") + n, kLimitChars, this);
        row.controls = {NamedLabel(used ? ToQString(GetCoatName(m_edit, row.layer)) : QString(),
                                   QStringLiteral("layerName") + n, this),
                        row.upper, new QLabel(unit, this), row.lower, new QLabel(unit, this)};
        if (used) {
            const LayerLimits& l = m_edit.limits[row.layer];
            row.upper->setText(ToQString(FormatLimitEdit(l.fUpperLimit, m_edit.bUnit)));
            row.lower->setText(ToQString(FormatLimitEdit(l.fLowerLimit, m_edit.bUnit)));
        }
        for (int c = 0; c < 5; ++c) {
            limits->addWidget(row.controls[static_cast<std::size_t>(c)], r + 1, c);
            row.controls[static_cast<std::size_t>(c)]->setVisible(used);
        }
        connect(row.upper, &QLineEdit::textEdited, this, [&row] { row.upperEdited = true; });
        connect(row.lower, &QLineEdit::textEdited, this, [&row] { row.lowerEdited = true; });
    }

    auto* buttons = MakeOkCancelButtons(*this);

    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addLayout(limits);
    page->addWidget(buttons);
    // Hidden rows take no room: the buttons sit under the last shown layer.
    page->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_mode, &QComboBox::activated, this, [this](int i) {
        SetStatisticsMode(m_edit, i);
        ApplyEnabling();
    });
    connect(m_limitCheck, &QCheckBox::toggled, this, [this](bool on) {
        SetLimitCheck(m_edit, on);
        ApplyEnabling();
    });
    ApplyEnabling();
}

void CStatItemSet::ApplyEnabling() {
    const bool statistics = (m_edit.bStatFlags & kStatTotalOn) != 0;
    m_totalLabel->setEnabled(statistics);
    m_total->setEnabled(statistics);
    const bool limits = (m_edit.bStatFlags & kStatLimitCheckOn) != 0;
    for (const LimitRow& row : m_rows)
        for (QWidget* w : row.controls)
            w->setEnabled(limits);
}

void CStatItemSet::accept() {
    if (m_mode->currentIndex() < 0) {
        ShowListItemMissing(m_op, m_mode, [this] { m_mode->showPopup(); });
        return;
    }
    m_edit.bStatMode = static_cast<std::uint8_t>(m_mode->currentIndex());
    if ((m_edit.bStatFlags & kStatTotalOn) != 0 && !ReadTotal())
        return;
    if ((m_edit.bStatFlags & kStatLimitCheckOn) != 0 && !ReadLimits())
        return;
    if (!m_store.WriteConditionFile(m_index, m_edit))
        return;
    m_condition = m_edit;
    QDialog::accept();
}

bool CStatItemSet::ReadTotal() {
    const int layers = GetCoatCount(m_edit);
    const std::uint32_t complete =
        layers > 0 ? m_edit.nItemCt / static_cast<std::uint32_t>(layers) : 0;
    std::int32_t total = 0;
    switch (CheckStatTotal(FromQString(m_total->text()), complete, total)) {
        case StatTotalCheck::OutOfRange:
            ShowRangeError(m_op, m_total, kStatTotalMin, kStatTotalMax);
            return false;
        case StatTotalCheck::BelowData:
            ShowValidationMessage(m_op, m_total, kMsgLessThanData);
            return false;
        case StatTotalCheck::Ok:
            break;
    }
    m_edit.nStatTotal = total;
    return true;
}

bool CStatItemSet::ReadLimit(QLineEdit* edit, bool edited, float stored, float& value) {
    if (!edited) {
        value = stored;
        return true;
    }
    const std::optional<double> typed = ParseFloat(FromQString(edit->text()));
    if (!typed) {
        ShowNumberError(m_op, edit);
        return false;
    }
    value = FromUnit(static_cast<float>(*typed), m_edit.bUnit);
    return true;
}

bool CStatItemSet::ReadLimits() {
    ClearUnlistedLimits(m_edit);
    for (const LimitRow& row : m_rows) {
        if (row.layer < 0)
            continue;
        LayerLimits& l = m_edit.limits[row.layer];
        float upper = 0.0f;
        float lower = 0.0f;
        if (!ReadLimit(row.upper, row.upperEdited, l.fUpperLimit, upper) ||
            !ReadLimit(row.lower, row.lowerEdited, l.fLowerLimit, lower))
            return false;
        if (lower >= upper) {
            ShowValidationMessage(m_op, row.lower, kMsgLimitOrder);
            return false;
        }
        l.fUpperLimit = upper;
        l.fLowerLimit = lower;
    }
    return true;
}

}  // namespace klv
