#!/usr/bin/env bash
# Each layer's library calls down only: a symbol it leaves undefined that another of the game's
# libraries defines must come from a library it links (docs/ARCHITECTURE.md, "Libraries"). The
# build runs this check once the libraries are built, so a call into a higher layer fails the build.
# Calls that still go upward while their code moves are listed in scripts/upward_symbols.txt, one
# demangled symbol a line ("#" starts a comment); a listed symbol that no longer goes upward fails
# too, so the list stays exact. --update writes the list anew from the libraries.
#   check_layer_symbols.sh <layer manifest> [--update]
# The manifest, written by CMake, has a line a library: "<layer> <archive> <archives it links>...".
set -euo pipefail

manifest="${1:?usage: check_layer_symbols.sh <layer manifest> [--update]}"
list="$(cd "$(dirname "$0")" && pwd)/upward_symbols.txt"
update="${2:-}"

# The strong definitions (code, data, read-only data) of an archive, mangled, one a line.
defined() { nm -g --defined-only --format=posix "$@" 2>/dev/null | awk '$2 ~ /^[TDBRGSC]$/ { print $1 }' | sort -u; }
undefined() { nm -g --undefined-only --format=posix "$1" 2>/dev/null | awk '{ print $1 }' | sort -u; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

all_archives=()
while read -r _ archive _; do
  [ -n "$archive" ] && all_archives+=("$archive")
done <"$manifest"
for archive in "${all_archives[@]}"; do
  [ -f "$archive" ] || { echo "check_layer_symbols: $archive is missing; build first" >&2; exit 1; }
done

found="$work/found"
: >"$found"
while read -r layer archive linked; do
  [ -n "$layer" ] || continue
  # shellcheck disable=SC2086
  defined "$archive" $linked >"$work/reachable"
  others=()
  for other in "${all_archives[@]}"; do
    [[ " $archive $linked " == *" $other "* ]] || others+=("$other")
  done
  [ ${#others[@]} -gt 0 ] || continue
  defined "${others[@]}" >"$work/others"
  undefined "$archive" | comm -23 - "$work/reachable" | comm -12 - "$work/others" |
    c++filt | sed "s/^/$layer /" >>"$found"
done <"$manifest"

if [ "$update" = "--update" ]; then
  {
    echo "# Symbols a layer's library still calls in a higher layer's, while their code moves down"
    echo "# (scripts/check_layer_symbols.sh). Remove a line when its call is gone; an empty list is"
    echo "# the goal. Written by check_layer_symbols.sh --update: <calling layer> <symbol>."
    sort -u "$found"
  } >"$list"
  echo "check_layer_symbols: $(sort -u "$found" | wc -l) upward symbol(s) written to $list"
  exit 0
fi

grep -vE '^[[:space:]]*(#|$)' "$list" 2>/dev/null | sort -u >"$work/listed" || true
sort -u "$found" >"$work/found_sorted"
failures=0
while IFS= read -r line; do
  echo "check_layer_symbols: ${line%% *} calls ${line#* }, which a higher layer defines" >&2
  failures=$((failures + 1))
done < <(comm -23 "$work/found_sorted" "$work/listed")
while IFS= read -r line; do
  echo "check_layer_symbols: listed but no longer called upward: $line (remove it from $list)" >&2
  failures=$((failures + 1))
done < <(comm -13 "$work/found_sorted" "$work/listed")
if [ "$failures" -gt 0 ]; then
  echo "check_layer_symbols: $failures problem(s)" >&2
  exit 1
fi
echo "check_layer_symbols: every library calls down only ($(wc -l <"$work/listed") listed upward symbol(s))"
