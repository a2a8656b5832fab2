#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace klv {

// The transfers of one pipe. A transfer the bus still holds is never freed or reused: one
// that a cancel did not bring back waits among the orphans, with its buffer, until it comes
// back or the device is closed. `Transfer` offers InFlight() and Cancel().
template <class Transfer>
class CPipeTransfers {
public:
    Transfer* Current() const { return m_current.get(); }
    // Every transfer is a new one: the one before may still be in flight.
    void Start(std::unique_ptr<Transfer> transfer) {
        Reap();
        m_current = std::move(transfer);
    }
    // The current transfer came back and was read.
    void Finish() { m_current.reset(); }
    // Cancels the current transfer and gives it up to `rounds` calls of `wait` (which handles
    // the bus's events for it) to come back.
    template <class Wait>
    void Abandon(int rounds, Wait wait) {
        if (m_current && m_current->InFlight()) {
            m_current->Cancel();
            for (int i = 0; i < rounds && m_current->InFlight(); ++i)
                wait(*m_current);
            if (m_current->InFlight())
                m_orphans.push_back(std::move(m_current));
        }
        m_current.reset();
        Reap();
    }
    // Frees the orphans that came back meanwhile.
    void Reap() {
        std::erase_if(m_orphans, [](const std::unique_ptr<Transfer>& t) { return !t->InFlight(); });
    }
    // Only once the device is closed: the bus then gives back nothing more, so nothing is in
    // flight any longer.
    void ReleaseAll() {
        m_current.reset();
        m_orphans.clear();
    }
    std::size_t Orphans() const { return m_orphans.size(); }

private:
    std::unique_ptr<Transfer> m_current;
    std::vector<std::unique_ptr<Transfer>> m_orphans;
};

}  // namespace klv
