#include "device/fake/fake_instrument.h"

#include "device/device_frames.h"

namespace klv::test {

void FakeInstrument::Inject(Fault fault, int times) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_faults.push_back({fault, times});
}

bool FakeInstrument::TakeFault(Fault fault) {
    for (auto& f : m_faults) {
        if (f.first == fault && f.second > 0) {
            --f.second;
            return true;
        }
    }
    return false;
}

bool FakeInstrument::TakeFrame(const std::uint8_t* data, std::uint32_t length, bool& failed) {
    std::lock_guard<std::mutex> guard(m_lock);
    failed = TakeFault(Fault::FailWrite);
    if (failed || TakeFault(Fault::StallSend))
        return false;
    std::vector<std::uint8_t> frame(data, data + length);
    m_received.push_back(frame);
    std::uint16_t word = FrameWord(data, length);
    if (word == kCommandCancel)
        return true;
    std::vector<std::uint8_t> payload;
    if (word == kGetDeviceStatus || word == kMechaGetCurrentCalibrate) {
        payload.resize(word == kGetDeviceStatus ? kDeviceStatusLength : kCalibrationLength);
        m_sim.Command(data, length, payload.data());
    } else {
        m_sim.Command(data, length, nullptr);
        payload = frame;
    }
    if (TakeFault(Fault::LoseAnswer))
        return true;
    if (TakeFault(Fault::CorruptEcho) && !payload.empty())
        payload.back() ^= 0x01;
    std::vector<std::uint8_t> answer;
    answer.push_back(static_cast<std::uint8_t>(payload.size()));
    answer.insert(answer.end(), payload.begin(), payload.end());
    if (TakeFault(Fault::WrongLengthByte))
        answer[0] ^= 0x01;
    if (TakeFault(Fault::ExtraByte))
        answer.push_back(0);
    if (TakeFault(Fault::MissingByte))
        answer.pop_back();
    std::uint32_t readyAt = m_clock.TickMs() + (TakeFault(Fault::LateAnswer) ? m_lateMs : 0);
    m_answers.push_back({answer, readyAt});
    return true;
}

bool FakeInstrument::NextAnswer(std::vector<std::uint8_t>& out) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_answers.empty())
        return false;
    if (static_cast<std::int32_t>(m_clock.TickMs() - m_answers.front().readyAt) < 0)
        return false;
    out = m_answers.front().bytes;
    m_answers.pop_front();
    return true;
}

void FakeInstrument::DropReadyAnswers() {
    std::lock_guard<std::mutex> guard(m_lock);
    while (!m_answers.empty() &&
           static_cast<std::int32_t>(m_clock.TickMs() - m_answers.front().readyAt) >= 0)
        m_answers.pop_front();
}

std::vector<std::vector<std::uint8_t>> FakeInstrument::Received() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_received;
}

std::size_t FakeInstrument::PendingAnswers() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_answers.size();
}

}  // namespace klv::test
