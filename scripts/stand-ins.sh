#!/usr/bin/env bash
# Lists the stand-ins: functions that have only their least behaviour until the subsystem named in
# their marker builds them. Each carries, right above it:
#     // STAND-IN(<subsystem>): <what the real one will do>
#
#   scripts/stand-ins.sh          the stand-ins grouped by subsystem, with a count per subsystem
#   scripts/stand-ins.sh --check  fails on a marker of another form, a malformed marker, a marker
#                                 whose subsystem is not its file's folder, or one above no function
set -euo pipefail
cd "$(dirname "$0")/.."

subsystems="platform core database engine season personnel shell pages dialogs setup reports tools"
mode=list
case "${1:-}" in
  "") ;;
  --check) mode=check ;;
  *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

# Every C++ source of the project, build output left out.
sources() {
  find . -path ./build -prune -o -path ./.git -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||' | sort
}

# One "subsystem<TAB>file:line<TAB>function<TAB>text" row per marker; problems go to stderr as
# "file:line: message".
scan() {
  sources | xargs awk -v known=" $subsystems " '
    function problem(msg) { printf "%s:%d: %s\n", FILENAME, FNR, msg > "/dev/stderr"; bad = 1 }
    FNR == 1 { pending = "" }
    pending != "" {
      if ($0 ~ /^[ \t]*\/\//) {  # the marker text goes on
        more = $0; sub(/^[ \t]*\/\/[ \t]*/, "", more); pending = pending " " more
        next
      }
      if (match($0, /[A-Za-z_][A-Za-z_0-9]*[ \t]*\(/)) {
        name = substr($0, RSTART, RLENGTH - 1); sub(/[ \t]+$/, "", name)
        print pending "\t" name
      } else {
        printf "%s:%d: STAND-IN marker above no function\n", FILENAME, pending_line > "/dev/stderr"
        bad = 1
      }
      pending = ""
    }
    /STAND-IN/ {
      if (!match($0, /\/\/ STAND-IN\([a-z]+\): [^ ]/)) { problem("malformed STAND-IN marker"); next }
      tag = $0; sub(/.*STAND-IN\(/, "", tag); sub(/\).*/, "", tag)
      text = $0; sub(/.*STAND-IN\([a-z]+\): /, "", text)
      folder = FILENAME; sub(/\/.*/, "", folder)
      if (index(known, " " tag " ") == 0) problem("unknown subsystem \"" tag "\"")
      else if (tag != folder) problem("STAND-IN(" tag ") in the folder " folder "/")
      pending = tag "\t" FILENAME ":" FNR "\t" text; pending_line = FNR
      next
    }
    tolower($0) ~ /stand-in|(^|[^a-z])stubs?([^a-z]|$)|placeholder|todo|fixme|for now|later issue/ {
      problem("a stand-in marked another way: use // STAND-IN(<subsystem>): <what the real one will do>")
    }
    END { exit bad }'
}

if [ "$mode" = check ]; then
  if ! scan > /dev/null; then
    echo "stand-ins.sh: mark each stand-in as // STAND-IN(<subsystem>): <what the real one will do>" >&2
    exit 1
  fi
  exit 0
fi

rows=$(scan || true)
total=0
for s in $subsystems; do
  group=$(printf '%s\n' "$rows" | awk -F'\t' -v s="$s" '$1 == s { printf "  %-38s %-36s %s\n", $2, $4, $3 }')
  [ -z "$group" ] && continue
  n=$(printf '%s\n' "$group" | wc -l)
  total=$((total + n))
  printf '%s (%d)\n%s\n\n' "$s" "$n" "$group"
done
printf 'Stand-ins by subsystem:'
for s in $subsystems; do
  n=$(printf '%s\n' "$rows" | awk -F'\t' -v s="$s" '$1 == s' | wc -l)
  [ "$n" -gt 0 ] && printf ' %s %d,' "$s" "$n"
done
printf ' total %d\n' "$total"
