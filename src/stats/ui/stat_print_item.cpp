#include "stats/ui/stat_print_item.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/number_parse.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"

namespace klv {

namespace {

constexpr const char* kItemTexts[] = {"Customer's name",
                                      "Name of goods ",
                                      "Lot No.",
                                      "Measurement date",
                                      "Tesed by",
                                      "Measurement condition",
                                      "Data number and range",
                                      "Statistics condition",
                                      "Statistics volume",
                                      "Measurement data",
                                      "Sender Name"};

QLineEdit* RangeEdit(const char* name, std::uint32_t value, QWidget* parent) {
    auto* edit = new QLineEdit(QString::number(value), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(8);
    return edit;
}

}  // namespace

CStatPrintItem::CStatPrintItem(MeasFileData& d, bool senderPresent, Operator& op, QWidget* parent)
    : QDialog(parent), m_d(d), m_op(op) {
    setObjectName(QStringLiteral("CStatPrintItem"));
    setWindowTitle(QStringLiteral("Selection of print out item"));
    const int layers = GetCoatCount(d);
    m_count = layers == 0 ? 0 : d.nItemCt / static_cast<std::uint32_t>(layers);
    const std::uint16_t items = GetPrintItems(d);
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        m_items[i] = new QCheckBox(QString::fromLatin1(kItemTexts[i]), this);
        m_items[i]->setObjectName(QStringLiteral("item%1").arg(i));
        m_items[i]->setChecked((items & (1u << i)) != 0);
        grid->addWidget(m_items[i], static_cast<int>(i % 6), static_cast<int>(i / 6));
        connect(m_items[i], &QCheckBox::toggled, this, &CStatPrintItem::UpdatePrintButton);
    }
    QCheckBox* sender = m_items[10];
    sender->setEnabled(senderPresent);
    if (!senderPresent)
        sender->setChecked(false);

    auto* range = new QHBoxLayout;
    auto* rangeText =
        new QLabel(QString::asprintf("Rage of data for print out ( %d -- %u )", 1, m_count), this);
    rangeText->setObjectName(QStringLiteral("rangeText"));
    range->addWidget(rangeText);
    m_first = RangeEdit("firstData", 1, this);
    m_last = RangeEdit("lastData", m_count, this);
    range->addWidget(m_first);
    range->addWidget(new QLabel(QStringLiteral("--"), this));
    range->addWidget(m_last);
    m_lineMode = new QComboBox(this);
    m_lineMode->setObjectName(QStringLiteral("lineMode"));
    m_lineMode->addItem(QStringLiteral("1 line  1 data"), 1);
    m_lineMode->addItem(QStringLiteral("1 line  5 data"), 5);
    m_lineMode->setCurrentIndex(d.bPrintLineMode == 5 ? 1 : 0);
    m_lineMode->setEnabled(layers <= 1);
    range->addWidget(m_lineMode);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_print = buttons->button(QDialogButtonBox::Ok);
    m_print->setText(QStringLiteral("Print out"));
    m_print->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addLayout(range);
    page->addWidget(buttons);
    UpdatePrintButton();
}

void CStatPrintItem::UpdatePrintButton() {
    // Unticking "Sender Name" toggles before the button exists.
    if (m_print == nullptr)
        return;
    bool any = false;
    for (const QCheckBox* box : m_items)
        any = any || box->isChecked();
    m_print->setEnabled(any);
}

void CStatPrintItem::accept() {
    const int high = static_cast<int>(m_count);
    std::array<int, 2> bounds{};
    const std::array<QLineEdit*, 2> edits = {m_first, m_last};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const std::optional<int> v = ParseInt(FromQString(edits[i]->text()));
        if (!v || *v < 1 || *v > high) {
            ShowRangeError(m_op, edits[i], 1, high);
            return;
        }
        bounds[i] = *v;
    }
    m_range = {static_cast<std::uint32_t>(std::min(bounds[0], bounds[1])),
               static_cast<std::uint32_t>(std::max(bounds[0], bounds[1]))};
    std::uint16_t items = 0;
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i]->isChecked())
            items = static_cast<std::uint16_t>(items | (1u << i));
    m_d.wPrintItems = items;
    m_d.bPrintLineMode = static_cast<std::uint8_t>(m_lineMode->currentData().toInt());
    QDialog::accept();
}

}  // namespace klv
