#!/usr/bin/env bash
# Shows the program on a Wayland compositor of its own (Weston's headless back-end, which needs
# no screen) through Qt's Wayland platform plugin, and reads in the client's protocol log that
# the main window became a desktop window (an xdg_toplevel) with its title, and that a frame was
# drawn into it: a buffer attached to its surface and committed. Then ends the program and the
# compositor. Every wait is bounded, so a program that never shows its window fails the test
# rather than hanging it.
#
#   check_wayland.sh <program> <Qt plugin folder>
set -euo pipefail

program=$1
plugins=$2
title="Tallies Home - Hydraulic Calculations"
wait_seconds=30  # for the compositor's socket, and again for the window's first frame

skip() {
  echo "SKIP: $*"
  exit 77
}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

command -v weston >/dev/null || skip "weston is not installed"
[ -f "$plugins/platforms/libqwayland-generic.so" ] ||
  skip "Qt's Wayland platform plugin (qt6-wayland) is not installed"

work=$(mktemp -d)
# The compositor's socket and the client's files live in a runtime folder of this test's own.
runtime=$work/runtime
mkdir -m 0700 "$runtime"
socket=tallies-test
weston_pid=
program_pid=

# Ends a process this script started and waits for it, at most a few seconds.
stop() {
  local pid=$1
  [ -n "$pid" ] || return 0
  kill -TERM "$pid" 2>/dev/null || true
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
}
cleanup() {
  stop "$program_pid"
  stop "$weston_pid"
  rm -rf "$work"
}
trap cleanup EXIT

env XDG_RUNTIME_DIR="$runtime" weston --no-config --backend=headless-backend.so \
  --socket="$socket" --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq $((wait_seconds * 10))); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston_pid" 2>/dev/null || { cat "$work/weston.log" >&2; fail "weston ended at start"; }
  sleep 0.1
done
[ -S "$runtime/$socket" ] || { cat "$work/weston.log" >&2; fail "weston made no socket"; }

# Wayland only: without DISPLAY there is no X server to fall back on.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
  WAYLAND_DEBUG=client "$program" >"$work/program.log" 2>"$work/protocol.log" &
program_pid=$!

# Follows the requests the client sends (lines "... -> object@id.request(arguments)") through
# the object numbers: the xdg_surface made for a wl_surface, the xdg_toplevel made from that,
# the toplevel's title, and the buffer attached to the surface. A commit of a surface whose
# toplevel has the title while a buffer is attached to it is the window's frame. Numbers of
# destroyed objects may be used again, so their state goes with them.
shown() {
  awk -v title="$title" '
    function object(text) { sub(/^.*@/, "", text); return text }
    / -> / {
      call = $0
      sub(/^.* -> /, "", call)
      if (!match(call, /^[a-z_0-9]+@[0-9]+\./)) next
      target = substr(call, 1, RLENGTH - 1)
      request = substr(call, RLENGTH + 1)
      id = object(target)
      if (target ~ /^xdg_wm_base@/ && request ~ /^get_xdg_surface\(new id xdg_surface@[0-9]+, wl_surface@[0-9]+\)/) {
        split(request, parts, /[@,)]/)
        surface_of[parts[2]] = parts[4]
      } else if (target ~ /^xdg_surface@/ && request ~ /^get_toplevel\(new id xdg_toplevel@[0-9]+\)/) {
        split(request, parts, /[@)]/)
        xdg_of[parts[2]] = id
      } else if (target ~ /^xdg_toplevel@/ && request ~ /^set_title\(/) {
        titled[surface_of[xdg_of[id]]] = (request == "set_title(\"" title "\")")
      } else if (target ~ /^wl_surface@/ && request ~ /^attach\(/) {
        attached[id] = (request ~ /^attach\(wl_buffer@[0-9]+,/)
      } else if (target ~ /^wl_surface@/ && request == "commit()") {
        if (titled[id] && attached[id]) { print "frame committed to wl_surface@" id; found = 1; exit }
      } else if (request == "destroy()") {
        if (target ~ /^wl_surface@/) { delete titled[id]; delete attached[id] }
        else if (target ~ /^xdg_toplevel@/) delete xdg_of[id]
        else if (target ~ /^xdg_surface@/) delete surface_of[id]
      }
    }
    END { exit found ? 0 : 1 }
  ' "$work/protocol.log"
}

evidence=
for _ in $(seq $((wait_seconds * 5))); do
  if evidence=$(shown); then
    break
  fi
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.2
done
if [ -z "$evidence" ]; then
  tail -n 40 "$work/protocol.log" >&2
  cat "$work/program.log" >&2
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended without showing its window"
  fail "no xdg_toplevel titled \"$title\" got a frame within $wait_seconds seconds"
fi
grep -E -m 3 ' -> (xdg_surface@[0-9]+\.get_toplevel|xdg_toplevel@[0-9]+\.set_title)' \
  "$work/protocol.log" || true
echo "$evidence"

# The window is up and the program still running: end it, then the compositor, each of which
# must leave at once on the polite request.
kill -0 "$program_pid" 2>/dev/null || fail "the program ended by itself after showing its window"
for name in program weston; do
  pid_var=${name}_pid
  pid=${!pid_var}
  kill -TERM "$pid"
  status=0
  timeout 10 tail --pid="$pid" -f /dev/null || fail "$name did not end within 10 seconds"
  wait "$pid" || status=$?
  printf -v "$pid_var" ''
  # Ended by the signal (128 + 15) or on its own handling of it (0).
  [ "$status" -eq 0 ] || [ "$status" -eq 143 ] || fail "$name ended with status $status"
done
echo "the program and weston ended"
