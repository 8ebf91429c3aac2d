// How every benchmark runs: its figure is the median of several repetitions.
#pragma once

#include <benchmark/benchmark.h>

inline constexpr int Repetitions = 11;

// For ->Apply(Quoted): microseconds, and only the aggregates of the repetitions.
inline void Quoted(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMicrosecond)
        ->MinTime(0.2)
        ->Repetitions(Repetitions)
        ->ReportAggregatesOnly(true);
}
