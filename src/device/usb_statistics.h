#pragma once

#include <atomic>
#include <cstdint>

namespace klv {

struct UsbStatistics {
    std::uint64_t exchanges = 0;
    std::uint32_t errors = 0;
    std::uint32_t retryMaximum = 0;
    std::uint32_t txTimeMaximum = 0;  // ms
    std::uint32_t rxTimeMaximum = 0;  // ms
};

// Both threads count; the values are statistics only, so relaxed order is enough.
class UsbCounters {
public:
    void CountExchange() { m_exchanges.fetch_add(1, std::memory_order_relaxed); }
    void CountError() { m_errors.fetch_add(1, std::memory_order_relaxed); }
    void RaiseRetryMaximum(std::uint32_t v) { Raise(m_retryMaximum, v); }
    void RaiseTxTime(std::uint32_t v) { Raise(m_txTime, v); }
    void RaiseRxTime(std::uint32_t v) { Raise(m_rxTime, v); }
    void Zero() {
        m_exchanges = 0;
        m_errors = 0;
        m_retryMaximum = 0;
        m_txTime = 0;
        m_rxTime = 0;
    }
    UsbStatistics Read() const {
        return {m_exchanges.load(), m_errors.load(), m_retryMaximum.load(), m_txTime.load(),
                m_rxTime.load()};
    }

private:
    static void Raise(std::atomic<std::uint32_t>& word, std::uint32_t v) {
        std::uint32_t old = word.load(std::memory_order_relaxed);
        while (old < v && !word.compare_exchange_weak(old, v, std::memory_order_relaxed)) {
        }
    }
    std::atomic<std::uint64_t> m_exchanges{0};
    std::atomic<std::uint32_t> m_errors{0};
    std::atomic<std::uint32_t> m_retryMaximum{0};
    std::atomic<std::uint32_t> m_txTime{0};
    std::atomic<std::uint32_t> m_rxTime{0};
};

}  // namespace klv
