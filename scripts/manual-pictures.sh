#!/usr/bin/env bash
# Makes the manual's pictures (resources/manual/images/*.png) from the real chart program: starts
# the built vorelim under Xvfb in an empty charts folder, drives it with xdotool as a user would
# (a new chart for MARIA, born on 15 June 1975, its transits, the introduction text) and captures
# each window with ImageMagick's import, reduced to 64 colours so the pictures stay small.
# Needs xvfb-run, xdotool and ImageMagick (scripts/install-deps.sh installs them).
#
# Usage: scripts/manual-pictures.sh [build folder]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build/release}
out_dir=$PWD/resources/manual/images

if [ "${MANUAL_PICTURES_UNDER_XVFB:-}" != 1 ]; then
  cmake --build "$build_dir" --target vorelim
  exec env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY MANUAL_PICTURES_UNDER_XVFB=1 \
    xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$build_dir"
fi

program=$PWD/$build_dir/app/vorelim
scratch=$(mktemp -d /tmp/vorelim-pictures.XXXXXX)
mkdir -p "$scratch/charts" "$scratch/runtime" "$out_dir"
chmod 700 "$scratch/runtime"
cd "$scratch/charts"
XDG_RUNTIME_DIR=$scratch/runtime "$program" >"$scratch/vorelim.log" 2>&1 &
vorelim=$!
trap 'kill "$vorelim" 2>/dev/null || true; rm -rf "$scratch"' EXIT

# The window whose title matches the pattern, once it shows.
window() { xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
# Gives the window the keyboard (there is no window manager to do it) and sends it keys.
keys() {
  xdotool windowfocus --sync "$1"
  shift
  xdotool key --delay 40 "$@"
}
# Captures the window as a small PNG.
capture() {
  sleep 0.7
  import -window "$1" "$scratch/shot.png"
  convert "$scratch/shot.png" -strip -colors 64 "PNG8:$out_dir/$2"
  echo "manual-pictures: $out_dir/$2"
}

frame=$(window '^MAPA DO VORELIM$')
sleep 2  # the splash animation
capture "$frame" principal.png

keys "$frame" ctrl+n
dialog=$(window '^Criação de Arquivo$')
xdotool windowfocus --sync "$dialog"
xdotool type --delay 40 MARIA
# Day 15 and "junho": from the first item of each list, 14 and 5 steps down; then the year.
keys "$dialog" Tab Home $(printf 'Down %.0s' $(seq 14)) Tab Home $(printf 'Down %.0s' $(seq 5)) \
  Tab ctrl+a
xdotool type --delay 40 1975
capture "$dialog" novo-mapa.png

keys "$dialog" Return
frame=$(window '^MAPA DO VORELIM - \[MARIA\]$')
[ -f MARIA.NUM ] || { echo "manual-pictures: the chart was not written" >&2; exit 1; }
keys "$frame" Return  # "OK": the transits of the current year
capture "$frame" janela-do-mapa.png

keys "$frame" alt+v
capture "$(window '^FAÇA SEU MAPA$')" texto.png
