#!/usr/bin/env bash
# Installs a build tree with `cmake --install` into a scratch root under /usr, as a
# package would, and checks the desktop installation there.
#
#   check_install.sh <cmake> <build tree> <version> <web site>
set -euo pipefail

cmake=$1
build=$2
version=$3
site=$4
here=$(cd "$(dirname "$0")" && pwd)

for tool in desktop-file-validate appstreamcli od; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null

# Only the program, its desktop files, its manual page and its copyright file and changelog are
# installed, nothing for building.
unexpected=$(cd "$root" && find . -type f ! -path './usr/bin/*' ! -path './usr/share/applications/*' \
  ! -path './usr/share/metainfo/*' ! -path './usr/share/icons/hicolor/*' \
  ! -path './usr/share/man/man1/tallies.1.gz' ! -path './usr/share/doc/tallies/copyright' \
  ! -path './usr/share/doc/tallies/changelog.gz')
if [ -n "$unexpected" ]; then
  echo "FAIL: files installed beside the desktop installation and its documents:" >&2
  echo "$unexpected" >&2
  exit 1
fi

"$here/check_layout.sh" "$root" "$version" "$site"
