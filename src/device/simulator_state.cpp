#include "device/simulator_state.h"

#include <algorithm>
#include <cstring>

namespace klv {

namespace {
constexpr std::uint32_t kTimer1Ms = 50;
constexpr std::uint8_t kFlagNoBlanking = 0x01;
constexpr std::uint8_t kFlagIgnoreEnd = 0x02;
constexpr std::uint8_t kFlagLatchOnly = 0x04;
constexpr std::uint8_t kPortAOff = 0x01;
constexpr std::uint8_t kPortBOff = 0x7F;

// Signed distance, so a tick counter that wraps still compares right.
bool Reached(std::uint32_t now, std::uint32_t due) {
    return static_cast<std::int32_t>(now - due) >= 0;
}
}  // namespace

bool SimulatorCountsCommand(std::uint16_t word) {
    return word != kStopElectrolysis && word != kClearEndDetect;
}

CSimulatorState::CSimulatorState(Clock& clock) : m_clock(clock) {
    m_status.SetPortA(kPortAOff);
    m_status.SetPortB(kPortBOff);
    m_status.SetPortC(kPortCProbe);
    m_status.SetAdc0804(0x80);
}

void CSimulatorState::End(std::uint8_t reason) {
    m_timersOn = false;
    std::uint16_t flags = m_status.wFlags();
    flags =
        static_cast<std::uint16_t>((flags & ~(kStatusRunning | kStatusBlanking)) | kStatusEnded);
    m_status.SetFlags(flags);
    m_status.SetPortA(kPortAOff);
    m_status.SetPortB(kPortBOff);
    m_status.SetEndReason(reason);
}

void CSimulatorState::Command(const std::uint8_t* frame, std::uint32_t length,
                              std::uint8_t* answer) {
    std::uint16_t word = FrameWord(frame, length);
    {
        std::lock_guard<std::mutex> guard(m_lock);
        switch (word) {
            case kStartElectrolysis: {
                if (length < 15)
                    break;
                m_startFlags = frame[2];
                m_countPeriod = GetU16(frame + 3);
                m_blanking = GetU16(frame + 5);
                m_autoStop = GetU32(frame + 7);
                m_saturation = GetU32(frame + 11);
                std::uint16_t flags = m_status.wFlags();
                flags &= static_cast<std::uint16_t>(~(kStatusEndDetected | kStatusEnded));
                flags |= kStatusRunning | kStatusBlanking;
                if (m_blanking == 0 || (m_startFlags & kFlagNoBlanking))
                    flags &= static_cast<std::uint16_t>(~kStatusBlanking);
                m_status.SetFlags(flags);
                m_status.SetEndReason(0);
                // Skipping the blanking by flag arms at once, as a zero blanking time does.
                if (!(m_startFlags & kFlagIgnoreEnd) &&
                    (m_blanking == 0 || (m_startFlags & kFlagNoBlanking)))
                    m_status.SetPortB(m_status.bPortB() | kPortBTripArmed);
                m_status.SetCount(0);
                m_status.SetElapsed(0);
                m_startTime = m_clock.TickMs();
                m_timersOn = true;
                m_nextTimer1 = m_startTime + kTimer1Ms;
                m_nextTimer2 = m_startTime + std::max<std::uint32_t>(m_countPeriod, 1);
                break;
            }
            case kStopElectrolysis:
                if (length >= 3)
                    End(frame[2] == 2 ? kEndAbort : kEndOperatorStop);
                break;
            case kSetPumpFrequency:
                if (length < 4)
                    break;
                m_status.SetPumpPeriod(GetU16(frame + 2));
                m_status.SetPortA(m_status.wPumpPeriod() ? (m_status.bPortA() | kPortAPump)
                                                         : (m_status.bPortA() & ~kPortAPump));
                break;
            case kWritePorts:
                if (length < 6)
                    break;
                m_status.SetPortA((m_status.bPortA() & ~frame[2]) | frame[3]);
                m_status.SetPortB((m_status.bPortB() | frame[4]) & ~frame[5]);
                break;
            case kSetDacValue:
                if (length >= 4)
                    m_status.SetAd5541(GetU16(frame + 2));
                break;
            case kMechaSetCurrentCalibrate:
                if (length >= 2 + kCalibrationLength)
                    std::memcpy(m_calibration.data(), frame + 2, kCalibrationLength);
                break;
            case kClearEndDetect:
                m_status.SetFlags(m_status.wFlags() & ~kStatusEndDetected);
                break;
            case kGetDeviceStatus:
                if (answer)
                    std::memcpy(answer, m_status.bytes.data(), kDeviceStatusLength);
                break;
            case kMechaGetCurrentCalibrate:
                if (answer)
                    std::memcpy(answer, m_calibration.data(), kCalibrationLength);
                break;
            default:
                break;
        }
    }
    Changed();
}

void CSimulatorState::RunTimers() {
    bool changed = false;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        std::uint32_t now = m_clock.TickMs();
        if (m_timersOn && Reached(now, m_nextTimer1)) {
            m_nextTimer1 = now + kTimer1Ms;
            m_status.SetElapsed(now - m_startTime);
            if (m_status.IsBlanking() && now - m_startTime >= m_blanking) {
                m_status.SetFlags(m_status.wFlags() & ~kStatusBlanking);
                if (!(m_startFlags & kFlagIgnoreEnd))
                    m_status.SetPortB(m_status.bPortB() | kPortBTripArmed);
            }
            changed = true;
        }
        std::uint32_t period = std::max<std::uint32_t>(m_countPeriod, 1);
        while (m_timersOn && Reached(now, m_nextTimer2)) {
            m_nextTimer2 += period;
            std::uint32_t count = m_status.dwCount() + 1;
            m_status.SetCount(count);
            changed = true;
            if (m_autoStop != 0 && count >= m_autoStop)
                End(kEndAutoStop);
            else if (m_saturation != 0 && count >= m_saturation)
                End(kEndSaturation);
        }
    }
    if (changed)
        Changed();
}

