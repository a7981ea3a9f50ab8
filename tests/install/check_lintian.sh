#!/usr/bin/env bash
# Builds the Debian package of a build tree with CPack and has lintian check it against Debian's
# policy. Every error and every warning fails; the informational remarks are shown, not counted.
#
#   check_lintian.sh <cpack> <build tree>
set -euo pipefail

cpack=$1
build=$2

for tool in lintian dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# -B keeps CPack's staging folders out of the build tree.
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack could not build the package" >&2
  exit 1
fi
debs=("$work"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "FAIL: expected one .deb, found: ${debs[*]}" >&2
  exit 1
fi

# No profile or overrides of our own: the package is judged as Debian judges its own. lintian
# complains on stderr when run by root, which says nothing about the package.
status=0
lintian --fail-on error,warning --display-info --show-overrides --tag-display-limit 0 "${debs[0]}" \
  >"$work/lintian.log" 2>"$work/lintian.err" || status=$?
cat "$work/lintian.log"
grep -v 'running with root privileges is not recommended' "$work/lintian.err" >&2 || true
# The tags by their kind, whatever lintian's exit status: E (error) and W (warning) fail, and so
# does an override, which would silence one.
if [ "$status" -ne 0 ] || grep -Eq '^(E|W|O): ' "$work/lintian.log"; then
  echo "FAIL: lintian finds errors or warnings in $(basename "${debs[0]}") (exit status $status)" >&2
  exit 1
fi
echo "lintian: no error and no warning in $(basename "${debs[0]}")"
