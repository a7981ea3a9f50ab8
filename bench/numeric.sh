#!/usr/bin/env bash
# Numeric micro-benchmark: ParseFieldNumber, FormatSingle and FormatDouble on a
# mix of field texts, beside std::from_chars and std::to_chars on the same
# values; prints Google Benchmark's table (medians of 5 repetitions) and then
# the ratios. Installs what it needs and builds in build/bench-numeric first.
#
#   ./bench/numeric.sh [Google Benchmark options]
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/bench-numeric
source scripts/lib.sh
# The numeric core is standard C++ only: no Qt is needed here.
ensure_packages g++ cmake ninja-build libbenchmark-dev
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLIES_WERROR=ON \
  -DTALLIES_BENCH=ON -DTALLIES_BUILD_APP=OFF -DTALLIES_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target tallies_numeric_bench >/dev/null
exec "$build/bench/tallies_numeric_bench" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true "$@"
