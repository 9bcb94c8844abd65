// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/trend.h"

#include <algorithm>
#include <iterator>

namespace scenario {

MemoryTrend memoryTrend(const std::vector<MemorySample>& samples, long long inputs, double warmUp) {
    const double start = std::max(warmUp * static_cast<double>(inputs), static_cast<double>(warmUpInputs));
    std::vector<MemorySample> past;
    std::copy_if(samples.begin(), samples.end(), std::back_inserter(past),
                 [&](const MemorySample& s) { return static_cast<double>(s.inputs) >= start; });
    MemoryTrend trend;
    trend.samples = past.size();
    if (past.empty())
        return trend;
    const double n = static_cast<double>(past.size());
    double mx = 0, my = 0;
    for (const MemorySample& s : past) {
        mx += static_cast<double>(s.inputs) / n;
        my += static_cast<double>(s.kb) / n;
    }
    // Sums about the means, so that a million inputs squared does not swallow the kilobytes.
    double sxx = 0, sxy = 0;
    for (const MemorySample& s : past) {
        const double dx = static_cast<double>(s.inputs) - mx;
        sxx += dx * dx;
        sxy += dx * (static_cast<double>(s.kb) - my);
    }
    const double slope = sxx > 0 ? sxy / sxx : 0;
    trend.kbPerMillion = slope * 1e6;
    trend.fromKb = my + slope * (static_cast<double>(past.front().inputs) - mx);
    trend.toKb = my + slope * (static_cast<double>(past.back().inputs) - mx);
    return trend;
}

bool leaking(const MemoryTrend& trend, double maxKbPerMillion) {
    return trend.kbPerMillion > maxKbPerMillion && trend.toKb - trend.fromKb > cachesKb;
}

} // namespace scenario
