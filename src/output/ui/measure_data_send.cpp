#include "output/ui/measure_data_send.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "base/ui/text_codec.h"
#include "output/sample_line.h"

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

    m_items = std::make_unique<LineItemControls>(7800, 7810, QStringLiteral("Put on unit"),
                                                 LineItemControls::UnitPlace::BesideValue, this);
    page->addWidget(m_items->box);
    m_items->Show(record.format, record.format.unitAppended);

    page->addWidget(new QLabel(QStringLiteral("Note] Neglect alloy layer."), this));
    m_sample = NewSampleLabel(QStringLiteral("sample7812"), this);
    page->addWidget(m_sample);
    page->addStretch();

    connect(m_output, &QCheckBox::toggled, this, &CMeasureDataSend::Refresh);
    m_items->OnChange(this, [this] { Refresh(); });
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
    LineFormat f = m_items->Read();
    f.unitAppended = m_items->unit->isChecked();
    return f;
}

void CMeasureDataSend::Refresh() {
    m_items->dateFormat->setEnabled(m_items->date->isChecked());
    m_items->unit->setEnabled(m_items->value->isChecked());
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