void CSimulatorState::Trip() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!(m_status.bPortB() & kPortBTripArmed) || (m_startFlags & kFlagIgnoreEnd))
            return;
        if (m_startFlags & kFlagLatchOnly) {
            m_status.SetFlags(m_status.wFlags() | kStatusEndDetected);
            m_status.SetPortB(m_status.bPortB() & ~kPortBTripArmed);
        } else if (!m_status.IsBlanking()) {
            End(kEndPlating);
        }
    }
    Changed();
}

void CSimulatorState::SetProbe(bool connected) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_status.SetPortC(connected ? (m_status.bPortC() | kPortCProbe)
                                    : (m_status.bPortC() & ~kPortCProbe));
    }
    Changed();
}

void CSimulatorState::StepAd976(int delta, int step) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        long v = static_cast<long>(m_status.sAd976()) - static_cast<long>(delta) * step;
        m_status.SetAd976(static_cast<std::int16_t>(std::clamp(v, -32768L, 32767L)));
    }
    Changed();
}

void CSimulatorState::StepAdc0804(int delta, int step) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        long v = static_cast<long>(m_status.bAdc0804()) - static_cast<long>(delta) * step;
        m_status.SetAdc0804(static_cast<std::uint8_t>(std::clamp(v, 0L, 255L)));
    }
    Changed();
}

DeviceStatus CSimulatorState::Status() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_status;
}

void CSimulatorState::CopyStatus(std::uint8_t* dst) const {
    std::lock_guard<std::mutex> guard(m_lock);
    std::memcpy(dst, m_status.bytes.data(), kDeviceStatusLength);
}

std::array<std::uint8_t, kCalibrationLength> CSimulatorState::CalibrationStore() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_calibration;
}

bool CSimulatorState::TimersRunning() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_timersOn;
}

}  // namespace klv
