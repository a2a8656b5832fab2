#include "device/device_protocol.h"

#include <chrono>
#include <cstring>
#include <thread>

#include "base/line_log.h"
#include "device/ui_wait.h"
#include "device/usb_status.h"

namespace klv {

CDeviceProtocol::CDeviceProtocol(CUsbTransport& transport, UiPump& pump, BusyScopeHost& busy,
                                 Clock& clock)
    : m_transport(transport), m_pump(pump), m_busy(busy), m_clock(clock) {}

CDeviceProtocol::~CDeviceProtocol() {
    SetPollingWindow(nullptr);
}

void CDeviceProtocol::Simulate(const std::uint8_t* frame, std::uint32_t length,
                               std::uint8_t* answer) {
    if (CSimulatorState* sim = m_simulator.load()) {
        sim->Command(frame, length, answer);
        if (SimulatorCountsCommand(FrameWord(frame, length)))
            m_transport.CountSimulatedExchange();
    }
    m_pump.ProcessPendingEvents();
}

int CDeviceProtocol::EchoBackCommand(const std::uint8_t* frame, std::uint32_t length,
                                     bool showErrors, std::uint32_t rxTimeoutMs) {
    if (Simulating()) {
        Simulate(frame, length, nullptr);
        return 1;
    }
    CBusyScope scope(m_busy);
    LogPrint(1, "  EchoBackCommand(): command=%0x, dwTxLength=%d, dwRxLength=%d\n",
             FrameWord(frame, length), static_cast<int>(length), 0);
    DeviceCommand cmd;
    cmd.pTxBuffer = frame;
    cmd.dwTxLength = length;
    cmd.dwRxTimeout = rxTimeoutMs;
    return m_transport.Exchange(cmd, 3, true, showErrors);
}

int CDeviceProtocol::Query(std::uint16_t word, std::uint8_t* dest, std::uint32_t length, int tries,
                           bool showErrors, const char* logFormat) {
    Frame frame = MakeQueryFrame(word);
    if (Simulating()) {
        Simulate(frame.data(), 2, dest);
        return 1;
    }
    CBusyScope scope(m_busy);
    LogPrint(1, logFormat, word, 2, static_cast<int>(length));
    DeviceCommand cmd;
    cmd.pTxBuffer = frame.data();
    cmd.dwTxLength = 2;
    cmd.pRxBuffer = dest;
    cmd.dwRxLength = length;
    return m_transport.Exchange(cmd, tries, false, showErrors);
}

int CDeviceProtocol::GetDeviceStatus(std::uint8_t* dest22, int tries, bool showErrors) {
    return Query(kGetDeviceStatus, dest22, kDeviceStatusLength, tries, showErrors,
                 " GetDeviceStatus(): command=%0x, dwTxLength=%d, dwRxLength=%d\n");
}

int CDeviceProtocol::MechaGetCurrentCalibrate(std::uint8_t* dest40, bool showErrors) {
    return Query(kMechaGetCurrentCalibrate, dest40, kCalibrationLength, 3, showErrors,
                 " MechaGetCurrentCalibrate(): command=%0x, dwTxLength=%d, dwRxLength=%d\n");
}

int CDeviceProtocol::MechaSetCurrentCalibrate(const std::uint8_t* block40, bool showErrors) {
    std::array<std::uint8_t, kCalibrationLength> block{};
    std::memcpy(block.data(), block40, kCalibrationLength);
    Frame f = MakeSetCurrentCalibrateFrame(block);
    return EchoBackCommand(f.data(), static_cast<std::uint32_t>(f.size()), showErrors, 2000);
}

int CDeviceProtocol::StartElectrolysis(std::uint16_t countPeriodMs, std::uint8_t blankingSeconds,
                                       std::uint32_t autoStopCount, std::uint32_t saturationCount,
                                       std::uint8_t startFlags, bool showErrors) {
    auto blankingMs = static_cast<std::uint16_t>(blankingSeconds * 1000);
    return Send(MakeStartElectrolysisFrame(startFlags, countPeriodMs, blankingMs, autoStopCount,
                                           saturationCount),
                showErrors);
}

int CDeviceProtocol::StopElectrolysis(bool abort, bool showErrors) {
    return Send(MakeStopElectrolysisFrame(abort), showErrors);
}

int CDeviceProtocol::SetPumpFrequency(std::uint8_t frequencyHz, bool showErrors) {
    return Send(MakeSetPumpFrequencyFrame(frequencyHz), showErrors);
}

int CDeviceProtocol::WritePorts(std::uint8_t clearA, std::uint8_t setA, std::uint8_t setB,
                                std::uint8_t clearB, bool showErrors) {
    return Send(MakeWritePortsFrame(clearA, setA, setB, clearB), showErrors);
}

// The port B outputs are active low: on clears the bit.
int CDeviceProtocol::SetWNi(bool on, bool showErrors) {
    return on ? WritePorts(0, 0, 0, kPortBWNi, showErrors)
              : WritePorts(0, 0, kPortBWNi, 0, showErrors);
}
int CDeviceProtocol::SetBalance(bool on, bool showErrors) {
    return on ? WritePorts(0, 0, 0, kPortBBalance, showErrors)
              : WritePorts(0, 0, kPortBBalance, 0, showErrors);
}
int CDeviceProtocol::SetReverse(bool on, bool showErrors) {
    return on ? WritePorts(0, 0, 0, kPortBReverse, showErrors)
              : WritePorts(0, 0, kPortBReverse, 0, showErrors);
}

int CDeviceProtocol::SetSensitivity(int sensitivity, bool showErrors) {
    auto code = static_cast<std::uint8_t>(SensitivityHardwareCode(sensitivity) * 8);
    return WritePorts(0x38, code, 0, 0, showErrors);
}

int CDeviceProtocol::ClearEndDetect(bool showErrors) {
    return Send(MakeClearEndDetectFrame(), showErrors);
}

int CDeviceProtocol::SetOutputCurrent(float currentMa, float correctionPercent, bool reverse,
                                      bool settle, bool nominal, int rangeIndex, bool showErrors) {
    CBusyScope scope(m_busy, !Simulating());
    float target = currentMa * (correctionPercent + 100.0f) / 100.0f;
    CurrentCalibration cal;
    if (!nominal) {
        if (m_calOverride) {
            cal = *m_calOverride;
        } else {
            std::uint8_t block[kCalibrationLength] = {};
            if (!MechaGetCurrentCalibrate(block, showErrors))
                return 0;
            cal = CurrentCalibration::FromBlock(block);
        }
    }
    OutputSetting out = ChooseOutput(target, cal, nominal, rangeIndex);
    if (out.clamped)
        LogPrint(1, "SetOutputCurrent(): %.4f mA is beyond the DAC, code clamped to 65535\n",
                 static_cast<double>(target));
    if (!Send(MakeSetDacValueFrame(out.dacCode), showErrors))
        return 0;
    auto lines = static_cast<std::uint8_t>((OutputRangeTable[out.range].code ^ 7) |
                                           (reverse ? kPortBReverse : 0));
    if (!WritePorts(0, 0, 0x07, lines, showErrors))
        return 0;
    if (settle)
        WaitPumping(m_clock, m_pump, 1000, 10);
    return WritePorts(0, 0, 0, kPortBProbe, showErrors);
}

int CDeviceProtocol::AllOutputsOff(bool showErrors) {
    CBusyScope scope(m_busy, !Simulating());
    if (!WritePorts(0xB8, 0x00, 0x7F, 0x00, showErrors))
        return 0;
    return Send(MakeSetDacValueFrame(0), showErrors);
}

int CDeviceProtocol::StopMeasurement(bool abort) {
    CBusyScope scope(m_busy, !Simulating());
    if (!StopElectrolysis(abort, true))
        return 0;
    return AllOutputsOff(true);
}

int CDeviceProtocol::CreatePollingEvent() {
    m_pollingEventCreated = true;
    return 1;
}

void CDeviceProtocol::GetPollingData(PollingData& dest) {
    std::lock_guard<std::mutex> guard(m_pollingLock);
    dest = m_polling;
}

PollTarget* CDeviceProtocol::SetPollingWindow(PollTarget* target) {
    PollTarget* previous;
    {
        std::lock_guard<std::mutex> guard(m_targetLock);
        previous = m_target;
        m_target = target;
    }
    if (target) {
        m_pollStop.store(false);
        m_transport.SetIdleCallback(this);
        return previous;
    }
    m_pollStop.store(true);
    // Returns once a running cycle is over, so nothing posts after this.
    m_transport.SetIdleCallback(nullptr);
    return previous;
}

// Transport thread.
void CDeviceProtocol::OnTransportIdle(TransportPort& port) {
    if (m_pollStop.load())
        return;
    PollingData fresh;
    if (Simulating()) {
        {
            std::lock_guard<std::mutex> guard(m_pollingLock);
            fresh = m_polling;
        }
        if (CSimulatorState* sim = m_simulator.load())
            sim->CopyStatus(fresh.status.bytes.data());
        fresh.lCommFailed = 0;
    } else {
        Frame frame = MakeQueryFrame(kGetDeviceStatus);
        DeviceCommand cmd;
        cmd.pTxBuffer = frame.data();
        cmd.dwTxLength = 2;
        cmd.pRxBuffer = fresh.status.bytes.data();
        cmd.dwRxLength = kDeviceStatusLength;
        std::uint32_t failed = 0;
        std::uint32_t status = kUsbOk;
        for (int t = 0; t < 3; ++t) {
            port.Counters().CountExchange();
            status = port.SendStep(cmd);
            if (status == kUsbOk)
                status = port.ReceiveStep(cmd, m_clock.TickMs());
            if (status == kUsbOk)
                break;
            port.Counters().CountError();
            ++failed;
            if (m_pollStop.load() || port.QuitRequested())
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        port.Counters().RaiseRetryMaximum(failed);
        if (status != kUsbOk) {
            // A failed poll keeps the last good status and says so.
            std::lock_guard<std::mutex> guard(m_pollingLock);
            fresh.status = m_polling.status;
        }
        fresh.lCommFailed = status != kUsbOk ? 1 : 0;
        fresh.dwErrorCode = status;
    }
    {
        std::lock_guard<std::mutex> guard(m_pollingLock);
        m_polling = fresh;
    }
    {
        std::lock_guard<std::mutex> guard(m_targetLock);
        if (m_target)
            m_target->PostPollingNotify();
    }
}

}  // namespace klv
