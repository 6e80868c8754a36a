#pragma once
// What ./bench.sh reads from a run besides its time. Each benchmark is registered as
// "Operation/size", and one that a feature promised a speed for carries that target here, beside
// the code it measures, so the report copies nothing by hand.

#include <benchmark/benchmark.h>

inline void SetTargetMicroseconds(benchmark::State& bench, double target)
{
    bench.counters["target_us"] = target;
}
