#!/usr/bin/env bash
# The real game on a display, driven as a person would: the Welcome screen, New Game, one week
# through the Play menu, the news pages and each menu of the menu bar, with a screenshot at each
# step in <build>/app_session/NN-step.png and checks of the window, its menus and its bars. Then the
# game-day scenario: a watched game of the user's team coached with the number keys, its narration
# clicked through and the Games page of the week, its screenshots in <build>/app_session/gameday.
# Then the saved-game scenario in two runs (New Game, two weeks, Save as "My League", leave; then
# Resume "My League" and one more week), its screenshots in <build>/app_session/saved-game.
# Needs a display; without one it starts a virtual X server through xvfb-run (package xvfb).
#   scripts/app_session.sh [build folder]
set -euo pipefail

build="$(cd "${1:-build}" && pwd)"
driver="$build/app_session_driver"
game="$build/game"
[ -x "$driver" ] || { echo "app_session: $driver is missing; build first" >&2; exit 1; }
[ -d "$game" ] || { echo "app_session: $game is missing; build first" >&2; exit 1; }
out="$build/app_session"
rm -rf "$out"
cd "$game"
run() {
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    timeout 900 "$driver" "$@"
    return
  fi
  command -v xvfb-run >/dev/null || { echo "app_session: no display and no xvfb-run" >&2; exit 1; }
  timeout 900 xvfb-run -a "$driver" "$@"
}
run "$out"
run "$out/gameday" gameday
run "$out/saved-game" saved-game-1
run "$out/saved-game" saved-game-2
