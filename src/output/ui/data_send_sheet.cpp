#include "output/ui/data_send_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/ui/ok_cancel_buttons.h"
#include "output/ui/measure_data_send.h"

namespace klv {

CDataSendSheet::CDataSendSheet(const MeasDataSendParam& param, const QStringList& ports,
                               QWidget* parent)
    : QDialog(parent), m_param(param) {
    setObjectName(QStringLiteral("CDataSendSheet"));
    setWindowTitle(QStringLiteral("Transmission method of measurement result"));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pages"));
    m_rs232c = new CMeasureDataSend(CMeasureDataSend::Kind::Rs232c, m_param, ports, m_tabs);
    m_dde = new CMeasureDataSend(CMeasureDataSend::Kind::Dde, m_param, ports, m_tabs);
    m_tabs->addTab(m_rs232c, QStringLiteral("Output for RS-232C"));
    m_tabs->addTab(m_dde, QStringLiteral("Output for DDE"));

    auto* buttons = MakeOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QStringList CDataSendSheet::SystemSerialPorts() {
    QStringList ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.append(info.systemLocation());
    ports.sort();
    return ports;
}

void CDataSendSheet::accept() {
    m_rs232c->Store(m_param);
    m_dde->Store(m_param);
    QDialog::accept();
}

}  // namespace klv
