#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Safe to run again; needs root (or sudo) only when something is missing.
#   scripts/deps.sh           what make run, make test and make bench need
#   scripts/deps.sh --format  that and clang-format, for make format
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev libpng-dev libjpeg62-turbo-dev libagg-dev
  libfreetype-dev libfontconfig-dev libsdl2-dev libcurl4-openssl-dev
  fonts-liberation2 fonts-dejavu-core
  # the font module: Carlito stands in for Calibri with the same metrics; DejaVu's extra cuts give
  # the tests a family with only a regular cut (DejaVu Math TeX Gyre), for synthetic bold/italic
  fonts-crosextra-carlito fonts-dejavu-extra
  # clang and its runtime libraries: the sanitizer build and the libFuzzer targets (make sanitize,
  # make fuzz), which g++ cannot build
  clang libclang-rt-dev
  # a virtual X server, so CI can open the real window (make sdl-check under xvfb-run)
  xvfb xauth
  # xdg-open: the help pages, box scores and recaps open in the desktop's browser
  xdg-utils
  # the encyclopedia export's check parses every page with python3's HTML parser
  python3
)

case "${1:-}" in
  "") ;;
  --format) packages+=(clang-format) ;;
  *) echo "usage: $0 [--format]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "deps.sh: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "deps.sh: run as root to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
