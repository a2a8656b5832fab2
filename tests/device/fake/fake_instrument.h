#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

#include "base/clock.h"
#include "device/simulator_state.h"
#include "device/usb_platform.h"

namespace klv::test {

enum class Fault {
    LoseAnswer,       // the command is taken, no answer comes
    ExtraByte,        // answer one byte longer
    MissingByte,      // answer one byte shorter
    WrongLengthByte,  // byte 0 is not the payload length
    CorruptEcho,      // last payload byte flipped
    StallSend,        // the OUT transfer never completes
    LateAnswer,       // answer ready only after `lateMs`
    FailWrite,        // the OUT transfer fails
};

// The instrument behind the in-memory pipes: frames in, answer frames out, with faults on
// request. Its command effects are the simulator's, so both stay alike.
class FakeInstrument {
public:
    explicit FakeInstrument(Clock& clock) : m_clock(clock), m_sim(clock) {}

    void Inject(Fault fault, int times = 1);
    void SetLateMs(std::uint32_t ms) { m_lateMs = ms; }
    void SetConnected(bool connected) { m_connected = connected; }
    void SetOpenError(int error) { m_openError = error; }

    // What the pipes see (called by InMemoryUsb).
    bool Connected() const { return m_connected; }
    int OpenError() const { return m_openError; }
    // False: the write stalls or fails (see `failed`).
    bool TakeFrame(const std::uint8_t* data, std::uint32_t length, bool& failed);
    // The next answer whose time has come, if any.
    bool NextAnswer(std::vector<std::uint8_t>& out);
    void DropReadyAnswers();

    std::vector<std::vector<std::uint8_t>> Received() const;
    std::size_t PendingAnswers() const;
    CSimulatorState& Sim() { return m_sim; }

private:
    struct Answer {
        std::vector<std::uint8_t> bytes;
        std::uint32_t readyAt;
    };
    bool TakeFault(Fault fault);

    Clock& m_clock;
    CSimulatorState m_sim;
    mutable std::mutex m_lock;
    std::deque<Answer> m_answers;
    std::vector<std::vector<std::uint8_t>> m_received;
    std::vector<std::pair<Fault, int>> m_faults;
    std::uint32_t m_lateMs = 700;
    bool m_connected = true;
    int m_openError = 0;
};

}  // namespace klv::test
