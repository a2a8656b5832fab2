#include "reference/ui/meas_file_general.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QVBoxLayout>
#include <utility>

#include "base/fixed_text.h"
#include "base/ui/text_codec.h"
#include "reference/ui/condition_text_fields.h"

namespace klv {

namespace {

// The name, customer, goods, lot and tester above the layers.
constexpr int kTextRows = 5;

template <std::size_t N>
void ShowText(QLineEdit* edit, const char (&field)[N]) {
    edit->setText(ToQString(GetFixedText(field)));
}

}  // namespace

CMeasFileGeneral::CMeasFileGeneral(MeasFileSheetState& s, QWidget* parent)
    : CMeasFileStructurePage(s, parent, kMaxLayers, 4, true, kTextRows) {
    setObjectName(QStringLiteral("measFileGeneral"));
    m_fileName = MakeLineEdit(this, "fileNameEdit", kFileNameChars);
    m_fileName->setPlaceholderText(ToQString("File name"));
    m_customer = MakeLineEdit(this, "customerEdit", kCustomerChars);
    m_goods = MakeLineEdit(this, "goodsEdit", kGoodsChars);
    m_lot = MakeLineEdit(this, "lotEdit", kLotNoChars);
    m_tester = MakeLineEdit(this, "testerEdit", kTesterChars);
    char channel[16];
    std::snprintf(channel, sizeof channel, "%2d:", s.index + 1);
    auto* channelLabel = new QLabel(ToQString(channel), this);
    channelLabel->setObjectName(QStringLiteral("channelLabel"));

    const std::pair<QLabel*, QLineEdit*> texts[kTextRows] = {
        {channelLabel, m_fileName},
        {new QLabel(ToQString("Customer name"), this), m_customer},
        {new QLabel(ToQString("Name of goods"), this), m_goods},
        {new QLabel(ToQString("Lot No."), this), m_lot},
        {new QLabel(ToQString("Tested by"), this), m_tester}};
    QGridLayout* grid = StructureGrid();
    for (int row = 0; row < kTextRows; ++row) {
        grid->addWidget(texts[row].first, row, 0);
        grid->addWidget(texts[row].second, row, 1, 1, -1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
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
