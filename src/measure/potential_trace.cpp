#include "measure/potential_trace.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "reference/condition_rules.h"

namespace klv {

namespace {

// A fresh layer's scale before the first sample.
constexpr std::int32_t kInitialMaximum = 10000;
constexpr std::int32_t kInitialCapacity = 100;

void CopyText(char (&dest)[8], const std::string& text) {
    std::memset(dest, 0, sizeof dest);
    std::memcpy(dest, text.data(), std::min(text.size(), sizeof dest - 1));
}

TraceCondition DescribeCondition(const MeasFileData& d, int layer, int displayMode) {
    TraceCondition c;
    c.condition = ToCalibrationCondition(d);
    c.layer = layer;
    c.displayMode = displayMode;
    c.unit = d.bUnit;
    if (layer >= 0 && layer < kMaxLayers) {
        c.range = d.coat[layer].bRange;
        c.row = FindResolution(c.unit, c.range);
        CopyText(c.coatingText, GetCoatName(d, layer));
        const bool lastLayer = layer + 1 >= GetCoatCount(d);
        CopyText(c.underText, lastLayer ? std::string(d.baseName, strnlen(d.baseName, 7))
                                        : GetCoatName(d, layer + 1));
    }
    return c;
}

}  // namespace

CPotentialTrace::CPotentialTrace(Clock& clock) : m_clock(clock) {
    m_samples.reserve(kInitialCapacity);
}

bool CPotentialTrace::ReserveBuffer() {
    constexpr std::size_t kStartBufferBytes = 65536;
    try {
        std::lock_guard lock(m_lock);
        m_samples.reserve(kStartBufferBytes / sizeof(std::int32_t));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void CPotentialTrace::PrepareLayer(const MeasFileData& d, int layer, int displayMode, bool fresh) {
    {
        std::lock_guard lock(m_lock);
        m_condition = DescribeCondition(d, layer, displayMode);
        m_maximum = kInitialMaximum;
        m_minimum = 0;
        if (fresh)
            m_samples.clear();
        else
            m_lastSampleTime = m_clock.TickMs();
    }
    if (fresh && m_graph != nullptr)
        m_graph->SendLayerStart(true);
}

void CPotentialTrace::Append(std::int32_t mv) {
    try {
        m_samples.push_back(mv);
    } catch (const std::bad_alloc&) {
        // A trace that cannot grow loses this sample, not the measurement.
    }
}

void CPotentialTrace::AddSample(const PollingData& poll) {
    const std::int32_t p = poll.status.PotentialMv();
    const std::uint32_t now = m_clock.TickMs();
    {
        std::lock_guard lock(m_lock);
        const auto interval = static_cast<std::uint32_t>(std::max(m_interval, 1));
        if (m_samples.empty()) {
            m_lastSampleTime = now;
            m_maximum = m_minimum = p;
            Append(p);
        } else {
            if (now - m_lastSampleTime < interval)
                return;
            // Every sample stands for one interval: a late poll fills the gap with its value.
            do {
                m_maximum = std::max(m_maximum, p);
                m_minimum = std::min(m_minimum, p);
                Append(p);
                m_lastSampleTime += interval;
            } while (now - m_lastSampleTime >= interval);
        }
    }
    if (m_graph != nullptr)
        m_graph->PostNewSample();
}

void CPotentialTrace::EndLayer() {
    if (m_graph != nullptr)
        m_graph->SendMeasurementEnd();
}

std::int32_t CPotentialTrace::Count() const {
    std::lock_guard lock(m_lock);
    return static_cast<std::int32_t>(m_samples.size());
}

std::int32_t CPotentialTrace::Interval() const {
    std::lock_guard lock(m_lock);
    return m_interval;
}

std::int32_t CPotentialTrace::Maximum() const {
    std::lock_guard lock(m_lock);
    return m_maximum;
}

std::int32_t CPotentialTrace::Minimum() const {
    std::lock_guard lock(m_lock);
    return m_minimum;
}

TraceCondition CPotentialTrace::Condition() const {
    std::lock_guard lock(m_lock);
    return m_condition;
}

void CPotentialTrace::Replace(GraFile&& file) {
    const GraHeader& h = file.header;
    MeasFileData d{};
    ApplyCalibrationCondition(h.condition, d);
    TraceCondition c = DescribeCondition(d, h.lLayer, h.lDisplayMode);
    std::lock_guard lock(m_lock);
    m_condition = c;
    m_interval = h.lInterval;
    m_maximum = h.lMaximum;
    m_minimum = h.lMinimum;
    m_samples = std::move(file.samples);
}

GraHeader CPotentialTrace::MakeHeader() const {
    GraHeader h = MakeGraHeader();
    std::lock_guard lock(m_lock);
    h.condition = m_condition.condition;
    h.lLayer = m_condition.layer;
    h.lCount = static_cast<std::int32_t>(m_samples.size());
    h.lInterval = m_interval;
    h.lMaximum = m_maximum;
    h.lMinimum = m_minimum;
    h.lDisplayMode = m_condition.displayMode;
    return h;
}

}  // namespace klv
