#include "reference/ui/meas_file_copy.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/fixed_text.h"
#include "base/ui/ok_cancel_buttons.h"
#include "base/ui/text_codec.h"
#include "reference/condition_copy.h"
#include "reference/layer_value_format.h"
#include "reference/ui/condition_text_fields.h"

namespace klv {
namespace {

struct CopyItemBox {
    const char* caption;
    const char* objectName;
    unsigned bit;
};

constexpr std::array<CopyItemBox, 7> kItemBoxes{{
    {"File name", "copyFileName", kCopyFileName},
    {"Customer's name", "copyCustomer", kCopyCustomer},
    {"Name of goods", "copyGoods", kCopyGoods},
    {"Lot No.", "copyLotNo", kCopyLotNo},
    {"Tested by", "copyTester", kCopyTester},
    {"Measurement condition", "copyCondition", kCopyCondition},
    {"Statistcs item", "copyStatistics", kCopyStatistics},
}};

QLabel* ValueLabel(const std::string& text, const char* objectName, QWidget* parent) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setFrameShape(QFrame::StyledPanel);
    label->setTextFormat(Qt::PlainText);
    // Room for the longest customer name.
    ReserveTextWidth(*label, kCustomerChars);
    return label;
}

}  // namespace

CMeasFileCopy::CMeasFileCopy(int sourceIndex, const MeasFileData& source, Operator& op,
                             QWidget* parent)
    : QDialog(parent), m_op(op) {
    setObjectName(QStringLiteral("measFileCopy"));
    setWindowTitle(ToQString("Select copy item"));

    auto* source_ = new QFormLayout;
    source_->addRow(ValueLabel(FormatFileTitle(sourceIndex + 1, source), "sourceTitle", this));
    source_->addRow(ToQString("Customer name"),
                    ValueLabel(GetFixedText(source.szCustomer), "sourceCustomer", this));
    source_->addRow(ToQString("Name of goods"),
                    ValueLabel(GetFixedText(source.szGoods), "sourceGoods", this));
    source_->addRow(ToQString("Tested by"),
                    ValueLabel(GetFixedText(source.szTester), "sourceTester", this));
    source_->addRow(ToQString("Lot No."),
                    ValueLabel(GetFixedText(source.szLotNo), "sourceLotNo", this));

    m_all = new QRadioButton(ToQString("Copy all"), this);
    m_all->setObjectName(QStringLiteral("copyAll"));
    m_selected = new QRadioButton(ToQString("Copy only selected item"), this);
    m_selected->setObjectName(QStringLiteral("copySelected"));
    m_all->setChecked(true);
    connect(m_selected, &QRadioButton::toggled, this, &CMeasFileCopy::EnableItems);

    auto* items = new QVBoxLayout;
    for (std::size_t i = 0; i < kItemBoxes.size(); ++i) {
        auto* box = new QCheckBox(ToQString(kItemBoxes[i].caption), this);
        box->setObjectName(QString::fromLatin1(kItemBoxes[i].objectName));
        items->addWidget(box);
        m_boxes[i] = box;
    }
    auto* itemRow = new QHBoxLayout;
    itemRow->addSpacing(20);
    itemRow->addLayout(items);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(source_);
    layout->addWidget(m_all);
    layout->addWidget(m_selected);
    layout->addLayout(itemRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    EnableItems();
}

void CMeasFileCopy::EnableItems() {
    for (QCheckBox* box : m_boxes)
        box->setEnabled(m_selected->isChecked());
}

void CMeasFileCopy::accept() {
    unsigned items = 0;
    if (m_all->isChecked()) {
        items = kCopyAll;
    } else {
        for (std::size_t i = 0; i < kItemBoxes.size(); ++i)
            if (m_boxes[i]->isChecked())
                items |= kItemBoxes[i].bit;
    }
    if (items == 0) {
        m_op.ShowMessage("Item for a copy is not selected.", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    m_items = items;
    QDialog::accept();
}

}  // namespace klv
