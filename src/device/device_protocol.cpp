#include "device/device_protocol.h"

#include <chrono>
#include <cstring>
#include <thread>

#include "base/line_log.h"
#include "device/output_current.h"
#include "device/simulator_state.h"
#include "device/usb_status.h"

namespace klv {

namespace {

void SleepMs(unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

constexpr int kTries = 3;

}  // namespace

CDeviceProtocol::CDeviceProtocol(CUsbTransport& transport, UiPump& pump, BusyUi* busy)
    : m_transport(transport), m_pump(pump) {
    m_busy.ui = busy;
}

CDeviceProtocol::~CDeviceProtocol() {
    if (m_target.load() || !m_pollStop.load()) SetPollingWindow(nullptr);
}

void CDeviceProtocol::SendToSimulator(const std::uint8_t* frame, std::size_t length,
                                      std::uint8_t* answer) {
    if (CSimulatorState* simulator = m_simulator.load(std::memory_order_acquire))
        simulator->Command(frame, length, answer);
    m_pump.ProcessPendingEvents();
}

int CDeviceProtocol::EchoBackCommand(const std::uint8_t* frame, std::uint32_t txLength,
                                     bool showErrors, std::uint32_t rxTimeoutMs) {
    if (IsSimulation()) {
        SendToSimulator(frame, txLength, nullptr);
        return 1;
    }
    const unsigned word = txLength >= 2 ? FrameWord(frame) : 0;
    LogPrint(1, "  EchoBackCommand(): command=%0x, dwTxLength=%d, dwRxLength=%d\n", word,
             static_cast<int>(txLength), 0);
    CBusyScope scope(m_busy);
    DeviceCommand cmd;
    cmd.pTxBuffer = frame;
    cmd.dwTxLength = txLength;
    cmd.dwTxTimeout = kCommandTimeoutMs;
    cmd.dwRxTimeout = rxTimeoutMs;
    return m_transport.Exchange(cmd, kTries, true, showErrors);
}

int CDeviceProtocol::Setting(const Frame& frame, bool showErrors, std::uint32_t rxTimeoutMs) {
    return EchoBackCommand(frame.data(), static_cast<std::uint32_t>(frame.size()), showErrors,
                           rxTimeoutMs);
}

int CDeviceProtocol::Query(std::uint16_t word, std::uint8_t* destination, std::uint32_t length,
                           int tries, bool showErrors, const char* logFormat) {
    const Frame frame = CommandWordFrame(word);
    if (IsSimulation()) {
        SendToSimulator(frame.data(), frame.size(), destination);
        return 1;
    }
    LogPrint(1, logFormat, word, 2, static_cast<int>(length));
    CBusyScope scope(m_busy);
    DeviceCommand cmd;
    cmd.pTxBuffer = frame.data();
    cmd.dwTxLength = 2;
    cmd.pRxBuffer = destination;
    cmd.dwRxLength = length;
    return m_transport.Exchange(cmd, tries, false, showErrors);
}

int CDeviceProtocol::GetDeviceStatus(DeviceStatus& destination, int tries, bool showErrors) {
    return Query(kCmdGetDeviceStatus, destination.bytes.data(), DeviceStatus::kSize, tries,
                 showErrors, " GetDeviceStatus(): command=%0x, dwTxLength=%d, dwRxLength=%d\n");
}

int CDeviceProtocol::MechaGetCurrentCalibrate(CurrentCalibration& destination, bool showErrors) {
    std::uint8_t raw[sizeof(CurrentCalibration)] = {};
    const int ok = Query(kCmdMechaGetCurrentCalibrate, raw, sizeof raw, kTries, showErrors,
                         " MechaGetCurrentCalibrate(): command=%0x, dwTxLength=%d, "
                         "dwRxLength=%d\n");
    // A simulator without a window answers nothing; the block then stays as it was.
    if (ok && !(IsSimulation() && !m_simulator.load())) std::memcpy(&destination, raw, sizeof raw);
    return ok;
}

int CDeviceProtocol::MechaSetCurrentCalibrate(const CurrentCalibration& block, bool showErrors) {
    return Setting(MechaSetCurrentCalibrateFrame(block), showErrors, kCalibrateWriteTimeoutMs);
}

int CDeviceProtocol::StartElectrolysis(std::uint16_t countPeriodMs, std::uint8_t blankingSeconds,
                                       std::uint32_t autoStopCount, std::uint32_t saturationCount,
                                       std::uint8_t startFlags, bool showErrors) {
    const auto blankingMs = static_cast<std::uint16_t>(blankingSeconds * 1000);
    return Setting(StartElectrolysisFrame(startFlags, countPeriodMs, blankingMs, autoStopCount,
                                          saturationCount),
                   showErrors);
}

int CDeviceProtocol::StopElectrolysis(bool abort, bool showErrors) {
    return Setting(StopElectrolysisFrame(abort ? 2 : 1), showErrors);
}

int CDeviceProtocol::SetPumpFrequency(std::uint8_t hertz, bool showErrors) {
    return Setting(SetPumpPeriodFrame(PumpPeriodFor(hertz)), showErrors);
}

int CDeviceProtocol::WritePorts(std::uint8_t clearA, std::uint8_t setA, std::uint8_t setB,
                                std::uint8_t clearB, bool showErrors) {
    return Setting(WritePortsFrame(clearA, setA, setB, clearB), showErrors);
}

int CDeviceProtocol::SetWNi(bool on, bool showErrors) {
    return on ? WritePorts(0, 0, 0, 0x20, showErrors) : WritePorts(0, 0, 0x20, 0, showErrors);
}

int CDeviceProtocol::SetBalance(bool on, bool showErrors) {
    return on ? WritePorts(0, 0, 0, 0x40, showErrors) : WritePorts(0, 0, 0x40, 0, showErrors);
}

int CDeviceProtocol::SetReverse(bool on, bool showErrors) {
    return on ? WritePorts(0, 0, 0, 0x10, showErrors) : WritePorts(0, 0, 0x10, 0, showErrors);
}

int CDeviceProtocol::SetSensitivity(int setting, int automaticSensitivity, bool showErrors) {
    const std::uint8_t code = SensitivityHardwareCode(setting, automaticSensitivity);
    return WritePorts(0x38, static_cast<std::uint8_t>(code * 8), 0, 0, showErrors);
}

int CDeviceProtocol::ClearEndDetect(bool showErrors) {
    return Setting(CommandWordFrame(kCmdClearEndDetect), showErrors);
}

int CDeviceProtocol::SetOutputCurrent(float currentMa, float correctionPercent, bool reverse,
                                      bool settle, bool nominal, int rangeIndex,
                                      bool showErrors) {
    CurrentCalibration calibration;
    if (!nominal) {
        if (m_workingCopy)
            calibration = *m_workingCopy;
        else if (!MechaGetCurrentCalibrate(calibration, showErrors))
            return 0;
    }
    const OutputCurrentPlan plan =
        PlanOutputCurrent(currentMa, correctionPercent, nominal, rangeIndex, calibration);
    if (plan.clamped) {
        m_dacClamped = true;
        LogPrint(1, "SetOutputCurrent(): DAC code above 65535 for %g mA, clamped\n",
                 static_cast<double>(currentMa));
    }
    if (!Setting(SetDacValueFrame(plan.dacCode), showErrors)) return 0;
    std::uint8_t clearB = CurrentRangeOf(plan.range).code ^ 7;
    if (reverse) clearB |= 0x10;
    if (!WritePorts(0, 0, 0x07, clearB, showErrors)) return 0;
    if (settle) {
        for (int i = 0; i < 100; ++i) {
            m_pump.ProcessPendingEvents();
            SleepMs(10);
        }
    }
    return WritePorts(0, 0, 0, 0x08, showErrors);
}

int CDeviceProtocol::AllOutputsOff(bool showErrors) {
    if (!WritePorts(0xB8, 0x00, 0x7F, 0x00, showErrors)) return 0;
    return Setting(SetDacValueFrame(0), showErrors);
}

int CDeviceProtocol::StopMeasurement(bool abort) {
    CBusyScope scope(m_busy);
    if (!StopElectrolysis(abort, true)) return 0;
    return AllOutputsOff(true);
}

PollTarget* CDeviceProtocol::SetPollingWindow(PollTarget* target) {
    if (target) {
        PollTarget* previous = m_target.exchange(target, std::memory_order_acq_rel);
        m_pollStop.store(false);
        m_transport.SetIdleCallback(this);
        return previous;
    }
    m_pollStop.store(true);
    m_transport.SetIdleCallback(nullptr);
    while (m_cycleRunning.load()) SleepMs(10);
    return m_target.exchange(nullptr, std::memory_order_acq_rel);
}

void CDeviceProtocol::GetPollingData(PollingData& destination) {
    std::lock_guard lock(m_pollingLock);
    destination = m_polling;
}

int CDeviceProtocol::CreatePollingEvent() {
    std::lock_guard lock(m_pollingLock);
    m_pollingEvent = true;
    return 1;
}

void CDeviceProtocol::ClosePollingEvent() {
    std::lock_guard lock(m_pollingLock);
    m_pollingEvent = false;
}

void CDeviceProtocol::OnIdle() {
    // Marked running before the stop flag is read, so a stop either sees this cycle
    // running or this cycle sees the stop.
    m_cycleRunning.store(true);
    if (m_pollStop.load()) {
        m_cycleRunning.store(false);
        return;
    }
    PollingData next;
    GetPollingData(next);
    PollOnce(next);
    {
        std::lock_guard lock(m_pollingLock);
        m_polling = next;
    }
    if (PollTarget* target = m_target.load(std::memory_order_acquire)) target->PostPollingNotify();
    m_cycleRunning.store(false);
}

void CDeviceProtocol::PollOnce(PollingData& next) {
    if (IsSimulation()) {
        if (CSimulatorState* simulator = m_simulator.load(std::memory_order_acquire))
            next.status = simulator->Status();
        next.lCommFailed = 0;
        return;
    }
    const Frame frame = CommandWordFrame(kCmdGetDeviceStatus);
    DeviceStatus fresh;
    DeviceCommand cmd;
    cmd.pTxBuffer = frame.data();
    cmd.dwTxLength = 2;
    cmd.pRxBuffer = fresh.bytes.data();
    cmd.dwRxLength = DeviceStatus::kSize;
    UsbStatistics& statistics = m_transport.Statistics();
    std::uint32_t failed = 0;
    std::uint32_t status = kUsbOk;
    for (int t = 0; t < kTries; ++t) {
        statistics.CountExchange();
        status = m_transport.RunSteps(cmd);
        if (status == kUsbOk) break;
        ++failed;
        statistics.CountError();
        if (m_pollStop.load()) break;
        SleepMs(10);
    }
    statistics.RaiseRetryMax(failed);
    if (status == kUsbOk) {
        next.status = fresh;
        next.lCommFailed = 0;
    } else {
        next.lCommFailed = 1;
        next.dwErrorCode = status;
    }
}

}  // namespace klv
