#!/usr/bin/env bash
# Fuzzes the file readers with the targets of a VANTO_FUZZ build: makes each target's seed corpus
# from our data and the default universe of that build, replays the damaged files of
# tests/fuzz/regressions through every target, then runs all targets side by side for the given
# number of seconds each (0: the replay only). Exits non-zero on the first finding; the input
# that caused it is left in <build>/fuzz/artifacts.
#
#     scripts/fuzz.sh <fuzz build folder> [seconds per target, default 60]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: fuzz.sh <fuzz build folder> [seconds]}" && pwd)
seconds=${2:-60}
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
# An input that takes longer than this is a hang; a saved game is a whole league, loaded, played a
# little and saved under the sanitizers, and has longer.
timeout_seconds=10
league_timeout_seconds=60
timeout_of() {
  case $1 in
    fuzz_saved_game|fuzz_played_game) echo $league_timeout_seconds ;;
    *) echo $timeout_seconds ;;
  esac
}

# The saved-game targets start from the default universes as a load leaves them: a load fills
# their empty draft pools, which takes seconds under the sanitizers, so each universe is loaded
# and saved once by the saved-game target, whose save is the seed.
loaded_universes() {
  local folder=$work/loaded
  mkdir -p "$folder"
  for universe in "$build"/game/Databases/*.dat; do
    local seed=$folder/$(basename "$universe")
    if [ ! -f "$seed" ]; then
      local scratch
      scratch=$(mktemp -d "$work/tmp/resave.XXXXXX")
      TMPDIR=$scratch "$build/fuzz_saved_game" -runs=1 "$universe" > "$scratch/log" 2>&1 &&
        cp "$scratch"/vanto_fuzz.*/fuzz_saved.vnt "$seed"
    fi
    ls "$seed"
  done
}

# The seed files of a target: the files that reader is made for.
seeds() {
  case $1 in
    saved_game|played_game) loaded_universes ;;
    cities) ls "$root"/data/Cities.txt ;;
    draft_talent) ls "$root"/data/Input/DraftTalent.txt ;;
    draft_strategy) ls "$root"/data/Input/DraftStrategy.txt ;;
    names) ls "$root"/data/names/*.txt ;;
    league_file) ls "$root"/data/Input/Stats/leagues/*.csv ;;
    teams_file) ls "$root"/data/Input/Stats/*_teams.csv ;;
    *) echo "fuzz.sh: no seeds for $1" >&2; return 1 ;;
  esac
}

work=$build/fuzz
rm -rf "$work/tmp" "$work/loaded"
mkdir -p "$work/tmp" "$work/artifacts"
export TMPDIR=$work/tmp

targets=()
for program in "$build"/fuzz_*; do
  [ -x "$program" ] && targets+=("$(basename "$program")")
done
[ ${#targets[@]} -gt 0 ] || { echo "fuzz.sh: no fuzz targets in $build" >&2; exit 1; }

# Every damaged file goes through every reader: each must refuse or survive what is not its own.
regressions=("$root"/tests/fuzz/regressions/*)
for target in "${targets[@]}"; do
  if ! "$build/$target" -timeout="$(timeout_of "$target")" "${regressions[@]}" \
    > "$work/$target.replay.log" 2>&1; then
    tail -n 40 "$work/$target.replay.log"
    echo "fuzz.sh: $target fails on a regression case (log: $work/$target.replay.log)" >&2
    exit 1
  fi
done
echo "fuzz.sh: ${#regressions[@]} regression cases pass through ${#targets[@]} targets"
[ "$seconds" -gt 0 ] || exit 0

pids=()
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  corpus=$work/corpus/$name
  mkdir -p "$corpus"
  seeds "$name" | xargs -r -I{} cp {} "$corpus"/
  "$build/$target" -max_total_time="$seconds" -timeout="$(timeout_of "$target")" \
    -artifact_prefix="$work/artifacts/$name-" "$corpus" > "$work/$target.log" 2>&1 &
  pids+=($!)
done
failed=0
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  if wait "${pids[$i]}"; then
    echo "fuzz.sh: $target: $(grep -o 'Done [0-9]* runs' "$work/$target.log" | tail -n 1)"
  else
    failed=1
    tail -n 40 "$work/$target.log"
    echo "fuzz.sh: $target found a fault (log: $work/$target.log)" >&2
  fi
done
ls "$work/artifacts" | sed 's/^/fuzz.sh: finding /'
exit $failed
