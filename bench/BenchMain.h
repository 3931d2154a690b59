#pragma once
// Shared set-up of the benchmark programs: an offscreen QApplication and an
// isolated settings folder, created before any benchmark runs.
#include <benchmark/benchmark.h>

int runBenchmarks(int argc, char **argv);

#define VTQX_BENCHMARK_MAIN() \
    int main(int argc, char **argv) { return runBenchmarks(argc, argv); }
