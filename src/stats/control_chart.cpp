#include "stats/control_chart.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "stats/chart_values.h"

namespace klv {
namespace {

double Phi(double t) {
    return std::exp(-t * t / 2) / std::sqrt(2 * std::numbers::pi);
}

int StepsTo(double x) {
    return 1 + static_cast<int>(std::floor(2.5 * (x + 6)));
}

double NormalCdf(double x) {
    return SimpsonIntegral(Phi, -6, x, StepsTo(x));
}

ChartBlock BlockOf(std::span<const float> values) {
    ChartBlock b;
    if (values.empty())
        return b;
    b.largest = *std::max_element(values.begin(), values.end());
    b.smallest = *std::min_element(values.begin(), values.end());
    for (float v : values)
        b.sum += v;
    return b;
}

void Add(ChartGroup& g, float v) {
    if (g.count == 0) {
        g.maximum = g.minimum = g.sum = v;
        g.count = 1;
        return;
    }
    g.maximum = std::max(g.maximum, v);
    g.minimum = std::min(g.minimum, v);
    g.sum += v;
    ++g.count;
}

// Limits about the centre lines, and axes that hold the limits and every point.
void SetLimits(ControlChart& c, float xHalfWidth, float rUpper, float rLower) {
    c.x.ucl = c.x.centre + xHalfWidth;
    c.x.lcl = c.x.centre - xHalfWidth;
    c.r.ucl = rUpper;
    c.r.lcl = rLower;
    c.x.top = std::max(c.x.largest, c.x.ucl);
    c.x.bottom = std::min(c.x.smallest, c.x.lcl);
    c.r.top = std::max(c.r.largest, c.r.ucl);
    c.r.bottom = 0;
    ApplyMinimumSpan(c.x, false);
    ApplyMinimumSpan(c.r, true);
}

}  // namespace

double SimpsonIntegral(const std::function<double(double)>& f, double a, double b, int m) {
    const int steps = 2 * std::max(m, 1);
    const double h = (b - a) / steps;
    double sum = f(a) + f(b);
    for (int i = 1; i < steps; ++i)
        sum += (i % 2 == 1 ? 4.0 : 2.0) * f(a + h * i);
    return h / 3 * sum;
}

ControlChartFactors ComputeControlChartFactors(int n) {
    ControlChartFactors f;
    if (n < 2)
        return f;
    const auto g = [n](double x) {
        const double p = NormalCdf(x);
        return 1 - std::pow(1 - p, n) - std::pow(p, n);
    };
    f.d2 = static_cast<float>(SimpsonIntegral(g, -6, 6, 30));
    const auto q = [n](double x) {
        const double px = NormalCdf(x);
        const auto r = [n, px](double y) {
            const double py = NormalCdf(y);
            return 1 - std::pow(px, n) - std::pow(1 - py, n) + std::pow(px - py, n);
        };
        return SimpsonIntegral(r, -6, x, StepsTo(x));
    };
    const double e = SimpsonIntegral(q, -6, 6, 30);
    const float d2Squared = f.d2 * f.d2;
    f.d3 = static_cast<float>(std::sqrt(std::max(2 * e - d2Squared, 0.0)));
    f.A2 = static_cast<float>(3 / (f.d2 * std::sqrt(static_cast<double>(n))));
    const float t = 3 * f.d3 / f.d2;
    f.D3 = std::max(1 - t, 0.0f);
    f.D4 = 1 + t;
    return f;
}

ChartGroups FormChartGroups(std::span<const MsrLogRecord> stored, std::uint32_t dataCount,
                            const MeasFileData& d, int k, GroupMode mode, int groupSize,
                            std::size_t maxGroups) {
    ChartGroups out;
    const auto layers = static_cast<std::size_t>(GetCoatCount(d));
    if (layers == 0)
        return out;
    const std::size_t data = std::min<std::size_t>(dataCount, stored.size() / layers);
    const std::vector<std::optional<double>> values =
        LayerChartValuesByData(stored, static_cast<std::uint32_t>(data), d, k);
    // A layer stored without a value is no value of its group; a group left without any is no
    // point of the chart.
    const auto add = [&values](ChartGroup& g, std::size_t i) {
        if (values[i])
            Add(g, static_cast<float>(*values[i]));
    };
    const auto dropEmpty = [&out] {
        std::erase_if(out.groups, [](const ChartGroup& g) { return g.count == 0; });
    };
    if (mode == GroupMode::FixedGroupAverage) {
        const auto size = static_cast<std::size_t>(std::max(groupSize, 1));
        for (std::size_t i = 0; i < data && i / size < maxGroups; ++i) {
            if (i % size == 0)
                out.groups.emplace_back();
            add(out.groups.back(), i);
        }
        dropEmpty();
        out.n = static_cast<int>(size);
        return out;
    }
    std::uint16_t date = 0;
    for (std::size_t i = 0; i < data; ++i) {
        const std::uint16_t day = stored[i * layers].wDate;
        if (out.groups.empty() || day != date) {
            if (out.groups.size() == maxGroups)
                break;
            out.groups.emplace_back();
            date = day;
        }
        add(out.groups.back(), i);
    }
    dropEmpty();
    if (!out.groups.empty()) {
        out.n = static_cast<int>(out.groups.front().count);
        for (const ChartGroup& g : out.groups)
            if (static_cast<int>(g.count) != out.n)
                out.n = 0;
    }
    return out;
}

void ApplyMinimumSpan(ChartBlock& b, bool rangeChart) {
    if (b.top - b.bottom >= 0.0001f)
        return;
    const float centre = (b.top + b.bottom) / 2;
    b.bottom = centre - 0.0001f;
    b.top = centre + 0.0001f;
    if (rangeChart && b.bottom < 0) {
        b.bottom = 0;
        b.top = 0.0002f;
    }
}

ControlChart ComputeControlChart(std::span<const ChartGroup> groups, const ControlChartFactors& f) {
    ControlChart c;
    if (groups.empty())
        return c;
    std::vector<float> means;
    std::vector<float> ranges;
    float largest = groups.front().maximum;
    float smallest = groups.front().minimum;
    for (const ChartGroup& g : groups) {
        means.push_back(g.Mean());
        ranges.push_back(g.Range());
        largest = std::max(largest, g.maximum);
        smallest = std::min(smallest, g.minimum);
    }
    const auto k = static_cast<float>(groups.size());
    c.x = BlockOf(means);
    c.x.largest = largest;
    c.x.smallest = smallest;
    c.r = BlockOf(ranges);
    c.x.centre = c.x.sum / k;
    c.r.centre = c.r.sum / k;
    SetLimits(c, f.A2 * c.r.centre, f.D4 * c.r.centre, std::max(f.D3 * c.r.centre, 0.0f));
    return c;
}

ControlChartSeries ChartSeriesOf(std::span<const ChartGroup> groups, bool individuals) {
    ControlChartSeries s;
    s.individuals = individuals;
    s.rFirst = individuals ? 1 : 0;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        s.x.push_back(groups[i].Mean());
        if (!individuals)
            s.r.push_back(groups[i].Range());
        else if (i > 0)
            s.r.push_back(std::fabs(groups[i].Mean() - groups[i - 1].Mean()));
    }
    return s;
}

ControlChart ComputeIndividualsChart(std::span<const ChartGroup> groups) {
    ControlChart c;
    if (groups.empty())
        return c;
    const ControlChartSeries s = ChartSeriesOf(groups, true);
    c.x = BlockOf(s.x);
    c.r = BlockOf(s.r);
    c.x.centre = c.x.sum / static_cast<float>(s.x.size());
    c.r.centre = s.r.empty() ? 0.0f : c.r.sum / static_cast<float>(s.r.size());
    SetLimits(c, kIndividualsFactor * c.r.centre, kMovingRangeFactor * c.r.centre, 0);
    return c;
}

std::vector<std::size_t> GroupAxisLabels(std::size_t k) {
    std::vector<std::size_t> labels;
    if (k == 0)
        return labels;
    const std::size_t every = k <= 5 ? 1 : k <= 24 ? 5 : 5 * (k / 25);
    labels.push_back(1);
    for (std::size_t g = every; g <= k; g += every)
        if (g != 1)
            labels.push_back(g);
    return labels;
}

}  // namespace klv
