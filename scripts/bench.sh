#!/usr/bin/env bash
# Builds the benchmarks in Release in build-bench/ and runs them. Extra arguments
# go to the benchmark binary (for example --benchmark_filter=Lookup).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DGLIMMET_BENCH=ON -DGLIMMET_TESTS=OFF
cmake --build "$build" -j"$(nproc)" --target pembra_bench
"$build/bench/pembra_bench" "$@"
