#!/usr/bin/env bash
# Checks an installed Tallies under a root folder (a DESTDIR or an unpacked package): the
# desktop entry and the AppStream metainfo validate, the program the entry starts and the icon it
# names are where a desktop looks for them, and the manual page, the copyright file and the
# changelog are there and speak of this version and web site.
#
#   check_layout.sh <root> <version> <web site>
set -euo pipefail

root=$1
version=$2
site=$3
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
# The metainfo names the release installed and the web site the build was set up with.
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
grep -qF "<url type=\"homepage\">$site</url>" "$metainfo" ||
  fail "the metainfo's home page is not $site"

# The documents: compressed whole, and each of this version or this site.
man=$root/usr/share/man/man1/tallies.1.gz
copyright=$root/usr/share/doc/tallies/copyright
changelog=$root/usr/share/doc/tallies/changelog.gz
for file in "$man" "$changelog"; do
  [ -f "$file" ] || fail "no ${file#"$root"/}"
  gzip -t "$file" 2>/dev/null || fail "${file#"$root"/} is not a whole gzip file"
done
[ -f "$copyright" ] || fail "no ${copyright#"$root"/}"
zcat "$man" | grep -q "^\.TH TALLIES 1 .*\"Tallies $version\"" ||
  fail "the manual page is not the one of tallies(1) $version"
zcat "$man" | grep -qF "$site" || fail "the manual page does not name $site"
[ "$(zcat "$changelog" | head -n 1)" = "tallies ($version) unstable; urgency=medium" ] ||
  fail "the changelog does not begin with the entry of $version: $(zcat "$changelog" | head -n 1)"
# The entry is signed on the day the metainfo gives for the release, in the form date -R writes.
released=$(sed -n "s/.*<release version=\"$version\" date=\"\([0-9-]*\)\".*/\1/p" "$metainfo")
[ -n "$released" ] || fail "the metainfo gives no date for release $version"
signed=$(zcat "$changelog" | sed -n 's/^ -- .* <[^>]*>  \(.*\)$/\1/p' | head -n 1)
[ "$signed" = "$(LC_ALL=C date -u -R -d "$released")" ] ||
  fail "the changelog entry is signed \"$signed\", not on $released"
# The machine-readable form, naming the holders and the licence every file is under.
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
grep -qx 'Files: \*' "$copyright" || fail "the copyright file has no paragraph for every file"
grep -qE '^Copyright: [0-9]{4}(-[0-9]{4})? The Tallies developers$' "$copyright" ||
  fail "the copyright file does not name the Tallies developers"
[ "$(grep -c '^License: MIT$' "$copyright")" = 2 ] ||
  fail "the copyright file does not put every file under the MIT licence and give its text"
grep -q '^ Permission is hereby granted, free of charge' "$copyright" ||
  fail "the copyright file lacks the licence text"

echo "layout under $root: $exec_line, icon $icon in scalable and ${icon_sizes[*]} px"
