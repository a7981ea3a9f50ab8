#!/usr/bin/env bash
# Checks the Windows Installer package of a Windows build tree under Wine's msiexec, in a Wine
# prefix of its own made afresh (a clean user profile), the way a user meets it:
#
#  - an older version, then another build of this version, then the package itself are
#    installed silently: each replaces the one before, leaving one entry under installed apps;
#  - the package's files are in the user's local programs folder, the program's version
#    resource names this version and its makers, the Start-menu shortcut starts the installed
#    program and its window closes again; the entry names the product, publisher and version;
#  - an older version cannot be installed over it;
#  - it uninstalls silently and leaves no file, shortcut, entry or registry key behind.
#
#   check_msi.sh <Windows build tree> <version>
#
# Run on a display (scripts/test-windows runs it under xvfb-run). The older and the rebuilt
# packages are made by wixl from the tree's msi/ work folder, as the tallies_msi target does.
set -Eeuo pipefail

build=$(cd "$1" && pwd)
version=$2
here=$(cd "$(dirname "$0")" && pwd)
wine_run="$here/../../cmake/wine-run.sh"
msi="$build/tallies-$version-win64.msi"
starter="$build/tests/win32app/shortcut_start_check.exe"

fail() {
  echo "check_msi: FAIL: $*" >&2
  exit 1
}
trap 'echo "check_msi: FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

for tool in wineboot wineserver winepath wixl wrestool icotool iconv; do
  command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[ -f "$msi" ] || fail "no package $msi (cmake --build $build --target tallies_msi)"
[ -f "$starter" ] || fail "no $starter"
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "version $version is not a.b.c"
older=0.0.1
[ "$version" != 0.0.0 ] && [ "$version" != "$older" ] || fail "no version below $version to test"

work=$(mktemp -d)
export WINEPREFIX="$build/msi-check-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX" "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

step() { echo "-- $*"; }

wine_path() { printf 'Z:%s' "${1//\//\\}"; }

# Another package of the same source: another product code, the given version.
make_package() {
  local at=$1 out=$2
  local IFS=.
  local -a n=($at)
  local below="${n[0]}.${n[1]}.$((n[2] + 1))"
  (cd "$build/msi" && wixl --arch x64 -D "Version=$at" -D "UpgradeBelow=$below" -o "$out" \
     tallies.wxs) >"$work/wixl.log" 2>&1 || { cat "$work/wixl.log" >&2; fail "wixl $at"; }
}

# msiexec, silent, with a verbose log kept for the report of a failure. Returns its exit code.
msiexec_quiet() {
  local log="$work/msiexec-$((++msiexec_runs)).log"
  local code=0
  # Far above the few seconds an install takes; a hang must not stop the run.
  timeout 120 "$wine_run" msiexec "$@" /qn /l*v "$(wine_path "$log")" </dev/null >/dev/null 2>&1 ||
    code=$?
  last_log=$log
  return "$code"
}
msiexec_runs=0
install_ok() {
  msiexec_quiet /i "$(wine_path "$1")" || {
    tail -n 40 "$last_log" >&2
    fail "msiexec /i $(basename "$1") /qn failed"
  }
}

# The installed-apps entries named Tallies, one line each: key, DisplayVersion, Publisher.
uninstall_entries() {
  local root
  for root in HKCU HKLM; do
    "$wine_run" reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s \
      2>/dev/null </dev/null | tr -d '\r' || true
  done | awk '
    /^HKEY_/ { if (name == "Tallies") print key "|" ver "|" pub; key = $0; name = ver = pub = "" }
    $1 == "DisplayName" && $2 ~ /^REG_/ { name = substr($0, index($0, $2) + length($2) + 4) }
    $1 == "DisplayVersion" && $2 ~ /^REG_/ { ver = substr($0, index($0, $2) + length($2) + 4) }
    $1 == "Publisher" && $2 ~ /^REG_/ { pub = substr($0, index($0, $2) + length($2) + 4) }
    END { if (name == "Tallies") print key "|" ver "|" pub }'
}
# Exactly one entry, of the given version.
expect_one_entry() {
  local entries
  entries=$(uninstall_entries)
  echo "   installed apps: ${entries:-none}"
  [ "$(grep -c . <<<"$entries" || true)" -eq 1 ] ||
    fail "expected one Tallies entry, found: ${entries:-none}"
  IFS='|' read -r entry_key entry_version entry_publisher <<<"$entries"
  [ "$entry_version" = "$1" ] || fail "the entry's version is $entry_version, expected $1"
}

