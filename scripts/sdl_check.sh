#!/usr/bin/env bash
# Checks the SDL backend on a display: platform_demo opens its real window and compares what the
# display shows with the pixels the layer drew. Needs a display; without one it starts a virtual
# X server through xvfb-run (package xvfb). Not a ctest case: tests never open windows.
#   scripts/sdl_check.sh [build folder]
set -euo pipefail

build="${1:-build}"
demo="$build/platform_demo"
[ -x "$demo" ] || { echo "sdl_check: $demo is missing; build first" >&2; exit 1; }
out="$build/sdl_check"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$demo" --check-sdl "$out"
fi
command -v xvfb-run >/dev/null || { echo "sdl_check: no display and no xvfb-run" >&2; exit 1; }
exec xvfb-run -a "$demo" --check-sdl "$out"
