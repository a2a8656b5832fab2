#pragma once

#include <functional>
#include <string>

#include "measure/ui/check_dialog.h"

class QLineEdit;
class QProgressBar;
class QTimer;

namespace klv {

class Clock;
class Operator;

// The stored inputs of "Reverse current".
struct ReverseCurrentSettings {
    std::string current;  // mA as typed
    int seconds = 10;
};

// "Reverse current": strips with a reverse current for a set time. No electrolysis runs; the
// current flows from the output setting until the outputs go off.
class CReverseCurrent final : public CCheckDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 441;

    CReverseCurrent(CDeviceProtocol& protocol, CEventSounds& sounds, Operator& op, Clock& clock,
                    const ReverseCurrentSettings& stored,
                    std::function<void(const ReverseCurrentSettings&)> store,
                    QWidget* parent = nullptr);

    // One 100 ms step of the running output.
    void Tick();

private:
    void Start();

    Operator& m_op;
    Clock& m_clock;
    std::function<void(const ReverseCurrentSettings&)> m_store;
    QLineEdit* m_current = nullptr;
    QLineEdit* m_seconds = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_close = nullptr;
    QTimer* m_timer = nullptr;
    std::uint32_t m_startedAt = 0;
    int m_totalMs = 0;
};

}  // namespace klv
