#pragma once

#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "device/fake/fake_instrument.h"
#include "device/usb_platform.h"

namespace klv::test {

inline constexpr std::uint8_t kFakeInPipe = 0x81;
inline constexpr std::uint8_t kFakeOutPipe = 0x02;

// The platform seam on in-memory pipes with a FakeInstrument at the other end.
class InMemoryUsb final : public UsbPlatform {
public:
    explicit InMemoryUsb(FakeInstrument& instrument) : m_instrument(instrument) {}

    UsbOpenResult Open() override;
    void Close() override;
    bool GetDeviceDescriptor(UsbDeviceDescriptor& out) override;
    bool QueryEndpoints(std::vector<UsbEndpointInfo>& out) override;
    bool BeginTransfer(std::uint8_t pipe, const std::uint8_t* data, std::uint32_t length) override;
    UsbIo PollTransfer(std::uint8_t pipe, std::uint32_t& transferred, std::uint8_t* into) override;
    void FlushPipe(std::uint8_t pipe) override;
    int LastError() override { return 0; }

    int Opens() const { return m_opens; }
    int Closes() const { return m_closes; }
    int Flushes(std::uint8_t pipe) const { return pipe & 0x80 ? m_inFlushes : m_outFlushes; }
    int InTransfers() const { return m_inTransfers; }
    // Every thread that started, polled or flushed a transfer.
    std::set<std::thread::id> PipeThreads() const;

private:
    struct Transfer {
        bool active = false;
        UsbIo state = UsbIo::Failed;
        std::uint32_t length = 0;
        std::uint32_t transferred = 0;
        std::vector<std::uint8_t> answer;
    };
    void NotePipeThread() { m_pipeThreads.insert(std::this_thread::get_id()); }

    FakeInstrument& m_instrument;
    mutable std::mutex m_lock;
    std::set<std::thread::id> m_pipeThreads;
    bool m_open = false;
    Transfer m_in;
    Transfer m_out;
    std::atomic<int> m_opens{0};
    std::atomic<int> m_closes{0};
    std::atomic<int> m_inFlushes{0};
    std::atomic<int> m_inTransfers{0};
    std::atomic<int> m_outFlushes{0};
};

}  // namespace klv::test
