#include "measure/ui/device_status_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "device/busy_scope.h"
#include "device/device_protocol.h"
#include "device/usb_transport.h"

namespace klv {
namespace {

// "0x%04X" and "0x%02X".
QString Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return QString::fromLatin1(text);
}

}  // namespace

CDeviceStatus::CDeviceStatus(CDeviceProtocol& protocol, QWidget* parent)
    : QDialog(parent), m_protocol(protocol) {
    setObjectName(QStringLiteral("CDeviceStatus"));
    setWindowTitle(QStringLiteral("Condition of device"));
    auto* grid = new QGridLayout(this);
    auto reading = [&](int row, const char* caption, const char* name, const char* unit) {
        grid->addWidget(new QLabel(QString::fromLatin1(caption), this), row, 0);
        auto* value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(name));
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        value->setMinimumWidth(70);
        grid->addWidget(value, row, 1);
        if (unit != nullptr)
            grid->addWidget(new QLabel(QString::fromLatin1(unit), this), row, 2);
        return value;
    };
    m_ad976 = reading(0, "AD976", "ad976", nullptr);
    m_adc0804 = reading(1, "ADC0804", "adc0804", nullptr);
    m_ad5541 = reading(2, "AD5541", "ad5541", nullptr);
    m_pump = reading(3, "Pump", "pump", "x0.1mS");
    auto* bits = new QGridLayout;
    grid->addLayout(bits, 4, 0, 1, 3);
    const char ports[] = {'A', 'B', 'C'};
    for (int p = 0; p < 3; ++p)
        for (int bit = 0; bit < 8; ++bit) {
            const QString name = QStringLiteral("P%1%2").arg(QLatin1Char(ports[p])).arg(bit);
            auto* label = new QLabel(name, this);
            label->setObjectName(name);
            label->setEnabled(false);
            m_bits[static_cast<std::size_t>(8 * p + bit)] = label;
            bits->addWidget(label, p, bit);
        }
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("close"));
    connect(m_close, &QPushButton::clicked, this, [this] {
        // The read in flight must finish first; the next tick ends the dialog.
        m_close->setEnabled(false);
        m_endAsked = true;
    });
    grid->addWidget(m_close, 5, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CDeviceStatus::Tick);
    timer->start(kIntervalMs);
}

void CDeviceStatus::Tick() {
    // A read waits in the UI pump, where the next tick may come.
    if (m_reading || !isVisible())
        return;
    if (m_endAsked) {
        accept();
        return;
    }
    DeviceStatus status;
    m_reading = true;
    int ok = 0;
    {
        CBusyScope scope(m_protocol.Busy(), !m_protocol.Transport().IsSimulation());
        ok = m_protocol.GetDeviceStatus(status, 3, true);
    }
    m_reading = false;
    if (ok != 1) {
        reject();
        return;
    }
    Show(status);
}

void CDeviceStatus::Show(const DeviceStatus& status) {
    m_ad976->setText(Hex(static_cast<std::uint16_t>(status.sAd976()), 4));
    m_adc0804->setText(Hex(status.bAdc0804(), 2));
    m_ad5541->setText(Hex(status.wAd5541(), 4));
    m_pump->setText(QString::number(status.wPumpPeriod()));
    const std::uint8_t ports[] = {status.bPortA(), status.bPortB(), status.bPortC()};
    for (std::size_t i = 0; i < m_bits.size(); ++i)
        m_bits[i]->setEnabled((ports[i / 8] >> (i % 8)) & 1);
}

}  // namespace klv
