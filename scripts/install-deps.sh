#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, and only those missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-comfortaa
  xvfb xauth xdotool imagemagick poppler-utils
  # A private session bus for the test of the hand-over to a running program (dbus-run-session).
  dbus-daemon
  clang libclang-rt-14-dev
  # Qt's own dialogs in Portuguese (a dependency of the package too).
  qt6-translations-l10n
  # Qt's Wayland platform, for `make run` in a Wayland session (the package recommends it).
  qt6-wayland
  # A headless Wayland compositor for the tests of the windows in a Wayland session.
  weston
  # What scripts/package-test.sh checks the package with.
  lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
