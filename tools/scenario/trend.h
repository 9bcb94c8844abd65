// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

namespace scenario {

// Resident memory after so many inputs of a walk.
struct MemorySample {
    long long inputs = 0;
    long kb = 0;
};

// Where resident memory is heading: the least-squares line through the samples past the warm-up.
struct MemoryTrend {
    double kbPerMillion = 0; // the line's slope, in kB per million inputs
    double fromKb = 0;       // the line at the first sample it was fitted to
    double toKb = 0;         // and at the last
    std::size_t samples = 0; // it was fitted to; a line needs two
};

// The inputs in which every screen's first windows, pictures and fonts are made, at the least.
constexpr long long warmUpInputs = 1000;

// Caches that fill and drain move resident memory by megabytes either way; a leak keeps it
// rising as long as inputs come. The warm-up is left out: the first `warmUp` share of the inputs,
// and at least the first `warmUpInputs`.
MemoryTrend memoryTrend(const std::vector<MemorySample>& samples, long long inputs, double warmUp = 0.1);

// What Qt's caches may still take on after the warm-up of a short walk: a rise smaller than this
// says nothing, however steep.
constexpr double cachesKb = 8 * 1024;

// A leak: the line rises faster than `maxKbPerMillion`, and by more than the caches could hold.
bool leaking(const MemoryTrend& trend, double maxKbPerMillion);

} // namespace scenario
