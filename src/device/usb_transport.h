#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "base/clock.h"
#include "base/ui_pump.h"
#include "device/device_command.h"
#include "device/usb_msg_box.h"
#include "device/usb_platform.h"
#include "device/usb_statistics.h"

namespace klv {

class CUsbTransport;

// The transport thread's own steps, handed to the idle callback for the time of its call.
class TransportPort {
public:
    std::uint32_t SendStep(const DeviceCommand& cmd);
    std::uint32_t ReceiveStep(DeviceCommand& cmd, std::uint32_t sendEnd);
    UsbCounters& Counters();
    bool QuitRequested() const;

private:
    friend class CUsbTransport;
    explicit TransportPort(CUsbTransport& transport) : m_transport(transport) {}
    CUsbTransport& m_transport;
};

// Called by the transport thread whenever no request is pending.
class TransportIdle {
public:
    virtual ~TransportIdle() = default;
    virtual void OnTransportIdle(TransportPort& port) = 0;
};

class CUsbTransport {
public:
    CUsbTransport(UsbPlatform& platform, UiPump& pump, UsbMsgBoxView& box, Clock& clock);
    ~CUsbTransport();
    CUsbTransport(const CUsbTransport&) = delete;
    CUsbTransport& operator=(const CUsbTransport&) = delete;

    // 0, 257 or 512. A restart after Shutdown begins with no request of the old thread.
    std::uint32_t UUsbdAPI_InitializeApp(bool simulation);
    // 1 = success. The request's status holds the last try's status.
    int Exchange(DeviceCommand& cmd, int tries, bool echo, bool showErrors,
                 const std::string& extraText = "");
    // Has the thread send the cancel word and waits for it; while the error box is up the
    // word waits for the box to let the thread go.
    void UUsbdAPI_CommandCancel();
    // Returns the previous callback. Once it returns, the thread is no longer in a callback
    // it replaced and never calls it again. Not from within the callback.
    TransportIdle* SetIdleCallback(TransportIdle* callback);
    void ResetStatistics() { m_resetRequest.store(true, std::memory_order_release); }
    UsbStatistics ReadStatistics() const { return m_counters.Read(); }
    // A command the simulator answered instead of the instrument.
    void CountSimulatedExchange() { m_counters.CountExchange(); }
    // Stops the thread and closes the device; requests still waiting end as cancelled.
    void Shutdown();
    int CommunicationErrorBox(const std::string& text, int boxType);

    bool IsSimulation() const { return m_simulation.load(std::memory_order_acquire); }
    bool IsRunning() const { return m_threadAlive.load(std::memory_order_acquire); }
    bool IsDeviceOpen() const { return m_open.load(std::memory_order_acquire); }
    std::uint8_t InPipe() const { return m_inPipe; }
    std::uint8_t OutPipe() const { return m_outPipe; }

private:
    friend class TransportPort;
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
    void RunIdleCallback();
    void RunRequest(DeviceCommand& cmd);
    void RunOnThread(DeviceCommand& cmd);
    void DriveQueue();
    void DropRequests();
    void PauseThread();
    void ReleaseThread() { m_pause.store(0, std::memory_order_release); }
    void HandCancelToThread();
    void SendCancelWord();
    bool QuitRequested() const { return m_quit.load(std::memory_order_acquire); }
    std::uint32_t SendStep(const DeviceCommand& cmd);
    std::uint32_t ReceiveStep(DeviceCommand& cmd, std::uint32_t sendEnd);
    std::uint32_t WaitTransfer(std::uint8_t pipe, std::uint32_t timeout, std::uint32_t t0,
                               std::uint32_t& transferred, std::uint8_t* into,
                               std::uint32_t failCode, std::uint32_t timeoutCode);
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
    std::atomic<bool> m_cancelRequest{false};
    std::atomic<TransportIdle*> m_idle{nullptr};
    std::mutex m_idleCall;  // held by the thread while it loads and runs the idle callback
    std::atomic<bool> m_simulation{false};
    std::atomic<bool> m_threadAlive{false};

    std::thread m_thread;
    // User-interface thread only: requests made while another is in flight wait here.
    std::deque<Ticket*> m_queue;
    Ticket* m_published = nullptr;
    int m_boxDepth = 0;         // error boxes up, nested ones included
    bool m_cancelOwed = false;  // a box answer asked for the cancel word
};

}  // namespace klv
