#!/bin/sh
# Runs a cross-built Windows program under 64-bit Wine and passes on its exit code. The caller
# chooses the prefix (WINEPREFIX); Wine's own diagnostics stay off unless WINEDEBUG asks.
set -e
: "${WINEDEBUG:=-all}"
export WINEDEBUG
for loader in "${WINELOADER:-}" /usr/lib/wine/wine64 "$(command -v wine64 || true)"; do
  if [ -n "$loader" ] && [ -x "$loader" ]; then
    exec "$loader" "$@"
  fi
done
exec wine "$@"
