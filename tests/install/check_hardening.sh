#!/usr/bin/env bash
# Reads back from the built program the hardening Debian asks of its programs: a position-
# independent program, full RELRO (a read-only relocation table, every symbol bound at start-up),
# stack protection, and, in an optimised build, glibc's checked functions. The checks look at
# what the linker and compiler left in the ELF file, not at the flags asked for.
#
#   check_hardening.sh <program> fortified|unfortified
set -euo pipefail

program=$1
fortify=$2

for tool in readelf ldd; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

[ -f "$program" ] || fail "no program $program"
header=$(LC_ALL=C readelf -hW "$program")
dynamic=$(LC_ALL=C readelf -dW "$program")
segments=$(LC_ALL=C readelf -lW "$program")
# The functions the program takes from shared libraries, by name without their version.
imports=$(LC_ALL=C readelf --dyn-syms -W "$program" | awk '$7 == "UND" { sub(/@.*/, "", $8); print $8 }' |
  sort -u)

grep -Eq '^ *Type: +DYN ' <<<"$header" || fail "not a position-independent program"
grep -q 'GNU_RELRO' <<<"$segments" || fail "no GNU_RELRO segment: the relocations stay writable"
# Bound at start-up: DT_FLAGS holds BIND_NOW, or DT_FLAGS_1 holds NOW.
grep -Eq '\((FLAGS)\) .*\bBIND_NOW\b|\((FLAGS_1)\) .*\bNOW\b' <<<"$dynamic" ||
  fail "symbols are bound lazily: no BIND_NOW or NOW flag"
grep -qx '__stack_chk_fail' <<<"$imports" || fail "no stack protection: __stack_chk_fail is not used"

# The checked functions glibc offers (__memcpy_chk for memcpy, ...), read from the C library the
# program loads, as Debian's hardening-check does.
libc=$(ldd "$program" | awk '$1 ~ /^libc\.so/ { print $3 }')
[ -f "$libc" ] || fail "cannot find the C library of $program"
checked=$(LC_ALL=C readelf --dyn-syms -W "$libc" | awk '$8 ~ /^__.+_chk(@|$)/ { sub(/@.*/, "", $8); print $8 }' |
  sort -u)
used_checked=$(comm -12 <(echo "$checked") <(echo "$imports"))
plain=$(sed 's/^__//; s/_chk$//' <<<"$checked" | sort -u)
used_plain=$(comm -12 <(echo "$plain") <(echo "$imports"))

case $fortify in
  fortified)
    # A plain call is left wherever the compiler cannot tell the size of the buffer, so plain
    # calls beside checked ones are expected; only plain calls without any checked one show a
    # build without the checks. A program using none of these functions has nothing to check.
    if [ -z "$used_checked" ] && [ -n "$used_plain" ]; then
      fail "no checked function, while these could be checked: $(echo $used_plain)"
    fi
    ;;
  unfortified)
    # Unoptimised and sanitizer builds leave the checks out; one here means the flags went astray.
    [ -z "$used_checked" ] || fail "checked functions in a build without them: $(echo $used_checked)"
    ;;
  *) fail "expected fortified or unfortified, not $fortify" ;;
esac

echo "hardened: PIE, GNU_RELRO, $(grep -Eo '\((FLAGS|FLAGS_1)\) .*' <<<"$dynamic" | tr -s ' ' | paste -sd ';')," \
  "__stack_chk_fail, checked: $(echo ${used_checked:-none})"
