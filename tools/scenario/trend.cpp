// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/trend.h"

#include <algorithm>

namespace scenario {

MemoryTrend memoryTrend(const std::vector<MemorySample>& samples, long long inputs, double warmUp) {
    const double start = std::max(warmUp * static_cast<double>(inputs), static_cast<double>(warmUpInputs));
    double n = 0, sx = 0, sy = 0, first = 0, last = 0;
    for (const MemorySample& s : samples)
        if (s.inputs >= start) {
            const double x = static_cast<double>(s.inputs);
            first = n == 0 ? x : first;
            last = x;
            ++n;
            sx += x;
            sy += static_cast<double>(s.kb);
        }
    MemoryTrend trend;
    trend.samples = static_cast<std::size_t>(n);
    if (n == 0)
        return trend;
    // Centred sums, so that a million inputs squared does not swallow the kilobytes.
    const double mx = sx / n, my = sy / n;
    double sxx = 0, sxy = 0;
    for (const MemorySample& s : samples)
        if (s.inputs >= start) {
            const double dx = static_cast<double>(s.inputs) - mx;
            sxx += dx * dx;
            sxy += dx * (static_cast<double>(s.kb) - my);
        }
    const double slope = sxx > 0 ? sxy / sxx : 0;
    trend.kbPerMillion = slope * 1e6;
    trend.fromKb = my + slope * (first - mx);
    trend.toKb = my + slope * (last - mx);
    return trend;
}

bool leaking(const MemoryTrend& trend, double maxKbPerMillion) {
    return trend.kbPerMillion > maxKbPerMillion && trend.toKb - trend.fromKb > cachesKb;
}

} // namespace scenario
