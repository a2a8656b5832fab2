#include "device/simulator_state.h"

#include <algorithm>
#include <cstring>

#include "device/command_frames.h"
#include "device/device_command.h"

namespace klv {

namespace {

constexpr std::uint32_t kTimer1Ms = 50;
constexpr std::uint8_t kArmed = 0x80;  // port B bit 7: potential detection armed

bool Due(std::uint32_t now, std::uint32_t when) {
    return static_cast<std::int32_t>(now - when) >= 0;
}

std::size_t FrameLength(std::uint16_t word) {
    switch (word) {
    case kCmdStartElectrolysis: return 15;
    case kCmdStopElectrolysis: return 3;
    case kCmdSetPumpFrequency:
    case kCmdSetDacValue: return 4;
    case kCmdWritePorts: return 6;
    case kCmdMechaSetCurrentCalibrate: return 42;
    default: return 2;
    }
}

}  // namespace

CSimulatorState::CSimulatorState(Clock& clock, UsbStatistics* statistics)
    : m_clock(clock), m_statistics(statistics) {
    Reset();
}

void CSimulatorState::Reset() {
    {
        std::lock_guard lock(m_lock);
        m_status = DeviceStatus{};
        m_status.SetPortA(0x01);
        m_status.SetPortB(0x7F);
        m_status.SetPortC(0x04);
        m_status.SetAdc0804(0x80);
        m_calibration = CurrentCalibration{};
        m_timers = false;
    }
    Changed();
}

void CSimulatorState::Changed() {
    if (m_listener) m_listener();
}

void CSimulatorState::Command(const std::uint8_t* frame, std::size_t length,
                              std::uint8_t* answer) {
    if (!frame || length < 2) return;
    const std::uint16_t word = FrameWord(frame);
    if (length < FrameLength(word)) return;
    if (m_statistics && word != kCmdStopElectrolysis && word != kCmdClearEndDetect)
        m_statistics->CountExchange();
    {
        std::lock_guard lock(m_lock);
        switch (word) {
        case kCmdStartElectrolysis: StartLocked(frame); break;
        case kCmdStopElectrolysis:
            EndLocked(frame[2] == 2 ? kEndAbort : kEndOperatorStop);
            break;
        case kCmdSetPumpFrequency: {
            const std::uint16_t period = FrameU16(frame, 2);
            m_status.SetPumpPeriod(period);
            const std::uint8_t a = m_status.PortA();
            m_status.SetPortA(period ? (a | 0x80) : (a & 0x7F));
            break;
        }
        case kCmdWritePorts:
            m_status.SetPortA((m_status.PortA() & ~frame[2]) | frame[3]);
            m_status.SetPortB((m_status.PortB() | frame[4]) & ~frame[5]);
            break;
        case kCmdSetDacValue: m_status.SetAd5541(FrameU16(frame, 2)); break;
        case kCmdMechaSetCurrentCalibrate:
            std::memcpy(&m_calibration, frame + 2, sizeof m_calibration);
            break;
        case kCmdClearEndDetect:
            m_status.SetStatusFlags(m_status.StatusFlags() & ~kStatusEndDetected);
            break;
        case kCmdGetDeviceStatus:
            if (answer) std::memcpy(answer, m_status.bytes.data(), DeviceStatus::kSize);
            break;
        case kCmdMechaGetCurrentCalibrate:
            if (answer) std::memcpy(answer, &m_calibration, sizeof m_calibration);
            break;
        default: break;
        }
    }
    Changed();
}

void CSimulatorState::StartLocked(const std::uint8_t* frame) {
    m_startFlags = frame[2];
    m_countPeriod = FrameU16(frame, 3);
    m_blanking = FrameU16(frame, 5);
    m_autoStop = FrameU32(frame, 7);
    m_saturation = FrameU32(frame, 11);
    std::uint16_t flags = m_status.StatusFlags();
    flags &= ~(kStatusEndDetected | kStatusEnded);
    flags |= kStatusRunning | kStatusBlanking;
    const bool noBlanking = m_blanking == 0 || (m_startFlags & 0x01);
    if (noBlanking) flags &= ~kStatusBlanking;
    m_status.SetStatusFlags(flags);
    m_status.SetEndReason(kEndNone);
    // Without a blanking time the detection is armed at once, also when flag bit 0
    // suppresses a given blanking time (otherwise nothing would ever arm it).
    if (!(m_startFlags & 0x02) && noBlanking) m_status.SetPortB(m_status.PortB() | kArmed);
    m_status.SetCount(0);
    m_status.SetElapsed(0);
    m_startTime = m_clock.TickMs();
    m_timers = true;
    m_next1 = m_startTime + kTimer1Ms;
    m_next2 = m_startTime + std::max<std::uint32_t>(m_countPeriod, 1);
}

void CSimulatorState::EndLocked(std::uint8_t reason) {
    m_timers = false;
    std::uint16_t flags = m_status.StatusFlags();
    flags &= ~(kStatusRunning | kStatusBlanking);
    flags |= kStatusEnded;
    m_status.SetStatusFlags(flags);
    m_status.SetPortA(0x01);
    m_status.SetPortB(0x7F);
    m_status.SetEndReason(reason);
}

void CSimulatorState::Timer1Locked(std::uint32_t now) {
    const std::uint32_t elapsed = now - m_startTime;
    m_status.SetElapsed(elapsed);
    if (m_status.HasFlag(kStatusBlanking) && elapsed >= m_blanking) {
        m_status.SetStatusFlags(m_status.StatusFlags() & ~kStatusBlanking);
        if (!(m_startFlags & 0x02)) m_status.SetPortB(m_status.PortB() | kArmed);
    }
}

void CSimulatorState::Timer2Locked() {
    const std::uint32_t count = m_status.Count() + 1;
    m_status.SetCount(count);
    if (m_autoStop != 0 && count >= m_autoStop)
        EndLocked(kEndAutoStop);
    else if (m_saturation != 0 && count >= m_saturation)
        EndLocked(kEndSaturation);
}

void CSimulatorState::RunDueTimers() {
    bool fired = false;
    {
        std::lock_guard lock(m_lock);
        const std::uint32_t now = m_clock.TickMs();
        const std::uint32_t period = std::max<std::uint32_t>(m_countPeriod, 1);
        // Both timers fire in time order, as they would have while the clock moved.
        while (m_timers && (Due(now, m_next1) || Due(now, m_next2))) {
            fired = true;
            if (Due(now, m_next1) && (!Due(now, m_next2) || Due(m_next2, m_next1))) {
                Timer1Locked(m_next1);
                m_next1 += kTimer1Ms;
            } else {
                Timer2Locked();
                m_next2 += period;
            }
        }
        if (fired && !m_timers) m_status.SetElapsed(now - m_startTime);
    }
    if (fired) Changed();
}

void CSimulatorState::Trip() {
    {
        std::lock_guard lock(m_lock);
        if (!(m_status.PortB() & kArmed) || (m_startFlags & 0x02)) return;
        if (m_startFlags & 0x04) {
            m_status.SetStatusFlags(m_status.StatusFlags() | kStatusEndDetected);
            m_status.SetPortB(m_status.PortB() & ~kArmed);
        } else if (!m_status.HasFlag(kStatusBlanking)) {
            EndLocked(kEndPlating);
        }
    }
    Changed();
}

void CSimulatorState::SetProbe(bool connected) {
    {
        std::lock_guard lock(m_lock);
        const std::uint8_t c = m_status.PortC();
        m_status.SetPortC(connected ? (c | 0x04) : (c & ~0x04));
    }
    Changed();
}

void CSimulatorState::StepControl(int controlId, int delta) {
    {
        std::lock_guard lock(m_lock);
        int step = 0;
        bool ad976 = true;
        switch (controlId) {
        case kSimAd976Step1: step = 1; break;
        case kSimAd976Step16: step = 16; break;
        case kSimAd976Step256: step = 256; break;
        case kSimAd976Step4096: step = 4096; break;
        case kSimAdc0804Step16: step = 16; ad976 = false; break;
        case kSimAdc0804Step1: step = 1; ad976 = false; break;
        default: return;
        }
        if (ad976) {
            const long v = long(m_status.Ad976()) - long(delta) * step;
            m_status.SetAd976(static_cast<std::int16_t>(std::clamp(v, -32768L, 32767L)));
        } else {
            const long v = long(m_status.Adc0804()) - long(delta) * step;
            m_status.SetAdc0804(static_cast<std::uint8_t>(std::clamp(v, 0L, 255L)));
        }
    }
    Changed();
}

DeviceStatus CSimulatorState::Status() const {
    std::lock_guard lock(m_lock);
    return m_status;
}

CurrentCalibration CSimulatorState::Calibration() const {
    std::lock_guard lock(m_lock);
    return m_calibration;
}

bool CSimulatorState::TripArmed() const {
    std::lock_guard lock(m_lock);
    return (m_status.PortB() & kArmed) != 0;
}

bool CSimulatorState::TimersRunning() const {
    std::lock_guard lock(m_lock);
    return m_timers;
}

}  // namespace klv
