#include "output/ui/measure_data_send.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "base/ui/text_codec.h"
#include "output/sample_line.h"
#include "output/ui/output_controls.h"

namespace klv {

namespace {

constexpr int kSpeeds[] = {1200, 2400, 4800, 9600, 19200};

}  // namespace

CMeasureDataSend::CMeasureDataSend(Kind kind, const MeasDataSendParam& p, const QStringList& ports,
                                   QWidget* parent)
    : QWidget(parent), m_kind(kind) {
    const bool serial = kind == Kind::Rs232c;
    setObjectName(serial ? QStringLiteral("rs232cPage") : QStringLiteral("ddePage"));
    const OutputRecord& record = serial ? p.rs232c : p.dde;

    auto* page = new QVBoxLayout(this);
    m_output = NamedCheck(QStringLiteral("Output"), QStringLiteral("output7813"), this);
    m_output->setChecked(record.enabled);
    page->addWidget(m_output);

    auto* group = new QGroupBox(QStringLiteral("RS-232C parameter"), this);
    group->setObjectName(QStringLiteral("serialGroup"));
    auto* form = new QFormLayout(group);
    m_port = NamedCombo(QStringLiteral("port7825"), {}, group);
    m_speed = NamedCombo(QStringLiteral("speed7821"),
                         {QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"),
                          QStringLiteral("9600"), QStringLiteral("19200")},
                         group);
    m_parity = NamedCombo(
        QStringLiteral("parity7822"),
        {QStringLiteral("Even number"), QStringLiteral("Odd number"), QStringLiteral("None")},
        group);
    m_dataBits = NamedCombo(QStringLiteral("dataBits7823"),
                            {QStringLiteral("7bit"), QStringLiteral("8bit")}, group);
    m_stopBits = NamedCombo(QStringLiteral("stopBits7824"),
                            {QStringLiteral("1bit"), QStringLiteral("2bit")}, group);
    m_lineEnd =
        NamedCombo(QStringLiteral("lineEnd7811"),
                   {QStringLiteral("CR/LF"), QStringLiteral("CR"), QStringLiteral("LF")}, group);
    form->addRow(QStringLiteral("Port No."), m_port);
    form->addRow(QStringLiteral("Communication speed"), m_speed);
    form->addRow(QStringLiteral("Parity bit"), m_parity);
    form->addRow(QStringLiteral("Data bit length"), m_dataBits);
    form->addRow(QStringLiteral("Stop bit length"), m_stopBits);
    form->addRow(QStringLiteral("The end characters"), m_lineEnd);
    page->addWidget(group);
    if (serial)
        FillSerialControls(p, ports);
    else
        group->hide();

    auto* items = new QGroupBox(this);
    auto* grid = new QGridLayout(items);
    m_dataNumber =
        NamedCheck(QStringLiteral("Data number"), QStringLiteral("dataNumber7800"), items);
    m_date = NamedCheck(QStringLiteral("Measurement data"), QStringLiteral("date7801"), items);
    m_dateFormat = NamedCombo(QStringLiteral("dateFormat7802"), DateFormatTexts(), items);
    m_coatingCount =
        NamedCheck(QStringLiteral("Coating numbers"), QStringLiteral("coatingCount7803"), items);
    m_coatingName =
        NamedCheck(QStringLiteral("Name of coating"), QStringLiteral("coatingName7804"), items);
    m_value = NamedCheck(QStringLiteral("Measurement value"), QStringLiteral("value7805"), items);
    m_unit = NamedCheck(QStringLiteral("Put on unit"), QStringLiteral("unit7806"), items);
    m_delimiter = NamedCombo(QStringLiteral("delimiter7810"), DelimiterTexts(), items);
    grid->addWidget(m_dataNumber, 0, 0);
    grid->addWidget(m_date, 1, 0);
    grid->addWidget(m_dateFormat, 1, 1);
    grid->addWidget(m_coatingCount, 2, 0);
    grid->addWidget(m_coatingName, 3, 0);
    grid->addWidget(m_value, 4, 0);
    grid->addWidget(m_unit, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("Punctuation letter"), items), 5, 0);
    grid->addWidget(m_delimiter, 5, 1);
    page->addWidget(items);

