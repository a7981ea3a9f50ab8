#!/usr/bin/env bash
# Start-up benchmark: launches a bare Qt 6 window and Tallies in turn under Xvfb
# and measures, for every launch, the time from start until the window is mapped
# and the peak resident memory; prints the medians and Tallies against the bare
# window. For comparison it also launches the bare window with two lines of text
# in Tallies' two faces, which shows what drawing any text costs. Installs what
# it needs and builds the programs in build/bench first.
#
#   ./bench/startup.sh [launches of each program, 10 by default]
#
# TALLIES_BENCH_BUILD names another build folder (build/bench by default).
# TALLIES_BENCH_OTHER names another Tallies program (an older build's, say), launched in turn
# with the others in the same run, so the two builds are measured side by side.
set -euo pipefail
script=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
cd "$(dirname "$script")/.."

build=${TALLIES_BENCH_BUILD:-build/bench}
settle_ms=300          # time the window is left to paint before it is closed
map_ratio_target=1.25  # Tallies' launch-to-map time against the bare window's
rss_extra_target=6     # MiB of peak memory Tallies may use beyond the bare window

if [ "${1:-}" != --measure ]; then
  runs=${1:-10}
  source scripts/lib.sh
  ensure_packages "${BUILD_PACKAGES[@]}" xvfb xauth time libxcb1-dev
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLIES_WERROR=ON \
    -DTALLIES_BENCH=ON -DTALLIES_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build" -j2 --target tallies tallies_bare_window tallies_map_timer >/dev/null
  # A display of its own, with no window manager: a window is mapped as soon as
  # the program asks.
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$script" --measure "$runs"
fi
runs=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unset QT_QPA_PLATFORM  # the X11 platform, on Xvfb's display
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$scratch/runtime
  mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

# One launch of a program with its arguments: prints "<milliseconds to map>
# <peak RSS in KiB>".
launch() {
  local out
  if ! out=$("$build/bench/tallies_map_timer" --settle "$settle_ms" -- \
      /usr/bin/time -f '%M' -o "$scratch/rss" "$@" 2>"$scratch/log"); then
    echo "startup.sh: $* failed:" >&2
    cat "$scratch/log" >&2
    exit 1
  fi
  echo "${out#map_ms=} $(tail -n 1 "$scratch/rss")"
}

median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

bare=$build/bench/tallies_bare_window
tallies=$build/src/qtapp/tallies
# One launch of each first, not counted, so all start with warm file caches.
launch "$bare" >/dev/null
launch "$bare" --text >/dev/null
launch "$tallies" >/dev/null
other=${TALLIES_BENCH_OTHER:-}
[ -n "$other" ] && launch "$other" >/dev/null

printf '%-4s %14s %14s %14s %14s %14s %14s\n' run "bare ms" "text ms" "tallies ms" \
  "bare KiB" "text KiB" "tallies KiB"
: >"$scratch/bare" && : >"$scratch/text" && : >"$scratch/tallies" && : >"$scratch/other"
for ((i = 1; i <= runs; i++)); do
  read -r bare_ms bare_kib < <(launch "$bare")
  read -r text_ms text_kib < <(launch "$bare" --text)
  read -r tallies_ms tallies_kib < <(launch "$tallies")
  echo "$bare_ms $bare_kib" >>"$scratch/bare"
  echo "$text_ms $text_kib" >>"$scratch/text"
  echo "$tallies_ms $tallies_kib" >>"$scratch/tallies"
  if [ -n "$other" ]; then
    read -r other_ms other_kib < <(launch "$other")
    echo "$other_ms $other_kib" >>"$scratch/other"
  fi
  printf '%-4s %14.1f %14.1f %14.1f %14d %14d %14d\n' "$i" "$bare_ms" "$text_ms" "$tallies_ms" \
    "$bare_kib" "$text_kib" "$tallies_kib"
  [ -z "$other" ] || printf '%-4s %44s %14.1f %44d  (other program)\n' "" "" "$other_ms" "$other_kib"
done

bare_map=$(cut -d' ' -f1 "$scratch/bare" | median)
text_map=$(cut -d' ' -f1 "$scratch/text" | median)
tallies_map=$(cut -d' ' -f1 "$scratch/tallies" | median)
bare_rss=$(cut -d' ' -f2 "$scratch/bare" | median)
text_rss=$(cut -d' ' -f2 "$scratch/text" | median)
tallies_rss=$(cut -d' ' -f2 "$scratch/tallies" | median)
awk -v bm="$bare_map" -v xm="$text_map" -v tm="$tallies_map" -v br="$bare_rss" \
  -v xr="$text_rss" -v tr="$tallies_rss" -v ratio_target="$map_ratio_target" \
  -v extra_target="$rss_extra_target" -v n="$runs" 'BEGIN {
  ratio = tm / bm; extra = (tr - br) / 1024
  printf "\nMedians of %d launches each (launch to window mapped, peak resident memory):\n", n
  printf "  %-20s %7.1f ms %9s %7.1f MiB\n", "bare Qt window", bm, "", br / 1024
  printf "  %-20s %7.1f ms %9s %7.1f MiB (%+.1f MiB)\n", "bare window + text", xm,
         sprintf("(%.2fx)", xm / bm), xr / 1024, (xr - br) / 1024
  printf "  %-20s %7.1f ms %9s %7.1f MiB (%+.1f MiB)\n", "Tallies", tm,
         sprintf("(%.2fx)", ratio), tr / 1024, extra
  printf "Targets for Tallies against the bare window: at most %.2fx (%s), at most %+d MiB (%s)\n",
         ratio_target, ratio <= ratio_target ? "met" : "missed", extra_target,
         extra <= extra_target ? "met" : "missed"
}'
if [ -n "$other" ]; then
  other_map=$(cut -d' ' -f1 "$scratch/other" | median)
  other_rss=$(cut -d' ' -f2 "$scratch/other" | median)
  awk -v om="$other_map" -v or="$other_rss" -v tm="$tallies_map" -v tr="$tallies_rss" 'BEGIN {
    printf "  %-20s %7.1f ms %9s %7.1f MiB; this build against it: %+.1f ms, %+.1f MiB\n",
           "other program", om, "", or / 1024, tm - om, (tr - or) / 1024
  }'
fi
