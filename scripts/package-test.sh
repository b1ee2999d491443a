#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root (dpkg -x, nothing is installed on the
# system) and starts both installed programs from there:
#   - vorelim offscreen, twice: once with VORELIM_EXIT_WHEN_IDLE=1, which must report its main frame
#     shown and idle and exit 0; once plainly, which must still be running after a few seconds and
#     print nothing but Qt's offscreen notices;
#   - korvex with a command line whose files all exist: it must exit 0 and start the program named;
#   - korvex with a missing file: it must show "File Not Found"; under Xvfb (xvfb-run and
#     xdotool) the dialog is answered with Escape and korvex must exit 255, otherwise it is shown
#     offscreen and korvex must still be waiting in it after two seconds.
# Also checks the package's dependencies and file list (the manual's pages too), and that the installed programs hold no
# path of the build tree.
#
# Usage: scripts/package-test.sh [build folder]   (default build/release, the release preset)
set -euo pipefail
cd "$(dirname "$0")/.."
root_dir=$PWD
build_dir=${1:-build/release}

fail() {
  echo "package-test: FAIL: $*" >&2
  exit 1
}

# 1. Build the programs and the package.
if [ ! -f "$build_dir/build.ninja" ]; then
  if [ "$build_dir" = build/release ]; then
    cmake --preset release
  else
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
  fi
fi
cmake --build "$build_dir" --target vorelim korvex
rm -rf "$build_dir/package"
(cd "$build_dir" && cpack -G DEB -B "$PWD/package" >/dev/null)
deb=$(ls "$build_dir"/package/vorelim_*.deb)
[ -f "$deb" ] || fail "no .deb in $build_dir/package"
echo "package-test: built $deb"

# 2. Dependencies: the Qt libraries and the fonts, each a package this system knows.
depends=$(dpkg-deb -f "$deb" Depends)
echo "package-test: Depends: $depends"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-liberation2 \
  fonts-comfortaa qt6-translations-l10n; do
  grep -Eq "(^|[ ,|])$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed"
done
for name in $(tr ',|' '\n\n' <<<"$depends" | sed -e 's/(.*)//' -e 's/:.*//' | tr -d ' '); do
  dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' ||
    fail "dependency $name is not an installed package here"
done

# 3. The files.
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/vorelim ./usr/bin/korvex ./usr/share/vorelim/ \
  ./usr/share/applications/vorelim.desktop ./usr/share/icons/hicolor/32x32/apps/vorelim.png; do
  grep -qxF "$file" <<<"$contents" || fail "package lacks $file"
done
# The manual that F1 shows: every page and picture of resources/manual, in the data folder.
for file in $(cd resources/manual && find . -type f | sed 's|^\./||'); do
  grep -qxF "./usr/share/vorelim/manual/$file" <<<"$contents" || fail "package lacks the manual's $file"
done