    const LineFormat& f = record.format;
    m_dataNumber->setChecked((f.items & kItemDataNumber) != 0);
    m_date->setChecked((f.items & kItemMeasDate) != 0);
    m_coatingCount->setChecked((f.items & kItemCoatingCount) != 0);
    m_coatingName->setChecked((f.items & kItemCoatingName) != 0);
    m_value->setChecked((f.items & kItemMeasValue) != 0);
    m_unit->setChecked(f.unitAppended);
    SelectIndex(m_dateFormat, f.dateFormat);
    SelectIndex(m_delimiter, f.delimiter);

    page->addWidget(new QLabel(QStringLiteral("Note] Neglect alloy layer."), this));
    m_sample = NewSampleLabel(QStringLiteral("sample7812"), this);
    page->addWidget(m_sample);
    page->addStretch();

    for (QCheckBox* box :
         {m_output, m_dataNumber, m_date, m_coatingCount, m_coatingName, m_value, m_unit})
        connect(box, &QCheckBox::toggled, this, &CMeasureDataSend::Refresh);
    for (QComboBox* combo : {m_dateFormat, m_delimiter})
        connect(combo, &QComboBox::currentIndexChanged, this, &CMeasureDataSend::Refresh);
    Refresh();
}

void CMeasureDataSend::FillSerialControls(const MeasDataSendParam& p, const QStringList& ports) {
    const QString stored = QString::fromLocal8Bit(MakeSerialParameters(p).portName.c_str());
    QStringList list = ports;
    // A path written into the settings by hand is offered, and kept, as it is.
    if (!list.contains(stored))
        list.append(stored);
    m_port->addItems(list);
    m_port->setCurrentIndex(int(list.indexOf(stored)));
    const auto speed = std::find(std::begin(kSpeeds), std::end(kSpeeds), p.speed);
    m_speed->setCurrentIndex(speed == std::end(kSpeeds) ? -1 : int(speed - std::begin(kSpeeds)));
    SelectIndex(m_parity, p.parity);
    SelectIndex(m_dataBits, p.dataBit);
    SelectIndex(m_stopBits, p.stopBit);
    SelectIndex(m_lineEnd, p.delimitor);
}

LineFormat CMeasureDataSend::Format() const {
    LineFormat f;
    f.items = (m_dataNumber->isChecked() ? kItemDataNumber : 0u) |
              (m_date->isChecked() ? kItemMeasDate : 0u) |
              (m_coatingCount->isChecked() ? kItemCoatingCount : 0u) |
              (m_coatingName->isChecked() ? kItemCoatingName : 0u) |
              (m_value->isChecked() ? kItemMeasValue : 0u);
    f.delimiter = m_delimiter->currentIndex();
    f.dateFormat = m_dateFormat->currentIndex();
    f.unitAppended = m_unit->isChecked();
    return f;
}

void CMeasureDataSend::Refresh() {
    m_dateFormat->setEnabled(m_date->isChecked());
    m_unit->setEnabled(m_value->isChecked());
    m_sample->setText(ToQString(FormatSampleLine(SampleSendCondition(), Format())));
}

void CMeasureDataSend::Store(MeasDataSendParam& p) const {
    OutputRecord& record = m_kind == Kind::Rs232c ? p.rs232c : p.dde;
    record.enabled = m_output->isChecked();
    const LineFormat f = Format();
    record.format.items = f.items;
    // A list without a selection keeps what the settings had.
    if (f.delimiter >= 0)
        record.format.delimiter = f.delimiter;
    if (f.dateFormat >= 0)
        record.format.dateFormat = f.dateFormat;
    record.format.unitAppended = f.unitAppended;
    if (m_kind != Kind::Rs232c)
        return;
    if (m_port->currentIndex() >= 0) {
        p.portNbr = m_port->currentIndex();
        p.portName = FromQString(m_port->currentText());
    }
    if (m_speed->currentIndex() >= 0)
        p.speed = kSpeeds[m_speed->currentIndex()];
    StoreIndex(m_parity, p.parity);
    StoreIndex(m_dataBits, p.dataBit);
    StoreIndex(m_stopBits, p.stopBit);
    StoreIndex(m_lineEnd, p.delimitor);
}

}  // namespace klv
