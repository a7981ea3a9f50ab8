#!/usr/bin/env bash
# Checks an installed Tallies under a root folder (a DESTDIR or an unpacked package): the
# desktop entry and the AppStream metainfo validate, and the program the entry starts and the
# icon it names are where a desktop looks for them.
#
#   check_layout.sh <root>
set -euo pipefail

root=$1
app_id=org.example.Tallies
icon_sizes=(16 22 24 32 48 64 128 256)  # the fixed sizes installed beside the SVG

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The first value of a key in the [Desktop Entry] group.
desktop_value() {
  sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$desktop" | head -n 1
}

# Width and height of a PNG, from its IHDR chunk (bytes 16 to 23, big-endian).
png_size() {
  local b
  read -r -a b <<<"$(od -An -tu1 -j16 -N8 "$1")"
  [ ${#b[@]} -eq 8 ] || return 1
  echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry usr/share/applications/$app_id.desktop"
[ -f "$metainfo" ] || fail "no metainfo usr/share/metainfo/$app_id.metainfo.xml"

# Any remark of the validator (error, warning or hint) counts.
remarks=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $remarks"
[ -z "$remarks" ] || fail "desktop-file-validate: $remarks"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"

# Exec= names the program; a bare name is looked up on PATH, so under usr/bin.
exec_line=$(desktop_value Exec)
program=${exec_line%% *}
[ -n "$program" ] || fail "the desktop entry has no Exec="
case $program in
  /*) program_path=$root$program ;;
  *) program_path=$root/usr/bin/$program ;;
esac
[ -f "$program_path" ] && [ -x "$program_path" ] ||
  fail "Exec=$exec_line: no program at ${program_path#"$root"/}"
[ "$(head -c 4 "$program_path" | od -An -c | tr -d ' ')" = '177ELF' ] ||
  fail "${program_path#"$root"/} is not an ELF program"

# Icon= names a theme icon: the SVG for any size and a PNG for each fixed size.
icon=$(desktop_value Icon)
[ "$icon" = "$app_id" ] || fail "Icon=$icon, expected $app_id"
hicolor=$root/usr/share/icons/hicolor
[ -f "$hicolor/scalable/apps/$icon.svg" ] || fail "no icon icons/hicolor/scalable/apps/$icon.svg"
grep -q '<svg' "$hicolor/scalable/apps/$icon.svg" || fail "scalable/apps/$icon.svg is not an SVG"
for size in "${icon_sizes[@]}"; do
  png=$hicolor/${size}x${size}/apps/$icon.png
  [ -f "$png" ] || fail "no icon icons/hicolor/${size}x${size}/apps/$icon.png"
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "${size}x${size}/apps/$icon.png is not a PNG"
  actual=$(png_size "$png") || fail "${size}x${size}/apps/$icon.png is cut short"
  [ "$actual" = "${size}x${size}" ] || fail "${size}x${size}/apps/$icon.png is $actual"
done

# The metainfo speaks of the same entry, icon and program.
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $app_id.desktop"
grep -q "<binary>$(basename "$program")</binary>" "$metainfo" ||
  fail "the metainfo does not provide the binary $(basename "$program")"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli rejects the installed tree"

echo "layout under $root: $exec_line, icon $icon in scalable and ${icon_sizes[*]} px"
