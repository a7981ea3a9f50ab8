#!/usr/bin/env bash
# Builds the Debian package of a build tree with CPack, unpacks it with dpkg -x into a scratch
# root and checks it: its name, version and home page, the runtime packages it depends on, and
# that the files are where its desktop entry says.
#
#   check_package.sh <cpack> <build tree> <version> <web site>
set -euo pipefail

cpack=$1
build=$2
version=$3
site=$4
here=$(cd "$(dirname "$0")" && pwd)
# The packages of the Qt 6 libraries the program links, of the window's font, and of the
# platform plugin that shows the window on a Wayland desktop.
required=(libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-liberation qt6-wayland)

for tool in dpkg dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli od; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# -B keeps CPack's staging folders out of the build tree.
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  fail "cpack could not build the package"
fi

debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "tallies_${version}_${arch}.deb" ] ||
  fail "package file $(basename "$deb"), expected tallies_${version}_${arch}.deb"
[ "$(dpkg-deb -f "$deb" Package)" = tallies ] || fail "package name $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-deb -f "$deb" Homepage)" = "$site" ] || fail "home page $(dpkg-deb -f "$deb" Homepage)"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in "${required[@]}"; do
  # A whole package name in the comma-separated list, with or without a version.
  grep -Eq "(^|, )$package( \(|,|$)" <<<"$depends" || fail "Depends lacks $package"
done

dpkg -x "$deb" "$work/root"
outside=$(cd "$work/root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "files outside /usr: $outside"
"$here/check_layout.sh" "$work/root" "$version" "$site"
