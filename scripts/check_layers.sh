#!/usr/bin/env bash
# Checks the layering of the sources (see docs/ARCHITECTURE.md, "Layers"):
#   - no file includes another folder's *_internal.h;
#   - gSavedState and gTeams[ appear only under database/;
#   - no file includes a header of a higher layer, except the edges listed in the table under
#     "Allowed upward includes" in docs/ARCHITECTURE.md; a listed edge that no longer exists
#     is an error too, so the list stays exact.
# Usage: check_layers.sh [source root]. Prints every violation; exits 1 when there is one.
set -euo pipefail

root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"
doc=docs/ARCHITECTURE.md
folders=(platform resources core database engine season personnel reports tools shell pages dialogs setup)

[ -f "$doc" ] || { echo "check_layers: $doc is missing" >&2; exit 1; }
allowed="$(awk '/^#+ Allowed upward includes/ { on = 1; next }
                /^#+ / { on = 0 }
                on && /^\| `/ { gsub(/[`| ]+/, " "); print $1 " " $2 }' "$doc")"

failures=0
fail() {
  echo "check_layers: $*" >&2
  failures=$((failures + 1))
}

sources="$(find "${folders[@]}" \( -name '*.cpp' -o -name '*.h' \) -type f | sort)"
checked="$(grep -Ev '^tools/(universe_tool|app_session)/' <<<"$sources")"

# One line per include of ours: "<file> <included file from the root> <upward: 1 or 0>". An
# include is taken from the root when such a file exists there and it does not start with ".",
# else from the including file's folder; includes that name no file of ours are left out.
edges="$(xargs grep -HE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' <<<"$checked" | awk -v files="$sources" '
  function layer(top) {
    if (top == "platform" || top == "resources") return 0
    if (top == "core") return 1
    if (top == "database") return 2
    if (top == "engine" || top == "season" || top == "personnel") return 3
    if (top == "reports" || top == "tools") return 4
    if (top == "shell" || top == "pages" || top == "dialogs" || top == "setup") return 5
    return -1
  }
  function normalise(path,    n, parts, out, i, m) {
    n = split(path, parts, "/"); m = 0
    for (i = 1; i <= n; i++) {
      if (parts[i] == "." || parts[i] == "") continue
      if (parts[i] == ".." && m > 0) { m--; continue }
      out[++m] = parts[i]
    }
    path = out[1]
    for (i = 2; i <= m; i++) path = path "/" out[i]
    return path
  }
  BEGIN { n = split(files, list, "\n"); for (i = 1; i <= n; i++) known[list[i]] = 1 }
  {
    file = substr($0, 1, index($0, ":") - 1)
    inc = $0; sub(/^[^"]*"/, "", inc); sub(/".*$/, "", inc)
    dir = file; sub(/\/[^\/]*$/, "", dir)
    if (inc !~ /^\./ && (inc in known)) target = inc
    else target = normalise(dir "/" inc)
    if (!(target in known)) next
    from = file; sub(/\/.*/, "", from)
    to = target; sub(/\/.*/, "", to)
    print file, target, (layer(to) > layer(from) ? 1 : 0), (to != from && target ~ /_internal\.h$/ ? 1 : 0)
  }')"

used_edges=""
while read -r file target upward internal; do
  [ -n "$file" ] || continue
  if [ "$internal" = 1 ]; then
    fail "$file includes $target, an internal header of another folder"
  fi
  if [ "$upward" = 1 ]; then
    used_edges+="$file $target"$'\n'
    grep -qxF "$file $target" <<<"$allowed" ||
      fail "$file includes $target, a higher layer (not listed in $doc)"
  fi
done <<<"$edges"

while IFS= read -r edge; do
  [ -n "$edge" ] || continue
  grep -qxF "$edge" <<<"$used_edges" || fail "listed edge no longer exists: $edge"
done <<<"$allowed"

while IFS= read -r hit; do
  fail "the saved state outside database/: $hit"
done < <(grep -rnE '\bgSavedState\b|\bgTeams[[:space:]]*\[' --include='*.cpp' --include='*.h' \
           "${folders[@]}" | grep -v '^database/' || true)

if [ "$failures" -gt 0 ]; then
  echo "check_layers: $failures problem(s)" >&2
  exit 1
fi
echo "check_layers: layering holds"
