#include "device/fake/in_memory_usb.h"

#include <cstring>

namespace klv::test {

UsbOpenResult InMemoryUsb::Open() {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_instrument.Connected())
        return {UsbOpenResult::NotFound, 0};
    if (m_instrument.OpenError())
        return {UsbOpenResult::Failed, m_instrument.OpenError()};
    m_open = true;
    ++m_opens;
    return {UsbOpenResult::Opened, 0};
}

void InMemoryUsb::Close() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_open = false;
    m_in = {};
    m_out = {};
    ++m_closes;
}

bool InMemoryUsb::GetDeviceDescriptor(UsbDeviceDescriptor& out) {
    out = {0x0200, 0xFF, 0, 0, 64, 0x1234, 0x5678, 0x0100, 1};
    return m_open;
}

bool InMemoryUsb::QueryEndpoints(std::vector<UsbEndpointInfo>& out) {
    out = {{0x83, 0x03}, {kFakeInPipe, 0x02}, {kFakeOutPipe, 0x02}};
    return m_open;
}

std::set<std::thread::id> InMemoryUsb::PipeThreads() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_pipeThreads;
}

bool InMemoryUsb::BeginTransfer(std::uint8_t pipe, const std::uint8_t* data, std::uint32_t length) {
    std::lock_guard<std::mutex> guard(m_lock);
    NotePipeThread();
    if (!m_open)
        return false;
    if (pipe != kFakeOutPipe)
        ++m_inTransfers;
    if (pipe == kFakeOutPipe) {
        bool failed = false;
        bool taken = m_instrument.TakeFrame(data, length, failed);
        m_out = {true,
                 taken ? UsbIo::Done : (failed ? UsbIo::Failed : UsbIo::Pending),
                 length,
                 taken ? length : 0,
                 {}};
        return true;
    }
    if (pipe != kFakeInPipe || m_in.active)
        return false;
    m_in = {true, UsbIo::Pending, length, 0, {}};
    return true;
}

UsbIo InMemoryUsb::PollTransfer(std::uint8_t pipe, std::uint32_t& transferred, std::uint8_t* into) {
    std::lock_guard<std::mutex> guard(m_lock);
    NotePipeThread();
    Transfer& t = pipe == kFakeInPipe ? m_in : m_out;
    if (!t.active)
        return UsbIo::Failed;
    if (&t == &m_in && t.state == UsbIo::Pending) {
        if (m_instrument.NextAnswer(t.answer)) {
            // A frame longer than the buffer overflows it, as on a real bus.
            t.state = t.answer.size() <= t.length ? UsbIo::Done : UsbIo::Failed;
            t.transferred = static_cast<std::uint32_t>(t.answer.size());
        }
    }
    if (t.state != UsbIo::Pending)
        t.active = false;
    transferred = t.transferred;
    if (t.state == UsbIo::Done && into != nullptr && !t.answer.empty())
        std::memcpy(into, t.answer.data(), t.answer.size());
    return t.state;
}

void InMemoryUsb::FlushPipe(std::uint8_t pipe) {
    std::lock_guard<std::mutex> guard(m_lock);
    NotePipeThread();
    if (pipe == kFakeInPipe) {
        m_in = {};
        m_instrument.DropReadyAnswers();
        ++m_inFlushes;
    } else {
        m_out = {};
        ++m_outFlushes;
    }
}

}  // namespace klv::test
