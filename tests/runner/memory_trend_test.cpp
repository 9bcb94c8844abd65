#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "tools/scenario/trend.h"

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

// Everything fills in the first tenth; only what comes after counts.
TEST(MemoryTrend, LeavesTheWarmUpOut) {
    const long long inputs = 200'000;
    const auto samples = sampled(inputs, [&](double at) { return at < 15'000 ? 30'000 + at : 45'000.0; });
    EXPECT_NEAR(memoryTrend(samples, inputs).kbPerMillion, 0, 1);
    EXPECT_GT(memoryTrend(samples, inputs, 0).kbPerMillion, 10'000) << "the same samples, warm-up and all";
    EXPECT_NEAR(memoryTrend(samples, inputs, 0.5).toKb, 45'000, 1);
}

// Megabytes of cache that come and go stay well under a bound that a kilobyte leaked every few
// inputs passes by far: the noise of a long walk, and a leak under that noise.
TEST(MemoryTrend, TellsALeakFromCachesThatComeAndGo) {
    const long long inputs = 1'000'000;
    const auto steady = memoryTrend(sampled(inputs, cacheNoise), inputs);
    EXPECT_LT(std::abs(steady.kbPerMillion), 2'000);
    const auto leaking =
        memoryTrend(sampled(inputs, [](double at) { return cacheNoise(at) + at / 5; }), inputs);
    EXPECT_GT(leaking.kbPerMillion - steady.kbPerMillion, 190'000);
}

// No samples past the warm-up, or one: no line, and no division by nothing.
TEST(MemoryTrend, NeedsTwoSamplesForALine) {
    EXPECT_EQ(memoryTrend({}, 0).samples, 0u);
    const auto one = memoryTrend({{0, 100}, {500, 40'000}}, 1000);
    EXPECT_EQ(one.samples, 1u);
    EXPECT_EQ(one.kbPerMillion, 0);
    EXPECT_EQ(one.toKb, 40'000);
}