# The printable runs of UTF-16 text in binary data, one a line.
utf16_strings() {
  iconv -c -f UTF-16LE -t UTF-8 2>/dev/null | LC_ALL=C tr -c '[:print:]' '\n' || true
}
# The value of a string of the program's version resource (VS_VERSIONINFO, UTF-16): the line
# after its name once the resource is cut at its NULs and binary length fields.
version_string() {
  wrestool -x --raw -t 16 "$1" | utf16_strings |
    awk -v key="$2" 'found && NF { print; exit } $0 == key { found = 1 }'
}

step "fresh Wine prefix"
rm -rf "$WINEPREFIX"
timeout 300 wineboot --init </dev/null >/dev/null 2>&1 || fail "wineboot --init failed"
wineserver -w
folders=$("$wine_run" cmd /c 'echo %LOCALAPPDATA%& echo %APPDATA%' </dev/null | tr -d '\r')
local_appdata=$(winepath -u "$(sed -n 1p <<<"$folders")" 2>/dev/null)
appdata=$(winepath -u "$(sed -n 2p <<<"$folders")" 2>/dev/null)
[ -d "$local_appdata" ] && [ -d "$appdata" ] || fail "no profile folders: $folders"
install_dir="$local_appdata/Programs/Tallies"
shortcut="$appdata/Microsoft/Windows/Start Menu/Programs/Tallies.lnk"

step "install $older, then another build of $version, then $(basename "$msi")"
make_package "$older" "$work/tallies-$older.msi"
make_package "$version" "$work/tallies-$version-rebuilt.msi"
install_ok "$work/tallies-$older.msi"
expect_one_entry "$older"
older_key=$entry_key
install_ok "$work/tallies-$version-rebuilt.msi"
expect_one_entry "$version"
[ "$entry_key" != "$older_key" ] || fail "the entry of $older was kept"
rebuilt_key=$entry_key
install_ok "$msi"
expect_one_entry "$version"
[ "$entry_key" != "$rebuilt_key" ] || fail "the rebuilt $version was kept"
[ "$entry_publisher" = "The Tallies developers" ] || fail "publisher \"$entry_publisher\""
entry=$("$wine_run" reg query "$entry_key" </dev/null | tr -d '\r')
grep -Eq '^ +DisplayName +REG_SZ +Tallies$' <<<"$entry" || fail "entry: $entry"
grep -Eq '^ +UninstallString +REG_(EXPAND_)?SZ +MsiExec.exe /X\{' <<<"$entry" ||
  fail "the entry has no Windows Installer uninstall command: $entry"

