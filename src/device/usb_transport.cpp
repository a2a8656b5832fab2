#include "device/usb_transport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <utility>
#include <vector>

#include "base/line_log.h"
#include "device/device_frames.h"
#include "device/ui_wait.h"
#include "device/usb_status.h"

namespace klv {

namespace {

constexpr const char* kInterfaceGuid = "{9565E651-50CC-463F-A032-EC6E89F2A3F3}";
constexpr std::uint32_t kPacketSize = 64;
constexpr std::uint32_t kDrainWindowMs = 5;

void SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::string HexBytes(const std::uint8_t* data, std::uint32_t n) {
    std::string text;
    char two[4];
    for (std::uint32_t i = 0; i < n; ++i) {
        std::snprintf(two, sizeof two, "%02x", data[i]);
        text += two;
    }
    return text;
}

}  // namespace

CUsbTransport::CUsbTransport(UsbPlatform& platform, UiPump& pump, UsbMsgBoxView& box, Clock& clock)
    : m_platform(platform), m_pump(pump), m_box(box), m_clock(clock) {}

CUsbTransport::~CUsbTransport() {
    Shutdown();
}

UsbOpenResult CUsbTransport::OpenDevice() {
    m_open.store(false, std::memory_order_release);
    UsbOpenResult r = m_platform.Open();
    if (r.kind == UsbOpenResult::Opened)
        m_open.store(true, std::memory_order_release);
    return r;
}

void CUsbTransport::CloseDevice() {
    if (!m_open.load(std::memory_order_acquire))
        return;
    m_platform.Close();
    m_open.store(false, std::memory_order_release);
}

// The thread must not touch the device while it is being opened.
void CUsbTransport::OpenDeviceFromUi() {
    PauseThread();
    OpenDevice();
    ReleaseThread();
}

void CUsbTransport::LogDescriptor() {
    UsbDeviceDescriptor d;
    if (!m_platform.GetDeviceDescriptor(d))
        return;
    LogPrint(1,
             "WinUsb_GetDescriptor() : bcdUSB = %x, bDeviceClass = %x, bDeviceSubClass = %x, "
             "bDeviceProtocol = %x, bMaxPacketSize0 = %d, idVendor = %x, idProduct = %x, "
             "bcdDevice = %x, bNumConfigurations = %d\n",
             d.bcdUSB, d.bDeviceClass, d.bDeviceSubClass, d.bDeviceProtocol, d.bMaxPacketSize0,
             d.idVendor, d.idProduct, d.bcdDevice, d.bNumConfigurations);
}

void CUsbTransport::DiscoverPipes() {
    m_inPipe = 0;
    m_outPipe = 0;
    std::vector<UsbEndpointInfo> endpoints;
    if (!m_platform.QueryEndpoints(endpoints)) {
        LogPrint(1, "Return error: QueryDeviceEndpoints()");
        return;
    }
    for (std::size_t i = 0; i < endpoints.size(); ++i) {
        const UsbEndpointInfo& e = endpoints[i];
        if (!e.IsBulk())
            continue;
        if (e.address & 0x80) {
            LogPrint(1, "Endpoint index: %d Pipe type: Bulk Pipe=%d, pipeID: %x IN.\n",
                     static_cast<int>(i), 2, e.address);
            m_inPipe = e.address;
        } else {
            LogPrint(1, "Endpoint index: %d Pipe type: Bulk Pipe =%d, pipeID: %x.OUT \n",
                     static_cast<int>(i), 2, e.address);
            m_outPipe = e.address;
        }
    }
}

std::uint32_t CUsbTransport::UUsbdAPI_InitializeApp(bool simulation) {
    if (m_threadAlive.load())
        return kUsbOk;
    m_simulation.store(simulation, std::memory_order_release);
    if (!simulation) {
        LogPrint(1, "The USB GUID: %s\n", kInterfaceGuid);
        UsbOpenResult r = OpenDevice();
        if (r.kind == UsbOpenResult::NotFound) {
            LogPrint(1, "UUsbdAPI_InitializeApp: Device not connected or driver not installed\n");
            return kUsbNotConnected;
        }
        if (r.kind == UsbOpenResult::Failed) {
            LogPrint(1, "UUsbdAPI_InitializeApp:Failed looking for device, HRESULT 0x%x\n",
                     static_cast<unsigned>(r.error));
            return kUsbNotConnected;
        }
        LogPrint(1, "Opened the USB Device\n");
        LogDescriptor();
        DiscoverPipes();
    }
    m_quit.store(false);
    // A restart from within an error box begins paused, as the box expects.
    m_pause.store(m_boxDepth > 0 ? 1 : 0, std::memory_order_release);
    try {
        m_threadAlive.store(true, std::memory_order_release);
        m_thread = std::thread([this] { ThreadLoop(); });
    } catch (const std::system_error&) {
        m_threadAlive.store(false, std::memory_order_release);
        return kUsbThreadFailed;
    }
    if (!simulation)
        UUsbdAPI_CommandCancel();
    return kUsbOk;
}

void CUsbTransport::Shutdown() {
    m_quit.store(true, std::memory_order_release);
    if (m_thread.joinable())
        m_thread.join();
    CloseDevice();
    DropRequests();
}

// The stopped thread may have left a request it never took; the waits for it end here, and
// the next thread starts without it.
void CUsbTransport::DropRequests() {
    if (m_published) {
        const bool finished =
            m_done.load(std::memory_order_acquire) && !m_pending.load(std::memory_order_acquire);
        if (!finished)
            m_published->cmd->dwStatus = kUsbCancelled;
        m_published->done = true;
        m_published = nullptr;
    }
    for (Ticket* ticket : m_queue) {
        ticket->cmd->dwStatus = kUsbCancelled;
        ticket->done = true;
    }
    m_queue.clear();
    m_current.store(nullptr, std::memory_order_release);
    m_pending.store(false, std::memory_order_release);
    m_done.store(false, std::memory_order_release);
    m_cancelRequest.store(false, std::memory_order_release);
}

// The thread loads the callback only while it holds m_idleCall, so taking that lock after the
// exchange waits out a call that loaded the old one.
TransportIdle* CUsbTransport::SetIdleCallback(TransportIdle* callback) {
    TransportIdle* previous = m_idle.exchange(callback, std::memory_order_acq_rel);
    if (previous != callback) {
        std::lock_guard<std::mutex> wait(m_idleCall);
    }
    return previous;
}

void CUsbTransport::RunIdleCallback() {
    std::lock_guard<std::mutex> guard(m_idleCall);
    if (TransportIdle* idle = m_idle.load(std::memory_order_acquire)) {
        TransportPort port(*this);
        idle->OnTransportIdle(port);
    }
}

void CUsbTransport::ThreadLoop() {
    while (!m_quit.load(std::memory_order_acquire)) {
        SleepMs(5);
        int expected = 1;
        if (m_pause.compare_exchange_strong(expected, 2, std::memory_order_acq_rel)) {
            while (m_pause.load(std::memory_order_acquire) == 2 && !m_quit.load())
                SleepMs(10);
            if (m_quit.load(std::memory_order_acquire))
                break;
        }
        if (m_resetRequest.exchange(false, std::memory_order_acq_rel))
            m_counters.Zero();
        if (m_cancelRequest.load(std::memory_order_acquire)) {
            SendCancelWord();
            m_cancelRequest.store(false, std::memory_order_release);
            continue;
        }
        if (m_simulation.load(std::memory_order_acquire) ||
            !m_pending.load(std::memory_order_acquire)) {
            RunIdleCallback();
            SleepMs(30);
            continue;
        }
        DeviceCommand* cmd = m_current.load(std::memory_order_acquire);
        if (cmd)
            RunRequest(*cmd);
        m_done.store(true, std::memory_order_release);
        m_pending.store(false, std::memory_order_release);
    }
    m_threadAlive.store(false, std::memory_order_release);
}

void CUsbTransport::RunRequest(DeviceCommand& cmd) {
    std::uint32_t status = kUsbOk;
    if (cmd.pTxBuffer && cmd.dwTxLength)
        status = SendStep(cmd);
    std::uint32_t sendEnd = m_clock.TickMs();
    if (status == kUsbOk && cmd.pRxBuffer && cmd.dwRxLength)
        status = ReceiveStep(cmd, sendEnd);
    cmd.dwStatus = status;
}

std::uint32_t CUsbTransport::WaitTransfer(std::uint8_t pipe, std::uint32_t timeout,
                                          std::uint32_t t0, std::uint32_t& transferred,
                                          std::uint8_t* into, std::uint32_t failCode,
                                          std::uint32_t timeoutCode) {
    for (;;) {
        UsbIo io = m_platform.PollTransfer(pipe, transferred, into);
        if (io == UsbIo::Done)
            return kUsbOk;
        std::uint32_t status = kUsbOk;
        if (io == UsbIo::Failed)
            status = failCode;
        else if (m_quit.load(std::memory_order_acquire))
            status = kUsbCancelled;
        else if (timeout != kNoTimeout && m_clock.TickMs() - t0 >= timeout)
            status = timeoutCode;
        if (status != kUsbOk) {
            m_platform.FlushPipe(pipe);
            return status;
        }
        SleepMs(1);
    }
}

// An answer abandoned by a timeout or a bad frame may still come in; it must not be taken
// for the answer of the next command.
void CUsbTransport::DrainIn() {
    std::uint8_t scrap[kPacketSize];
    for (int frames = 0; frames < 8; ++frames) {
        if (!m_platform.BeginTransfer(m_inPipe, nullptr, kPacketSize))
            break;
        std::uint32_t n = 0;
        std::uint32_t t0 = m_clock.TickMs();
        if (WaitTransfer(m_inPipe, kDrainWindowMs, t0, n, scrap, kUsbRxError, kUsbRxTimeout) !=
            kUsbOk)
            break;
        LogPrint(1, "Discarded a late answer of %d bytes\n", static_cast<int>(n));
    }
    m_inDirty.store(false, std::memory_order_release);
}

std::uint32_t CUsbTransport::WriteFrame(const std::uint8_t* data, std::uint32_t length,
                                        std::uint32_t timeout) {
    std::uint32_t t0 = m_clock.TickMs();
    std::uint32_t written = 0;
    std::uint32_t status = kUsbTxError;
    if (m_platform.BeginTransfer(m_outPipe, data, length)) {
        status = WaitTransfer(m_outPipe, timeout, t0, written, nullptr, kUsbTxError, kUsbTxTimeout);
        if (status == kUsbOk && written != length)
            status = kUsbTxError;
    } else {
        m_platform.FlushPipe(m_outPipe);
    }
    if (status == kUsbOk)
        m_counters.RaiseTxTime(m_clock.TickMs() - t0);
    return status;
}

std::uint32_t CUsbTransport::SendStep(const DeviceCommand& cmd) {
    if (!m_open.load(std::memory_order_acquire))
        return kUsbNotConnected;
    if (m_inDirty.load(std::memory_order_acquire))
        DrainIn();
    std::uint32_t status = WriteFrame(cmd.pTxBuffer, cmd.dwTxLength, cmd.dwTxTimeout);
    if (status == kUsbOk) {
        LogPrint(2, "Wrote to pipe %x: %x \nActual data transferred: %d.\n", m_outPipe,
                 FrameWord(cmd.pTxBuffer, cmd.dwTxLength), static_cast<int>(cmd.dwTxLength));
    } else if (status != kUsbCancelled) {
        LogPrint(1, "WriteToBulkEndpoint() Failed.");
        LogPrint(1, "Err Code =%x\n", static_cast<unsigned>(m_platform.LastError()));
    }
    return status;
}

std::uint32_t CUsbTransport::ReceiveStep(DeviceCommand& cmd, std::uint32_t sendEnd) {
    if (!m_open.load(std::memory_order_acquire))
        return kUsbNotConnected;
    const std::uint32_t n = cmd.dwRxLength;
    if (n > kMaxAnswerLength)
        return kUsbRxLength;
    // The whole packet is asked for, so that an answer longer than expected shows as such.
    std::uint8_t buffer[kPacketSize] = {};
    std::uint32_t got = 0;
    std::uint32_t status = kUsbRxError;
    if (m_platform.BeginTransfer(m_inPipe, nullptr, kPacketSize)) {
        status = WaitTransfer(m_inPipe, cmd.dwRxTimeout, sendEnd, got, buffer, kUsbRxError,
                              kUsbRxTimeout);
    } else {
        m_platform.FlushPipe(m_inPipe);
    }
    LogPrint(2, "UUsbdAPI_Thread_Rx(): PipeID=%x,  dwRxDataSize=%d, &dwRxLength=%d\n", m_inPipe,
             static_cast<int>(n), static_cast<int>(got));
    if (status != kUsbOk) {
        m_inDirty.store(true, std::memory_order_release);
        return status;
    }
    LogPrint(2, "Read from pipe %x: %s \nActual data read: %d.\n", m_inPipe,
             HexBytes(buffer, got).c_str(), static_cast<int>(got));
    if (got != n + 1 || buffer[0] != n) {
        m_inDirty.store(true, std::memory_order_release);
        return kUsbRxLength;
    }
    m_counters.RaiseRxTime(m_clock.TickMs() - sendEnd);
    if (cmd.pRxBuffer)
        std::memcpy(cmd.pRxBuffer, buffer + 1, n);
    return kUsbOk;
}

void CUsbTransport::DriveQueue() {
    if (m_published && m_done.load(std::memory_order_acquire) &&
        !m_pending.load(std::memory_order_acquire)) {
        m_published->done = true;
        m_current.store(nullptr, std::memory_order_release);
        m_published = nullptr;
    }
    if (!m_published && !m_queue.empty()) {
        m_published = m_queue.front();
        m_queue.pop_front();
        m_current.store(m_published->cmd, std::memory_order_release);
        m_done.store(false, std::memory_order_release);
        m_pending.store(true, std::memory_order_release);
    }
}

// A request made while another is in flight (from an event handled during the wait) joins
// the queue; whichever wait is innermost keeps handing the queue to the thread in order.
void CUsbTransport::RunOnThread(DeviceCommand& cmd) {
    Ticket ticket{&cmd};
    m_queue.push_back(&ticket);
    for (;;) {
        DriveQueue();
        if (ticket.done)
            return;
        if (!m_threadAlive.load(std::memory_order_acquire)) {
            m_queue.erase(std::remove(m_queue.begin(), m_queue.end(), &ticket), m_queue.end());
            if (m_published == &ticket)
                m_published = nullptr;
            cmd.dwStatus = kUsbCancelled;
            return;
        }
        m_pump.ProcessPendingEvents();
        SleepMs(1);
    }
}

int CUsbTransport::Exchange(DeviceCommand& cmd, int tries, bool echo, bool showErrors,
                            const std::string& extraText) {
    std::uint8_t scratch[kPacketSize];
    for (;;) {
        DeviceCommand wire = cmd;
        if (echo) {
            wire.pRxBuffer = scratch;
            wire.dwRxLength = wire.dwTxLength;
        }
        bool ok = false;
        std::uint32_t failed = 0;
        // While an error box is up the device stays closed and the thread paused.
        const bool boxUp = m_boxDepth > 0;
        if (!boxUp && !IsSimulation() && IsRunning() && !IsDeviceOpen())
            OpenDeviceFromUi();
        if (boxUp || IsSimulation() || !IsRunning() || !IsDeviceOpen()) {
            wire.dwStatus = kUsbNotConnected;
        } else {
            for (int t = 0; t < tries; ++t) {
                m_counters.CountExchange();
                RunOnThread(wire);
                if (wire.dwStatus == kUsbOk && echo &&
                    (wire.dwTxLength > kMaxAnswerLength ||
                     std::memcmp(scratch, wire.pTxBuffer, wire.dwTxLength) != 0)) {
                    wire.dwStatus = kUsbEchoMismatch;
                    m_inDirty.store(true, std::memory_order_release);
                }
                if (wire.dwStatus == kUsbOk) {
                    ok = true;
                    break;
                }
                m_counters.CountError();
                ++failed;
                if (t + 1 < tries)
                    WaitPumping(m_clock, m_pump, 10);
            }
            m_counters.RaiseRetryMaximum(failed);
        }
        cmd.dwStatus = wire.dwStatus;
        if (ok)
            return 1;
        if (!showErrors)
            return 0;
        std::string text = UsbStatusText(wire.dwStatus) + extraText;
        if (CommunicationErrorBox(text, kBoxRepeatCancel | kBoxIconExclamation) != IDRETRY)
            return 0;
    }
}

void CUsbTransport::UUsbdAPI_CommandCancel() {
    if (m_boxDepth > 0) {
        m_cancelOwed = true;
        return;
    }
    HandCancelToThread();
}

// Waits without handling events: the error box asks for the word from its button handler.
void CUsbTransport::HandCancelToThread() {
    if (!IsRunning()) {
        SendCancelWord();
        return;
    }
    m_cancelRequest.store(true, std::memory_order_release);
    while (m_cancelRequest.load(std::memory_order_acquire) && IsRunning())
        SleepMs(1);
}

// The transport thread's step, or the caller's while no thread runs.
void CUsbTransport::SendCancelWord() {
    LogPrint(1, " UUsbdAPI_CommandCancel(): command=%0x, dwTxLength=%d, dwRxLength=%d\n",
             kCommandCancel, 2, 0);
    const std::uint8_t frame[2] = {0xF0, 0xFA};
    if (!IsDeviceOpen() || WriteFrame(frame, 2, kTxTimeoutMs) != kUsbOk)
        LogPrint(1, " UUsbdAPI_CommandCancel()  WriteToBulkEndpoint() Failed.");
    // A short fixed pause lets the instrument drop its input.
    SleepMs(50);
}

void CUsbTransport::PauseThread() {
    if (!IsRunning())
        return;
    m_pause.store(1, std::memory_order_release);
    while (m_pause.load(std::memory_order_acquire) == 1 && IsRunning())
        SleepMs(10);
}

// The outermost box pauses the thread and closes the device; boxes of exchanges made in its
// modal loop find both so and leave them so. Only the outermost answer lets the thread go,
// with one cancel word if any answer asked for it.
int CUsbTransport::CommunicationErrorBox(const std::string& text, int boxType) {
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(++d) {}
        ~Depth() { --depth; }
    } depth(m_boxDepth);
    return m_box.Run(
        text, boxType,
        [this] {
            if (m_boxDepth > 1)
                return;
            PauseThread();
            CloseDevice();
        },
        [this](int id) {
            if (UsbBoxAnswerCancels(id))
                m_cancelOwed = true;
            if (m_boxDepth > 1)
                return;
            if (!m_simulation.load() && !IsDeviceOpen())
                OpenDevice();
            if (!std::exchange(m_cancelOwed, false)) {
                ReleaseThread();
                return;
            }
            // Asked for before the thread goes on, so the word is the first thing it sends.
            if (IsRunning())
                m_cancelRequest.store(true, std::memory_order_release);
            ReleaseThread();
            HandCancelToThread();
        });
}

std::uint32_t TransportPort::SendStep(const DeviceCommand& cmd) {
    return m_transport.SendStep(cmd);
}

std::uint32_t TransportPort::ReceiveStep(DeviceCommand& cmd, std::uint32_t sendEnd) {
    return m_transport.ReceiveStep(cmd, sendEnd);
}

UsbCounters& TransportPort::Counters() {
    return m_transport.m_counters;
}

bool TransportPort::QuitRequested() const {
    return m_transport.QuitRequested();
}

}  // namespace klv
