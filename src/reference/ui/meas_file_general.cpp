#include "reference/ui/meas_file_general.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QVBoxLayout>

#include "base/fixed_text.h"
#include "base/ui/text_codec.h"
#include "reference/ui/condition_text_fields.h"

namespace klv {

namespace {

template <std::size_t N>
void ShowText(QLineEdit* edit, const char (&field)[N]) {
    edit->setText(ToQString(GetFixedText(field)));
}

}  // namespace

CMeasFileGeneral::CMeasFileGeneral(MeasFileSheetState& s, QWidget* parent)
    : CMeasFileStructurePage(s, parent, kMaxLayers, 4, true) {
    setObjectName(QStringLiteral("measFileGeneral"));
    m_fileName = MakeLineEdit(this, "fileNameEdit", kFileNameChars);
    m_customer = MakeLineEdit(this, "customerEdit", kCustomerChars);
    m_goods = MakeLineEdit(this, "goodsEdit", kGoodsChars);
    m_lot = MakeLineEdit(this, "lotEdit", kLotNoChars);
    m_tester = MakeLineEdit(this, "testerEdit", kTesterChars);
    char channel[16];
    std::snprintf(channel, sizeof channel, "%2d:", s.index + 1);
    auto* channelLabel = new QLabel(ToQString(channel), this);
    channelLabel->setObjectName(QStringLiteral("channelLabel"));

    auto* texts = new QFormLayout;
    texts->addRow(channelLabel, m_fileName);
    texts->addRow(ToQString("Customer name"), m_customer);
    texts->addRow(ToQString("Name of goods"), m_goods);
    texts->addRow(ToQString("Lot No."), m_lot);
    texts->addRow(ToQString("Tested by"), m_tester);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(texts);
    layout->addLayout(StructureGrid());
    layout->addStretch();
    Refresh();
}

void CMeasFileGeneral::Refresh() {
    const MeasFileData& d = D();
    ShowText(m_fileName, d.szFileName);
    ShowText(m_customer, d.szCustomer);
    ShowText(m_goods, d.szGoods);
    ShowText(m_lot, d.szLotNo);
    ShowText(m_tester, d.szTester);
    // The lot of stored measurements stays theirs, and looks as locked as the coatings.
    const bool lotLocked = m_s.HasData() && d.szLotNo[0] != '\0';
    m_lot->setReadOnly(lotLocked);
    QPalette colours = palette();
    if (lotLocked)
        colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    m_lot->setPalette(colours);
    RefreshStructure();
}

bool CMeasFileGeneral::Confirm() {
    MeasFileData& d = D();
    SetFixedText(d.szFileName, TrimmedText(m_fileName), kFileNameChars);
    SetFixedText(d.szCustomer, TrimmedText(m_customer), kCustomerChars);
    SetFixedText(d.szGoods, TrimmedText(m_goods), kGoodsChars);
    if (!m_lot->isReadOnly())
        SetFixedText(d.szLotNo, TrimmedText(m_lot), kLotNoChars);
    SetFixedText(d.szTester, TrimmedText(m_tester), kTesterChars);
    return Report(CheckTexts(d)) && ConfirmStructure();
}

QWidget* CMeasFileGeneral::ControlFor(ConditionField field, int layer) {
    switch (field) {
        case ConditionField::FileName:
            return m_fileName;
        case ConditionField::Customer:
            return m_customer;
        case ConditionField::Goods:
            return m_goods;
        case ConditionField::LotNo:
            return m_lot;
        case ConditionField::Tester:
            return m_tester;
        default:
            return CMeasFileStructurePage::ControlFor(field, layer);
    }
}

}  // namespace klv
