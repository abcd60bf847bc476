#!/usr/bin/env bash
# Builds the program and the benchmarks in Release in build-bench/, runs the dictionary
# benchmarks (extra arguments go to them, for example --benchmark_filter=Lookup), then times the
# program's start-up with and without a large dictionary (bench/startup.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DGLIMMET_BENCH=ON -DGLIMMET_TESTS=OFF
cmake --build "$build" -j"$(nproc)" --target pembra_bench Glimmet
"$build/bench/pembra_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
"$root/bench/startup.sh" "$build"