# The entry's icon (ARPPRODUCTICON): Windows Installer keeps a copy under the product's code
# and names it in the product's registration; the shortcut shows the same copy.
product_code=${entry_key##*\\}
product_icon=$("$wine_run" reg query 'HKCU\Software\Microsoft\Installer\Products' /s </dev/null |
  tr -d '\r' | awk '
    /^HKEY_/ { if (name == "Tallies") print icon; name = icon = "" }
    $1 == "ProductName" && $2 == "REG_SZ" { name = substr($0, index($0, $2) + 10) }
    $1 == "ProductIcon" && $2 == "REG_SZ" { icon = substr($0, index($0, $2) + 10) }
    END { if (name == "Tallies") print icon }')
[[ $product_icon == *"\\$product_code\\tallies.ico" ]] ||
  fail "the product's icon is \"$product_icon\", expected one under $product_code"
cmp -s "$(winepath -u "$product_icon" 2>/dev/null)" "$build/msi/tallies.ico" ||
  fail "the product's icon $product_icon is not tallies.ico"
echo "   icon: $product_icon"

step "installed files in $install_dir"
for file in tallies.exe README.txt LICENSE.txt; do
  [ -f "$install_dir/$file" ] || fail "$file is not installed"
  cmp -s "$install_dir/$file" "$build/msi/files/$file" || fail "$file differs from the build's"
done
extra=$(cd "$install_dir" && ls -A | grep -vx 'tallies.exe\|README.txt\|LICENSE.txt' || true)
[ -z "$extra" ] || fail "unexpected files installed: $extra"
[ -f "$shortcut" ] || fail "no Start-menu shortcut $shortcut"
# The link's strings are UTF-16, at even or odd offsets.
link_text=$(utf16_strings <"$shortcut"; tail -c +2 "$shortcut" | utf16_strings)
grep -Fq "$product_icon" <<<"$link_text" || fail "the shortcut does not show the product's icon"
exe="$install_dir/tallies.exe"
for pair in "CompanyName=The Tallies developers" "ProductName=Tallies" "FileVersion=$version" \
            "ProductVersion=$version" "InternalName=tallies" "OriginalFilename=tallies.exe"; do
  value=$(version_string "$exe" "${pair%%=*}")
  [ "$value" = "${pair#*=}" ] ||
    fail "version resource ${pair%%=*} is \"$value\", expected \"${pair#*=}\""
done
copyright=$(version_string "$exe" LegalCopyright)
[[ $copyright == Copyright*"The Tallies developers"*MIT* ]] || fail "LegalCopyright \"$copyright\""
echo "   version resource: $version, $copyright"
wrestool -x -t 14 "$exe" -o "$work/tallies.ico" || fail "no icon in tallies.exe"
icotool -l "$work/tallies.ico" | grep -q -- '--width=256 --height=256' || fail "no 256 px icon"
LC_ALL=C grep -q $'\x89PNG' "$work/tallies.ico" || fail "the 256 px icon is not stored as PNG"

step "start from the Start menu"
timeout 120 "$wine_run" "$starter" "$(winepath -w "$shortcut")" "$(winepath -w "$exe")" \
  </dev/null || fail "the shortcut did not start the installed program"

step "an older version is refused"
if msiexec_quiet /i "$(wine_path "$work/tallies-$older.msi")"; then
  fail "$older installed over $version"
fi
# Refused by its launch condition, not by some other fault: that action is the one that failed.
grep -aq 'LaunchConditions\. Return value 1\.' "$last_log" &&
  { tail -n 40 "$last_log" >&2; fail "$older was refused, but not for being older"; }
grep -aq 'LaunchConditions\. Return value' "$last_log" || fail "the launch conditions did not run"
expect_one_entry "$version"
cmp -s "$exe" "$build/msi/files/tallies.exe" || fail "the refused install changed tallies.exe"

step "uninstall"
msiexec_quiet /x "$(wine_path "$msi")" ||
  { tail -n 40 "$last_log" >&2; fail "msiexec /x failed"; }
[ ! -e "$install_dir" ] || fail "left behind: $(cd "$install_dir" && ls -A)"
[ ! -e "$shortcut" ] || fail "the shortcut is left behind"
left=$(uninstall_entries)
[ -z "$left" ] || fail "the installed-apps entry is left behind: $left"
if "$wine_run" reg query 'HKCU\Software\The Tallies developers' </dev/null >/dev/null 2>&1; then
  fail "the registry key HKCU\\Software\\The Tallies developers is left behind"
fi
echo "check_msi: $(basename "$msi") installs, upgrades, starts and uninstalls"
