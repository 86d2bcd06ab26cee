#!/usr/bin/env bash
# The real game on a display, driven as a person would: the Welcome screen, New Game, one week
# through the Play menu, the news pages and each menu of the menu bar, with a screenshot at each
# step in <build>/app_session/NN-step.png and checks of the window, its menus and its bars. Needs a
# display; without one it starts a virtual X server through xvfb-run (package xvfb).
# With "saved-game": the saved-game scenario instead, in two runs (New Game, two weeks, Save as
# "My League", leave; then Resume "My League" and one more week).
#   scripts/app_session.sh [build folder] [saved-game]
set -euo pipefail

build="$(cd "${1:-build}" && pwd)"
driver="$build/app_session_driver"
game="$build/game"
[ -x "$driver" ] || { echo "app_session: $driver is missing; build first" >&2; exit 1; }
[ -d "$game" ] || { echo "app_session: $game is missing; build first" >&2; exit 1; }
scenario="${2:-}"
out="$build/app_session${scenario:+-$scenario}"
rm -rf "$out"
cd "$game"
run() {
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    timeout 900 "$driver" "$out" "$@"
  else
    command -v xvfb-run >/dev/null || { echo "app_session: no display and no xvfb-run" >&2; exit 1; }
    timeout 900 xvfb-run -a "$driver" "$out" "$@"
  fi
}
if [ "$scenario" = "saved-game" ]; then
  run saved-game-1
  run saved-game-2
else
  run
fi
