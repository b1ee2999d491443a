#!/usr/bin/env bash
# Runs a test program as the client of a headless weston compositor of its own: a real Wayland
# session with nothing on screen. Exits 77 (skipped) where weston is not installed.
set -euo pipefail
command -v weston >/dev/null || { echo "weston is not installed: skipped"; exit 77; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=wayland-test
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
  --width=1000 --height=740 --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT

for _ in $(seq 200); do
  [ -S "$runtime/$socket" ] && break
  sleep 0.05
done
if [ ! -S "$runtime/$socket" ]; then
  echo "weston did not start:"
  cat "$runtime/weston.log"
  exit 1
fi

env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@"
