#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <array>

#include "device/usb_transport.h"

namespace klv {

// The communication statistics (dialog 421), refreshed every 500 ms.
class CUsbStatus final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 421;
    explicit CUsbStatus(CUsbTransport& transport, QWidget* parent = nullptr);
    void Refresh();

private:
    CUsbTransport& m_transport;
    std::array<QLineEdit*, 5> m_values{};
    QTimer m_timer;
};

}  // namespace klv
