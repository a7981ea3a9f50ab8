#!/usr/bin/env bash
# History benchmark: the time to open a history of 1000 entries and to add one to it, in a
# scratch folder of the system's temporary folder (medians of 21 runs, or as many as given).
# Builds in build/bench-history first.
#
#   ./bench/history.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/bench-history
source scripts/lib.sh
ensure_packages g++ cmake ninja-build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLIES_WERROR=ON \
  -DTALLIES_BENCH=ON -DTALLIES_BUILD_APP=OFF -DTALLIES_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target tallies_history_bench >/dev/null
exec "$build/bench/tallies_history_bench" "$@"
