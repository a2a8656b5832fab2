#include "device/ui/usb_status_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace klv {

CUsbStatus::CUsbStatus(CUsbTransport& transport, QWidget* parent)
    : QDialog(parent), m_transport(transport) {
    setObjectName("CUsbStatus");
    setWindowTitle("USB Communication situaton");
    static const char* const kRows[5][3] = {
        {"Communicaton frequency", "Time", "exchanges"},
        {"Communication error", "Time", "errors"},
        {"Retry maximum", "Time", "retryMaximum"},
        {"Transmission time maximum", "mS", "txTimeMaximum"},
        {"Receiving time maximum", "mS", "rxTimeMaximum"},
    };
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(new QLabel(kRows[i][0]), i, 0);
        m_values[i] = new QLineEdit;
        m_values[i]->setObjectName(kRows[i][2]);
        m_values[i]->setReadOnly(true);
        m_values[i]->setAlignment(Qt::AlignRight);
        grid->addWidget(m_values[i], i, 1);
        grid->addWidget(new QLabel(kRows[i][1]), i, 2);
    }
    auto* reset = new QPushButton("Reset");
    reset->setObjectName("reset");
    auto* close = new QPushButton("Close");
    close->setObjectName("close");
    grid->addWidget(reset, 5, 0);
    grid->addWidget(close, 5, 2);
    connect(reset, &QPushButton::clicked, this, [this] { m_transport.ResetStatistics(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_timer, &QTimer::timeout, this, &CUsbStatus::Refresh);
    m_timer.start(500);
    Refresh();
}

void CUsbStatus::Refresh() {
    UsbStatistics s = m_transport.ReadStatistics();
    m_values[0]->setText(QString::number(s.exchanges));
    m_values[1]->setText(QString::number(s.errors));
    m_values[2]->setText(QString::number(s.retryMaximum));
    m_values[3]->setText(QString::number(s.txTimeMaximum));
    m_values[4]->setText(QString::number(s.rxTimeMaximum));
}

}  // namespace klv
