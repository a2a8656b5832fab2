#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace klv {

class CDeviceProtocol;
struct DeviceStatus;

// "Condition of device": the raw converter readings and port bits, read every 100 ms.
class CDeviceStatus final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 422;
    static constexpr int kIntervalMs = 100;

    explicit CDeviceStatus(CDeviceProtocol& protocol, QWidget* parent = nullptr);

    // One tick: a status read, then the readings, or the end when asked for or failed.
    void Tick();

private:
    void Show(const DeviceStatus& status);

    CDeviceProtocol& m_protocol;
    QLabel* m_ad976 = nullptr;
    QLabel* m_adc0804 = nullptr;
    QLabel* m_ad5541 = nullptr;
    QLabel* m_pump = nullptr;
    std::array<QLabel*, 24> m_bits{};
    QPushButton* m_close = nullptr;
    bool m_endAsked = false;
    bool m_reading = false;
};

}  // namespace klv
