#include "measure/ui/reverse_current_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "base/clock.h"
#include "base/event_sounds.h"
#include "base/number_parse.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "device/device_protocol.h"

namespace klv {
namespace {

constexpr float kMaxReverseMa = 10.0f;
constexpr std::uint8_t kStripPumpHz = 6;

}  // namespace

CReverseCurrent::CReverseCurrent(CDeviceProtocol& protocol, CEventSounds& sounds, Operator& op,
                                 Clock& clock, const ReverseCurrentSettings& stored,
                                 std::function<void(const ReverseCurrentSettings&)> store,
                                 QWidget* parent)
    : CCheckDialog(protocol, sounds, "CReverseCurrent", "Reverse current", parent),
      m_op(op),
      m_clock(clock),
      m_store(std::move(store)) {
    m_current = new QLineEdit(ToQString(stored.current), this);
    m_current->setObjectName(QStringLiteral("current"));
    m_current->setMaxLength(6);
    m_seconds = new QLineEdit(QString::number(stored.seconds), this);
    m_seconds->setObjectName(QStringLiteral("seconds"));
    m_seconds->setMaxLength(4);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setTextVisible(false);
    m_start = new QPushButton(QStringLiteral("START"), this);
    m_start->setObjectName(QStringLiteral("start"));
    connect(m_start, &QPushButton::clicked, this, &CReverseCurrent::Start);
    m_close = MakeCloseButton();
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &CReverseCurrent::Tick);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Current value"), this), 0, 0);
    grid->addWidget(m_current, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("mA"), this), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Motion time"), this), 1, 0);
    grid->addWidget(m_seconds, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Sec"), this), 1, 2);
    grid->addWidget(m_progress, 2, 0, 1, 3);
    grid->addWidget(m_start, 3, 0);
    grid->addWidget(m_close, 3, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void CReverseCurrent::Start() {
    const std::string currentText = FromQString(m_current->text());
    const std::optional<double> mA = ParseFloat(currentText);
    if (!mA || *mA < 0 || *mA > kMaxReverseMa) {
        ShowRangeError(m_op, m_current, 0, static_cast<int>(kMaxReverseMa));
        return;
    }
    const std::optional<int> seconds = ParseInt(FromQString(m_seconds->text()));
    if (!seconds || *seconds < 1 || *seconds > 999) {
        ShowRangeError(m_op, m_seconds, 1, 999);
        return;
    }
    m_store({currentText, *seconds});
    m_totalMs = *seconds * 1000;
    m_progress->setRange(0, m_totalMs);
    m_progress->setValue(0);
    const auto current = static_cast<float>(*mA);
    if (!Send([&] {
            return Protocol().SetOutputCurrent(current, 0.0f, true, false, false, 0, true) == 1 &&
                   Protocol().SetPumpFrequency(kStripPumpHz, true) == 1;
        }))
        return;
    m_start->setEnabled(false);
    m_close->setFocus();
    m_startedAt = m_clock.TickMs();
    m_timer->start(100);
}

void CReverseCurrent::Tick() {
    const auto elapsed = static_cast<int>(std::min<std::uint32_t>(
        m_clock.TickMs() - m_startedAt, static_cast<std::uint32_t>(m_totalMs)));
    m_progress->setValue(elapsed);
    if (elapsed < m_totalMs)
        return;
    m_timer->stop();
    OutputsOff();
    Sounds().PlayEventSound(kSoundMeasEnd);
    m_start->setEnabled(true);
}

}  // namespace klv
