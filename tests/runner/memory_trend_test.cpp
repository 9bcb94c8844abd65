// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "tools/scenario/trend.h"

using scenario::leaking;
using scenario::MemorySample;
using scenario::memoryTrend;

namespace {

// A thousand samples over `inputs`, each `kb(inputs so far)`.
template <typename F> std::vector<MemorySample> sampled(long long inputs, F kb) {
    std::vector<MemorySample> out;
    for (long long i = 0; i <= 1000; ++i) {
        const long long at = inputs * i / 1000;
        out.push_back({at, static_cast<long>(std::lround(kb(static_cast<double>(at))))});
    }
    return out;
}

// What a real walk with widgets shows: a cache that fills in bursts, is flushed and fills again,
// between 37.5 and 44.2 MB, with no rise over the whole walk.
double cacheNoise(double at) {
    const double cycle = std::fmod(at, 137'000.0) / 137'000.0;
    return 38'400 + 6'800 * cycle * cycle + 300 * std::sin(at / 911.0);
}

} // namespace

// The slope comes out in kB per million inputs, at any length of walk, with the line's ends.
TEST(MemoryTrend, FindsTheSlopeOfAStraightLine) {
    for (long long inputs : {10'000LL, 1'000'000LL, 2'000'000'000LL}) {
        const auto line = [](double at) { return 40'000 + 0.05 * at; }; // 50 MB per million
        const auto trend = memoryTrend(sampled(inputs, line), inputs);
        EXPECT_NEAR(trend.kbPerMillion, 50'000, 50) << inputs << " inputs";
        EXPECT_EQ(trend.samples, 901u) << "the samples from the first tenth on";
        EXPECT_NEAR(trend.fromKb, line(0.1 * static_cast<double>(inputs)), 1);
        EXPECT_NEAR(trend.toKb, line(static_cast<double>(inputs)), 1);
    }
}

// Everything fills in the first tenth, and in a short walk in its first thousand inputs; only what
// comes after counts.
TEST(MemoryTrend, LeavesTheWarmUpOut) {
    const long long inputs = 200'000;
    const auto samples = sampled(inputs, [&](double at) { return at < 15'000 ? 30'000 + at : 45'000.0; });
    EXPECT_NEAR(memoryTrend(samples, inputs).kbPerMillion, 0, 1);
    EXPECT_GT(memoryTrend(samples, inputs, 0).kbPerMillion, 10'000) << "the same samples, warm-up and all";
    EXPECT_NEAR(memoryTrend(samples, inputs, 0.5).toKb, 45'000, 1);

    const auto start = sampled(5'000, [&](double at) { return at < 900 ? 16'000 + 20 * at : 34'000.0; });
    EXPECT_NEAR(memoryTrend(start, 5'000).kbPerMillion, 0, 1);
    EXPECT_EQ(memoryTrend(start, 5'000).samples, 801u) << "from the thousandth input on";
}

// A leak rises fast and far. A short walk's caches rise fast, not far; a long walk's come and go
// by megabytes; neither is a leak, and a kilobyte kept every five inputs is, under either.
TEST(MemoryTrend, TellsALeakFromCachesThatFillAndDrain) {
    constexpr double bound = 32 * 1024; // kB per million inputs
    const auto trend = [](long long inputs, auto kb) { return memoryTrend(sampled(inputs, kb), inputs); };
    const auto filling = [](double at) { return 34'000 + 3'000 * std::min(1.0, at / 5'000); };
    const auto leak = [](double at) { return at / 5; };

    EXPECT_GT(trend(5'000, filling).kbPerMillion, 10 * bound);
    EXPECT_FALSE(leaking(trend(5'000, filling), bound)) << "a short walk still filling its caches";
    EXPECT_FALSE(leaking(trend(1'000'000, cacheNoise), bound)) << "caches that come and go";
    EXPECT_FALSE(leaking(trend(10'000'000, [](double at) { return 40'000 + at / 500; }), bound))
        << "a slow rise, however far: 2 MB a million, 18 MB in all";

    EXPECT_TRUE(leaking(trend(100'000, [&](double at) { return filling(at) + leak(at); }), bound));
    EXPECT_TRUE(leaking(trend(1'000'000, [&](double at) { return cacheNoise(at) + leak(at); }), bound));
    EXPECT_FALSE(leaking(trend(20'000, [&](double at) { return filling(at) + leak(at); }), bound))
        << "too short to rise further than caches could";
}

// No samples past the warm-up, or one: no line, and no division by nothing.
TEST(MemoryTrend, NeedsTwoSamplesForALine) {
    EXPECT_EQ(memoryTrend({}, 0).samples, 0u);
    const auto one = memoryTrend({{0, 100}, {1500, 40'000}}, 1500);
    EXPECT_EQ(one.samples, 1u);
    EXPECT_EQ(one.kbPerMillion, 0);
    EXPECT_EQ(one.toKb, 40'000);
}