scratch=$(mktemp -d /tmp/vorelim-package.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$deb" "$scratch/root"
bin=$scratch/root/usr/bin
for program in "$bin/vorelim" "$bin/korvex"; do
  [ -f "$program" ] || fail "$program is not in the package"
  if grep -qaF "$root_dir/build" "$program"; then
    fail "${program#"$scratch/root"} holds a path of the build tree"
  fi
done
[ -x "$bin/vorelim" ] && [ -x "$bin/korvex" ] || fail "a program is not executable in the package"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$scratch/root/usr/share/applications/vorelim.desktop"
fi

# 4. The chart program, offscreen, in an empty folder (its charts folder).
mkdir -p "$scratch/charts" "$scratch/runtime"
chmod 700 "$scratch/runtime"
run_env=(env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime")
cd "$scratch/charts"
# Qt's offscreen platform says it cannot pass size hints to a window manager; nothing else may show.
offscreen_notice='^This plugin does not support propagateSizeHints\(\)$'

status=0
"${run_env[@]}" VORELIM_EXIT_WHEN_IDLE=1 timeout 30 "$bin/vorelim" >"$scratch/idle.out" \
  2>"$scratch/idle.err" || status=$?
[ "$status" -eq 0 ] || fail "vorelim ended with $status before its frame was idle: $(cat "$scratch/idle.err")"
grep -q '^startup-idle monotonic_ns=[0-9]* rss_kb=[0-9]*$' "$scratch/idle.out" ||
  fail "vorelim did not report its frame shown and idle"
echo "package-test: vorelim showed its frame: $(cat "$scratch/idle.out")"

status=0
"${run_env[@]}" timeout 5 "$bin/vorelim" >"$scratch/run.out" 2>"$scratch/run.err" || status=$?
[ "$status" -eq 124 ] || fail "vorelim ended on its own with $status: $(cat "$scratch/run.err")"
if grep -Ev "$offscreen_notice" "$scratch/run.err" "$scratch/run.out" | grep -q .; then
  fail "vorelim printed: $(cat "$scratch/run.out" "$scratch/run.err")"
fi
echo "package-test: vorelim ran 5 s offscreen without a message"

# 5. The launcher: every file present, so it starts the program and exits 0 at once.
cat >"$scratch/started.sh" <<SCRIPT
touch "$scratch/started"
SCRIPT
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/korvex" sh "$scratch/started.sh" \
  >"$scratch/korvex.out" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "korvex ended with $status: $(cat "$scratch/korvex.out")"
for _ in $(seq 50); do
  [ -f "$scratch/started" ] && break
  sleep 0.1
done
[ -f "$scratch/started" ] || fail "korvex exited 0 but the program did not start"
[ ! -e "$bin/korvex.INI" ] || fail "korvex wrote a settings file though every file was present"
echo "package-test: korvex started the program and exited 0"

# 6. The launcher with a missing file: the installed korvex asks for the file's folder.
missing=("$bin/korvex" true "$scratch/nocd/FILE.AVI")
if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
  cat >"$scratch/dialog.sh" <<'SCRIPT'
"$@" >"$KORVEX_OUT" 2>&1 &
korvex=$!
# The dialog shows, gets the keyboard and is answered with Escape (Cancel).
if ! timeout 20 xdotool search --sync --onlyvisible --name '^File Not Found$' windowfocus --sync \
  >/dev/null; then
  kill "$korvex" 2>/dev/null
  echo "no dialog"
  exit 1
fi
xdotool key Escape
status=0
wait "$korvex" || status=$?
echo "$status"
SCRIPT
  status=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY KORVEX_OUT="$scratch/dialog.out" \
    XDG_RUNTIME_DIR="$scratch/runtime" timeout 60 xvfb-run -a -s '-screen 0 1024x768x24' \
    bash "$scratch/dialog.sh" "${missing[@]}" 2>&1 | tail -n 1) || true
  [ "$status" = 255 ] ||
    fail "korvex with a missing file: expected its dialog and exit 255 on Escape, got '$status': $(cat "$scratch/dialog.out" 2>/dev/null)"
  echo "package-test: korvex showed its dialog under Xvfb and exited 255 on Escape"
else
  status=0
  "${run_env[@]}" timeout 2 "${missing[@]}" >"$scratch/dialog.out" 2>&1 || status=$?
  [ "$status" -eq 124 ] ||
    fail "korvex with a missing file ended with $status instead of waiting in its dialog: $(cat "$scratch/dialog.out")"
  echo "package-test: korvex waits in its dialog offscreen (no xvfb-run/xdotool for a real answer)"
fi
[ ! -e "$bin/korvex.INI" ] || fail "korvex wrote a settings file though the dialog was cancelled"

# 7. What a distribution checks: lintian without an error or a warning, a valid desktop entry and
#    AppStream metainfo, and the files that make the desktop know the program and its chart files.
deb_file=$(cd "$root_dir" && realpath "$deb")
desktop_files=(
  ./usr/share/mime/packages/vorelim.xml ./usr/share/metainfo/org.vorelim.vorelim.metainfo.xml
  ./usr/share/man/man1/vorelim.1.gz ./usr/share/man/man1/korvex.1.gz
  ./usr/share/doc/vorelim/copyright ./usr/share/doc/vorelim/changelog.gz
  ./usr/share/icons/hicolor/scalable/apps/vorelim.svg
)
for size in 16 22 24 32 48 64 128 256; do
  icon=./usr/share/icons/hicolor/${size}x${size}/apps/vorelim.png
  desktop_files+=("$icon")
  # The PNG header holds the width and the height, big-endian, at bytes 16 and 20.
  drawn=$(od -An -tu1 -j16 -N8 "$scratch/root/${icon#./}" 2>/dev/null |
    awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$drawn" = "${size}x${size}" ] || fail "$icon is $drawn, not ${size}x${size}"
done
for file in "${desktop_files[@]}"; do
  grep -qxF "$file" <<<"$contents" || fail "package lacks $file"
done
grep -q 'type="application/x-vorelim-chart"' "$scratch/root/usr/share/mime/packages/vorelim.xml" ||
  fail "the MIME file does not define application/x-vorelim-chart"
entry=$scratch/root/usr/share/applications/vorelim.desktop
grep -qx 'MimeType=application/x-vorelim-chart;' "$entry" ||
  fail "the desktop entry does not open chart files"
grep -qx 'Exec=vorelim %F' "$entry" || fail "the desktop entry does not pass the files on"
desktop-file-validate "$entry" || fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/org.vorelim.vorelim.metainfo.xml" ||
  fail "appstreamcli refused the metainfo"
status=0
lintian_out=$(lintian --fail-on error,warning "$deb_file" 2>&1) || status=$?
lintian_out=$(grep -v '^running with root privileges is not recommended!$' <<<"$lintian_out" || true)
if [ "$status" -ne 0 ] || grep -qE '^[EW]: ' <<<"$lintian_out"; then
  fail "lintian (exit $status): $lintian_out"
fi
echo "package-test: lintian, desktop-file-validate and appstreamcli accept the package"

# 8. The command line: --version prints without a display, an unknown option is refused.
status=0
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$scratch/runtime" \
  timeout 30 "$bin/vorelim" --version 2>"$scratch/version.err") || status=$?
[ "$status" -eq 0 ] && [ "$version" = "vorelim $(dpkg-deb -f "$deb_file" Version)" ] ||
  fail "vorelim --version ended with $status and printed '$version': $(cat "$scratch/version.err")"
status=0
"${run_env[@]}" timeout 30 "$bin/vorelim" --nada >/dev/null 2>"$scratch/bad.err" || status=$?
[ "$status" -eq 1 ] && grep -q 'nada' "$scratch/bad.err" ||
  fail "vorelim --nada ended with $status: $(cat "$scratch/bad.err")"
echo "package-test: vorelim --version printed '$version'; an unknown option is refused"
echo "package-test: OK"
