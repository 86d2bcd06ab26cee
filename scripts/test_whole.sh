#!/usr/bin/env bash
# Runs every test program whole, twice, its cases shuffled (ctest runs each case in a process of
# its own, which hides state one case leaves to the next). Programs run side by side, up to JOBS
# at once, each in a scratch folder of its own; a failing program's output is printed with the
# seed that repeats its order (GTEST_SEED=<seed> to give one).
#   scripts/test_whole.sh <build folder> [jobs]
set -euo pipefail

build="$(cd "${1:?usage: test_whole.sh <build folder> [jobs]}" && pwd)"
jobs="${2:-$(nproc)}"
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
seed="${GTEST_SEED:-0}"  # 0: gtest takes one from the clock and prints it
scratch="$build/testrun-whole"
rm -rf "$scratch"
mkdir -p "$scratch"

programs=()
for program in "$build"/test_*; do
  [ -f "$program" ] && [ -x "$program" ] && programs+=("$program")
done
[ ${#programs[@]} -gt 0 ] || { echo "test_whole: no test program in $build" >&2; exit 1; }

run_one() {
  local program="$1" name
  name="$(basename "$program")"
  mkdir -p "$scratch/$name"
  local start=$SECONDS
  if (cd "$scratch/$name" && VANTO_SOURCE_DIR="$source_dir" "$program" --gtest_shuffle \
        --gtest_repeat=2 --gtest_random_seed="$seed" >"$scratch/$name.log" 2>&1); then
    echo "test_whole: $name passed ($((SECONDS - start)) s)"
  else
    echo "test_whole: $name FAILED ($((SECONDS - start)) s):"
    grep -E '^Note: Randomizing|^\[  FAILED  \]|Failure$' "$scratch/$name.log" | sort -u | head -40
    echo "test_whole: the whole output is $scratch/$name.log"
    return 1
  fi
}
export -f run_one
export scratch source_dir seed

printf '%s\n' "${programs[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one "$@"' _ {}
