#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <string>
#include <thread>

#include "base/clock.h"
#include "base/ui_pump.h"
#include "device/device_command.h"
#include "device/usb_msg_box.h"
#include "device/usb_platform.h"
#include "device/usb_statistics.h"

namespace klv {

// Called by the transport thread whenever no request is pending.
class TransportIdle {
public:
    virtual ~TransportIdle() = default;
    virtual void OnTransportIdle() = 0;
};

// Moves DeviceCommand requests between the program and the instrument. Exchanges are made
// on the user-interface thread; every transfer is done by the transport's own thread.
class CUsbTransport {
public:
    CUsbTransport(UsbPlatform& platform, UiPump& pump, UsbMsgBoxView& box, Clock& clock);
    ~CUsbTransport();
    CUsbTransport(const CUsbTransport&) = delete;
    CUsbTransport& operator=(const CUsbTransport&) = delete;

    // 0, 257 or 512.
    std::uint32_t UUsbdAPI_InitializeApp(bool simulation);
    // 1 = success. The request's status holds the last try's status.
    int Exchange(DeviceCommand& cmd, int tries, bool echo, bool showErrors,
                 const std::string& extraText = "");
    void UUsbdAPI_CommandCancel();
    TransportIdle* SetIdleCallback(TransportIdle* callback);
    void ResetStatistics() { m_resetRequest.store(true, std::memory_order_release); }
    UsbStatistics ReadStatistics() const { return m_counters.Read(); }
    void Shutdown();
    int CommunicationErrorBox(const std::string& text, int boxType);

    // Transport thread only (the idle callback runs there).
    std::uint32_t SendStep(const DeviceCommand& cmd);
    std::uint32_t ReceiveStep(DeviceCommand& cmd, std::uint32_t sendEnd);
    bool QuitRequested() const { return m_quit.load(std::memory_order_acquire); }

    UsbCounters& Counters() { return m_counters; }
    Clock& GetClock() { return m_clock; }
    bool IsSimulation() const { return m_simulation.load(std::memory_order_acquire); }
    bool IsRunning() const { return m_threadAlive.load(std::memory_order_acquire); }
    bool IsDeviceOpen() const { return m_open.load(std::memory_order_acquire); }
    std::uint8_t InPipe() const { return m_inPipe; }
    std::uint8_t OutPipe() const { return m_outPipe; }

private:
    struct Ticket {
        DeviceCommand* cmd;
        bool done = false;
    };

    UsbOpenResult OpenDevice();
    void CloseDevice();
    void OpenDeviceFromUi();
    void LogDescriptor();
    void DiscoverPipes();
    void ThreadLoop();
    void RunRequest(DeviceCommand& cmd);
    void RunOnThread(DeviceCommand& cmd);
    void DriveQueue();
    void PauseThread();
    void ReleaseThread() { m_pause.store(0, std::memory_order_release); }
    std::uint32_t WaitTransfer(std::uint8_t pipe, std::uint32_t timeout, std::uint32_t t0,
                               std::uint32_t& transferred, std::uint32_t failCode,
                               std::uint32_t timeoutCode);
    void DrainIn();
    std::uint32_t WriteFrame(const std::uint8_t* data, std::uint32_t length, std::uint32_t timeout);

    UsbPlatform& m_platform;
    UiPump& m_pump;
    UsbMsgBoxView& m_box;
    Clock& m_clock;
    UsbCounters m_counters;

    std::uint8_t m_inPipe = 0;
    std::uint8_t m_outPipe = 0;
    std::atomic<bool> m_open{false};
    std::atomic<bool> m_inDirty{false};  // an abandoned answer may still arrive

    // Hand-over words.
    std::atomic<DeviceCommand*> m_current{nullptr};
    std::atomic<bool> m_pending{false};
    std::atomic<bool> m_done{false};
    std::atomic<int> m_pause{0};  // 0 run, 1 pause requested, 2 paused
    std::atomic<bool> m_quit{false};
    std::atomic<bool> m_resetRequest{false};
    std::atomic<TransportIdle*> m_idle{nullptr};
    std::atomic<bool> m_simulation{false};
    std::atomic<bool> m_threadAlive{false};

    std::thread m_thread;
    // User-interface thread only: requests made while another is in flight wait here.
    std::deque<Ticket*> m_queue;
    Ticket* m_published = nullptr;
};

}  // namespace klv
